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

} // namespace tlv
