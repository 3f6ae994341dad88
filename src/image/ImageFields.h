// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The image's one-byte characters and the digits of a frequency code as they stand, for the
// image codec.
#include <cstdint>
#include <string>
#include <string_view>

namespace tlv {

namespace imagefield {
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
