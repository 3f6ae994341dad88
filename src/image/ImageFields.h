#pragma once
// The field codes of the memory image that need nothing of the editor: image text (hex digits)
// and bytes, frequencies in BCD, and the image's one-byte characters. Shared by the image codec,
// the dialogs' input checks, the transfer and the simulated radio.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tlv {

// Hex text <-> bytes. nullopt for an odd length or a character that is not a hex digit.
std::optional<std::vector<uint8_t>> ImageTextToBytes(std::string_view text);
std::string BytesToImageText(const uint8_t* bytes, std::size_t count);
inline std::string BytesToImageText(const std::vector<uint8_t>& bytes) {
    return BytesToImageText(bytes.data(), bytes.size());
}

namespace imagefield {
// The four bytes of a frequency text (BCD, least significant first); FF FF FF FF for an empty
// text or one that cannot be encoded.
std::array<uint8_t, 4> FrequencyBytes(std::string_view text);
// The frequency text of four bytes (digits taken as they are); empty for FF FF FF FF.
std::string FrequencyText(const uint8_t* code);
// The image characters of a text (printable ASCII, "?" for any other character), cut to
// `width` and padded with 0xFF, written to `out`.
void WriteTextBytes(std::string_view text, uint8_t* out, int width);
// The text of an image byte: printable ASCII as itself, bytes 0x80..0xFE as the Unicode
// character of that code (UTF-8), other bytes as their control character; appended to `text`.
void AppendCharacter(std::string& text, uint8_t byte);
} // namespace imagefield

} // namespace tlv
