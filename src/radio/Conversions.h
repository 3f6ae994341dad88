// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Conversions between numbers and hexadecimal texts, and the real-number helpers of the
// frequency checks.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tlv {

// The frequency (MHz) of a text with at least four decimals, lowered to the nearest 5 kHz or
// 6.25 kHz raster point at or below it. nullopt when the last four characters are not digits
// or the text is not a number.
std::optional<double> SnapFrequency(std::string_view text);

// Remainder of v on the step d: v itself when v < d; 0 when v / d, written with 15 significant
// digits, is whole; otherwise v - i*d for the smallest whole i >= 1 that brings it below d.
// A step that is not a positive finite number returns v.
double RealRemainder(double d, double v);

// The leading number of a text, as the editor reads numeric texts: leading blanks skipped, an
// optional sign, digits with an optional decimal point; 0 when the text does not start with a
// number ("12abc" gives 12, "" and "abc" give 0).
double TextValue(std::string_view text);

// `value` with exactly `decimals` decimals ("%.5f" as in the C locale, whatever the process
// locale: a Qt program takes the user's locale, whose decimal point may be a comma). A value
// that is not finite is written as 0.
std::string FormatFixed(double value, int decimals);

} // namespace tlv
