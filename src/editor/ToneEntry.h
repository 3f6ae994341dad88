// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A tone as a user types it into the tone list, pastes it into a row or a file gives it: read
// once, before any cell is written. The tone list's own entries and the off texts of every
// language are picks of the list; any other tone the radio holds is taken as typed.
#include "radio/Tone.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace tlv {

// The CTCSS tone of a typed text: its leading decimal number, from 67.0 to 254.1 Hz, with one
// decimal rounded half up on its digits ("88.55" is 88.6, "100.0Hz" is 100.0); nothing for any
// other text.
std::optional<Tone> TypedCtcssTone(std::string_view text);

// The DCS code of a typed text: "D", one to three octal digits padded to three, and "N" or
// "I"; nothing for any other text (a digit 8 or 9, a point, more digits would not be stored as
// the code shown).
std::optional<Tone> TypedDcsTone(std::string_view text);

struct ToneEntry {
    enum class Kind : uint8_t {
        Empty,   // no text: no tone, which only a side without a frequency may have
        Off,     // an off text: the list's first entry
        Listed,  // a tone as the list shows it: a pick of its entry
        Typed,   // another tone the radio holds, as typed into the list
        Refused, // no tone the radio holds
    };
    Kind kind = Kind::Empty;
    Tone tone;        // Off, Listed and Typed
    int position = 0; // Listed: the entry's list position
};

// A tone text as an import or a paste gives it, letters in any case ("d023n" is D023N).
ToneEntry ReadToneEntry(std::string_view text);

// A tone the radio holds, as the entry an import gives: a pick of the list where the list holds
// it, else typed.
ToneEntry ToneEntryOf(Tone tone);

} // namespace tlv
