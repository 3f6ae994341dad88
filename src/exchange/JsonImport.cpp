// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/JsonImport.h"

#include "exchange/ExchangeTexts.h"
#include "exchange/SettingNames.h"
#include "radio/RadioData.h"

#include <cmath>

namespace tlv {

namespace {

class JsonReader {
  public:
    JsonReader(Language language, ImportReport& report) : language_(language), report_(report) {}

    ImportPatch read(const std::string& text, const JsonParser& parser) {
        ImportPatch patch;
        std::string syntaxError;
        const std::optional<JsonValue> document = ReadJson(text, parser, language_, syntaxError);
        if (!document) {
            fail("json", syntaxError);
            return patch;
        }
        if (!document->isObject()) {
            wrongType("json", text::TypeObject);
            return patch;
        }
        const JsonValue& root = *document;
        for (std::size_t at = 0; at < root.keys().size(); ++at) {
            const std::string& key = root.keys()[at];
            const JsonValue& value = root.items()[at];
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
    void fail(const std::string& where, const std::string& message) {
        report_.errors.push_back({where, message});
    }
    void wrongType(const std::string& where, const LocalText& expected, const std::string& a = {}) {
        fail(where, Localise(language_, text::WrongType, Localise(language_, expected, a)));
    }

    std::optional<int> number(const std::string& where, const JsonValue& value) {
        if (!value.isNumber()) {
            wrongType(where, text::TypeNumber);
            return std::nullopt;
        }
        const double d = value.number();
        if (d != std::floor(d) || d < -100000 || d > 100000) {
            wrongType(where, text::TypeNumber);
            return std::nullopt;
        }
        return static_cast<int>(d);
    }

    std::optional<std::string> string(const std::string& where, const JsonValue& value) {
        if (!value.isString()) {
            wrongType(where, text::TypeText);
            return std::nullopt;
        }
        return value.string();
    }

    template <std::size_t N>
    void textArray(const std::string& where, const JsonValue& value,
                   std::array<std::optional<std::string>, N>& target) {
        if (!value.isArray() || value.items().size() > N) {
            wrongType(where, text::TypeArray, std::to_string(N));
            return;
        }
        const std::vector<JsonValue>& array = value.items();
        for (std::size_t i = 0; i < array.size(); ++i)
            target[i] = string(where + "[" + std::to_string(i) + "]", array[i]);
    }

    void channels(const JsonValue& value, ImportPatch& patch) {
        if (!value.isArray() || value.items().size() > std::size_t(kChannelCount)) {
            wrongType("channels", text::TypeArray, std::to_string(kChannelCount));
            return;
        }
        const std::vector<JsonValue>& array = value.items();
        for (std::size_t i = 0; i < array.size(); ++i) {
            const std::string channelName =
                Localise(language_, text::AtChannel, std::to_string(i + 1));
            const std::string path = "channels[" + std::to_string(i) + "]";
            const std::string where = channelName + " (" + path + ")";
            ChannelPatch channel;
            if (array[i].isNull()) {
                channel.clear = true;
            } else if (!array[i].isObject()) {
                wrongType(where, text::TypeChannel);
                continue;
            } else {
                const JsonValue& object = array[i];
                for (std::size_t k = 0; k < object.keys().size(); ++k) {
                    const std::string& key = object.keys()[k];
                    const JsonValue& item = object.items()[k];
                    const std::string at = channelName + " (" + path + "." + key + ")";
                    channel.places[key] = at;
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
            patch.channels[i] = channel;
        }
    }

    void settings(const JsonValue& value, ImportPatch& patch) {
        if (!value.isObject()) {
            wrongType("settings", text::TypeObject);
            return;
        }
        for (std::size_t k = 0; k < value.keys().size(); ++k) {
            const std::string& key = value.keys()[k];
            const JsonValue& item = value.items()[k];
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
                if (auto s = string(where, item)) patch.texts[key] = *s;
            } else {
                if (auto n = number(where, item)) patch.numbers[key] = *n;
            }
        }
    }

    void testFrequencies(const JsonValue& value, ImportPatch& patch) {
        if (!value.isArray() || value.items().size() > std::size_t(kChannelCount)) {
            wrongType("testFrequencies", text::TypeArray, std::to_string(kChannelCount));
            return;
        }
        const std::vector<JsonValue>& array = value.items();
        for (std::size_t i = 0; i < array.size(); ++i) {
            const std::string where = "testFrequencies[" + std::to_string(i) + "]";
            if (!array[i].isObject()) {
                wrongType(where, text::TypeObject);
                continue;
            }
            const JsonValue& object = array[i];
            for (std::size_t k = 0; k < object.keys().size(); ++k) {
                const std::string& key = object.keys()[k];
                const JsonValue& item = object.items()[k];
                if (key == "rx")
                    patch.testFrequencies[i].rx = string(where + ".rx", item);
                else if (key == "tx")
                    patch.testFrequencies[i].tx = string(where + ".tx", item);
                else
                    fail(where + "." + key, Localise(language_, text::UnknownKey));
            }
        }
    }

    Language language_;
    ImportReport& report_;
};

} // namespace

ImportPatch ParseJson(const std::string& text, const JsonParser& parser, Language language,
                      ImportReport& report) {
    return JsonReader(language, report).read(text, parser);
}

} // namespace tlv
