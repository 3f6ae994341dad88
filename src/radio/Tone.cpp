// SPDX-License-Identifier: GPL-3.0-or-later
#include "radio/Tone.h"

#include <algorithm>

namespace tlv {

std::string ToneValueText(Tone tone) {
    switch (tone.kind) {
    case Tone::Kind::Off:
        return {};
    case Tone::Kind::Ctcss: {
        const std::string digits = std::to_string(tone.value);
        return digits.substr(0, digits.size() - 1) + "." + digits.back();
    }
    case Tone::Kind::Dcs: {
        std::string text = "D000";
        for (int i = 3, code = tone.value; i >= 1; --i, code /= 8)
            text[i] = static_cast<char>('0' + code % 8);
        return text + (tone.inverted ? 'I' : 'N');
    }
    }
    return {};
}

Tone ToneAtListPosition(int position) {
    if (position >= kFirstCtcssPosition && position < kFirstDcsNormalPosition)
        return Tone::Ctcss(kCtcssTones[position - kFirstCtcssPosition]);
    if (position >= kFirstDcsNormalPosition && position < kFirstDcsInvertedPosition)
        return Tone::Dcs(kDcsCodes[position - kFirstDcsNormalPosition], false);
    if (position >= kFirstDcsInvertedPosition && position < kToneListSize)
        return Tone::Dcs(kDcsCodes[position - kFirstDcsInvertedPosition], true);
    return Tone::Off();
}

int ToneListPosition(Tone tone) {
    switch (tone.kind) {
    case Tone::Kind::Off:
        return 0;
    case Tone::Kind::Ctcss: {
        const auto at = std::find(kCtcssTones.begin(), kCtcssTones.end(), tone.value);
        return at == kCtcssTones.end() ? -1 : kFirstCtcssPosition + int(at - kCtcssTones.begin());
    }
    case Tone::Kind::Dcs: {
        const auto at = std::find(kDcsCodes.begin(), kDcsCodes.end(), tone.value);
        if (at == kDcsCodes.end()) return -1;
        return (tone.inverted ? kFirstDcsInvertedPosition : kFirstDcsNormalPosition) +
               int(at - kDcsCodes.begin());
    }
    }
    return -1;
}

std::optional<Tone> ToneOfValueText(std::string_view text) {
    if (text.size() == 5 && text[0] == 'D' && (text[4] == 'N' || text[4] == 'I')) {
        uint16_t code = 0;
        for (char c : text.substr(1, 3)) {
            if (c < '0' || c > '7') return std::nullopt;
            code = static_cast<uint16_t>(code * 8 + (c - '0'));
        }
        return Tone::Dcs(code, text[4] == 'I');
    }
    // Digits, a point and one more digit; no leading zero before further digits.
    if (text.size() < 2 || text[text.size() - 2] != '.') return std::nullopt;
    unsigned value = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i == text.size() - 2) continue;
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        value = value * 10 + static_cast<unsigned>(text[i] - '0');
        if (value > 0xFFFF) return std::nullopt;
    }
    const auto tone = Tone::Ctcss(static_cast<uint16_t>(value));
    if (ToneValueText(tone) != text) return std::nullopt;
    return tone;
}

} // namespace tlv
