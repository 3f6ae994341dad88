#pragma once
// The memory image and the editor state: EncodeImage builds the ImageText from the editor,
// DecodeImage loads an ImageText into it.
#include "editor/EditorState.h"
#include "localisation/LocalMsgBox.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tlv {

// The ImageText of the editor state: always exactly 1696 upper-case hex digits. Values that do
// not fit their fields are clamped (one-byte values to 0..255, the two delays to 0..65535);
// texts are cut to their field and every character outside printable ASCII is stored as "?";
// a frequency text that is not in the nine-character form is encoded from its numeric value
// when it lies in 100 <= f < 1000 MHz, else as no frequency. Reads the state, changes nothing.
std::string EncodeImage(const EditorState& state);

// Loads an ImageText into the editor: channel table, option indices, function panel, band,
// stores and dialog controls. Selecting the priority lists runs the dialog's priority rules,
// whose messages go to `box`. A text with fewer than 1632 digits, or with a character that is
// not a hex digit among them, is refused as a whole: false, and nothing is changed. Digits
// beyond offset 815 are ignored.
bool DecodeImage(EditorState& state, std::string_view imageText, MessageBoxService& box);

// Hex text <-> bytes. nullopt for an odd length or a character that is not a hex digit.
std::optional<std::vector<uint8_t>> ImageTextToBytes(std::string_view text);
std::string BytesToImageText(const uint8_t* bytes, std::size_t count);
inline std::string BytesToImageText(const std::vector<uint8_t>& bytes) {
    return BytesToImageText(bytes.data(), bytes.size());
}

// Field codes, shared with other users of the image.
namespace imagefield {
// The four bytes of a frequency text (BCD, least significant first); FF FF FF FF for an empty
// text or one that cannot be encoded.
std::array<uint8_t, 4> FrequencyBytes(std::string_view text);
// The frequency text of four bytes (digits taken as they are); empty for FF FF FF FF.
std::string FrequencyText(const uint8_t* code);
// The 16-bit tone value of a tone cell text (0xFFFF for empty or off).
uint16_t ToneValue(const CellListTexts& texts, std::string_view text);
// The tone cell text of a 16-bit value that is not 0xFFFF.
std::string ToneText(uint16_t value);
// The image characters of a text (printable ASCII, "?" for anything else), cut to `width` and
// padded with 0xFF.
std::vector<uint8_t> TextBytes(std::string_view text, int width);
// The text of image bytes: printable ASCII as itself, bytes 0x80..0xFE as the Unicode
// character of that code (UTF-8), other bytes as their control character.
std::string CharacterText(uint8_t byte);
} // namespace imagefield

} // namespace tlv
