#include "localisation/LanguageSwitch.h"

#include "editor/EditorOps.h"
#include "editor/EditorState.h"
#include "localisation/CellTexts.h"
#include "localisation/LanguageState.h"
#include "localisation/Traditional.h"

namespace tlv {

namespace {

// Every window converted to Traditional Chinese, in the order of the tables.
void convertAllWindows(LanguageHost& host) {
    for (std::string_view window : kCaptionWindows)
        host.convertToTraditional(window);
}

} // namespace

void ApplyStartupLanguage(EditorState& state, LanguageHost& host) {
    if (state.languageState == lang::Traditional) {
        state.languageState = lang::Simplified;
        ApplyLanguageCaptions(host.captions(), lang::Simplified);
        convertAllWindows(host);
        host.captions().setCaption("frmAbout", "lblTitle", ToTraditional(caption::AboutTitle));
        host.captions().setCaption("frmAbout", "lblVersion",
                                   ToTraditional(caption::TraditionalVersion));
        state.languageState = lang::Traditional;
    } else {
        ApplyLanguageCaptions(host.captions(), state.languageState);
    }
    // The texts the editor writes into and compares with channel cells.
    SetCellListTexts(state.lists, state.languageState);
}

void ApplyWindowLanguage(std::string_view window, int languageState, LanguageHost& host) {
    if (!lang::IsKnown(languageState)) return;
    const int table = languageState == lang::English ? lang::English : lang::Simplified;
    for (const CaptionRow& row : CaptionRowsOf(window))
        WriteCaptionRow(host.captions(), row, table);
    if (languageState != lang::Traditional) return;
    host.convertToTraditional(window);
    if (window == "frmAbout")
        host.captions().setCaption("frmAbout", "lblVersion",
                                   ToTraditional(caption::TraditionalVersion));
}

bool ChooseLanguage(EditorState& state, int requested, LanguageHost& host) {
    if (state.languageState == requested || !lang::IsKnown(requested)) return false;
    if (requested == lang::Traditional) {
        if (state.languageState == lang::English) {
            state.languageState = lang::Simplified;
            ApplyLanguageCaptions(host.captions(), lang::Simplified);
        }
        state.languageState = lang::Traditional;
        convertAllWindows(host);
        host.captions().setCaption("frmAbout", "lblVersion",
                                   ToTraditional(caption::TraditionalVersion));
    } else {
        state.languageState = requested;
        ApplyLanguageCaptions(host.captions(), requested);
    }
    SetCellListTexts(state.lists, state.languageState);
    RelabelChannels(state);
    host.showState();
    return true;
}

} // namespace tlv
