#include "localisation/LanguageSwitch.h"

#include "editor/EditorState.h"
#include "localisation/LanguageState.h"
#include "localisation/Traditional.h"

namespace tlv {

namespace {

// The tone-off text and the option texts that the editor writes into and compares with
// channel cells, in the language in force.
void setCellListTexts(CellListTexts& lists, int languageState) {
    const auto text = [&](const LocalText& t) -> std::string {
        if (languageState == lang::English) return t.en;
        if (languageState == lang::Traditional) return ToTraditional(t.zh);
        return t.zh;
    };
    lists.toneOff = text(caption::ToneOff);
    for (size_t column = 0; column < caption::Options.size(); ++column)
        for (size_t position = 0; position < 2; ++position)
            lists.option[column][position] = text(caption::Options[column][position]);
}

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
    setCellListTexts(state.lists, state.languageState);
}

bool ChooseLanguage(EditorState& state, int requested, LanguageHost& host) {
    if (state.languageState == requested) return false;
    switch (requested) {
    case lang::Simplified:
    case lang::English:
        state.languageState = requested;
        ApplyLanguageCaptions(host.captions(), requested);
        break;
    case lang::Traditional:
        if (state.languageState == lang::English) {
            state.languageState = lang::Simplified;
            ApplyLanguageCaptions(host.captions(), lang::Simplified);
        }
        state.languageState = lang::Traditional;
        convertAllWindows(host);
        host.captions().setCaption("frmAbout", "lblVersion",
                                   ToTraditional(caption::TraditionalVersion));
        break;
    default:
        return false;
    }
    setCellListTexts(state.lists, state.languageState);
    host.setGrid1Text();
    return true;
}

} // namespace tlv
