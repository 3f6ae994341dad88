// SPDX-License-Identifier: GPL-3.0-or-later
// The syntax check every front end runs before its JSON parser (FindJsonSyntaxError).
#include "exchange/ExchangeTexts.h"
#include "exchange/JsonValue.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace tlv {

namespace {

constexpr int kMaxDepth = 1024; // as deep as Qt's parser reads

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The first fault: the byte where it is and what is wrong.
struct Fault {
    std::size_t at = 0;
    const LocalText* reason = nullptr;
};

class Scanner {
  public:
    explicit Scanner(std::string_view text) : text_(text) {
        if (text_.rfind("\xEF\xBB\xBF", 0) == 0) pos_ = lineStart_ = 3;
    }

    // The first fault of the text, if any.
    std::optional<JsonSyntaxError> scan() {
        skipSpace();
        if (atEnd())
            fail(pos_, &text::JsonEndsEarly);
        else if (peek() != '{' && peek() != '[')
            fail(pos_, &text::JsonNotContainer);
        else if (value(0)) {
            skipSpace();
            if (!atEnd()) fail(pos_, &text::JsonUnexpectedCharacter);
        }
        if (!fault_.reason) return std::nullopt;
        // The column counts characters: every byte that does not continue a UTF-8 sequence.
        int column = 1;
        for (std::size_t i = lineStart_; i < fault_.at && i < text_.size(); ++i)
            if ((static_cast<unsigned char>(text_[i]) & 0xC0) != 0x80) ++column;
        return JsonSyntaxError{line_, column, fault_.reason};
    }

  private:
    bool fail(std::size_t at, const LocalText* reason) {
        fault_ = {at, reason};
        return false;
    }
    bool atEnd() const { return pos_ >= text_.size(); }
    char peek() const { return text_[pos_]; }

    // The next character, which must be `c`.
    bool expect(char c) {
        if (atEnd()) return fail(pos_, &text::JsonEndsEarly);
        if (peek() != c) return fail(pos_, &text::JsonUnexpectedCharacter);
        ++pos_;
        return true;
    }

    void skipSpace() {
        while (!atEnd()) {
            const char c = peek();
            if (c == '\n' || c == '\r') {
                ++pos_;
                if (c == '\r' && !atEnd() && peek() == '\n') ++pos_;
                ++line_;
                lineStart_ = pos_;
            } else if (c == ' ' || c == '\t') {
                ++pos_;
            } else {
                break;
            }
        }
    }

    bool value(int depth) {
        if (atEnd()) return fail(pos_, &text::JsonEndsEarly);
        const char c = peek();
        if (c == '{' || c == '[') {
            if (depth == kMaxDepth) return fail(pos_, &text::JsonTooDeep);
            return container(depth + 1);
        }
        if (c == '"') return string();
        if (c == '-' || isDigit(c)) return number();
        if (c == 't') return literal("true");
        if (c == 'f') return literal("false");
        if (c == 'n') return literal("null");
        return fail(pos_, &text::JsonUnexpectedCharacter);
    }

    bool container(int depth) {
        const bool object = peek() == '{';
        const char close = object ? '}' : ']';
        ++pos_;
        skipSpace();
        if (!atEnd() && peek() == close) {
            ++pos_;
            return true;
        }
        for (;;) {
            if (object) {
                if (atEnd()) return fail(pos_, &text::JsonEndsEarly);
                if (peek() != '"') return fail(pos_, &text::JsonUnexpectedCharacter);
                if (!string()) return false;
                skipSpace();
                if (!expect(':')) return false;
                skipSpace();
            }
            if (!value(depth)) return false;
            skipSpace();
            if (atEnd()) return fail(pos_, &text::JsonEndsEarly);
            if (peek() == close) {
                ++pos_;
                return true;
            }
            if (!expect(',')) return false;
            skipSpace();
        }
    }

    bool literal(std::string_view word) {
        for (char c : word)
            if (!expect(c)) return false;
        return true;
    }

    bool string() {
        ++pos_; // the opening quote
        for (;;) {
            if (atEnd()) return fail(pos_, &text::JsonEndsEarly);
            const unsigned char c = static_cast<unsigned char>(peek());
            if (c == '"') {
                ++pos_;
                return true;
            }
            if (c < 0x20) return fail(pos_, &text::JsonControlCharacter);
            if (c == '\\') {
                if (!escape()) return false;
            } else if (c >= 0x80) {
                if (!utf8()) return false;
            } else {
                ++pos_;
            }
        }
    }

    bool escape() {
        const std::size_t start = pos_;
        ++pos_;
        if (atEnd()) return fail(pos_, &text::JsonEndsEarly);
        const char c = peek();
        ++pos_;
        if (c != 'u') {
            if (std::string_view("\"\\/bfnrt").find(c) == std::string_view::npos)
                return fail(start, &text::JsonBadEscape);
            return true;
        }
        // Four hex digits. A lone surrogate is taken as Qt takes it (a question mark).
        for (int i = 0; i < 4; ++i, ++pos_) {
            if (atEnd()) return fail(pos_, &text::JsonEndsEarly);
            const char h = peek();
            if (!isDigit(h) && !(h >= 'a' && h <= 'f') && !(h >= 'A' && h <= 'F'))
                return fail(start, &text::JsonBadEscape);
        }
        return true;
    }

    // One character of two to four bytes: no overlong form, no surrogate, at most U+10FFFF.
    bool utf8() {
        const unsigned char lead = static_cast<unsigned char>(peek());
        const int length = lead >= 0xC2 && lead <= 0xDF   ? 2
                           : lead >= 0xE0 && lead <= 0xEF ? 3
                           : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                          : 0;
        if (length == 0 || pos_ + length > text_.size()) return fail(pos_, &text::JsonNotUtf8);
        unsigned char low = 0x80, high = 0xBF; // the range of the second byte
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
        for (int i = 1; i < length; ++i) {
            const unsigned char c = static_cast<unsigned char>(text_[pos_ + i]);
            if (c < (i == 1 ? low : 0x80) || c > (i == 1 ? high : 0xBF))
                return fail(pos_, &text::JsonNotUtf8);
        }
        pos_ += static_cast<std::size_t>(length);
        return true;
    }

    // -?(0|[1-9][0-9]*)(.[0-9]+)?([eE][+-]?[0-9]+)?, whose value a double holds.
    bool number() {
        const std::size_t start = pos_;
        const auto digits = [&] {
            const std::size_t from = pos_;
            while (!atEnd() && isDigit(peek()))
                ++pos_;
            return text_.substr(from, pos_ - from);
        };
        if (peek() == '-') ++pos_;
        const std::string_view whole = digits();
        if (whole.empty() || (whole.size() > 1 && whole[0] == '0'))
            return fail(start, &text::JsonBadNumber);
        std::string_view fraction;
        if (!atEnd() && peek() == '.') {
            ++pos_;
            fraction = digits();
            if (fraction.empty()) return fail(start, &text::JsonBadNumber);
        }
        long long exponent = 0;
        if (!atEnd() && (peek() == 'e' || peek() == 'E')) {
            ++pos_;
            const bool negative = !atEnd() && peek() == '-';
            if (!atEnd() && (peek() == '+' || peek() == '-')) ++pos_;
            const std::string_view power = digits();
            if (power.empty()) return fail(start, &text::JsonBadNumber);
            for (char c : power)
                exponent = std::min(exponent * 10 + (c - '0'), 1'000'000'000LL);
            if (negative) exponent = -exponent;
        }
        if (!holdsDouble(whole, fraction, exponent))
            return fail(start, &text::JsonNumberOutOfRange);
        return true;
    }

    // Whether the number rounds to a finite double that is not zero unless the number is: the
    // significant digits and the power of ten, converted without a decimal point, so that the
    // process's locale cannot change the reading.
    static bool holdsDouble(std::string_view whole, std::string_view fraction, long long exponent) {
        std::string digits = std::string(whole) + std::string(fraction);
        exponent -= static_cast<long long>(fraction.size());
        const std::size_t first = digits.find_first_not_of('0');
        if (first == std::string::npos) return true; // zero
        digits.erase(0, first);
        const long long magnitude = exponent + static_cast<long long>(digits.size());
        if (magnitude > 400) return false;  // far beyond the largest double
        if (magnitude < -400) return false; // far below the smallest
        const double value =
            std::strtod((digits + "e" + std::to_string(exponent)).c_str(), nullptr);
        return std::isfinite(value) && value != 0.0;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
    std::size_t lineStart_ = 0;
    Fault fault_;
};

} // namespace

std::optional<JsonSyntaxError> FindJsonSyntaxError(std::string_view text) {
    return Scanner(text).scan();
}

} // namespace tlv
