// SPDX-License-Identifier: GPL-3.0-or-later
#include "radio/Conversions.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale>
#include <sstream>

namespace tlv {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Numbers are read and written independently of the C locale's decimal point (the window
// program runs under the user's locale). Where the standard library converts floating point
// with <charconv> that is used. The WebAssembly build's C library knows the C locale alone: its
// strtod and snprintf give the same correctly rounded conversions without the weight of the
// streams. Other libraries get them from streams in the classic locale.
#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
#define TLV_FLOATING_CHARCONV 1
#elif defined(__EMSCRIPTEN__)
#define TLV_C_LOCALE_ONLY 1
#endif

#ifdef TLV_C_LOCALE_ONLY
// `text` read whole by the C library; false when it is out of a double's range.
bool readWhole(const std::string& text, double& value) {
    errno = 0;
    value = std::strtod(text.c_str(), nullptr);
    return errno != ERANGE;
}
#endif

enum class Parsed { Number, NotANumber, OutOfRange };

// Reads all of `text` as a decimal number without exponent ("-12.5", "7", ".5", "3.").
Parsed parseFixed(std::string_view text, double& value) {
#ifdef TLV_FLOATING_CHARCONV
    auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (error == std::errc::result_out_of_range) return Parsed::OutOfRange;
    if (error != std::errc() || end != text.data() + text.size()) return Parsed::NotANumber;
    return Parsed::Number;
#else
    std::size_t pos = !text.empty() && text[0] == '-' ? 1 : 0;
    bool digits = false;
    bool point = false;
    for (; pos < text.size(); ++pos) {
        if (isDigit(text[pos]))
            digits = true;
        else if (text[pos] == '.' && !point)
            point = true;
        else
            return Parsed::NotANumber;
    }
    if (!digits) return Parsed::NotANumber;
#ifdef TLV_C_LOCALE_ONLY
    return readWhole(std::string(text), value) ? Parsed::Number : Parsed::OutOfRange;
#else
    std::istringstream in{std::string(text)};
    in.imbue(std::locale::classic());
    in >> value;
    return in.fail() ? Parsed::OutOfRange : Parsed::Number;
#endif
#endif
}

std::string formatFloating(double value, int decimals, bool scientific) {
#ifdef TLV_FLOATING_CHARCONV
    char text[400]; // any double in fixed notation with a few decimals fits
    const auto format = scientific ? std::chars_format::scientific : std::chars_format::fixed;
    auto written = std::to_chars(text, text + sizeof text, value, format, decimals);
    return std::string(text, written.ptr);
#elif defined(TLV_C_LOCALE_ONLY)
    char text[400];
    std::snprintf(text, sizeof text, scientific ? "%.*e" : "%.*f", decimals, value);
    return text;
#else
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << (scientific ? std::scientific : std::fixed);
    out.precision(decimals);
    out << value;
    return out.str();
#endif
}

} // namespace

std::string FormatFixed(double value, int decimals) {
    if (!std::isfinite(value)) value = 0.0;
    return formatFloating(value, decimals, false);
}

double RealRemainder(double d, double v) {
    if (!(d > 0) || !std::isfinite(d)) return v;
    if (v < d) return v;
    double quotient = v / d;
    // The quotient rounded to 15 significant digits: whole means no remainder. This absorbs
    // the rounding of the division (446.005 / 0.005).
    const std::string text = formatFloating(quotient, 14, true);
    double rounded = quotient;
#ifdef TLV_FLOATING_CHARCONV
    std::from_chars(text.data(), text.data() + text.size(), rounded, std::chars_format::scientific);
#elif defined(TLV_C_LOCALE_ONLY)
    readWhole(text, rounded);
#else
    std::istringstream in{text};
    in.imbue(std::locale::classic());
    in >> rounded;
#endif
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

std::string_view LeadingNumber(std::string_view text, bool& negative) {
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t'))
        ++pos;
    negative = false;
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
    return text.substr(start, pos - start);
}

double TextValue(std::string_view text) {
    bool negative = false;
    const std::string_view number = LeadingNumber(text, negative);
    if (number.empty() || number == ".") return 0.0;
    double value = 0.0;
    if (parseFixed(number, value) == Parsed::OutOfRange) {
        // Too many digits for a double: huge when the whole part is not zero, else tiny.
        std::string_view whole = std::string_view(number).substr(0, number.find('.'));
        value = whole.find_first_not_of('0') != std::string_view::npos ? HUGE_VAL : 0.0;
    }
    return negative ? -value : value;
}

} // namespace tlv
