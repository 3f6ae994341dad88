#include "exchange/ImportPatch.h"

#include "editor/EditingRules.h"
#include "editor/EditorOps.h"
#include "editor/ToneList.h"
#include "exchange/ExchangeTexts.h"
#include "exchange/SettingNames.h"
#include "image/ImageLayout.h"

#include <cctype>

namespace tlv {

namespace {

bool printableAscii(const std::string& text) {
    for (unsigned char c : text)
        if (c < 0x20 || c > 0x7E) return false;
    return true;
}

// Records the editor's messages instead of showing them; answers OK.
class CollectingBox : public MessageBoxService {
  public:
    std::vector<std::string> texts;
    int LocalMsgBox(const std::string& text, int, const std::string&) override {
        texts.push_back(text);
        return IdOk;
    }
};

class Applier {
  public:
    Applier(EditorState& state, int language, ImportReport& report)
        : state_(state), language_(language), report_(report) {}

    void error(const std::string& where, const LocalText& text, const std::string& a = {},
               const std::string& b = {}) {
        report_.errors.push_back({where, Localise(language_, text, a, b)});
    }
    void errorText(const std::string& where, const std::string& message) {
        report_.errors.push_back({where, message});
    }

    void band(int index) {
        if (index < 0 || index >= static_cast<int>(kBands.size())) {
            error("band", text::OutsideList, "0", std::to_string(kBands.size() - 1));
            return;
        }
        // Programmatic selection, as an image load does it: no question, channels kept.
        SelectBandWithoutQuestion(state_, index);
    }

    void channel(int row, const ChannelPatch& patch) {
        const std::string where = Localise(language_, text::AtChannel, std::to_string(row));
        if (patch.clear) {
            ClearChannel(state_, row);
            return;
        }
        if (patch.rx) {
            if (patch.rx->empty()) {
                error(where + " rx", text::ReceiveEmpty);
                return;
            }
            // The editor treats a receive frequency entered beside an empty transmit cell as a
            // new channel and gives it the defaults. A receive-only channel of the base is not
            // new: its other values stay unless the input gives them.
            const bool inUse = state_.table.inUse(row);
            const auto cells = state_.table.cell[row];
            const auto entries = state_.optionIndex.entry[row - 1];
            if (!frequency(row, col::RxFrequency, *patch.rx, where + " rx")) return;
            if (inUse) {
                for (int column = col::RxTone; column <= col::Scan; ++column)
                    state_.table.at(row, column) = cells[column];
                state_.optionIndex.entry[row - 1] = entries;
            }
        }
        if (!state_.table.inUse(row)) {
            error(where, text::ChannelNotInUse);
            return;
        }
        if (patch.tx) {
            if (patch.tx->empty()) {
                // No transmit frequency and no transmit tone: the form a receive-only channel
                // has after a load.
                state_.table.at(row, col::TxFrequency).clear();
                state_.table.at(row, col::TxTone).clear();
            } else {
                frequency(row, col::TxFrequency, *patch.tx, where + " tx");
            }
        }
        if (patch.rxTone) tone(row, col::RxTone, *patch.rxTone, where + " rxTone");
        if (patch.txTone) tone(row, col::TxTone, *patch.txTone, where + " txTone");
        if (patch.power) optionCell(row, col::Power, *patch.power, where + " power");
        if (patch.forbid) optionCell(row, col::Forbid, *patch.forbid, where + " forbid");
        if (patch.bandwidth)
            optionCell(row, col::Bandwidth, *patch.bandwidth, where + " bandwidth");
        if (patch.scan) optionCell(row, col::Scan, *patch.scan, where + " scan");
    }

    void number(const std::string& name, int value) {
        const std::string where = "settings." + name;
        const NumberSetting* setting = FindNumberSetting(name);
        if (!setting) {
            error(where, text::UnknownKey);
            return;
        }
        if (name == "FirstDigitDelay") {
            // Milliseconds; the image holds tens of milliseconds from 10 to 100.
            if (value != 0 && (value < 100 || value > 1000 || value % 10 != 0)) {
                error(where, text::DelayOutside);
                return;
            }
        } else if (value < setting->min || value > setting->max) {
            error(where, text::OutsideList, std::to_string(setting->min),
                  std::to_string(setting->max));
            return;
        }
        setting->set(state_, value);
    }

    void textSetting(const std::string& name, const std::string& value) {
        const std::string where = "settings." + name;
        const TextSetting* setting = FindTextSetting(name);
        if (!setting) {
            error(where, text::UnknownKey);
            return;
        }
        if (asciiText(where, value, setting->width))
            state_.stores.options.entry[setting->entry] = value;
    }

    void dtmfMemory(int index, const std::string& value) {
        const std::string where = "dtmfMemory[" + std::to_string(index) + "]";
        if (value.size() > 16) {
            error(where, text::TextTooLong, "16");
            return;
        }
        for (char c : value) {
            const bool ok =
                (c >= '0' && c <= '9') || (c >= 'A' && c <= 'D') || c == '*' || c == '#';
            if (!ok) {
                error(where, text::NotDtmf);
                return;
            }
        }
        state_.stores.dtmfMemory[index] = value;
    }

    void testFrequency(int index, bool transmit, const std::string& value) {
        const std::string where =
            "testFrequencies[" + std::to_string(index) + (transmit ? "].tx" : "].rx");
        std::string& target = state_.stores.testFrequencies[index + (transmit ? 16 : 0)];
        if (value.empty()) {
            target.clear();
            return;
        }
        const auto units = FrequencyUnits(value);
        if (!units) {
            error(where, text::NotANumber);
            return;
        }
        // The image holds three integer digits and five decimals.
        if (*units < 10000000LL || *units > 99999999LL) {
            error(where, text::TestFrequencyRange);
            return;
        }
        fineDigitsNote(where, value);
        target = FormatFrequencyUnits(*units);
    }

    void embeddedText(int index, const std::string& value) {
        const std::string where = "embeddedTexts[" + std::to_string(index) + "]";
        if (asciiText(where, value, 32)) state_.stores.embeddedTexts[index] = value;
    }

  private:
    void fineDigitsNote(const std::string& where, const std::string& value) {
        if (const auto units = FrequencyUnits(value); units && FinerThanTenHertz(value))
            report_.notes.push_back({where, Localise(language_, text::FinerThanTenHertz, value,
                                                     FormatFrequencyUnits(*units))});
    }

    // The band in force with its range, e.g. "400-470MHz (400.00000..469.99999 MHz)".
    std::string bandRange() const {
        const int band = state_.currentBand;
        const std::string name = band >= 0 && band < static_cast<int>(kBands.size())
                                     ? std::string(kBands[band].text)
                                     : std::string();
        return name + " (" + std::to_string(state_.bandLow) + ".00000.." +
               std::to_string(state_.bandHigh - 1) + ".99999 MHz)";
    }

    bool asciiText(const std::string& where, const std::string& value, std::size_t width) {
        if (!printableAscii(value)) {
            error(where, text::NotPrintable);
            return false;
        }
        if (value.size() > width) {
            error(where, text::TextTooLong, std::to_string(width));
            return false;
        }
        return true;
    }

    bool frequency(int row, int column, const std::string& value, const std::string& where) {
        if (!IsDecimalNumber(value)) {
            error(where, text::NotANumber);
            return false;
        }
        state_.editRow = row;
        state_.editCol = column;
        CollectingBox box;
        const FrequencyCommit result = CommitFrequency(state_, box, value);
        switch (result) {
        case FrequencyCommit::OutOfBand:
            report_.errors.push_back(
                {where,
                 (box.texts.empty() ? Localise(language_, msg::OutOfBand.text)
                                    : box.texts.front()) +
                     ": " + Localise(language_, text::OutsideBand, value, bandRange()),
                 ImportHint::Band});
            return false;
        case FrequencyCommit::Written:
        case FrequencyCommit::NewChannel: {
            const std::string& cell = state_.table.at(row, column);
            fineDigitsNote(where, value);
            if (FrequencyUnits(cell) != FrequencyUnits(value))
                report_.notes.push_back({where, Localise(language_, text::Snapped, value, cell)});
            return true;
        }
        case FrequencyCommit::Unchanged:
        case FrequencyCommit::Deleted:
            break;
        }
        error(where, text::NotANumber);
        return false;
    }

    void tone(int row, int column, const std::string& value, const std::string& where) {
        state_.editRow = row;
        state_.editCol = column;
        if (value.empty()) {
            // The empty tone cell of a load: only beside an empty frequency.
            const int frequencyColumn = column == col::RxTone ? col::RxFrequency : col::TxFrequency;
            if (!state_.table.at(row, frequencyColumn).empty()) {
                error(where, text::ToneWithoutFrequency);
                return;
            }
            state_.table.at(row, column).clear();
            return;
        }
        if (IsToneOffText(state_.lists, value)) {
            PickTone(state_, 0);
            return;
        }
        std::string upper = value;
        for (char& c : upper)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        // A tone of the list is taken as a pick; any other value as typed into the list.
        if (const int position = ToneListPosition(state_.lists, upper); position > 0) {
            PickTone(state_, position);
            return;
        }
        const std::string before = state_.table.at(row, column);
        if (CommitTone(state_, upper, -1) != ToneCommit::Written) {
            state_.table.at(row, column) = before;
            error(where, text::UnknownTone);
        }
    }

    void optionCell(int row, int column, int value, const std::string& where) {
        if (value != 0 && value != 1) {
            error(where, text::OutsideList, "0", "1");
            return;
        }
        state_.editRow = row;
        state_.editCol = column;
        PickOption(state_, value);
    }

    EditorState& state_;
    int language_;
    ImportReport& report_;
};

} // namespace

std::optional<long long> FrequencyUnits(const std::string& text) {
    if (!IsDecimalNumber(text)) return std::nullopt;
    long long value = 0;
    int decimals = -1;
    for (char c : text) {
        if (c == '.') {
            decimals = 0;
            continue;
        }
        if (decimals >= 5) continue;
        value = value * 10 + (c - '0');
        if (value > 1000000000000LL) return std::nullopt;
        if (decimals >= 0) ++decimals;
    }
    for (int d = decimals < 0 ? 0 : decimals; d < 5; ++d)
        value *= 10;
    return value;
}

std::string FormatFrequencyUnits(long long units) {
    std::string digits = std::to_string(units);
    if (digits.size() < 6) digits.insert(0, 6 - digits.size(), '0');
    return digits.substr(0, digits.size() - 5) + "." + digits.substr(digits.size() - 5);
}

bool FinerThanTenHertz(const std::string& text) {
    const auto point = text.find('.');
    if (point == std::string::npos || text.size() <= point + 6) return false;
    return text.find_first_not_of('0', point + 6) != std::string::npos;
}

std::string IssueText(const ImportIssue& issue) {
    return issue.where.empty() ? issue.message : issue.where + ": " + issue.message;
}

std::string IssueLines(const std::vector<ImportIssue>& issues, int languageState,
                       std::size_t maxLines) {
    std::string lines;
    for (std::size_t i = 0; i < issues.size() && i < maxLines; ++i) {
        if (i > 0) lines += '\n';
        lines += IssueText(issues[i]);
    }
    if (issues.size() > maxLines)
        lines += '\n' + Localise(languageState, text::MoreIssues,
                                 std::to_string(issues.size() - maxLines));
    return lines;
}

bool ImportReport::hinted(ImportHint hint) const {
    for (const auto& error : errors)
        if (error.hint == hint) return true;
    return false;
}

void ApplyImport(EditorState& state, const ImportPatch& patch, int languageState,
                 ImportReport& report) {
    Applier applier(state, languageState, report);
    // The band first: the channels' frequencies are checked against its limits.
    if (patch.band) applier.band(*patch.band);
    for (int row = 1; row <= kChannelCount; ++row)
        if (patch.channels[row - 1]) applier.channel(row, *patch.channels[row - 1]);
    for (const auto& [name, value] : patch.numbers)
        applier.number(name, value);
    for (const auto& [name, value] : patch.texts)
        applier.textSetting(name, value);
    for (int i = 0; i < 8; ++i)
        if (patch.dtmfMemory[i]) applier.dtmfMemory(i, *patch.dtmfMemory[i]);
    for (int i = 0; i < 16; ++i) {
        if (patch.testFrequencies[i].rx)
            applier.testFrequency(i, false, *patch.testFrequencies[i].rx);
        if (patch.testFrequencies[i].tx)
            applier.testFrequency(i, true, *patch.testFrequencies[i].tx);
    }
    for (int i = 0; i < 2; ++i)
        if (patch.embeddedTexts[i]) applier.embeddedText(i, *patch.embeddedTexts[i]);
    state.editRow = 0;
    state.editCol = 0;
}

} // namespace tlv
