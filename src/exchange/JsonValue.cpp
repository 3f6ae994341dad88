// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/JsonValue.h"

#include "exchange/ExchangeTexts.h"

#include <algorithm>

namespace tlv {

JsonValue JsonValue::Bool(bool value) {
    JsonValue json;
    json.kind_ = Kind::Bool;
    json.boolean_ = value;
    return json;
}

JsonValue JsonValue::Number(double value) {
    JsonValue json;
    json.kind_ = Kind::Number;
    json.number_ = value;
    return json;
}

JsonValue JsonValue::String(std::string value) {
    JsonValue json;
    json.kind_ = Kind::String;
    json.text_ = std::move(value);
    return json;
}

JsonValue JsonValue::Array(std::vector<JsonValue> items) {
    JsonValue json;
    json.kind_ = Kind::Array;
    json.items_ = std::move(items);
    return json;
}

JsonValue JsonValue::Object(std::vector<std::pair<std::string, JsonValue>> members) {
    // Sorted by the code points of the keys (the bytes of UTF-8 sort alike), as Qt sorts them.
    // Keys are unique: both parsers keep the last of a key given twice.
    const auto byKey = [](const auto& a, const auto& b) { return a.first < b.first; };
    std::make_heap(members.begin(), members.end(), byKey); // a heap sort: small code, n log n
    std::sort_heap(members.begin(), members.end(), byKey);
    JsonValue json;
    json.kind_ = Kind::Object;
    for (auto& [key, value] : members) {
        json.keys_.push_back(std::move(key));
        json.items_.push_back(std::move(value));
    }
    return json;
}

std::optional<JsonValue> ReadJson(std::string_view text, const JsonParser& parser,
                                  Language language, std::string& error) {
    if (const std::optional<JsonSyntaxError> fault = FindJsonSyntaxError(text)) {
        error = Localise(language, text::BadJson,
                         Localise(language, text::AtJsonLineColumn, std::to_string(fault->line),
                                  std::to_string(fault->column)) +
                             ": " + Localise(language, *fault->reason));
        return std::nullopt;
    }
    if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.remove_prefix(3);
    return parser.parse(text);
}

} // namespace tlv
