// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/ButtonTexts.h"
#include "language/LocalMsgBox.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tlv;

TEST(MsgBoxButtonText, OtherIdsLeaveTheTextAlone) {
    EXPECT_FALSE(MsgBoxButtonText(Language::Simplified, 0).has_value());
    EXPECT_FALSE(MsgBoxButtonText(Language::English, 8).has_value());
}

TEST(DecodeMsgBoxFlags, FlagValuesInUse) {
    struct Case {
        int flags;
        std::vector<int> buttons;
        MsgBoxIcon icon;
        int defaultButton;
        int escapeButton;
        bool systemModal;
    };
    const std::vector<Case> cases{
        {0, {IdOk}, MsgBoxIcon::None, IdOk, IdOk, false},
        {16, {IdOk}, MsgBoxIcon::Stop, IdOk, IdOk, false},
        {64, {IdOk}, MsgBoxIcon::Information, IdOk, IdOk, false},
        {36, {IdYes, IdNo}, MsgBoxIcon::Question, IdYes, IdNo, false},
        {68, {IdYes, IdNo}, MsgBoxIcon::Information, IdYes, IdNo, false},
        {305, {IdOk, IdCancel}, MsgBoxIcon::Warning, IdCancel, IdCancel, false},
        {4385, {IdOk, IdCancel}, MsgBoxIcon::Question, IdCancel, IdCancel, true},
        {mb::SaveDiscardCancel | mb::IconQuestion,
         {IdSave, IdDiscard, IdCancel},
         MsgBoxIcon::Question,
         IdSave,
         IdCancel,
         false},
    };
    for (const auto& c : cases) {
        const MsgBoxLayout layout = DecodeMsgBoxFlags(c.flags);
        EXPECT_EQ(layout.buttons, c.buttons) << c.flags;
        EXPECT_EQ(layout.icon, c.icon) << c.flags;
        EXPECT_EQ(layout.defaultButton, c.defaultButton) << c.flags;
        EXPECT_EQ(layout.escapeButton, c.escapeButton) << c.flags;
        EXPECT_EQ(layout.systemModal, c.systemModal) << c.flags;
    }
}

TEST(DecodeMsgBoxFlags, DefaultButtonBeyondTheButtonsFallsBackToTheFirst) {
    EXPECT_EQ(DecodeMsgBoxFlags(0x200).defaultButton, IdOk);
    EXPECT_EQ(DecodeMsgBoxFlags(4 | 0x200).defaultButton, IdYes);
    EXPECT_EQ(DecodeMsgBoxFlags(2 | 0x200).defaultButton, IdIgnore);
}
