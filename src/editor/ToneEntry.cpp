// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/ToneEntry.h"

#include "editor/CellTexts.h"
#include "radio/Conversions.h"
#include "radio/Frequency.h"

#include <string>

namespace tlv {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The decimal number at the start of `text` (digits, at most one point, more digits), as
// text; empty when the text does not start with a number.
std::string_view leadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i]))
            ++i;
    }
    std::string_view number = text.substr(0, i);
    return IsDecimalNumber(number) ? number : std::string_view{};
}

// `number` (a decimal number) in tenths, rounded half up on its digits.
uint16_t tenthsOf(std::string_view number) {
    const std::size_t point = number.find('.');
    const std::string_view whole = number.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : number.substr(point + 1);
    unsigned tenths = 0;
    for (char c : whole)
        tenths = tenths * 10 + static_cast<unsigned>(c - '0');
    tenths = tenths * 10 + (fraction.empty() ? 0u : static_cast<unsigned>(fraction[0] - '0'));
    if (fraction.size() > 1 && fraction[1] >= '5') ++tenths;
    return static_cast<uint16_t>(tenths);
}

} // namespace

std::optional<Tone> TypedCtcssTone(std::string_view text) {
    const std::string_view number = leadingNumber(text);
    const double value = number.empty() ? 0.0 : TextValue(number);
    if (value < 67.0 || value > 254.1) return std::nullopt;
    return Tone::Ctcss(tenthsOf(number));
}

std::optional<Tone> TypedDcsTone(std::string_view text) {
    if (text.size() < 3 || text.front() != 'D') return std::nullopt;
    const char polarity = text.back();
    if (polarity != 'N' && polarity != 'I') return std::nullopt;
    const std::string_view middle = text.substr(1, text.size() - 2);
    if (middle.size() > 3) return std::nullopt;
    uint16_t code = 0;
    for (char c : middle) {
        if (c < '0' || c > '7') return std::nullopt;
        code = static_cast<uint16_t>(code * 8 + (c - '0'));
    }
    // Three octal digits are at most 777, the largest code the radio holds.
    return Tone::Dcs(code, polarity == 'I');
}

ToneEntry ReadToneEntry(std::string_view text) {
    if (text.empty()) return {};
    if (IsToneOffText(text)) return {ToneEntry::Kind::Off, Tone::Off(), 0};
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (const std::optional<Tone> listed = ToneOfValueText(upper)) {
        if (const int position = ToneListPosition(*listed); position > 0)
            return {ToneEntry::Kind::Listed, *listed, position};
    }
    const std::optional<Tone> typed =
        upper.front() == 'D' ? TypedDcsTone(upper) : TypedCtcssTone(upper);
    if (!typed) return {ToneEntry::Kind::Refused, Tone::Off(), 0};
    return {ToneEntry::Kind::Typed, *typed, 0};
}

ToneEntry ToneEntryOf(Tone tone) {
    if (tone.isOff()) return {ToneEntry::Kind::Off, tone, 0};
    if (const int position = ToneListPosition(tone); position > 0)
        return {ToneEntry::Kind::Listed, tone, position};
    return {ToneEntry::Kind::Typed, tone, 0};
}

} // namespace tlv
