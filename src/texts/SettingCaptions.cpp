// SPDX-License-Identifier: GPL-3.0-or-later
#include "texts/SettingCaptions.h"

#include "texts/CaptionTables.h"

namespace tlv {

namespace {

// The main window's names of a panel list and its label in the caption table.
struct PanelCaption {
    const char* label;
    const char* list;
};

PanelCaption panelCaption(PanelList list) {
    switch (list) {
    case PanelList::VoicePrompt:
        return {"Label4", "Combo2"};
    case PanelList::TimeOutTimer:
        return {"Label5", "Combo3"};
    case PanelList::TimeOutWarning:
        return {"Label1", "Combo4"};
    case PanelList::SquelchLevel:
        return {"Label6", "Combo9"};
    case PanelList::BatterySave:
        return {"Label7", "Combo6"};
    case PanelList::Beep:
        break;
    }
    return {"Label8", "Combo7"};
}

constexpr const char* kMainWindow = "Form1";
constexpr const char* kKeysWindow = "Form6";

} // namespace

std::string PanelListLabel(Language language, PanelList list) {
    return CaptionText(language, kMainWindow, panelCaption(list).label);
}

std::string PanelListEntry(Language language, PanelList list, int position) {
    if (position < 0) return {};
    return CaptionText(language, kMainWindow, panelCaption(list).list, CaptionItem::ListEntry,
                       position);
}

std::string BandFrameCaption(Language language) {
    return CaptionText(language, kMainWindow, "Frame1");
}

std::string BandListLabel(Language language) {
    return CaptionText(language, kMainWindow, "Label3");
}

std::string FunctionPanelCaption(Language language) {
    return CaptionText(language, kMainWindow, "Frame2");
}

std::string KeysTitle(Language language) {
    return CaptionText(language, kKeysWindow, {}, CaptionItem::WindowTitle);
}

std::string KeyLabel(Language language, int key) {
    return CaptionText(language, kKeysWindow, key == 1 ? "Label1" : "Label2");
}

std::string KeyFunctionEntry(Language language, int position) {
    if (position < 0) return {};
    return CaptionText(language, kKeysWindow, "Combo1", CaptionItem::ListEntry, position);
}

} // namespace tlv
