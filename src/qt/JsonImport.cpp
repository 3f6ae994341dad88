// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/JsonImport.h"

#include "exchange/ExchangeTexts.h"
#include "exchange/SettingNames.h"
#include "radio/RadioData.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include <cmath>

namespace tlv {

namespace {

class JsonReader {
  public:
    JsonReader(Language language, ImportReport& report) : language_(language), report_(report) {}

    ImportPatch read(const std::string& text) {
        ImportPatch patch;
        QJsonParseError parseError;
        const QJsonDocument document = QJsonDocument::fromJson(
            QByteArray(text.data(), static_cast<qsizetype>(text.size())), &parseError);
        if (parseError.error != QJsonParseError::NoError) {
            fail("json", Localise(language_, text::BadJson,
                                  parseError.errorString().toStdString() + " (offset " +
                                      std::to_string(parseError.offset) + ")"));
            return patch;
        }
        if (!document.isObject()) {
            wrongType("json", text::TypeObject);
            return patch;
        }
        const QJsonObject root = document.object();
        for (auto it = root.begin(); it != root.end(); ++it) {
            const std::string key = it.key().toStdString();
            const QJsonValue value = it.value();
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

    std::optional<int> number(const std::string& where, const QJsonValue& value) {
        if (!value.isDouble()) {
            wrongType(where, text::TypeNumber);
            return std::nullopt;
        }
        const double d = value.toDouble();
        if (d != std::floor(d) || d < -100000 || d > 100000) {
            wrongType(where, text::TypeNumber);
            return std::nullopt;
        }
        return static_cast<int>(d);
    }

    std::optional<std::string> string(const std::string& where, const QJsonValue& value) {
        if (!value.isString()) {
            wrongType(where, text::TypeText);
            return std::nullopt;
        }
        return value.toString().toStdString();
    }

    template <std::size_t N>
    void textArray(const std::string& where, const QJsonValue& value,
                   std::array<std::optional<std::string>, N>& target) {
        if (!value.isArray() || value.toArray().size() > static_cast<qsizetype>(N)) {
            wrongType(where, text::TypeArray, std::to_string(N));
            return;
        }
        const QJsonArray array = value.toArray();
        for (qsizetype i = 0; i < array.size(); ++i)
            target[i] = string(where + "[" + std::to_string(i) + "]", array[i]);
    }

    void channels(const QJsonValue& value, ImportPatch& patch) {
        if (!value.isArray() || value.toArray().size() > kChannelCount) {
            wrongType("channels", text::TypeArray, std::to_string(kChannelCount));
            return;
        }
        const QJsonArray array = value.toArray();
        for (qsizetype i = 0; i < array.size(); ++i) {
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
                const QJsonObject object = array[i].toObject();
                for (auto it = object.begin(); it != object.end(); ++it) {
                    const std::string key = it.key().toStdString();
                    const std::string at = channelName + " (" + path + "." + key + ")";
                    channel.places[key] = at;
                    if (key == "rx")
                        channel.rx = string(at, it.value());
                    else if (key == "rxTone")
                        channel.rxTone = string(at, it.value());
                    else if (key == "tx")
                        channel.tx = string(at, it.value());
                    else if (key == "txTone")
                        channel.txTone = string(at, it.value());
                    else if (key == "power")
                        channel.power = number(at, it.value());
                    else if (key == "forbid")
                        channel.forbid = number(at, it.value());
                    else if (key == "bandwidth")
                        channel.bandwidth = number(at, it.value());
                    else if (key == "scan")
                        channel.scan = number(at, it.value());
                    else
                        fail(at, Localise(language_, text::UnknownKey));
                }
            }
            patch.channels[i] = channel;
        }
    }

    void settings(const QJsonValue& value, ImportPatch& patch) {
        if (!value.isObject()) {
            wrongType("settings", text::TypeObject);
            return;
        }
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it) {
            const std::string key = it.key().toStdString();
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
                if (auto s = string(where, it.value())) patch.texts[key] = *s;
            } else {
                if (auto n = number(where, it.value())) patch.numbers[key] = *n;
            }
        }
    }

    void testFrequencies(const QJsonValue& value, ImportPatch& patch) {
        if (!value.isArray() || value.toArray().size() > kChannelCount) {
            wrongType("testFrequencies", text::TypeArray, std::to_string(kChannelCount));
            return;
        }
        const QJsonArray array = value.toArray();
        for (qsizetype i = 0; i < array.size(); ++i) {
            const std::string where = "testFrequencies[" + std::to_string(i) + "]";
            if (!array[i].isObject()) {
                wrongType(where, text::TypeObject);
                continue;
            }
            const QJsonObject object = array[i].toObject();
            for (auto it = object.begin(); it != object.end(); ++it) {
                const std::string key = it.key().toStdString();
                if (key == "rx")
                    patch.testFrequencies[i].rx = string(where + ".rx", it.value());
                else if (key == "tx")
                    patch.testFrequencies[i].tx = string(where + ".tx", it.value());
                else
                    fail(where + "." + key, Localise(language_, text::UnknownKey));
            }
        }
    }

    Language language_;
    ImportReport& report_;
};

} // namespace

ImportPatch ParseJson(const std::string& text, Language language, ImportReport& report) {
    return JsonReader(language, report).read(text);
}

} // namespace tlv
