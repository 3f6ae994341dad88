// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The language steps of start-up and the three language menu commands, over the windows as
// a LanguageHost sees them.
#include "texts/CaptionTables.h"

#include <string_view>

namespace tlv {

struct EditorState;

// What the language steps need of the program.
class LanguageHost {
  public:
    virtual ~LanguageHost() = default;
    // Where ApplyLanguageCaptions writes.
    virtual CaptionTarget& captions() = 0;
    // ConvertFormToTraditional on the named window (ignored for a window that is not there).
    virtual void convertToTraditional(std::string_view window) = 0;
    // The language changed: show the editor in it (channel cells, list texts).
    virtual void showState() = 0;
};

// Start-up, once the editor's language is decided: for Traditional Chinese the Simplified
// table, the conversion of every window and the about-box texts; otherwise the table of the
// language in force.
void ApplyStartupLanguage(const EditorState& state, LanguageHost& host);

// The captions of one window that comes into being after the start-up captions were written:
// its rows in the language in force; for Traditional Chinese its Simplified rows, then its
// conversion (and for the about box the Traditional version line).
void ApplyWindowLanguage(std::string_view window, Language language, LanguageHost& host);

// The language menu: Simplified Chinese, English and Traditional Chinese; the host then shows
// the editor in the new language. Choosing the language in force changes nothing. Returns
// whether the language changed.
bool ChooseLanguage(EditorState& state, Language requested, LanguageHost& host);

} // namespace tlv
