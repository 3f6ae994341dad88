#pragma once
// LanguageState: the program-wide choice of the user-interface language. The value is kept in
// EditorState::languageState and saved as the third byte of the parameter file.

namespace tlv::lang {

inline constexpr int Simplified = 0;  // Simplified Chinese caption table
inline constexpr int English = 1;     // English caption table
inline constexpr int Traditional = 2; // Simplified table converted to Traditional Chinese

inline constexpr bool IsKnown(int languageState) {
    return languageState >= Simplified && languageState <= Traditional;
}

} // namespace tlv::lang
