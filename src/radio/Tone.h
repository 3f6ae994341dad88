// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The squelch tone of a channel's receive or transmit side: off, a CTCSS tone in tenths of a
// hertz, or a DCS code with its polarity; and the tone list the in-cell editor offers: off,
// 50 CTCSS tones, 105 DCS codes with normal polarity and the same 105 with inverted polarity,
// 261 entries in all.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tlv {

struct Tone {
    enum class Kind : uint8_t { Off, Ctcss, Dcs };

    Kind kind = Kind::Off;
    uint16_t value = 0;    // Ctcss: tenths of a hertz (670 is 67.0 Hz); Dcs: the code 0..511
    bool inverted = false; // Dcs: inverted polarity ("I"); normal ("N") otherwise

    static constexpr Tone Off() { return {}; }
    static constexpr Tone Ctcss(uint16_t tenths) { return {Kind::Ctcss, tenths, false}; }
    static constexpr Tone Dcs(uint16_t code, bool inverted) {
        return {Kind::Dcs, static_cast<uint16_t>(code & 0x1FF), inverted};
    }

    bool isOff() const { return kind == Kind::Off; }
    bool operator==(const Tone&) const = default;
};

// The text of a tone that is not off: a CTCSS tone as its digits with a point before the last
// one ("67.0", "254.1"), a DCS code as "D", three octal digits and "N" or "I" ("D023N").
// Empty for off, whose text is the language's (ToneOffText).
std::string ToneValueText(Tone tone);

inline constexpr int kToneListSize = 261;
inline constexpr int kFirstCtcssPosition = 1;
inline constexpr int kFirstDcsNormalPosition = 51;
inline constexpr int kFirstDcsInvertedPosition = 156;

// CTCSS tones in tenths of a hertz, list positions 1..50.
inline constexpr std::array<uint16_t, 50> kCtcssTones{
    670,  693,  719,  744,  770,  797,  825,  854,  885,  915,  948,  974,  1000,
    1035, 1072, 1109, 1148, 1188, 1230, 1273, 1318, 1365, 1413, 1462, 1514, 1567,
    1598, 1622, 1655, 1679, 1713, 1738, 1773, 1799, 1835, 1862, 1899, 1928, 1966,
    1999, 2035, 2065, 2107, 2181, 2257, 2291, 2336, 2418, 2503, 2541};

// DCS codes, positions 51..155 with "N" and 156..260 with "I".
inline constexpr std::array<uint16_t, 105> kDcsCodes{
    0023, 0025, 0026, 0031, 0032, 0036, 0043, 0047, 0051, 0053, 0054, 0065, 0071, 0072, 0073,
    0074, 0114, 0115, 0116, 0122, 0125, 0131, 0132, 0134, 0143, 0145, 0152, 0155, 0156, 0162,
    0165, 0172, 0174, 0205, 0212, 0223, 0225, 0226, 0243, 0244, 0245, 0246, 0251, 0252, 0255,
    0261, 0263, 0265, 0266, 0271, 0274, 0306, 0311, 0315, 0325, 0331, 0332, 0343, 0346, 0351,
    0356, 0364, 0365, 0371, 0411, 0412, 0413, 0423, 0431, 0432, 0445, 0446, 0452, 0454, 0455,
    0462, 0464, 0465, 0466, 0503, 0506, 0516, 0523, 0526, 0532, 0546, 0565, 0606, 0612, 0624,
    0627, 0631, 0632, 0645, 0654, 0662, 0664, 0703, 0712, 0723, 0731, 0732, 0734, 0743, 0754};

// The tone at list position 0..260 (0 is off); off for a position outside the list.
Tone ToneAtListPosition(int position);

// The list position of a tone, -1 for a tone the list does not hold.
int ToneListPosition(Tone tone);

// A tone value text ("67.0", "D023N", as ToneValueText writes them and the list shows them);
// nothing for any other text, the off texts included.
std::optional<Tone> ToneOfValueText(std::string_view text);

} // namespace tlv
