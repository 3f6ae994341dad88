// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The language of the user interface: the caption table in force and the texts the windows
// show. Saved as the third byte of the parameter file by its code.
#include <cstdint>
#include <optional>

namespace tlv {

enum class Language : uint8_t {
    Simplified = 0,  // Simplified Chinese caption table
    English = 1,     // English caption table
    Traditional = 2, // Simplified table converted to Traditional Chinese
};

// The language stored as `code` in the parameter file; nothing for an unknown code.
constexpr std::optional<Language> LanguageOfCode(int code) {
    if (code < 0 || code > 2) return std::nullopt;
    return static_cast<Language>(code);
}

constexpr int LanguageCode(Language language) {
    return static_cast<int>(language);
}

// The caption table a language writes: the English one, or the Simplified one (Traditional
// Chinese is converted from it).
constexpr Language CaptionTableOf(Language language) {
    return language == Language::English ? Language::English : Language::Simplified;
}

} // namespace tlv
