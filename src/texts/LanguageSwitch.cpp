// SPDX-License-Identifier: GPL-3.0-or-later
#include "texts/LanguageSwitch.h"

#include "editor/EditorState.h"
#include "language/Traditional.h"

namespace tlv {

namespace {

// Every window converted to Traditional Chinese, in the order of the tables.
void convertAllWindows(LanguageHost& host) {
    for (std::string_view window : kCaptionWindows)
        host.convertToTraditional(window);
}

} // namespace

void ApplyStartupLanguage(const EditorState& state, LanguageHost& host) {
    if (state.language() == Language::Traditional) {
        ApplyLanguageCaptions(host.captions(), Language::Simplified);
        convertAllWindows(host);
        host.captions().setCaption("frmAbout", "lblTitle", ToTraditional(caption::AboutTitle));
        host.captions().setCaption("frmAbout", "lblVersion",
                                   ToTraditional(caption::TraditionalVersion));
    } else {
        ApplyLanguageCaptions(host.captions(), state.language());
    }
}

void ApplyWindowLanguage(std::string_view window, Language language, LanguageHost& host) {
    for (const CaptionRow& row : CaptionRowsOf(window))
        WriteCaptionRow(host.captions(), row, CaptionTableOf(language));
    if (language != Language::Traditional) return;
    host.convertToTraditional(window);
    if (window == "frmAbout")
        host.captions().setCaption("frmAbout", "lblVersion",
                                   ToTraditional(caption::TraditionalVersion));
}

bool ChooseLanguage(EditorState& state, Language requested, LanguageHost& host) {
    if (state.language() == requested) return false;
    if (requested == Language::Traditional) {
        // The windows hold the Simplified texts before they are converted.
        if (state.language() == Language::English)
            ApplyLanguageCaptions(host.captions(), Language::Simplified);
        convertAllWindows(host);
        host.captions().setCaption("frmAbout", "lblVersion",
                                   ToTraditional(caption::TraditionalVersion));
    } else {
        ApplyLanguageCaptions(host.captions(), requested);
    }
    state.session.language = requested;
    host.showState();
    return true;
}

} // namespace tlv
