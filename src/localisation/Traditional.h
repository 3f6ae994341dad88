#pragma once
// Simplified-to-Traditional Chinese conversion of user-interface texts.
#include <string>

namespace tlv {

// The Traditional Chinese form of a Simplified Chinese UTF-8 text, character for character:
// the result has as many characters as the input; ASCII and characters without a
// Traditional variant are unchanged.
std::string ToTraditional(const std::string& text);

} // namespace tlv
