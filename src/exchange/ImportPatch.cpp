// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/ImportPatch.h"

#include "editor/CellTexts.h"
#include "editor/EditingRules.h"
#include "editor/EditorOps.h"
#include "exchange/ExchangeTexts.h"
#include "exchange/SettingNames.h"
#include "radio/Bands.h"

#include <cctype>

namespace tlv {

namespace {

bool printableAscii(const std::string& text) {
    for (unsigned char c : text)
        if (c < 0x20 || c > 0x7E) return false;
    return true;
}

class Applier {
  public:
    Applier(EditorState& state, Language language, ImportReport& report)
        : state_(state), language_(language), report_(report) {}

    void band(int index) {
        if (!IsBand(index)) {
            error("band", text::OutsideList, "0", std::to_string(kBandCount - 1));
            return;
        }
        // Programmatic selection, as an image load does it: no question, channels kept.
        SelectBandWithoutQuestion(state_, index);
    }

    void channel(int number, const ChannelPatch& patch) {
        const std::string where = Localise(language_, text::AtChannel, std::to_string(number));
        // The place of a field in the input, or the channel and the field's name.
        const auto at = [&](const char* field) {
            const auto place = patch.places.find(field);
            return place != patch.places.end() ? place->second : where + " " + field;
        };
        if (patch.clear) {
            ClearChannel(state_, number);
            return;
        }
        Channel& channel = state_.radio().channel(number);
        if (patch.rx) {
            if (patch.rx->empty()) {
                error(at("rx"), text::ReceiveEmpty);
                return;
            }
            // The editor treats a receive frequency entered beside no transmit frequency as a
            // new channel and gives it the defaults. A receive-only channel of the base is not
            // new: its other values stay unless the input gives them.
            const Channel before = channel;
            const int16_t rxToneEntry = state_.data.tones.at(number, col::RxTone);
            const int16_t txToneEntry = state_.data.tones.at(number, col::TxTone);
            if (!frequency({number, col::RxFrequency}, *patch.rx, at("rx"))) return;
            if (before.inUse()) {
                const std::optional<Frequency> rx = channel.rx;
                channel = before;
                channel.rx = rx;
                state_.data.tones.at(number, col::RxTone) = rxToneEntry;
                state_.data.tones.at(number, col::TxTone) = txToneEntry;
            }
        }
        if (!channel.inUse()) {
            error(where, text::ChannelNotInUse);
            return;
        }
        if (patch.tx) {
            if (patch.tx->empty()) {
                // No transmit frequency and no transmit tone: a receive-only channel.
                channel.tx.reset();
                channel.txTone = Tone::Off();
            } else {
                frequency({number, col::TxFrequency}, *patch.tx, at("tx"));
            }
        }
        if (patch.rxTone) tone({number, col::RxTone}, *patch.rxTone, at("rxTone"));
        if (patch.txTone) tone({number, col::TxTone}, *patch.txTone, at("txTone"));
        if (patch.power) option({number, col::Power}, *patch.power, at("power"));
        if (patch.forbid) option({number, col::Forbid}, *patch.forbid, at("forbid"));
        if (patch.bandwidth) option({number, col::Bandwidth}, *patch.bandwidth, at("bandwidth"));
        if (patch.scan) option({number, col::Scan}, *patch.scan, at("scan"));
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
        setting->set(state_.radio(), value);
    }

    void textSetting(const std::string& name, const std::string& value) {
        const std::string where = "settings." + name;
        const TextSetting* setting = FindTextSetting(name);
        if (!setting) {
            error(where, text::UnknownKey);
            return;
        }
        if (asciiText(where, value, setting->width)) state_.radio().codes.*setting->field = value;
    }

    void dtmfMemory(std::size_t index, const std::string& value) {
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
        state_.radio().dtmf.memories[index] = value;
    }

    void testFrequency(std::size_t index, bool transmit, const std::string& value) {
        const std::string where =
            "testFrequencies[" + std::to_string(index) + (transmit ? "].tx" : "].rx");
        TestFrequency& test = state_.radio().testFrequencies[index];
        std::optional<Frequency>& target = transmit ? test.tx : test.rx;
        if (value.empty()) {
            target.reset();
            return;
        }
        const auto units = FrequencyTens(value);
        if (!units) {
            error(where, text::NotANumber);
            return;
        }
        // The image holds three integer digits and five decimals.
        if (*units < 10000000 || *units > Frequency::kMaxTens) {
            error(where, text::TestFrequencyRange);
            return;
        }
        fineDigitsNote(where, value);
        target = Frequency{static_cast<uint32_t>(*units)};
    }

    // After an import that changed the band: each channel in use whose receive or transmit
    // frequency the input does not give, and that lies outside the new band, is an error
    // naming the channel, the frequency and the band. Kept, such a channel would make a file
    // whose export the next import refuses and that a write to the radio asks about; a
    // frequency the input gives was checked against the new band when it was written.
    void keptChannelsInBand(const ImportPatch& patch) {
        const BandLimits limits = LimitsOfBand(state_.radio().band);
        for (int number = 1; number <= kChannelCount; ++number) {
            const auto& given = patch.channels[static_cast<std::size_t>(number - 1)];
            const Channel& channel = state_.radio().channel(number);
            if ((given && given->clear) || !channel.inUse()) continue;
            const bool rxKept = !(given && given->rx) && OutsideBand(channel.rx, limits);
            const bool txKept = !(given && given->tx) && OutsideBand(channel.tx, limits);
            if (!rxKept && !txKept) continue;
            error(Localise(language_, text::AtChannel, std::to_string(number)),
                  text::KeptOutsideBand, FrequencyText(rxKept ? *channel.rx : *channel.tx),
                  bandRange());
        }
    }

    void embeddedText(std::size_t index, const std::string& value) {
        const std::string where = "embeddedTexts[" + std::to_string(index) + "]";
        if (asciiText(where, value, 32)) state_.radio().embeddedTexts[index] = value;
    }

  private:
    void error(const std::string& where, const LocalText& text, const std::string& a = {},
               const std::string& b = {}) {
        report_.errors.push_back({where, Localise(language_, text, a, b)});
    }

    void fineDigitsNote(const std::string& where, const std::string& value) {
        if (const auto units = FrequencyTens(value); units && FinerThanTenHertz(value))
            report_.notes.push_back(
                {where, Localise(language_, text::FinerThanTenHertz, value, TensText(*units))});
    }

    // The band in force with its range, e.g. "400-470MHz (400.00000..469.99999 MHz)".
    std::string bandRange() const {
        const int band = state_.radio().band;
        const BandLimits limits = LimitsOfBand(band);
        const std::string name =
            IsBand(band) ? std::string(kBands[static_cast<std::size_t>(band)].text) : "";
        return name + " (" + std::to_string(limits.low) + ".00000.." +
               std::to_string(limits.high - 1) + ".99999 MHz)";
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

    bool frequency(ChannelCell cell, const std::string& value, const std::string& where) {
        if (!IsDecimalNumber(value)) {
            error(where, text::NotANumber);
            return false;
        }
        const FrequencyResult result = CommitFrequency(state_, cell, value);
        switch (result.outcome) {
        case FrequencyCommit::OutOfBand:
            report_.errors.push_back(
                {where,
                 Localise(language_, (result.message ? *result.message : msg::OutOfBand).text) +
                     ": " + Localise(language_, text::OutsideBand, value, bandRange()),
                 ImportHint::Band});
            return false;
        case FrequencyCommit::Written:
        case FrequencyCommit::NewChannel: {
            const Channel& channel = state_.radio().channel(cell.row);
            const std::string written =
                FrequencyText(*(cell.column == col::RxFrequency ? channel.rx : channel.tx));
            fineDigitsNote(where, value);
            if (FrequencyTens(written) != FrequencyTens(value))
                report_.notes.push_back(
                    {where, Localise(language_, text::Snapped, value, written)});
            return true;
        }
        case FrequencyCommit::Unchanged:
        case FrequencyCommit::Deleted:
            break;
        }
        error(where, text::NotANumber);
        return false;
    }

    void tone(ChannelCell cell, const std::string& value, const std::string& where) {
        Channel& channel = state_.radio().channel(cell.row);
        Tone& tone = cell.column == col::RxTone ? channel.rxTone : channel.txTone;
        if (value.empty()) {
            // No tone: only beside no frequency.
            if (cell.column == col::RxTone ? channel.rx.has_value() : channel.tx.has_value()) {
                error(where, text::ToneWithoutFrequency);
                return;
            }
            tone = Tone::Off();
            return;
        }
        if (IsToneOffText(value)) {
            PickTone(state_, cell, 0);
            return;
        }
        std::string upper = value;
        for (char& c : upper)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        // A tone of the list is taken as a pick; any other value as typed into the list.
        if (const std::optional<Tone> listed = ToneOfValueText(upper)) {
            if (const int position = ToneListPosition(*listed); position > 0) {
                PickTone(state_, cell, position);
                return;
            }
        }
        const Tone before = tone;
        if (CommitTone(state_, cell, upper, -1) != ToneCommit::Written) {
            tone = before;
            error(where, text::UnknownTone, value);
        }
    }

    void option(ChannelCell cell, int value, const std::string& where) {
        if (value != 0 && value != 1) {
            error(where, text::OutsideList, "0", "1");
            return;
        }
        PickOption(state_, cell, value);
    }

    EditorState& state_;
    Language language_;
    ImportReport& report_;
};

} // namespace

std::string IssueText(const ImportIssue& issue) {
    return issue.where.empty() ? issue.message : issue.where + ": " + issue.message;
}

std::string IssueLines(const std::vector<ImportIssue>& issues, Language language,
                       std::size_t maxLines) {
    std::string lines;
    for (std::size_t i = 0; i < issues.size() && i < maxLines; ++i) {
        if (i > 0) lines += '\n';
        lines += IssueText(issues[i]);
    }
    if (issues.size() > maxLines)
        lines +=
            '\n' + Localise(language, text::MoreIssues, std::to_string(issues.size() - maxLines));
    return lines;
}

bool ImportReport::hinted(ImportHint hint) const {
    for (const auto& error : errors)
        if (error.hint == hint) return true;
    return false;
}

void ApplyImport(EditorState& state, const ImportPatch& patch, Language language,
                 ImportReport& report) {
    Applier applier(state, language, report);
    // The band first: the channels' frequencies are checked against its limits.
    const int baseBand = state.radio().band;
    if (patch.band) applier.band(*patch.band);
    for (int number = 1; number <= kChannelCount; ++number)
        if (const auto& channel = patch.channels[static_cast<std::size_t>(number - 1)])
            applier.channel(number, *channel);
    // A base that already holds channels outside its own band is imported onto as it is.
    if (state.radio().band != baseBand) applier.keptChannelsInBand(patch);
    for (const auto& [name, value] : patch.numbers)
        applier.number(name, value);
    for (const auto& [name, value] : patch.texts)
        applier.textSetting(name, value);
    for (std::size_t i = 0; i < patch.dtmfMemory.size(); ++i)
        if (patch.dtmfMemory[i]) applier.dtmfMemory(i, *patch.dtmfMemory[i]);
    for (std::size_t i = 0; i < patch.testFrequencies.size(); ++i) {
        if (patch.testFrequencies[i].rx)
            applier.testFrequency(i, false, *patch.testFrequencies[i].rx);
        if (patch.testFrequencies[i].tx)
            applier.testFrequency(i, true, *patch.testFrequencies[i].tx);
    }
    for (std::size_t i = 0; i < patch.embeddedTexts.size(); ++i)
        if (patch.embeddedTexts[i]) applier.embeddedText(i, *patch.embeddedTexts[i]);
}

} // namespace tlv
