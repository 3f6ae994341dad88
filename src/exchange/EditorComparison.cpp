// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/EditorComparison.h"

#include "exchange/ExchangeTexts.h"
#include "exchange/JsonExport.h"
#include "exchange/SettingNames.h"
#include "radio/Bands.h"

namespace tlv {

namespace {

// A text as a person reads it: as it is when plain, in JSON quotes when empty, padded with
// blanks or holding bytes that are not printable ASCII.
std::string shownText(const std::string& text) {
    bool plain = !text.empty() && text.front() != ' ' && text.back() != ' ';
    for (unsigned char c : text)
        plain = plain && c >= 0x20 && c < 0x7F;
    return plain ? text : JsonString(text);
}

class Comparison {
  public:
    explicit Comparison(Language language) : language_(language) {}

    void number(const std::string& where, int before, int after, const std::string& shownBefore,
                const std::string& shownAfter) {
        if (before == after) return;
        found_.push_back(
            {where, "", shownBefore, shownAfter, std::to_string(before), std::to_string(after)});
    }
    void number(const std::string& where, int before, int after) {
        number(where, before, after, std::to_string(before), std::to_string(after));
    }
    void text(const std::string& where, const std::string& before, const std::string& after) {
        if (before == after) return;
        found_.push_back({where, "", shownText(before), shownText(after), JsonString(before),
                          JsonString(after)});
    }

    void channel(const Channel& before, const Channel& after, int number) {
        const std::string where = "channel " + std::to_string(number);
        if (!before.inUse() && !after.inUse()) return;
        if (before.inUse() != after.inUse()) {
            found_.push_back({where, "", channelShown(before), channelShown(after),
                              ChannelJson(before), ChannelJson(after)});
            return;
        }
        const auto valuesBefore = ChannelValues(before);
        const auto valuesAfter = ChannelValues(after);
        for (std::size_t i = 0; i < valuesBefore.size(); ++i) {
            const NamedValue& b = valuesBefore[i];
            const NamedValue& a = valuesAfter[i];
            if (b.text == a.text) continue;
            found_.push_back({where, b.name, b.number ? b.text : shownText(b.text),
                              a.number ? a.text : shownText(a.text),
                              b.number ? b.text : JsonString(b.text),
                              a.number ? a.text : JsonString(a.text)});
        }
    }

    std::vector<Difference> take() { return std::move(found_); }

  private:
    std::string channelShown(const Channel& channel) const {
        if (!channel.inUse()) return Localise(language_, text::NotInUse);
        std::string out;
        for (const NamedValue& value : ChannelValues(channel))
            out += (out.empty() ? "" : ", ") + std::string(value.name) + " " +
                   (value.number ? value.text : shownText(value.text));
        return out;
    }

    Language language_;
    std::vector<Difference> found_;
};

std::string bandShown(int band) {
    return std::to_string(band) +
           (IsBand(band) ? " (" + std::string(kBands[static_cast<std::size_t>(band)].text) + ")"
                         : "");
}

} // namespace

std::vector<Difference> CompareRadioData(const RadioData& before, const RadioData& after,
                                         Language language) {
    Comparison comparison(language);
    comparison.number("band", before.band, after.band, bandShown(before.band),
                      bandShown(after.band));
    for (int number = 1; number <= kChannelCount; ++number)
        comparison.channel(before.channel(number), after.channel(number), number);
    for (const SettingKey& key : SettingKeys()) {
        const std::string where = std::string("settings.") + key.name;
        if (key.text)
            comparison.text(where, SettingText(before, key.name), SettingText(after, key.name));
        else
            comparison.number(where, SettingNumber(before, key.name),
                              SettingNumber(after, key.name));
    }
    for (std::size_t i = 0; i < before.dtmf.memories.size(); ++i)
        comparison.text("dtmfMemory[" + std::to_string(i) + "]", before.dtmf.memories[i],
                        after.dtmf.memories[i]);
    for (std::size_t i = 0; i < before.testFrequencies.size(); ++i) {
        const std::string where = "testFrequencies[" + std::to_string(i) + "]";
        const TestFrequency& b = before.testFrequencies[i];
        const TestFrequency& a = after.testFrequencies[i];
        comparison.text(where + ".rx", FrequencyValue(b.rx), FrequencyValue(a.rx));
        comparison.text(where + ".tx", FrequencyValue(b.tx), FrequencyValue(a.tx));
    }
    for (std::size_t i = 0; i < before.embeddedTexts.size(); ++i)
        comparison.text("embeddedTexts[" + std::to_string(i) + "]", before.embeddedTexts[i],
                        after.embeddedTexts[i]);
    return comparison.take();
}

std::string DifferencesText(const std::vector<Difference>& differences) {
    std::string out;
    for (const Difference& d : differences)
        out += d.where + ": " + (d.field.empty() ? "" : d.field + " ") + d.oldShown + " -> " +
               d.newShown + "\n";
    return out;
}

std::string DifferencesJson(const std::vector<Difference>& differences) {
    std::string out = std::string("{\n  \"equal\": ") + (differences.empty() ? "true" : "false") +
                      ",\n  \"differences\": [";
    for (std::size_t i = 0; i < differences.size(); ++i) {
        const Difference& d = differences[i];
        out += std::string(i ? "," : "") + "\n    {\"where\": " + JsonString(d.where);
        if (!d.field.empty()) out += ", \"field\": " + JsonString(d.field);
        out += ", \"old\": " + d.oldJson + ", \"new\": " + d.newJson + "}";
    }
    return out + (differences.empty() ? "]\n}\n" : "\n  ]\n}\n");
}

} // namespace tlv
