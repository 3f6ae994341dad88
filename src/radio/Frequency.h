// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A frequency as the radio holds it: eight decimal digits in units of 10 Hz, shown in MHz with
// three integer digits and five decimals ("446.00625"). Every frequency text of the program is
// read, written and lowered onto the channel raster here: the cells, the test frequencies, the
// imports and CHIRP's CSV.
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

// ---- Texts of MHz ------------------------------------------------------------------------

// True when `text` is a plain decimal number: digits with at most one point, at least one
// digit ("5.", ".5" and "438" are numbers; "", "." and "4.3.8" are not).
bool IsDecimalNumber(std::string_view text);

// A decimal number of MHz in 10 Hz units, the digits beyond the fifth decimal dropped (never
// rounded up): "446.0062549" is 44600625. Nothing for a text that is no decimal number, and for
// one whose digits up to the fifth decimal, read as one whole number, exceed 10^12: no
// frequency has that many digits.
std::optional<uint64_t> FrequencyTens(std::string_view text);

// True when a decimal number has a digit other than 0 beyond the fifth decimal: a part of the
// frequency finer than 10 Hz, which the radio does not keep.
bool FinerThanTenHertz(std::string_view text);

// A number of 10 Hz units as MHz with five decimals and at least one integer digit
// ("446.00625", "0.00125", "12345.00000").
std::string TensText(uint64_t tens);

// A frequency text as a user types it or a file gives it, read once.
struct FrequencyReading {
    bool number = false;          // IsDecimalNumber
    std::optional<uint64_t> tens; // FrequencyTens
    // The value a band check compares with the band's whole-MHz limits, in 10 Hz units:
    // `tens` for a text of up to 15 digits. A longer text is read as a double first, as the
    // program always read it, so that "469.99999999999999999" is 470 MHz, outside a band that
    // ends there.
    uint64_t bandTens = 0;
};
FrequencyReading ReadFrequency(std::string_view text);

// ---- The channel raster ------------------------------------------------------------------

// The two rasters of the radio's channels, in 10 Hz units: 5 kHz and 6.25 kHz.
inline constexpr uint64_t kRaster5k = 500;
inline constexpr uint64_t kRaster6k25 = 625;

// Lowered onto one raster.
constexpr uint64_t SnapToRaster(uint64_t tens, uint64_t step) {
    return tens - tens % step;
}

// Lowered onto the 5 kHz or the 6.25 kHz raster, whichever point lies nearer below (a
// frequency on either raster stays).
constexpr uint64_t SnapToChannelRaster(uint64_t tens) {
    const uint64_t five = SnapToRaster(tens, kRaster5k), six = SnapToRaster(tens, kRaster6k25);
    return five > six ? five : six;
}

} // namespace tlv
