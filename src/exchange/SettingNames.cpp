#include "exchange/SettingNames.h"

#include "editor/ToneList.h"
#include "image/ImageLayout.h"

#include <charconv>

namespace tlv {

namespace {

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

constexpr TextSetting kTextSettings[] = {
    {"IdCode", OptionSettings::IdCode, 10},
    {"PttIdStartCode", OptionSettings::PttIdStartCode, 16},
    {"PttIdEndCode", OptionSettings::PttIdEndCode, 16},
};

} // namespace

const NumberSetting* FindNumberSetting(const std::string& name) {
    for (const auto& setting : numberSettings())
        if (name == setting.name) return &setting;
    return nullptr;
}

const TextSetting* FindTextSetting(const std::string& name) {
    for (const auto& setting : kTextSettings)
        if (name == setting.name) return &setting;
    return nullptr;
}

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
    const NumberSetting* setting = FindNumberSetting(name);
    return setting ? setting->get(state) : 0;
}

std::string SettingText(const EditorState& state, const std::string& name) {
    const TextSetting* setting = FindTextSetting(name);
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

std::vector<NamedValue> ChannelValues(const EditorState& state, int row) {
    auto number = [&](const char* name, int column) {
        return NamedValue{name, std::to_string(OptionValue(state, row, column)), true};
    };
    return {{"rx", state.table.at(row, col::RxFrequency), false},
            {"rxTone", ToneValue(state, row, col::RxTone), false},
            {"tx", state.table.at(row, col::TxFrequency), false},
            {"txTone", ToneValue(state, row, col::TxTone), false},
            number("power", col::Power),
            number("forbid", col::Forbid),
            number("bandwidth", col::Bandwidth),
            number("scan", col::Scan)};
}

} // namespace tlv
