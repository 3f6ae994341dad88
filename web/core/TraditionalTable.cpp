// SPDX-License-Identifier: GPL-3.0-or-later
// Traditional Chinese in the WebAssembly core: the texts the core can show were converted on the
// build machine with the program's own conversion (web/tools/traditional-table.cpp); here they
// are looked up. A text that is not in the table (one put together at run time) is converted
// character by character from the same table's characters.
#include "language/Traditional.h"

#include "TraditionalTable.h"

#include <algorithm>
#include <string_view>

namespace tlv {

namespace {

template <std::size_t N>
const char* lookUp(const traditional::Pair (&table)[N], std::string_view text) {
    const auto* end = table + N;
    const auto* found =
        std::lower_bound(table, end, text, [](const traditional::Pair& pair, std::string_view key) {
            return pair.simplified < key;
        });
    return found != end && found->simplified == text ? found->traditional : nullptr;
}

std::size_t sequenceLength(unsigned char lead) {
    if (lead >= 0xF0) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

} // namespace

long Utf8Length(const std::string& text) {
    long length = 0;
    for (std::size_t i = 0; i < text.size(); ++length) {
        const std::size_t step = sequenceLength(static_cast<unsigned char>(text[i]));
        if (i + step > text.size()) return -1;
        for (std::size_t k = 1; k < step; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return -1;
        if (step == 1 && static_cast<unsigned char>(text[i]) >= 0x80) return -1;
        i += step;
    }
    return length;
}

std::string ToTraditional(const std::string& text) {
    if (const char* whole = lookUp(traditional::kTexts, text)) return whole;
    std::string converted;
    converted.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t step =
            std::min(sequenceLength(static_cast<unsigned char>(text[i])), text.size() - i);
        const std::string_view character(text.data() + i, step);
        const char* one = step > 1 ? lookUp(traditional::kCharacters, character) : nullptr;
        if (one)
            converted += one;
        else
            converted += character;
        i += step;
    }
    return converted;
}

struct TraditionalConverter::Handles {};

TraditionalConverter::TraditionalConverter(const std::string&, const std::string&)
    : handles_(std::make_unique<Handles>()) {}
TraditionalConverter::TraditionalConverter() : handles_(std::make_unique<Handles>()) {}
TraditionalConverter::~TraditionalConverter() = default;
std::string TraditionalConverter::convert(const std::string& text) const {
    return ToTraditional(text);
}
bool TraditionalConverter::hasPhraseConverter() const {
    return true;
}
bool TraditionalConverter::hasCharacterConverter() const {
    return true;
}

} // namespace tlv
