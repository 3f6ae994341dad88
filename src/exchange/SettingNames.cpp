// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/SettingNames.h"

#include "editor/EditingRules.h"
#include "editor/EditorState.h"

#include <array>

namespace tlv {

namespace {

// A field as a number, and a number into a field: list positions are numbers already, a check
// box is 0 or 1, a resume delay without a value reads 0 (what the radio gets).
int numberOf(int value) {
    return value;
}
int numberOf(bool value) {
    return value ? 1 : 0;
}
int numberOf(const std::optional<uint16_t>& seconds) {
    return seconds.value_or(0);
}
void assign(int& field, int value) {
    field = value;
}
void assign(bool& field, int value) {
    field = value != 0;
}
void assign(std::optional<uint16_t>& seconds, int value) {
    seconds = static_cast<uint16_t>(value);
}

// The setting held by field `field` of the part `part` of the radio data.
template <auto part, auto field>
constexpr NumberSetting number(const char* name, int max, int min = 0) {
    return {name, min, max, [](const RadioData& radio) { return numberOf((radio.*part).*field); },
            [](RadioData& radio, int value) { assign((radio.*part).*field, value); }};
}

using R = RadioData;
using F = FunctionSettings;
using O = OptionalFunctions;
using D = DtmfSettings;

constexpr std::array kNumberSettings{
    number<&R::functions, &F::voicePrompt>("VoicePrompt", 2),
    // The decoder leaves the time-out list without a selection for a byte 0.
    number<&R::functions, &F::timeOutTimer>("TimeOutTimer", 39, -1),
    number<&R::functions, &F::timeOutWarning>("TimeOutWarning", 10),
    number<&R::functions, &F::squelchLevel>("SquelchLevel", 9),
    number<&R::functions, &F::batterySave>("BatterySave", 1),
    number<&R::functions, &F::beep>("Beep", 1),
    number<&R::options, &O::pttIdMode>("PttIdMode", 2),
    number<&R::options, &O::voxEnable>("VoxEnable", 1),
    number<&R::options, &O::voxGain>("VoxGain", 10),
    number<&R::options, &O::voxDelay>("VoxDelay", 5),
    number<&R::options, &O::voxTone>("VoxTone", 1),
    number<&R::options, &O::duplicate>("Duplicate", 1),
    number<&R::options, &O::priorityMode>("PriorityMode", 2),
    // 1..16: a 0 would be written, but no editor takes it back from the image.
    number<&R::options, &O::priorityChannel>("PriorityChannel", 16, 1),
    number<&R::options, &O::revertTimeA>("RevertTimeA", 91),
    number<&R::options, &O::revertTimeB>("RevertTimeB", 91),
    number<&R::options, &O::returnChannel>("ReturnChannel", 3),
    number<&R::options, &O::scanRxResumeDelay>("ScanRxResumeDelay", 300),
    number<&R::options, &O::scanTxResumeDelay>("ScanTxResumeDelay", 300),
    number<&R::options, &O::cancelOperation>("CancelOperation", 1),
    number<&R::options, &O::voxOffOnReceive>("VoxOffOnReceive", 1),
    number<&R::dtmf, &D::dtmfRate>("DtmfRate", 3),
    number<&R::dtmf, &D::firstDigitTime>("FirstDigitTime", 3),
    number<&R::dtmf, &D::firstDigitDelay>("FirstDigitDelay", 1000),
    number<&R::dtmf, &D::starHashTone>("StarHashTone", 3),
    number<&R::dtmf, &D::dKeySetting>("DKeySetting", 16),
    number<&R::dtmf, &D::dtmfSidetone>("DtmfSidetone", 1),
    number<&R::dtmf, &D::groupCallCode>("GroupCallCode", 6),
    number<&R::dtmf, &D::autoResetTimer>("AutoResetTimer", 15),
    number<&R::keys, &KeyFunctions::pf1>("KeyFunction1", 11),
    number<&R::keys, &KeyFunctions::pf2>("KeyFunction2", 11),
    number<&R::powerLevels, &PowerLevels::high>("HighPowerLevel", 255),
    number<&R::powerLevels, &PowerLevels::low>("LowPowerLevel", 255),
};

constexpr std::array<TextSetting, 3> kTextSettings{{
    {"IdCode", &IdentityCodes::idCode, 10},
    {"PttIdStartCode", &IdentityCodes::pttIdStartCode, 16},
    {"PttIdEndCode", &IdentityCodes::pttIdEndCode, 16},
}};

// The JSON object's order: the number settings, with the three texts after VoxOffOnReceive.
constexpr std::size_t kTextsAfter = 21;
static_assert(std::string_view(kNumberSettings[kTextsAfter - 1].name) == "VoxOffOnReceive");

constexpr auto kSettingKeys = [] {
    std::array<SettingKey, kNumberSettings.size() + kTextSettings.size()> keys{};
    std::size_t at = 0;
    for (std::size_t i = 0; i < kNumberSettings.size(); ++i) {
        if (i == kTextsAfter)
            for (const TextSetting& text : kTextSettings)
                keys[at++] = {text.name, true};
        keys[at++] = {kNumberSettings[i].name, false};
    }
    return keys;
}();

} // namespace

const NumberSetting* FindNumberSetting(std::string_view name) {
    for (const NumberSetting& setting : kNumberSettings)
        if (name == setting.name) return &setting;
    return nullptr;
}

const TextSetting* FindTextSetting(std::string_view name) {
    for (const TextSetting& setting : kTextSettings)
        if (name == setting.name) return &setting;
    return nullptr;
}

std::span<const SettingKey> SettingKeys() {
    return kSettingKeys;
}

int SettingNumber(const RadioData& radio, std::string_view name) {
    const NumberSetting* setting = FindNumberSetting(name);
    return setting ? setting->get(radio) : 0;
}

std::string SettingText(const RadioData& radio, std::string_view name) {
    const TextSetting* setting = FindTextSetting(name);
    return setting ? radio.codes.*setting->field : std::string();
}

int OptionValue(const Channel& channel, int column) {
    return ChannelOption(channel, column);
}

std::string ToneValue(const Channel& channel, int column) {
    if (!channel.inUse()) return {};
    const Tone tone = column == col::RxTone ? channel.rxTone : channel.txTone;
    if (!tone.isOff()) return ToneValueText(tone);
    return column == col::TxTone && !channel.tx ? std::string() : std::string("Off");
}

std::string FrequencyValue(const std::optional<Frequency>& frequency) {
    return frequency ? FrequencyText(*frequency) : std::string();
}

std::vector<NamedValue> ChannelValues(const Channel& channel) {
    auto number = [&](const char* name, int column) {
        return NamedValue{name, std::to_string(OptionValue(channel, column)), true};
    };
    return {{"rx", FrequencyValue(channel.rx), false},
            {"rxTone", ToneValue(channel, col::RxTone), false},
            {"tx", FrequencyValue(channel.tx), false},
            {"txTone", ToneValue(channel, col::TxTone), false},
            number("power", col::Power),
            number("forbid", col::Forbid),
            number("bandwidth", col::Bandwidth),
            number("scan", col::Scan)};
}

} // namespace tlv
