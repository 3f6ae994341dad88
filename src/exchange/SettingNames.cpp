// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/SettingNames.h"

#include <array>

namespace tlv {

namespace {

constexpr std::array<TextSetting, 3> kTextSettings{{
    {"IdCode", &IdentityCodes::idCode, 10},
    {"PttIdStartCode", &IdentityCodes::pttIdStartCode, 16},
    {"PttIdEndCode", &IdentityCodes::pttIdEndCode, 16},
}};

// The JSON object's order: the number settings, with the three texts after VoxOffOnReceive.
constexpr std::size_t kTextsAfter = 21;
static_assert(kSettingTable[kTextsAfter - 1].name == "VoxOffOnReceive");

constexpr auto kSettingKeys = [] {
    std::array<SettingKey, kSettingTable.size() + kTextSettings.size()> keys{};
    std::size_t at = 0;
    for (std::size_t i = 0; i < kSettingTable.size(); ++i) {
        if (i == kTextsAfter)
            for (const TextSetting& text : kTextSettings)
                keys[at++] = {text.name, true};
        keys[at++] = {kSettingTable[i].name.data(), false};
    }
    return keys;
}();

} // namespace

const NumberSetting* FindNumberSetting(std::string_view name) {
    return FindSetting(name);
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

int OptionValue(const Channel& channel, ChannelField field) {
    return OptionPosition(channel, field);
}

std::string ToneValue(const Channel& channel, ChannelField field) {
    if (!channel.inUse()) return {};
    const Tone tone = ToneOf(channel, field);
    if (!tone.isOff()) return ToneValueText(tone);
    return field == ChannelField::TxTone && !channel.tx ? std::string() : std::string("Off");
}

std::string FrequencyValue(const std::optional<Frequency>& frequency) {
    return frequency ? FrequencyText(*frequency) : std::string();
}

std::vector<NamedValue> ChannelValues(const Channel& channel) {
    auto number = [&](const char* name, ChannelField field) {
        return NamedValue{name, std::to_string(OptionValue(channel, field)), true};
    };
    return {{"rx", FrequencyValue(channel.rx), false},
            {"rxTone", ToneValue(channel, ChannelField::RxTone), false},
            {"tx", FrequencyValue(channel.tx), false},
            {"txTone", ToneValue(channel, ChannelField::TxTone), false},
            number("power", ChannelField::Power),
            number("forbid", ChannelField::Forbid),
            number("bandwidth", ChannelField::Bandwidth),
            number("scan", ChannelField::Scan)};
}

} // namespace tlv
