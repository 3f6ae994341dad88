// SPDX-License-Identifier: GPL-3.0-or-later
#include "radio/Frequency.h"

#include "radio/Conversions.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace tlv {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A value of MHz read as a double, in 10 Hz units that compare with any whole number of MHz as
// the double does: its whole MHz, and its fraction cut to 10 Hz (below one MHz whatever the
// rounding). A value beyond any frequency saturates.
uint64_t bandTensOfDouble(double megahertz) {
    if (!(megahertz < 1e13)) return UINT64_MAX;
    if (megahertz < 0) return 0;
    const double whole = std::floor(megahertz);
    const double fraction = std::floor((megahertz - whole) * 100000.0);
    return static_cast<uint64_t>(whole) * 100000 + std::min<uint64_t>(99999, uint64_t(fraction));
}

} // namespace

std::string FrequencyText(Frequency frequency) {
    char text[16];
    std::snprintf(text, sizeof text, "%03u.%05u", frequency.tens / 100'000,
                  frequency.tens % 100'000);
    return text;
}

std::optional<Frequency> FrequencyOfCellText(std::string_view text) {
    if (text.size() != 9 || text[3] != '.') return std::nullopt;
    uint32_t tens = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i == 3) continue;
        if (!isDigit(text[i])) return std::nullopt;
        tens = tens * 10 + static_cast<uint32_t>(text[i] - '0');
    }
    return Frequency{tens};
}

bool IsDecimalNumber(std::string_view text) {
    bool digit = false;
    bool point = false;
    for (char c : text) {
        if (isDigit(c)) {
            digit = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digit;
}

std::optional<uint64_t> FrequencyTens(std::string_view text) {
    if (!IsDecimalNumber(text)) return std::nullopt;
    uint64_t value = 0;
    int decimals = -1; // none before the point
    for (char c : text) {
        if (c == '.') {
            decimals = 0;
            continue;
        }
        if (decimals >= 5) continue;
        value = value * 10 + static_cast<uint64_t>(c - '0');
        if (value > 1'000'000'000'000ULL) return std::nullopt;
        if (decimals >= 0) ++decimals;
    }
    for (int d = std::max(decimals, 0); d < 5; ++d)
        value *= 10;
    return value;
}

bool FinerThanTenHertz(std::string_view text) {
    const auto point = text.find('.');
    if (point == std::string_view::npos || text.size() <= point + 6) return false;
    return text.find_first_not_of('0', point + 6) != std::string_view::npos;
}

std::string TensText(uint64_t tens) {
    char text[32];
    std::snprintf(text, sizeof text, "%llu.%05llu", static_cast<unsigned long long>(tens / 100000),
                  static_cast<unsigned long long>(tens % 100000));
    return text;
}

FrequencyReading ReadFrequency(std::string_view text) {
    FrequencyReading reading;
    reading.number = IsDecimalNumber(text);
    if (!reading.number) return reading;
    reading.tens = FrequencyTens(text);
    const auto digits = std::count_if(text.begin(), text.end(), [](char c) { return c != '.'; });
    reading.bandTens =
        reading.tens && digits <= 15 ? *reading.tens : bandTensOfDouble(TextValue(text));
    return reading;
}

} // namespace tlv
