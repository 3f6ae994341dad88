// SPDX-License-Identifier: GPL-3.0-or-later
#include "texts/SettingCaptions.h"

#include "texts/CaptionTables.h"

namespace tlv {

namespace {

constexpr const char* kMainWindow = "Form1";
constexpr const char* kKeysWindow = "Form6";

} // namespace

std::string PanelListLabel(Language language, PanelList list) {
    const SettingCaption& caption = PanelListSetting(list).caption;
    return CaptionText(language, caption.window, caption.label);
}

std::string PanelListEntry(Language language, PanelList list, int position) {
    if (position < 0) return {};
    const SettingCaption& caption = PanelListSetting(list).caption;
    return CaptionText(language, caption.window, caption.list, CaptionItem::ListEntry, position);
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
    const SettingCaption& caption =
        (key == 1 ? Setting("KeyFunction1") : Setting("KeyFunction2")).caption;
    return CaptionText(language, caption.window, caption.label);
}

std::string KeyFunctionEntry(Language language, int position) {
    if (position < 0) return {};
    const SettingCaption& caption = Setting("KeyFunction1").caption;
    return CaptionText(language, caption.window, caption.list, CaptionItem::ListEntry, position);
}

} // namespace tlv
