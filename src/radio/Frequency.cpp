// SPDX-License-Identifier: GPL-3.0-or-later
#include "radio/Frequency.h"

#include <cstdio>

namespace tlv {

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
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        tens = tens * 10 + static_cast<uint32_t>(text[i] - '0');
    }
    return Frequency{tens};
}

} // namespace tlv
