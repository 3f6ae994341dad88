// SPDX-License-Identifier: GPL-3.0-or-later
#include "BrowserJsonParser.h"

#include <emscripten/val.h>

namespace tlv {

namespace {

using emscripten::val;

// A string of the parser in UTF-8; a lone surrogate of a \u escape becomes a question mark
// (jsonText in web/core/pre.js), as Qt's parser gives it in the window program.
std::string textOf(const val& text) {
    return val::module_property("jsonText")(text).as<std::string>();
}

JsonValue valueOf(const val& value) {
    if (value.isNull()) return {};
    if (value.isTrue() || value.isFalse()) return JsonValue::Bool(value.isTrue());
    if (value.isNumber()) return JsonValue::Number(value.as<double>());
    if (value.isString()) return JsonValue::String(textOf(value));
    if (value.isArray()) {
        std::vector<JsonValue> items;
        const int length = value["length"].as<int>();
        for (int i = 0; i < length; ++i)
            items.push_back(valueOf(value[i]));
        return JsonValue::Array(std::move(items));
    }
    const val keys = val::global("Object").call<val>("keys", value);
    std::vector<std::pair<std::string, JsonValue>> members;
    const int length = keys["length"].as<int>();
    for (int i = 0; i < length; ++i)
        members.emplace_back(textOf(keys[i]), valueOf(value[keys[i]]));
    return JsonValue::Object(std::move(members));
}

} // namespace

JsonValue BrowserJsonParser::parse(std::string_view text) const {
    return valueOf(val::global("JSON").call<val>("parse", std::string(text)));
}

} // namespace tlv
