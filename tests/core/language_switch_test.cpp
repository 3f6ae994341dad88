// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordingCaptionTarget.h"
#include "editor/EditorState.h"
#include "language/Traditional.h"
#include "texts/LanguageSwitch.h"

#include <gtest/gtest.h>

using namespace tlv;
using test::CaptionKey;
using test::RecordingCaptionTarget;

namespace {

// Windows as plain texts. Converting a window converts what the window conversion converts:
// everything but window titles and toolbar button captions.
class FakeWindows : public LanguageHost {
  public:
    RecordingCaptionTarget target;
    std::vector<std::string> log; // "captions", "convert <window>", "show"

    CaptionTarget& captions() override {
        log.push_back("captions");
        return target;
    }
    void convertToTraditional(std::string_view window) override {
        log.push_back("convert " + std::string(window));
        for (auto& [key, text] : target.texts)
            if (key.window == window && key.item != CaptionItem::WindowTitle &&
                key.item != CaptionItem::ToolbarButton)
                text = ToTraditional(text);
    }
    void showState() override { log.push_back("show"); }

    const std::string& text(const std::string& window, const std::string& control,
                            CaptionItem item = CaptionItem::Caption, int index = 0) const {
        return target.texts.at({window, control, item, index});
    }
    std::vector<std::string> conversions() const {
        std::vector<std::string> result;
        for (const std::string& entry : log)
            if (entry.rfind("convert ", 0) == 0) result.push_back(entry.substr(8));
        return result;
    }
};

const std::vector<std::string> kAllWindows{"Form1", "Form2", "Form3", "Form4",
                                           "Form5", "Form6", "Form7", "frmAbout"};

} // namespace

TEST(ApplyStartupLanguage, TraditionalStartConvertsTheSimplifiedTexts) {
    EditorState state;
    state.session.language = Language::Traditional;
    FakeWindows windows;
    ApplyStartupLanguage(state, windows);

    EXPECT_EQ(windows.conversions(), kAllWindows);
    EXPECT_EQ(windows.text("Form1", "mnuOpen"), "打開(&O)");
    EXPECT_EQ(windows.text("Form1", "Grid1", CaptionItem::GridHeader, 2), "亞音頻");
    EXPECT_EQ(windows.text("Form1", "", CaptionItem::WindowTitle), "TLV6200 对讲机编程软件 V1.00");
    EXPECT_EQ(windows.text("Form1", "Toolbar1", CaptionItem::ToolbarButton, 2), "打开");
    EXPECT_EQ(windows.text("frmAbout", "lblTitle"), "TLV6200 對講機編程軟件");
    EXPECT_EQ(windows.text("frmAbout", "lblVersion"), "繁體中文版 V1.0");
    // Start-up does not rewrite channel cells: the table is empty then.
    EXPECT_EQ(std::count(windows.log.begin(), windows.log.end(), "show"), 0);
}

TEST(ChooseLanguage, EnglishToTraditionalShowsConvertedChineseNeverEnglish) {
    EditorState state;
    state.session.language = Language::English;
    FakeWindows windows;
    ApplyStartupLanguage(state, windows);
    windows.log.clear();
    EXPECT_TRUE(ChooseLanguage(state, Language::Traditional, windows));
    EXPECT_EQ(state.language(), Language::Traditional);
    EXPECT_EQ(windows.conversions(), kAllWindows);
    EXPECT_EQ(windows.log.back(), "show");
    for (const CaptionRow& row : CaptionTable()) {
        if (row.zh == row.en) continue;
        const std::string& shown = windows.text(row.window, row.control, row.item, row.index);
        EXPECT_NE(shown, row.en) << row.window << " " << row.control << " " << row.index;
    }
    EXPECT_EQ(windows.text("Form1", "mnuEnglish"), "英文");
    EXPECT_EQ(windows.text("Form1", "Combo3", CaptionItem::ListEntry, 0), "15 秒");
    EXPECT_EQ(windows.text("Form5", "Combo13", CaptionItem::ListEntry, 0), "空");
    EXPECT_EQ(windows.text("Form5", "Label15"), "優先信道");
    EXPECT_EQ(windows.text("Form1", "Toolbar1", CaptionItem::ToolbarButton, 6), "写频");
}

TEST(ChooseLanguage, TheLanguageInForceChangesNothing) {
    EditorState state;
    FakeWindows windows;
    EXPECT_FALSE(ChooseLanguage(state, Language::Simplified, windows));
    EXPECT_TRUE(windows.log.empty());
}
