// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Numbers read from and written as texts in the C locale's form, and the real-number remainder
// the test frequencies were always lowered with (radio/Frequency.h reads and snaps frequencies).
#include <cstdint>
#include <string>
#include <string_view>

namespace tlv {

// Remainder of v on the step d: v itself when v < d; 0 when v / d, written with 15 significant
// digits, is whole; otherwise v - i*d for the smallest whole i >= 1 that brings it below d.
// A step that is not a positive finite number returns v.
double RealRemainder(double d, double v);

// The leading number of a text as TextValue reads it: leading blanks skipped, an optional sign
// (`negative` tells a minus), then the run of digits with at most one point that follows; empty
// when no digit or point follows.
std::string_view LeadingNumber(std::string_view text, bool& negative);

// The value of the leading number of a text, as the editor reads numeric texts: leading blanks
// skipped, an optional sign, digits with an optional decimal point; 0 when the text does not start
// with a number ("12abc" gives 12, "" and "abc" give 0).
double TextValue(std::string_view text);

// `value` with exactly `decimals` decimals ("%.5f" as in the C locale, whatever the process
// locale: a Qt program takes the user's locale, whose decimal point may be a comma). A value
// that is not finite is written as 0.
std::string FormatFixed(double value, int decimals);

} // namespace tlv
