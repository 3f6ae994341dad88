#include "ImportPatch.h"

#include "CliTexts.h"
#include "editor/EditingRules.h"
#include "editor/EditorOps.h"
#include "editor/ToneList.h"
#include "image/ImageLayout.h"

#include <cctype>
#include <charconv>
#include <functional>

namespace tlv::cli {

namespace {

// Where a number setting lives in the editor state and which values its list admits.
struct NumberSetting {
    const char* name;
    int min;
    int max;
    std::function<int(const EditorState&)> get;
    std::function<void(EditorState&, int)> set;
};

int textNumber(const std::string& text) {
    // Numeric value of a store text; an empty text (or one without a leading number) is 0.
    int value = 0;
    const char* begin = text.data();
    const char* end = begin + text.size();
    if (begin != end && *begin == '+') ++begin;
    std::from_chars(begin, end, value);
    return value;
}

NumberSetting panel(const char* name, int max, int EditorState::*list, int min = 0) {
    return {name, min, max, [list](const EditorState& s) { return s.*list; },
            [list](EditorState& s, int v) { s.*list = v; }};
}

NumberSetting option(const char* name, int max, int entry, int min = 0) {
    return {name, min, max,
            [entry](const EditorState& s) { return textNumber(s.stores.options.entry[entry]); },
            [entry](EditorState& s, int v) { s.stores.options.entry[entry] = std::to_string(v); }};
}

NumberSetting dtmf(const char* name, int max, int field) {
    return {
        name, 0, max, [field](const EditorState& s) { return int{s.stores.dtmf.value[field]}; },
        [field](EditorState& s, int v) { s.stores.dtmf.value[field] = static_cast<int16_t>(v); }};
}

NumberSetting word(const char* name, int max, int16_t SettingsStores::*value) {
    return {name, 0, max, [value](const EditorState& s) { return int{s.stores.*value}; },
            [value](EditorState& s, int v) { s.stores.*value = static_cast<int16_t>(v); }};
}

const std::vector<NumberSetting>& numberSettings() {
    using O = OptionSettings;
    using D = DtmfSettings;
    static const std::vector<NumberSetting> settings{
        panel("VoicePrompt", 2, &EditorState::voicePrompt),
        // The decoder leaves the time-out list without a selection for a byte 0.
        panel("TimeOutTimer", 39, &EditorState::timeOutTimer, -1),
        panel("TimeOutWarning", 10, &EditorState::timeOutWarning),
        panel("SquelchLevel", 9, &EditorState::squelchLevel),
        panel("BatterySave", 1, &EditorState::batterySave),
        panel("Beep", 1, &EditorState::beep),
        option("PttIdMode", 2, O::PttIdMode),
        option("VoxEnable", 1, O::VoxEnable),
        option("VoxGain", 10, O::VoxGain),
        option("VoxDelay", 5, O::VoxDelay),
        option("VoxTone", 1, O::VoxTone),
        option("Duplicate", 1, O::Duplicate),
        option("PriorityMode", 2, O::PriorityMode),
        // 1..16: a 0 would be written, but no editor takes it back from the image.
        option("PriorityChannel", 16, O::PriorityChannel, 1),
        option("RevertTimeA", 91, O::RevertTimeA),
        option("RevertTimeB", 91, O::RevertTimeB),
        option("ReturnChannel", 3, O::ReturnChannel),
        option("ScanRxResumeDelay", 300, O::ScanRxResumeDelay),
        option("ScanTxResumeDelay", 300, O::ScanTxResumeDelay),
        option("CancelOperation", 1, O::CancelOperation),
        option("VoxOffOnReceive", 1, O::VoxOffOnReceive),
        dtmf("DtmfRate", 3, D::DtmfRate),
        dtmf("FirstDigitTime", 3, D::FirstDigitTime),
        dtmf("FirstDigitDelay", 1000, D::FirstDigitDelay),
        dtmf("StarHashTone", 3, D::StarHashTone),
        dtmf("DKeySetting", 16, D::DKeySetting),
        dtmf("DtmfSidetone", 1, D::DtmfSidetone),
        dtmf("GroupCallCode", 6, D::GroupCallCode),
        dtmf("AutoResetTimer", 15, D::AutoResetTimer),
        word("KeyFunction1", 11, &SettingsStores::keyFunction1),
        word("KeyFunction2", 11, &SettingsStores::keyFunction2),
        word("HighPowerLevel", 255, &SettingsStores::highPowerLevel),
        word("LowPowerLevel", 255, &SettingsStores::lowPowerLevel),
    };
    return settings;
}

const NumberSetting* findNumber(const std::string& name) {
    for (const auto& setting : numberSettings())
        if (name == setting.name) return &setting;
    return nullptr;
}

struct TextSetting {
    const char* name;
    int entry;
    std::size_t width; // field width in the image
};
constexpr TextSetting kTextSettings[] = {
    {"IdCode", OptionSettings::IdCode, 10},
    {"PttIdStartCode", OptionSettings::PttIdStartCode, 16},
    {"PttIdEndCode", OptionSettings::PttIdEndCode, 16},
};

const TextSetting* findText(const std::string& name) {
    for (const auto& setting : kTextSettings)
        if (name == setting.name) return &setting;
    return nullptr;
}

bool printableAscii(const std::string& text) {
    for (unsigned char c : text)
        if (c < 0x20 || c > 0x7E) return false;
    return true;
}

// A frequency text in 10 Hz units, decimals beyond the fifth dropped; -1 when not a number.
long long frequencyUnits(const std::string& text) {
    if (!IsDecimalNumber(text)) return -1;
    long long units = 0;
    int decimals = -1;
    for (char c : text) {
        if (c == '.') {
            decimals = 0;
            continue;
        }
        if (decimals >= 5) continue;
        units = units * 10 + (c - '0');
        if (units > 100000000000LL) return -1;
        if (decimals >= 0) ++decimals;
    }
    for (int d = decimals < 0 ? 0 : decimals; d < 5; ++d)
        units *= 10;
    return units;
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
        report_.errors.push_back({where, Say(language_, text, a, b)});
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
        const std::string where = "channel " + std::to_string(row);
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
                // No transmit frequency: the form a receive-only channel has after a load.
                state_.table.at(row, col::TxFrequency).clear();
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
        const NumberSetting* setting = findNumber(name);
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
        const TextSetting* setting = findText(name);
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
        const long long units = frequencyUnits(value);
        if (units < 0) {
            error(where, text::NotANumber);
            return;
        }
        // The image holds three integer digits and five decimals.
        if (units < 10000000LL || units > 99999999LL) {
            error(where, text::TestFrequencyRange);
            return;
        }
        target = formatUnits(units);
    }

    void embeddedText(int index, const std::string& value) {
        const std::string where = "embeddedTexts[" + std::to_string(index) + "]";
        if (asciiText(where, value, 32)) state_.stores.embeddedTexts[index] = value;
    }

  private:
    static std::string formatUnits(long long units) {
        std::string digits = std::to_string(units);
        return digits.substr(0, digits.size() - 5) + "." + digits.substr(digits.size() - 5);
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
            errorText(where, box.texts.empty() ? Localise(language_, msg::OutOfBand.text)
                                               : box.texts.front());
            return false;
        case FrequencyCommit::Written:
        case FrequencyCommit::NewChannel: {
            const std::string& cell = state_.table.at(row, column);
            if (frequencyUnits(cell) != frequencyUnits(value))
                report_.notes.push_back({where, Say(language_, text::Snapped, value, cell)});
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

const std::vector<SettingKey>& SettingKeys() {
    static const std::vector<SettingKey> keys = [] {
        std::vector<SettingKey> list;
        for (const auto& setting : numberSettings()) {
            list.push_back({setting.name, false});
            // The three texts follow VoxOffOnReceive in the JSON object.
            if (std::string(setting.name) == "VoxOffOnReceive")
                for (const auto& text : kTextSettings)
                    list.push_back({text.name, true});
        }
        return list;
    }();
    return keys;
}

int SettingNumber(const EditorState& state, const std::string& name) {
    const NumberSetting* setting = findNumber(name);
    return setting ? setting->get(state) : 0;
}

std::string SettingText(const EditorState& state, const std::string& name) {
    const TextSetting* setting = findText(name);
    return setting ? state.stores.options.entry[setting->entry] : std::string();
}

int OptionValue(const EditorState& state, int row, int column) {
    const std::string& cell = state.table.at(row, column);
    if (cell == state.lists.optionText(column, 0)) return 0;
    if (cell == state.lists.optionText(column, 1)) return 1;
    // An empty cell is stored as position 1, apart from the scan column (0).
    return column == col::Scan ? 0 : 1;
}

std::string ToneValue(const EditorState& state, int row, int column) {
    const std::string& cell = state.table.at(row, column);
    if (!cell.empty() && IsToneOffText(state.lists, cell)) return "Off";
    return cell;
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

} // namespace tlv::cli
