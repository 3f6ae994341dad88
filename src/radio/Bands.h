// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The radio's bands: the entries of the band list and the limits a channel frequency must keep.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tlv {

struct Band {
    std::string_view text; // entry of the band list, the same in every language
    int low;               // MHz, included
    int high;              // MHz, not included
    uint8_t code;          // the band's code in the memory image
};

inline constexpr std::array<Band, 7> kBands{{
    {"400-470MHz", 400, 470, 0x33},
    {"450-490MHz", 450, 490, 0x21},
    {"400-430MHz", 400, 430, 0x43},
    {"370-390MHz", 370, 390, 0x63},
    {"350-370MHz", 350, 370, 0x53},
    {"136-174MHz", 136, 174, 0x01},
    {"600-720MHz", 600, 720, 0x73},
}};

inline constexpr int kBandCount = static_cast<int>(kBands.size());

constexpr bool IsBand(int index) {
    return index >= 0 && index < kBandCount;
}

// The band whose code is `code`; nothing for a code of no band.
constexpr std::optional<int> BandOfCode(uint8_t code) {
    for (int index = 0; index < kBandCount; ++index)
        if (kBands[static_cast<std::size_t>(index)].code == code) return index;
    return std::nullopt;
}

} // namespace tlv
