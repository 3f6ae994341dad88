// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/ButtonTexts.h"

#include "language/LocalMsgBox.h"

#include <array>

namespace tlv {

namespace {

struct ButtonTextRow {
    int itemId;
    std::array<std::string_view, 3> text; // Simplified, English, Traditional
};

// The Traditional texts are written out, not converted.
constexpr std::array<ButtonTextRow, 9> kButtonTexts{{
    {IdOk, {"确定", "OK", "確定"}},
    {IdCancel, {"取消", "Cancel", "取消"}},
    {IdYes, {"是", "Yes", "是"}},
    {IdNo, {"否", "No", "否"}},
    {IdAbort, {"放弃", "Abort", "放棄"}},
    {IdIgnore, {"忽略", "Ignore", "忽略"}},
    {IdRetry, {"重试", "Retry", "重試"}},
    {IdSave, {"保存", "Save", "保存"}},
    {IdDiscard, {"不保存", "Discard", "不保存"}},
}};

} // namespace

std::optional<std::string_view> MsgBoxButtonText(Language language, int itemId) {
    const int languageState = LanguageCode(language);
    for (const auto& row : kButtonTexts)
        if (row.itemId == itemId) return row.text[languageState];
    return std::nullopt;
}

MsgBoxLayout DecodeMsgBoxFlags(int flags) {
    MsgBoxLayout layout;
    switch (flags & 0xF) {
    case 1:
        layout.buttons = {IdOk, IdCancel};
        layout.escapeButton = IdCancel;
        break;
    case 2:
        layout.buttons = {IdAbort, IdRetry, IdIgnore};
        break;
    case 3:
        layout.buttons = {IdYes, IdNo, IdCancel};
        layout.escapeButton = IdCancel;
        break;
    case 4:
        layout.buttons = {IdYes, IdNo};
        layout.escapeButton = IdNo; // closing a question answers No
        break;
    case 5:
        layout.buttons = {IdRetry, IdCancel};
        layout.escapeButton = IdCancel;
        break;
    case mb::SaveDiscardCancel:
        layout.buttons = {IdSave, IdDiscard, IdCancel};
        layout.escapeButton = IdCancel; // closing the question changes nothing
        break;
    default:
        layout.buttons = {IdOk};
        layout.escapeButton = IdOk;
        break;
    }
    switch (flags & 0xF0) {
    case mb::IconStop:
        layout.icon = MsgBoxIcon::Stop;
        break;
    case mb::IconQuestion:
        layout.icon = MsgBoxIcon::Question;
        break;
    case mb::IconWarning:
        layout.icon = MsgBoxIcon::Warning;
        break;
    case mb::IconInformation:
        layout.icon = MsgBoxIcon::Information;
        break;
    default:
        break;
    }
    std::size_t defaultIndex = static_cast<std::size_t>((flags & 0xF00) >> 8);
    if (defaultIndex >= layout.buttons.size()) defaultIndex = 0;
    layout.defaultButton = layout.buttons[defaultIndex];
    layout.systemModal = (flags & 0xF000) == mb::SystemModal;
    return layout;
}

} // namespace tlv
