// SPDX-License-Identifier: GPL-3.0-or-later
// ApplyImport: the typed changes of an import written into the editor through its rules.
#include "editor/EditingRules.h"
#include "editor/EditorOps.h"
#include "exchange/ExchangeTexts.h"
#include "exchange/ImportChanges.h"
#include "exchange/SettingNames.h"
#include "radio/Bands.h"

namespace tlv {

FrequencyChange FrequencyChangeOf(std::string text, ImportPlace place) {
    FrequencyReading reading = ReadFrequency(text);
    return {std::move(text), reading, std::move(place)};
}

ToneChange ToneChangeOf(std::string text, ImportPlace place) {
    const ToneEntry entry = ReadToneEntry(text);
    return {std::move(text), entry, std::move(place)};
}

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

    void band(const Placed<int>& band) {
        if (!IsBand(band.value)) {
            error(placeOf(band.place, KeyPathPlace("band")), text::OutsideList, "0",
                  std::to_string(kBandCount - 1));
            return;
        }
        // Programmatic selection, as an image load does it: no question, channels kept.
        SelectBandWithoutQuestion(state_, band.value);
    }

    void channel(int number, const ChannelChanges& changes) {
        const ImportPlace whole = KeyPathPlace({}, number);
        // The place of a field in the input, or its key path.
        const auto at = [&](const ImportPlace& place, const char* field) {
            const std::string path = "channels[" + std::to_string(number - 1) + "]." + field;
            return placeOf(place, KeyPathPlace(path, number));
        };
        if (changes.clear) {
            ClearChannel(state_, number);
            return;
        }
        Channel& channel = state_.radio().channel(number);
        if (const auto& rx = changes.rx) {
            if (rx->text.empty()) {
                error(at(rx->place, "rx"), text::ReceiveEmpty);
                return;
            }
            // The editor treats a receive frequency entered beside no transmit frequency as a
            // new channel and gives it the defaults. A receive-only channel of the base is not
            // new: its other values stay unless the input gives them.
            const Channel before = channel;
            const int16_t rxToneEntry = state_.data.tones.at(number, ChannelField::RxTone);
            const int16_t txToneEntry = state_.data.tones.at(number, ChannelField::TxTone);
            if (!frequency({number, col::RxFrequency}, *rx, at(rx->place, "rx"))) return;
            if (before.inUse()) {
                const std::optional<Frequency> written = channel.rx;
                channel = before;
                channel.rx = written;
                state_.data.tones.at(number, ChannelField::RxTone) = rxToneEntry;
                state_.data.tones.at(number, ChannelField::TxTone) = txToneEntry;
            }
        }
        if (!channel.inUse()) {
            error(whole, text::ChannelNotInUse);
            return;
        }
        if (const auto& tx = changes.tx) {
            if (tx->text.empty()) {
                // No transmit frequency and no transmit tone: a receive-only channel.
                channel.tx.reset();
                channel.txTone = Tone::Off();
            } else {
                frequency({number, col::TxFrequency}, *tx, at(tx->place, "tx"));
            }
        }
        if (const auto& rxTone = changes.rxTone)
            tone({number, col::RxTone}, *rxTone, at(rxTone->place, "rxTone"));
        if (const auto& txTone = changes.txTone)
            tone({number, col::TxTone}, *txTone, at(txTone->place, "txTone"));
        if (const auto& power = changes.power)
            option(channel.power, *power, at(power->place, "power"));
        if (const auto& forbid = changes.forbid)
            option(channel.forbid, *forbid, at(forbid->place, "forbid"));
        if (const auto& bandwidth = changes.bandwidth)
            option(channel.bandwidth, *bandwidth, at(bandwidth->place, "bandwidth"));
        if (const auto& scan = changes.scan) option(channel.scan, *scan, at(scan->place, "scan"));
    }

    void number(const std::string& name, const Placed<int>& given) {
        const ImportPlace where = placeOf(given.place, KeyPathPlace("settings." + name));
        const int value = given.value;
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

    void textSetting(const std::string& name, const Placed<std::string>& given) {
        const ImportPlace where = placeOf(given.place, KeyPathPlace("settings." + name));
        const TextSetting* setting = FindTextSetting(name);
        if (!setting) {
            error(where, text::UnknownKey);
            return;
        }
        if (asciiText(where, given.value, setting->width))
            state_.radio().codes.*setting->field = given.value;
    }

    void dtmfMemory(std::size_t index, const Placed<std::string>& given) {
        const ImportPlace where =
            placeOf(given.place, KeyPathPlace("dtmfMemory[" + std::to_string(index) + "]"));
        if (given.value.size() > 16) {
            error(where, text::TextTooLong, "16");
            return;
        }
        for (char c : given.value) {
            const bool ok =
                (c >= '0' && c <= '9') || (c >= 'A' && c <= 'D') || c == '*' || c == '#';
            if (!ok) {
                error(where, text::NotDtmf);
                return;
            }
        }
        state_.radio().dtmf.memories[index] = given.value;
    }

    void testFrequency(std::size_t index, bool transmit, const FrequencyChange& change) {
        const ImportPlace where =
            placeOf(change.place, KeyPathPlace("testFrequencies[" + std::to_string(index) +
                                               (transmit ? "].tx" : "].rx")));
        TestFrequency& test = state_.radio().testFrequencies[index];
        std::optional<Frequency>& target = transmit ? test.tx : test.rx;
        if (change.text.empty()) {
            target.reset();
            return;
        }
        const std::optional<uint64_t> tens = change.reading.tens;
        if (!tens) {
            error(where, text::NotANumber);
            return;
        }
        // The image holds three integer digits and five decimals.
        if (*tens < 10000000 || *tens > Frequency::kMaxTens) {
            error(where, text::TestFrequencyRange);
            return;
        }
        fineDigitsNote(where, change);
        target = Frequency{static_cast<uint32_t>(*tens)};
    }

    // After an import that changed the band: each channel in use whose receive or transmit
    // frequency the input does not give, and that lies outside the new band, is an error
    // naming the channel, the frequency and the band. Kept, such a channel would make a file
    // whose export the next import refuses and that a write to the radio asks about; a
    // frequency the input gives was checked against the new band when it was written.
    void keptChannelsInBand(const ImportChanges& changes) {
        const BandLimits limits = LimitsOfBand(state_.radio().band);
        for (int number = 1; number <= kChannelCount; ++number) {
            const auto& given = changes.channels[static_cast<std::size_t>(number - 1)];
            const Channel& channel = state_.radio().channel(number);
            if ((given && given->clear) || !channel.inUse()) continue;
            const bool rxKept = !(given && given->rx) && OutsideBand(channel.rx, limits);
            const bool txKept = !(given && given->tx) && OutsideBand(channel.tx, limits);
            if (!rxKept && !txKept) continue;
            error(KeyPathPlace({}, number), text::KeptOutsideBand,
                  FrequencyText(rxKept ? *channel.rx : *channel.tx), bandRange());
        }
    }

    void embeddedText(std::size_t index, const Placed<std::string>& given) {
        const ImportPlace where =
            placeOf(given.place, KeyPathPlace("embeddedTexts[" + std::to_string(index) + "]"));
        if (asciiText(where, given.value, 32)) state_.radio().embeddedTexts[index] = given.value;
    }

  private:
    static ImportPlace placeOf(const ImportPlace& given, ImportPlace otherwise) {
        return given.given() ? given : otherwise;
    }

    void error(const ImportPlace& place, const LocalText& text, const std::string& a = {},
               const std::string& b = {}) {
        report_.errors.push_back(IssueAt(place, Localise(language_, text, a, b), language_));
    }
    void note(const ImportPlace& place, const LocalText& text, const std::string& a,
              const std::string& b) {
        report_.notes.push_back(IssueAt(place, Localise(language_, text, a, b), language_));
    }

    void fineDigitsNote(const ImportPlace& place, const FrequencyChange& change) {
        if (change.reading.tens && FinerThanTenHertz(change.text))
            note(place, text::FinerThanTenHertz, change.text, TensText(*change.reading.tens));
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

    bool asciiText(const ImportPlace& where, const std::string& value, std::size_t width) {
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

    // A channel's frequency, committed as the cell commits a typed one.
    bool frequency(ChannelCell cell, const FrequencyChange& change, const ImportPlace& where) {
        if (!change.reading.number) {
            error(where, text::NotANumber);
            return false;
        }
        const FrequencyResult result = CommitFrequency(state_, cell, change.reading);
        switch (result.outcome) {
        case FrequencyCommit::OutOfBand:
            report_.errors.push_back(IssueAt(
                where,
                Localise(language_, (result.message ? *result.message : msg::OutOfBand).text) +
                    ": " + Localise(language_, text::OutsideBand, change.text, bandRange()),
                language_, ImportHint::Band));
            return false;
        case FrequencyCommit::Written:
        case FrequencyCommit::NewChannel: {
            const Channel& channel = state_.radio().channel(cell.row);
            const Frequency written = *(cell.column == col::RxFrequency ? channel.rx : channel.tx);
            fineDigitsNote(where, change);
            if (change.reading.tens != written.tens)
                note(where, text::Snapped, change.text, FrequencyText(written));
            return true;
        }
        case FrequencyCommit::Unchanged:
        case FrequencyCommit::Deleted:
            break;
        }
        error(where, text::NotANumber);
        return false;
    }

    // A channel's tone: a tone of the list is taken as a pick; any other as typed into it.
    void tone(ChannelCell cell, const ToneChange& change, const ImportPlace& where) {
        Channel& channel = state_.radio().channel(cell.row);
        Tone& tone = cell.column == col::RxTone ? channel.rxTone : channel.txTone;
        switch (change.entry.kind) {
        case ToneEntry::Kind::Empty:
            // No tone: only beside no frequency.
            if (cell.column == col::RxTone ? channel.rx.has_value() : channel.tx.has_value()) {
                error(where, text::ToneWithoutFrequency);
                return;
            }
            tone = Tone::Off();
            return;
        case ToneEntry::Kind::Off:
        case ToneEntry::Kind::Listed:
            PickTone(state_, cell, change.entry.position);
            return;
        case ToneEntry::Kind::Typed:
            tone = change.entry.tone;
            return;
        case ToneEntry::Kind::Refused:
            break;
        }
        error(where, text::UnknownTone, change.text);
    }

    template <typename T>
    void option(T& field, const OptionChange<T>& change, const ImportPlace& where) {
        if (!change.value) {
            error(where, text::OutsideList, "0", "1");
            return;
        }
        field = *change.value;
    }

    EditorState& state_;
    Language language_;
    ImportReport& report_;
};

} // namespace

void ApplyImport(EditorState& state, const ImportChanges& changes, Language language,
                 ImportReport& report) {
    Applier applier(state, language, report);
    // The band first: the channels' frequencies are checked against its limits.
    const int baseBand = state.radio().band;
    if (changes.band) applier.band(*changes.band);
    for (int number = 1; number <= kChannelCount; ++number)
        if (const auto& channel = changes.channels[static_cast<std::size_t>(number - 1)])
            applier.channel(number, *channel);
    // A base that already holds channels outside its own band is imported onto as it is.
    if (state.radio().band != baseBand) applier.keptChannelsInBand(changes);
    for (const auto& [name, value] : changes.numbers)
        applier.number(name, value);
    for (const auto& [name, value] : changes.texts)
        applier.textSetting(name, value);
    for (std::size_t i = 0; i < changes.dtmfMemory.size(); ++i)
        if (changes.dtmfMemory[i]) applier.dtmfMemory(i, *changes.dtmfMemory[i]);
    for (std::size_t i = 0; i < changes.testFrequencies.size(); ++i) {
        if (const auto& rx = changes.testFrequencies[i].rx) applier.testFrequency(i, false, *rx);
        if (const auto& tx = changes.testFrequencies[i].tx) applier.testFrequency(i, true, *tx);
    }
    for (std::size_t i = 0; i < changes.embeddedTexts.size(); ++i)
        if (changes.embeddedTexts[i]) applier.embeddedText(i, *changes.embeddedTexts[i]);
}

} // namespace tlv
