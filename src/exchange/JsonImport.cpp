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

    ImportChanges read(const std::string& text, const JsonParser& parser) {
        ImportChanges changes;
        std::string syntaxError;
        const std::optional<JsonValue> document = ReadJson(text, parser, language_, syntaxError);
        if (!document) {
            report_.errors.push_back(IssueAt(KeyPathPlace("json"), syntaxError, language_));
            return changes;
        }
        if (!document->isObject()) {
            wrongType(KeyPathPlace("json"), text::TypeObject);
            return changes;
        }
        const JsonValue& root = *document;
        for (std::size_t at = 0; at < root.keys().size(); ++at) {
            const std::string& key = root.keys()[at];
            const JsonValue& value = root.items()[at];
            if (key == "band") {
                if (auto n = number(KeyPathPlace(key), value))
                    changes.band = {*n, KeyPathPlace(key)};
            } else if (key == "channels") {
                channels(value, changes);
            } else if (key == "settings") {
                settings(value, changes);
            } else if (key == "dtmfMemory") {
                textArray(key, value, changes.dtmfMemory);
            } else if (key == "testFrequencies") {
                testFrequencies(value, changes);
            } else if (key == "embeddedTexts") {
                textArray(key, value, changes.embeddedTexts);
            } else {
                error(KeyPathPlace(key), text::UnknownKey);
            }
        }
        return changes;
    }

  private:
    void error(const ImportPlace& place, const LocalText& message, const std::string& a = {}) {
        report_.errors.push_back(IssueAt(place, Localise(language_, message, a), language_));
    }
    void wrongType(const ImportPlace& place, const LocalText& expected, const std::string& a = {}) {
        error(place, text::WrongType, Localise(language_, expected, a));
    }

    std::optional<int> number(const ImportPlace& place, const JsonValue& value) {
        if (!value.isNumber()) {
            wrongType(place, text::TypeNumber);
            return std::nullopt;
        }
        const double d = value.number();
        if (d != std::floor(d) || d < -100000 || d > 100000) {
            wrongType(place, text::TypeNumber);
            return std::nullopt;
        }
        return static_cast<int>(d);
    }

    std::optional<std::string> string(const ImportPlace& place, const JsonValue& value) {
        if (!value.isString()) {
            wrongType(place, text::TypeText);
            return std::nullopt;
        }
        return value.string();
    }

    // The items of an array of at most `size` entries at `key`; nothing (a finding) for any
    // other value.
    const std::vector<JsonValue>* array(const std::string& key, const JsonValue& value,
                                        std::size_t size) {
        if (value.isArray() && value.items().size() <= size) return &value.items();
        wrongType(KeyPathPlace(key), text::TypeArray, std::to_string(size));
        return nullptr;
    }

    template <std::size_t N>
    void textArray(const std::string& key, const JsonValue& value,
                   std::array<std::optional<Placed<std::string>>, N>& target) {
        const std::vector<JsonValue>* items = array(key, value, N);
        if (!items) return;
        for (std::size_t i = 0; i < items->size(); ++i) {
            const ImportPlace place = KeyPathPlace(key + "[" + std::to_string(i) + "]");
            target[i].reset();
            if (auto text = string(place, (*items)[i])) target[i] = {*text, place};
        }
    }

    void channels(const JsonValue& value, ImportChanges& changes) {
        const std::vector<JsonValue>* items = array("channels", value, kChannelCount);
        if (!items) return;
        for (std::size_t i = 0; i < items->size(); ++i) {
            const JsonValue& item = (*items)[i];
            const int number = static_cast<int>(i) + 1;
            const std::string path = "channels[" + std::to_string(i) + "]";
            ChannelChanges channel;
            if (item.isNull()) {
                channel.clear = true;
            } else if (!item.isObject()) {
                wrongType(KeyPathPlace(path, number), text::TypeChannel);
                continue;
            } else {
                for (std::size_t k = 0; k < item.keys().size(); ++k)
                    field(channel, item.keys()[k], item.items()[k],
                          KeyPathPlace(path + "." + item.keys()[k], number));
            }
            changes.channels[i] = channel;
        }
    }

    // One value of a channel: frequencies and tones are texts, the options list positions.
    void field(ChannelChanges& channel, const std::string& key, const JsonValue& value,
               const ImportPlace& place) {
        const auto text = [&] { return string(place, value); };
        const auto position = [&] { return number(place, value); };
        if (key == "rx" || key == "tx") {
            auto& target = key == "rx" ? channel.rx : channel.tx;
            target.reset();
            if (auto given = text()) target = FrequencyChangeOf(*given, place);
        } else if (key == "rxTone" || key == "txTone") {
            auto& target = key == "rxTone" ? channel.rxTone : channel.txTone;
            target.reset();
            if (auto given = text()) target = ToneChangeOf(*given, place);
        } else if (key == "power") {
            option(channel.power, position(), place);
        } else if (key == "forbid") {
            option(channel.forbid, position(), place);
        } else if (key == "bandwidth") {
            option(channel.bandwidth, position(), place);
        } else if (key == "scan") {
            option(channel.scan, position(), place);
        } else {
            error(place, text::UnknownKey);
        }
    }

    template <typename T>
    static void option(std::optional<OptionChange<T>>& target, std::optional<int> position,
                       const ImportPlace& place) {
        target.reset();
        if (position) target = OptionOfPosition<T>(*position, place);
    }

    void settings(const JsonValue& value, ImportChanges& changes) {
        if (!value.isObject()) {
            wrongType(KeyPathPlace("settings"), text::TypeObject);
            return;
        }
        for (std::size_t k = 0; k < value.keys().size(); ++k) {
            const std::string& key = value.keys()[k];
            const JsonValue& item = value.items()[k];
            const ImportPlace place = KeyPathPlace("settings." + key);
            bool known = false, isText = false;
            for (const auto& setting : SettingKeys()) {
                if (key == setting.name) {
                    known = true;
                    isText = setting.text;
                }
            }
            if (!known) {
                error(place, text::UnknownKey);
            } else if (isText) {
                if (auto s = string(place, item)) changes.texts[key] = {*s, place};
            } else {
                if (auto n = number(place, item)) changes.numbers[key] = {*n, place};
            }
        }
    }

    void testFrequencies(const JsonValue& value, ImportChanges& changes) {
        const std::vector<JsonValue>* items = array("testFrequencies", value, kChannelCount);
        if (!items) return;
        for (std::size_t i = 0; i < items->size(); ++i) {
            const std::string path = "testFrequencies[" + std::to_string(i) + "]";
            const JsonValue& object = (*items)[i];
            if (!object.isObject()) {
                wrongType(KeyPathPlace(path), text::TypeObject);
                continue;
            }
            for (std::size_t k = 0; k < object.keys().size(); ++k) {
                const std::string& key = object.keys()[k];
                const ImportPlace place = KeyPathPlace(path + "." + key);
                if (key != "rx" && key != "tx") {
                    error(place, text::UnknownKey);
                    continue;
                }
                auto& target =
                    key == "rx" ? changes.testFrequencies[i].rx : changes.testFrequencies[i].tx;
                target.reset();
                if (auto given = string(place, object.items()[k]))
                    target = FrequencyChangeOf(*given, place);
            }
        }
    }

    Language language_;
    ImportReport& report_;
};

} // namespace

ImportChanges ParseJson(const std::string& text, const JsonParser& parser, Language language,
                        ImportReport& report) {
    return JsonReader(language, report).read(text, parser);
}

} // namespace tlv
