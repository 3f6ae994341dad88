// SPDX-License-Identifier: GPL-3.0-or-later
#include "WebJsonImport.h"

#include "exchange/ExchangeTexts.h"
#include "exchange/SettingNames.h"
#include "radio/RadioData.h"

#include <emscripten/val.h>

#include <cmath>

namespace tlv {

namespace {

using emscripten::val;

class JsonReader {
  public:
    JsonReader(Language language, ImportReport& report) : language_(language), report_(report) {}

    ImportPatch read(const std::string& text) {
        ImportPatch patch;
        // JSON.parse in web/core/pre.js: a syntax error comes back as its message.
        const val parsed = val::module_property("parseJsonText")(text);
        if (!parsed["error"].isUndefined()) {
            fail("json", Localise(language_, text::BadJson, parsed["error"].as<std::string>()));
            return patch;
        }
        const val root = parsed["value"];
        if (!isObject(root)) {
            wrongType("json", text::TypeObject);
            return patch;
        }
        for (const auto& key : keysOf(root)) {
            const val value = root[key];
            if (key == "band") {
                if (auto n = number(key, value)) patch.band = *n;
            } else if (key == "channels") {
                channels(value, patch);
            } else if (key == "settings") {
                settings(value, patch);
            } else if (key == "dtmfMemory") {
                textArray(key, value, patch.dtmfMemory);
            } else if (key == "testFrequencies") {
                testFrequencies(value, patch);
            } else if (key == "embeddedTexts") {
                textArray(key, value, patch.embeddedTexts);
            } else {
                fail(key, Localise(language_, text::UnknownKey));
            }
        }
        return patch;
    }

  private:
    static bool isObject(const val& value) {
        return !value.isNull() && value.typeOf().as<std::string>() == "object" && !value.isArray();
    }
    // Keys in the order the desktop reader visits them (sorted), so reports read the same.
    static std::vector<std::string> keysOf(const val& object) {
        const val keys = val::global("Object").call<val>("keys", object).call<val>("sort");
        std::vector<std::string> out;
        const int length = keys["length"].as<int>();
        for (int i = 0; i < length; ++i)
            out.push_back(keys[i].as<std::string>());
        return out;
    }
    static int lengthOf(const val& array) { return array["length"].as<int>(); }

    void fail(const std::string& where, const std::string& message) {
        report_.errors.push_back({where, message});
    }
    void wrongType(const std::string& where, const LocalText& expected, const std::string& a = {}) {
        fail(where, Localise(language_, text::WrongType, Localise(language_, expected, a)));
    }

    std::optional<int> number(const std::string& where, const val& value) {
        if (!value.isNumber()) {
            wrongType(where, text::TypeNumber);
            return std::nullopt;
        }
        const double d = value.as<double>();
        if (d != std::floor(d) || d < -100000 || d > 100000) {
            wrongType(where, text::TypeNumber);
            return std::nullopt;
        }
        return static_cast<int>(d);
    }

    std::optional<std::string> string(const std::string& where, const val& value) {
        if (!value.isString()) {
            wrongType(where, text::TypeText);
            return std::nullopt;
        }
        return value.as<std::string>();
    }

    template <std::size_t N>
    void textArray(const std::string& where, const val& value,
                   std::array<std::optional<std::string>, N>& target) {
        if (!value.isArray() || lengthOf(value) > static_cast<int>(N)) {
            wrongType(where, text::TypeArray, std::to_string(N));
            return;
        }
        for (int i = 0; i < lengthOf(value); ++i)
            target[static_cast<std::size_t>(i)] =
                string(where + "[" + std::to_string(i) + "]", value[i]);
    }

    void channels(const val& value, ImportPatch& patch) {
        if (!value.isArray() || lengthOf(value) > kChannelCount) {
            wrongType("channels", text::TypeArray, std::to_string(kChannelCount));
            return;
        }
        for (int i = 0; i < lengthOf(value); ++i) {
            const std::string where = Localise(language_, text::AtChannel, std::to_string(i + 1));
            const val entry = value[i];
            ChannelPatch channel;
            if (entry.isNull()) {
                channel.clear = true;
            } else if (!isObject(entry)) {
                wrongType(where, text::TypeChannel);
                continue;
            } else {
                for (const auto& key : keysOf(entry)) {
                    const std::string at = where + " " + key;
                    const val item = entry[key];
                    if (key == "rx")
                        channel.rx = string(at, item);
                    else if (key == "rxTone")
                        channel.rxTone = string(at, item);
                    else if (key == "tx")
                        channel.tx = string(at, item);
                    else if (key == "txTone")
                        channel.txTone = string(at, item);
                    else if (key == "power")
                        channel.power = number(at, item);
                    else if (key == "forbid")
                        channel.forbid = number(at, item);
                    else if (key == "bandwidth")
                        channel.bandwidth = number(at, item);
                    else if (key == "scan")
                        channel.scan = number(at, item);
                    else
                        fail(at, Localise(language_, text::UnknownKey));
                }
            }
            patch.channels[static_cast<std::size_t>(i)] = channel;
        }
    }

    void settings(const val& value, ImportPatch& patch) {
        if (!isObject(value)) {
            wrongType("settings", text::TypeObject);
            return;
        }
        for (const auto& key : keysOf(value)) {
            const std::string where = "settings." + key;
            bool known = false, isText = false;
            for (const auto& setting : SettingKeys()) {
                if (key == setting.name) {
                    known = true;
                    isText = setting.text;
                }
            }
            if (!known) {
                fail(where, Localise(language_, text::UnknownKey));
            } else if (isText) {
                if (auto s = string(where, value[key])) patch.texts[key] = *s;
            } else {
                if (auto n = number(where, value[key])) patch.numbers[key] = *n;
            }
        }
    }

    void testFrequencies(const val& value, ImportPatch& patch) {
        if (!value.isArray() || lengthOf(value) > kChannelCount) {
            wrongType("testFrequencies", text::TypeArray, std::to_string(kChannelCount));
            return;
        }
        for (int i = 0; i < lengthOf(value); ++i) {
            const std::string where = "testFrequencies[" + std::to_string(i) + "]";
            const val entry = value[i];
            if (!isObject(entry)) {
                wrongType(where, text::TypeObject);
                continue;
            }
            auto& target = patch.testFrequencies[static_cast<std::size_t>(i)];
            for (const auto& key : keysOf(entry)) {
                if (key == "rx")
                    target.rx = string(where + ".rx", entry[key]);
                else if (key == "tx")
                    target.tx = string(where + ".tx", entry[key]);
                else
                    fail(where + "." + key, Localise(language_, text::UnknownKey));
            }
        }
    }

    Language language_;
    ImportReport& report_;
};

} // namespace

ImportPatch ParseJsonText(const std::string& text, Language language, ImportReport& report) {
    return JsonReader(language, report).read(text);
}

} // namespace tlv
