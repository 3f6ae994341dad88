#include "exchange/EditorComparison.h"

#include "exchange/ExchangeTexts.h"
#include "exchange/JsonExport.h"
#include "exchange/SettingNames.h"
#include "image/ImageLayout.h"

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
    explicit Comparison(int language) : language_(language) {}

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

    void channel(const EditorState& before, const EditorState& after, int row) {
        const std::string where = "channel " + std::to_string(row);
        const bool usedBefore = before.table.inUse(row), usedAfter = after.table.inUse(row);
        if (!usedBefore && !usedAfter) return;
        if (usedBefore != usedAfter) {
            found_.push_back({where, "", channelShown(before, row), channelShown(after, row),
                              ChannelJson(before, row), ChannelJson(after, row)});
            return;
        }
        const auto valuesBefore = ChannelValues(before, row);
        const auto valuesAfter = ChannelValues(after, row);
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
    std::string channelShown(const EditorState& state, int row) const {
        if (!state.table.inUse(row)) return Localise(language_, text::NotInUse);
        std::string out;
        for (const NamedValue& value : ChannelValues(state, row))
            out += (out.empty() ? "" : ", ") + std::string(value.name) + " " +
                   (value.number ? value.text : shownText(value.text));
        return out;
    }

    int language_;
    std::vector<Difference> found_;
};

std::string bandShown(int band) {
    const bool known = band >= 0 && band < static_cast<int>(kBands.size());
    return std::to_string(band) + (known ? " (" + std::string(kBands[band].text) + ")" : "");
}

} // namespace

std::vector<Difference> CompareEditors(const EditorState& before, const EditorState& after,
                                       int languageState) {
    Comparison comparison(languageState);
    comparison.number("band", before.currentBand, after.currentBand, bandShown(before.currentBand),
                      bandShown(after.currentBand));
    for (int row = 1; row <= kChannelCount; ++row)
        comparison.channel(before, after, row);
    for (const SettingKey& key : SettingKeys()) {
        const std::string where = std::string("settings.") + key.name;
        if (key.text)
            comparison.text(where, SettingText(before, key.name), SettingText(after, key.name));
        else
            comparison.number(where, SettingNumber(before, key.name),
                              SettingNumber(after, key.name));
    }
    for (std::size_t i = 0; i < before.stores.dtmfMemory.size(); ++i)
        comparison.text("dtmfMemory[" + std::to_string(i) + "]", before.stores.dtmfMemory[i],
                        after.stores.dtmfMemory[i]);
    for (int i = 0; i < kChannelCount; ++i) {
        const std::string where = "testFrequencies[" + std::to_string(i) + "]";
        comparison.text(where + ".rx", before.stores.testFrequencies[i],
                        after.stores.testFrequencies[i]);
        comparison.text(where + ".tx", before.stores.testFrequencies[i + kChannelCount],
                        after.stores.testFrequencies[i + kChannelCount]);
    }
    for (std::size_t i = 0; i < before.stores.embeddedTexts.size(); ++i)
        comparison.text("embeddedTexts[" + std::to_string(i) + "]", before.stores.embeddedTexts[i],
                        after.stores.embeddedTexts[i]);
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
