// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A frequency as the radio holds it: eight decimal digits in units of 10 Hz, shown in MHz with
// three integer digits and five decimals ("446.00625").
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tlv {

struct Frequency {
    static constexpr uint32_t kMaxTens = 99'999'999; // 999.99999 MHz

    uint32_t tens = 0; // units of 10 Hz

    auto operator<=>(const Frequency&) const = default;
};

// "446.00625": three integer digits, a point and five decimals.
std::string FrequencyText(Frequency frequency);

// The frequency of a text in exactly that form (nine characters, digits around a point at
// the fourth place); nothing for any other text.
std::optional<Frequency> FrequencyOfCellText(std::string_view text);

} // namespace tlv
