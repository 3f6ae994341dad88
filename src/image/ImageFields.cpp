// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/ImageFields.h"

#include <algorithm>

namespace tlv {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

// Next code point of a UTF-8 text; an invalid sequence yields one byte as a code point that
// is not printable ASCII.
char32_t nextCodePoint(std::string_view text, std::size_t& pos) {
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    unsigned char lead = byte(pos);
    int length = lead < 0x80                    ? 1
                 : lead >= 0xC2 && lead <= 0xDF ? 2
                 : lead >= 0xE0 && lead <= 0xEF ? 3
                 : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                : 0;
    if (length == 0 || pos + length > text.size()) {
        ++pos;
        return 0xFFFD;
    }
    char32_t code = length == 1 ? lead : lead & (0xFF >> (length + 1));
    for (int i = 1; i < length; ++i) {
        unsigned char next = byte(pos + i);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return 0xFFFD;
        }
        code = (code << 6) | (next & 0x3F);
    }
    pos += length;
    return code;
}

// The digit text of a byte, as the decoder forms frequency texts.
std::string byteDigits(uint8_t value) {
    return {kHexDigits[value >> 4], kHexDigits[value & 15]};
}

} // namespace

namespace imagefield {

std::string FrequencyText(const uint8_t* code) {
    if (code[0] == 0xFF && code[1] == 0xFF && code[2] == 0xFF && code[3] == 0xFF) return {};
    std::string middle = byteDigits(code[2]);
    return byteDigits(code[3]) + middle[0] + "." + middle[1] + byteDigits(code[1]) +
           byteDigits(code[0]);
}

void WriteTextBytes(std::string_view text, uint8_t* out, int width) {
    std::size_t pos = 0;
    int written = 0;
    while (pos < text.size() && written < width) {
        const char32_t code = nextCodePoint(text, pos);
        out[written++] = code >= 0x20 && code <= 0x7E ? static_cast<uint8_t>(code) : '?';
    }
    std::fill(out + written, out + width, uint8_t{0xFF});
}

void AppendCharacter(std::string& text, uint8_t byte) {
    if (byte < 0x80) {
        text += static_cast<char>(byte);
        return;
    }
    text += static_cast<char>(0xC0 | (byte >> 6));
    text += static_cast<char>(0x80 | (byte & 0x3F));
}

} // namespace imagefield

} // namespace tlv
