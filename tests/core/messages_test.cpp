// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScriptedMessageBox.h"
#include "language/Messages.h"

#include <gtest/gtest.h>

using namespace tlv;

TEST(Messages, CallerConventionPicksTextAndTitleByLanguage) {
    test::ScriptedMessageBox box;
    box.answers = {IdCancel};
    EXPECT_EQ(ShowMessage(box, Language::English, msg::NewConfirm), IdCancel);
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text, "All channel data will be clear.");
    EXPECT_EQ(box.shown[0].title, "Warnning");
    EXPECT_EQ(box.shown[0].flags, 305);

    ShowMessage(box, Language::Simplified, msg::SaveFailed, "Permission denied");
    EXPECT_EQ(box.shown[1].text, "文件保存失败！\nPermission denied");
    EXPECT_EQ(box.shown[1].title, "");
}
