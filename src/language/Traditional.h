// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Simplified-to-Traditional Chinese conversion of user-interface texts.
#include <memory>
#include <string>

namespace tlv {

// The Traditional Chinese form of a Simplified Chinese UTF-8 text, character for character:
// the result has as many characters as the input; ASCII and characters without a
// Traditional variant are unchanged; the empty text gives the empty text. A text that is not
// valid UTF-8, or a conversion that cannot be set up, gives the text unchanged.
// Thread-safe; the converter is opened on first use.
std::string ToTraditional(const std::string& text);

// Number of characters (code points) of a UTF-8 text; -1 when it is not valid UTF-8.
long Utf8Length(const std::string& text);

// The conversion behind ToTraditional, with its configurations named, so that other
// configurations can be tried.
//
// A text is converted with the phrase configuration (word-aware: 复制 becomes 複製). When
// that result has another number of characters than the input, or the phrase configuration
// could not be opened, the text is converted one character at a time with the character
// configuration instead, and a character whose conversion is not exactly one character is
// kept as it is.
class TraditionalConverter {
  public:
    // OpenCC configuration files; a bare name is looked up in OpenCC's data folder.
    TraditionalConverter(const std::string& phraseConfig, const std::string& characterConfig);
    // The program's converter: the Taiwan-standard configuration "s2tw.json" for phrases and
    // the bundled STCharacters-only configuration for single characters.
    TraditionalConverter();
    ~TraditionalConverter();
    TraditionalConverter(const TraditionalConverter&) = delete;
    TraditionalConverter& operator=(const TraditionalConverter&) = delete;

    std::string convert(const std::string& text) const;

    bool hasPhraseConverter() const;
    bool hasCharacterConverter() const;

  private:
    struct Handles;
    std::unique_ptr<Handles> handles_;
};

} // namespace tlv
