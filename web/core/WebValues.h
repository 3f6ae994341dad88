// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The core's values as the page's JavaScript sees them: messages in a language, byte arrays,
// lists of texts, languages by code.
#include "language/Messages.h"

#include <emscripten/val.h>

#include <span>
#include <string>
#include <vector>

namespace tlv::web {

Language LanguageOfCode(const std::string& code);
const char* CodeOfLanguage(Language language);

// A message box for the page: text, title, flags and the detail that follows the text.
emscripten::val MessageText(Language language, const Message& message,
                            const std::string& detail = {});
emscripten::val NoticeText(Language language, const Notice& notice);
emscripten::val NoticeTexts(Language language, const std::vector<Notice>& notices);

emscripten::val Texts(const std::vector<std::string>& texts);
emscripten::val Numbers(const std::vector<int>& numbers);
emscripten::val Bytes(std::span<const uint8_t> data);
emscripten::val Bytes(const std::string& data);
std::vector<uint8_t> BytesOf(const emscripten::val& array);
std::vector<int> NumbersOf(const emscripten::val& array);

// An optional argument the page may leave out.
inline bool Given(const emscripten::val& value) {
    return !value.isUndefined() && !value.isNull();
}

} // namespace tlv::web
