// SPDX-License-Identifier: GPL-3.0-or-later
#include "texts/WindowTexts.h"

#include "editor/EditingRules.h"
#include "radio/Bands.h"

#include <cstdio>

namespace tlv {

namespace {

constexpr LocalText kBandLimits{"频率范围：%1 至 %2 MHz（不含 %2），最多 %3 个字符",
                                "Frequency range: %1 to %2 MHz (%2 not included), at most %3 "
                                "characters"};

void replaceAll(std::string& text, const std::string& mark, const std::string& value) {
    for (std::size_t at = text.find(mark); at != std::string::npos;
         at = text.find(mark, at + value.size()))
        text.replace(at, mark.size(), value);
}

} // namespace

std::string BandLimitsHint(const EditorState& state) {
    std::string text = Localise(state.language(), kBandLimits);
    const BandLimits limits = LimitsOfBand(state.radio().band);
    replaceAll(text, "%1", std::to_string(limits.low));
    replaceAll(text, "%2", std::to_string(limits.high));
    replaceAll(text, "%3", std::to_string(kFrequencyEditorMaxLength));
    return text;
}

std::string ChannelsOutsideBand(const RadioData& radio) {
    if (!IsBand(radio.band)) return {};
    const BandLimits limits = LimitsOfBand(radio.band);
    std::string lines;
    for (int number = 1; number <= kChannelCount; ++number) {
        const Channel& channel = radio.channel(number);
        if (!channel.inUse() ||
            !(OutsideBand(channel.rx, limits) || OutsideBand(channel.tx, limits)))
            continue;
        char name[8];
        std::snprintf(name, sizeof name, "CH%02d", number);
        lines += std::string(lines.empty() ? "" : "\n") + name;
        if (channel.rx) lines += " RX " + FrequencyText(*channel.rx);
        if (channel.tx) lines += " TX " + FrequencyText(*channel.tx);
        lines += " (" + std::string(kBands[static_cast<std::size_t>(radio.band)].text) + ")";
    }
    return lines;
}

} // namespace tlv
