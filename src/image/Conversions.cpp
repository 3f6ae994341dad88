// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/Conversions.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace tlv {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::optional<double> parseWholeNumber(std::string_view text) {
    if (text.empty()) return std::nullopt;
    double value = 0;
    auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

} // namespace

std::optional<double> SnapFrequency(std::string_view text) {
    if (text.size() < 4) return std::nullopt;
    std::string_view lastFour = text.substr(text.size() - 4);
    int a = 0;
    for (char c : lastFour) {
        if (!isDigit(c)) return std::nullopt;
        a = a * 10 + (c - '0');
    }
    int r5 = a % 500;
    int r6 = a % 625;
    if (r5 == 0 || r6 == 0) return parseWholeNumber(text);
    a -= r5 < r6 ? r5 : r6;
    char digits[12];
    std::snprintf(digits, sizeof digits, "%04d", a);
    std::string snapped(text.substr(0, text.size() - 4));
    snapped += digits;
    return parseWholeNumber(snapped);
}

std::string FormatFixed(double value, int decimals) {
    if (!std::isfinite(value)) value = 0.0;
    char text[400]; // any double in fixed notation with a few decimals fits
    auto written =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    return std::string(text, written.ptr);
}

double RealRemainder(double d, double v) {
    if (!(d > 0) || !std::isfinite(d)) return v;
    if (v < d) return v;
    double quotient = v / d;
    // The quotient rounded to 15 significant digits: whole means no remainder. This absorbs
    // the rounding of the division (446.005 / 0.005).
    // (to_chars/from_chars: independent of the C locale's decimal point.)
    char text[40];
    auto written =
        std::to_chars(text, text + sizeof text, quotient, std::chars_format::scientific, 14);
    double rounded = quotient;
    std::from_chars(text, written.ptr, rounded, std::chars_format::scientific);
    if (rounded == std::floor(rounded)) return 0.0;
    // v - i*d is non-increasing in i, so the smallest i with v - i*d < d lies next to the
    // estimate v/d - 1; step from there instead of subtracting d one round at a time.
    double i = std::floor(quotient) - 1.0;
    if (i < 1.0) i = 1.0;
    while (i > 1.0 && v - (i - 1.0) * d < d)
        i -= 1.0;
    while (v - i * d >= d)
        i += 1.0;
    return v - i * d;
}

double TextValue(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t'))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    // The number is the run of digits with at most one point that starts here.
    const std::size_t start = pos;
    bool point = false;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c == '.' && !point)
            point = true;
        else if (!isDigit(c))
            break;
    }
    const std::string_view number = text.substr(start, pos - start);
    if (number.empty() || number == ".") return 0.0;
    double value = 0.0;
    auto result = std::from_chars(number.data(), number.data() + number.size(), value,
                                  std::chars_format::fixed);
    if (result.ec == std::errc::result_out_of_range) {
        // Too many digits for a double: huge when the whole part is not zero, else tiny.
        std::string_view whole = std::string_view(number).substr(0, number.find('.'));
        value = whole.find_first_not_of('0') != std::string_view::npos ? HUGE_VAL : 0.0;
    }
    return negative ? -value : value;
}

} // namespace tlv
