#include "image/ImageFields.h"

#include "image/Conversions.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace tlv {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

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

bool isNineCharacterFrequency(std::string_view text) {
    if (text.size() != 9 || text[3] != '.') return false;
    for (int i : {0, 1, 2, 4, 5, 6, 7, 8})
        if (!isDigit(text[i])) return false;
    return true;
}

// The digit text of a byte, as the decoder forms frequency texts.
std::string byteDigits(uint8_t value) {
    return {kHexDigits[value >> 4], kHexDigits[value & 15]};
}

} // namespace

namespace imagefield {

std::array<uint8_t, 4> FrequencyBytes(std::string_view text) {
    std::array<uint8_t, 4> none{0xFF, 0xFF, 0xFF, 0xFF};
    if (text.empty()) return none;
    std::string digits; // eight digits: hundreds of MHz down to tens of hertz
    if (isNineCharacterFrequency(text)) {
        digits = std::string(text.substr(0, 3)) + std::string(text.substr(4, 5));
    } else {
        double megahertz = TextValue(text);
        if (!std::isfinite(megahertz)) return none;
        double units = std::round(megahertz * 100000.0);
        if (units < 10000000.0 || units >= 100000000.0) return none;
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "%08lld", static_cast<long long>(units));
        digits = buffer;
    }
    auto pair = [&](int i) {
        return static_cast<uint8_t>((digits[i] - '0') * 16 + (digits[i + 1] - '0'));
    };
    return {pair(6), pair(4), pair(2), pair(0)};
}

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

std::optional<std::vector<uint8_t>> ImageTextToBytes(std::string_view text) {
    if (text.size() % 2 != 0) return std::nullopt;
    std::vector<uint8_t> bytes(text.size() / 2);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        int high = hexValue(text[2 * i]);
        int low = hexValue(text[2 * i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        bytes[i] = static_cast<uint8_t>(high * 16 + low);
    }
    return bytes;
}

std::string BytesToImageText(const uint8_t* bytes, std::size_t count) {
    std::string text;
    text.reserve(2 * count);
    for (std::size_t i = 0; i < count; ++i)
        text += byteDigits(bytes[i]);
    return text;
}

} // namespace tlv
