#include "RecordingCaptionTarget.h"
#include "editor/EditorState.h"
#include "localisation/LanguageSwitch.h"
#include "localisation/Traditional.h"

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
    state.languageState = 2;
    FakeWindows windows;
    ApplyStartupLanguage(state, windows);

    EXPECT_EQ(state.languageState, 2);
    EXPECT_EQ(windows.conversions(), kAllWindows);
    EXPECT_EQ(windows.text("Form1", "mnuOpen"), "打開(&O)");
    EXPECT_EQ(windows.text("Form1", "Grid1", CaptionItem::GridHeader, 2), "亞音頻");
    EXPECT_EQ(windows.text("Form1", "", CaptionItem::WindowTitle), "TLV6200 对讲机编程软件 V1.00");
    EXPECT_EQ(windows.text("Form1", "Toolbar1", CaptionItem::ToolbarButton, 2), "打开");
    EXPECT_EQ(windows.text("frmAbout", "lblTitle"), "TLV6200 對講機編程軟件");
    EXPECT_EQ(windows.text("frmAbout", "lblVersion"), "繁體中文版 V1.0");
    EXPECT_EQ(state.lists.toneOff, "關閉");
    EXPECT_EQ(state.lists.optionText(7, 1), "寬帶");
    // Start-up does not rewrite channel cells: the table is empty then.
    EXPECT_EQ(std::count(windows.log.begin(), windows.log.end(), "show"), 0);
}

TEST(ApplyStartupLanguage, SimplifiedAndEnglishWriteTheirTable) {
    for (int language : {0, 1}) {
        EditorState state;
        state.languageState = language;
        FakeWindows windows;
        ApplyStartupLanguage(state, windows);
        EXPECT_EQ(state.languageState, language);
        EXPECT_TRUE(windows.conversions().empty());
        EXPECT_EQ(windows.text("Form1", "mnuLanguage"),
                  language ? "Languages(&L)" : "语言选择(&L)");
        EXPECT_EQ(state.lists.optionText(5, 1), language ? "Hight" : "高");
        EXPECT_EQ(state.lists.toneOff, language ? "Off" : "关闭");
    }
}

TEST(ChooseLanguage, EveryTransition) {
    struct Step {
        int from;
        int to;
        bool changes;
        const char* openMenu; // the main window's Open item afterwards
        const char* version;  // the about box's version line afterwards
        const char* optionOn; // state.lists option text of column 8, position 1
        int conversions;
    };
    const Step steps[] = {
        {0, 0, false, "打开(&O)", "简体中文版 V1.00", "有", 0},
        {0, 1, true, "Open(&O)", "English version V1.00", "Have", 0},
        {0, 2, true, "打開(&O)", "繁體中文版 V1.0", "有", 8},
        {1, 0, true, "打开(&O)", "简体中文版 V1.00", "有", 0},
        {1, 1, false, "Open(&O)", "English version V1.00", "Have", 0},
        {1, 2, true, "打開(&O)", "繁體中文版 V1.0", "有", 8},
        {2, 0, true, "打开(&O)", "简体中文版 V1.00", "有", 0},
        {2, 1, true, "Open(&O)", "English version V1.00", "Have", 0},
        {2, 2, false, "打開(&O)", "繁體中文版 V1.0", "有", 0},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(testing::Message() << step.from << " -> " << step.to);
        EditorState state;
        state.languageState = step.from;
        FakeWindows windows;
        ApplyStartupLanguage(state, windows);
        windows.log.clear();
        windows.target.writes.clear();

        EXPECT_EQ(ChooseLanguage(state, step.to, windows), step.changes);
        EXPECT_EQ(state.languageState, step.to);
        EXPECT_EQ(windows.text("Form1", "mnuOpen"), step.openMenu);
        EXPECT_EQ(windows.text("frmAbout", "lblVersion"), step.version);
        EXPECT_EQ(state.lists.optionText(8, 1), step.optionOn);
        EXPECT_EQ(windows.conversions().size(), static_cast<size_t>(step.conversions));
        if (step.changes) {
            EXPECT_EQ(windows.log.back(), "show");
        } else {
            EXPECT_TRUE(windows.log.empty());
            EXPECT_TRUE(windows.target.writes.empty());
        }
    }
}

TEST(ChooseLanguage, EnglishToTraditionalShowsConvertedChineseNeverEnglish) {
    EditorState state;
    state.languageState = 1;
    FakeWindows windows;
    ApplyStartupLanguage(state, windows);
    ChooseLanguage(state, 2, windows);
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

TEST(ChooseLanguage, AnUnknownRequestChangesNothing) {
    EditorState state;
    FakeWindows windows;
    EXPECT_FALSE(ChooseLanguage(state, 3, windows));
    EXPECT_EQ(state.languageState, 0);
    EXPECT_TRUE(windows.log.empty());
}

TEST(ApplyWindowLanguage, ALateWindowGetsTheLanguageInForce) {
    for (int language : {0, 1, 2}) {
        SCOPED_TRACE(language);
        FakeWindows windows;
        ApplyWindowLanguage("frmAbout", language, windows);
        const char* versions[] = {"简体中文版 V1.00", "English version V1.00", "繁體中文版 V1.0"};
        const char* buttons[] = {"确定", "OK", "確定"};
        EXPECT_EQ(windows.text("frmAbout", "lblVersion"), versions[language]);
        EXPECT_EQ(windows.text("frmAbout", "cmdOK"), buttons[language]);
        EXPECT_EQ(windows.conversions(), language == 2 ? std::vector<std::string>{"frmAbout"}
                                                       : std::vector<std::string>{});
        // Only that window is written.
        for (const auto& [key, text] : windows.target.writes)
            EXPECT_EQ(key.window, "frmAbout");
    }
    FakeWindows windows;
    ApplyWindowLanguage("Form6", 7, windows);
    EXPECT_TRUE(windows.target.writes.empty());
}
