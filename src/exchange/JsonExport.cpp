// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/JsonExport.h"

#include "exchange/SettingNames.h"

#include <cstdio>

namespace tlv {

namespace {

// Well-formed UTF-8: no stray continuation bytes, no overlong forms, no surrogates, nothing
// beyond U+10FFFF. A text that starts with a byte order mark is not taken as UTF-8 either: the
// mark would vanish in a UTF-8 reader, so its bytes are written as characters.
bool validUtf8(const std::string& text) {
    if (text.rfind("\xEF\xBB\xBF", 0) == 0) return false;
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        int length = 0;
        unsigned long code = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
            code = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            code = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            code = c & 0x07;
        } else {
            return false;
        }
        if (i + static_cast<std::size_t>(length) > text.size()) return false;
        for (int k = 1; k < length; ++k) {
            const unsigned char next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            code = (code << 6) | (next & 0x3F);
        }
        const unsigned long lowest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < lowest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += static_cast<std::size_t>(length);
    }
    return true;
}

} // namespace

std::string JsonString(const std::string& text) {
    const bool utf8 = validUtf8(text);
    std::string out = "\"";
    for (unsigned char c : text) {
        char escaped[8];
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c == 0x7F || (c >= 0x80 && !utf8)) {
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

std::string ChannelJson(const Channel& channel) {
    if (!channel.inUse()) return "null";
    std::string out = "{";
    for (const NamedValue& value : ChannelValues(channel))
        out += (out.size() > 1 ? ", " : "") + JsonString(value.name) + ": " +
               (value.number ? value.text : JsonString(value.text));
    return out + "}";
}

std::string ExportJson(const RadioData& radio) {
    std::string out = "{\n  \"band\": " + std::to_string(radio.band) + ",\n";
    out += "  \"channels\": [\n";
    for (int number = 1; number <= kChannelCount; ++number)
        out +=
            "    " + ChannelJson(radio.channel(number)) + (number < kChannelCount ? ",\n" : "\n");
    out += "  ],\n  \"settings\": {\n";
    const auto keys = SettingKeys();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const char* name = keys[i].name;
        out += "    " + JsonString(name) + ": " +
               (keys[i].text ? JsonString(SettingText(radio, name))
                             : std::to_string(SettingNumber(radio, name))) +
               (i + 1 < keys.size() ? ",\n" : "\n");
    }
    out += "  },\n  \"dtmfMemory\": [";
    for (std::size_t i = 0; i < radio.dtmf.memories.size(); ++i)
        out += (i ? ", " : "") + JsonString(radio.dtmf.memories[i]);
    out += "],\n  \"testFrequencies\": [\n";
    for (std::size_t i = 0; i < radio.testFrequencies.size(); ++i) {
        const TestFrequency& test = radio.testFrequencies[i];
        out += "    {\"rx\": " + JsonString(FrequencyValue(test.rx)) +
               ", \"tx\": " + JsonString(FrequencyValue(test.tx)) + "}" +
               (i + 1 < radio.testFrequencies.size() ? ",\n" : "\n");
    }
    out += "  ],\n  \"embeddedTexts\": [" + JsonString(radio.embeddedTexts[0]) + ", " +
           JsonString(radio.embeddedTexts[1]) + "]\n}\n";
    return out;
}

} // namespace tlv
