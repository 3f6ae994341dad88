#include "RecordingCaptionTarget.h"
#include "localisation/CaptionTables.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>

using namespace tlv;
using test::CaptionKey;
using test::RecordingCaptionTarget;

namespace {

std::set<std::string> simplifiedTextsOfTheSystem() {
    std::ifstream in(std::string(TLV_TEST_DATA_DIR) + "/traditional.tsv");
    std::set<std::string> texts;
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line))
        texts.insert(line.substr(0, line.find('\t')));
    return texts;
}

std::vector<std::string> listEntries(const std::string& window, const std::string& control,
                                     int languageState) {
    std::vector<std::string> entries;
    for (const CaptionRow& row : CaptionRowsOf(window))
        if (row.control == control && row.item == CaptionItem::ListEntry) {
            EXPECT_EQ(row.index, static_cast<int>(entries.size())) << control;
            entries.push_back(row.text(languageState));
        }
    return entries;
}

} // namespace

TEST(CaptionTables, WindowsComeInTheirOrderAndEveryAddressOnce) {
    std::vector<std::string> order;
    std::set<CaptionKey> addresses;
    for (const CaptionRow& row : CaptionTable()) {
        if (order.empty() || order.back() != row.window) order.push_back(row.window);
        EXPECT_TRUE(addresses.insert({row.window, row.control, row.item, row.index}).second)
            << row.window << " " << row.control << " " << row.index;
        EXPECT_FALSE(row.zh.empty()) << row.control;
        EXPECT_FALSE(row.en.empty()) << row.control;
        EXPECT_EQ(row.item == CaptionItem::WindowTitle, row.control.empty()) << row.control;
    }
    EXPECT_EQ(order, std::vector<std::string>(kCaptionWindows.begin(), kCaptionWindows.end()));
}

TEST(CaptionTables, TextsKeepTheirBlanksAndSpelling) {
    RecordingCaptionTarget english;
    ApplyLanguageCaptions(english, 1);
    const std::pair<std::pair<const char*, const char*>, const char*> expected[] = {
        {{"Form1", "mnudtmf"}, "Optional function "},
        {{"Form1", "Key_enactment"}, "Keys set "},
        {{"Form1", "mnumainhelp"}, "The help topic  F1 \""},
        {{"Form1", "mnuEnglish"}, "Englist"},
        {{"Form2", "Frame1"}, "TX-Hight Power"},
        {{"Form5", "Label10"}, "VOX GBIN"},
        {{"Form5", "Label4"}, "PTT ID"},
        {{"frmAbout", "lblTitle"}, "TLV6200 Radio Software "},
        {{"frmAbout", "Label2"}, "Issue：2012.10"},
    };
    for (const auto& [address, text] : expected)
        EXPECT_EQ(english.caption(address.first, address.second), text) << address.second;
    EXPECT_EQ(english.texts.at({"Form1", "", CaptionItem::WindowTitle, 0}),
              "TLV6200 Radio Software V1.00");
    EXPECT_EQ(english.texts.at({"Form1", "Combo5_5", CaptionItem::ListEntry, 1}), "Hight");
    EXPECT_EQ(english.texts.at({"Form1", "Combo5_6", CaptionItem::ListEntry, 1}), "Carrow");
    EXPECT_EQ(english.texts.at({"Form1", "Toolbar1", CaptionItem::ToolbarButton, 5}),
              "Read frequency");
    EXPECT_EQ(english.texts.count({"Form1", "Toolbar1", CaptionItem::ToolbarButton, 4}), 0u);
    EXPECT_EQ(english.texts.count({"Form1", "Toolbar1", CaptionItem::ToolbarButton, 7}), 0u);

    RecordingCaptionTarget chinese;
    ApplyLanguageCaptions(chinese, 0);
    EXPECT_EQ(chinese.texts.at({"Form1", "Grid1", CaptionItem::GridHeader, 7}), "宽\\窄带");
    EXPECT_EQ(chinese.caption("Form1", "mnumainhelp"), "帮助主题  F1");
    EXPECT_EQ(chinese.caption("frmAbout", "Label2"), "发布：2012.10");
}

TEST(CaptionTables, GeneratedListEntries) {
    const std::vector<std::string> timeOutZh = listEntries("Form1", "Combo3", 0);
    const std::vector<std::string> timeOutEn = listEntries("Form1", "Combo3", 1);
    ASSERT_EQ(timeOutZh.size(), 40u);
    EXPECT_EQ(timeOutZh.front(), "15 秒");
    EXPECT_EQ(timeOutZh[1], "30 秒");
    EXPECT_EQ(timeOutZh.back(), "600 秒");
    EXPECT_EQ(timeOutEn[6], "105 S");
    EXPECT_EQ(timeOutEn.back(), "600 S");

    const std::vector<std::string> warnZh = listEntries("Form1", "Combo4", 0);
    const std::vector<std::string> warnEn = listEntries("Form1", "Combo4", 1);
    EXPECT_EQ(warnZh, (std::vector<std::string>{"关闭", "1 秒", "2 秒", "3 秒", "4 秒", "5 秒",
                                                "6 秒", "7 秒", "8 秒", "9 秒", "10 秒"}));
    EXPECT_EQ(warnEn.front(), "Off");
    EXPECT_EQ(warnEn.back(), "10 S");

    const std::vector<std::string> squelchZh = listEntries("Form1", "Combo9", 0);
    const std::vector<std::string> squelchEn = listEntries("Form1", "Combo9", 1);
    ASSERT_EQ(squelchZh.size(), 10u);
    EXPECT_EQ(squelchZh.front(), "0 级");
    EXPECT_EQ(squelchZh.back(), "9 级");
    EXPECT_EQ(squelchEn[5], "5 Group");

    EXPECT_EQ(listEntries("Form6", "Combo1", 1), listEntries("Form6", "Combo2", 1));
    EXPECT_EQ(listEntries("Form6", "Combo2", 1).at(10), "Instant cancel static noise");
    EXPECT_EQ(
        listEntries("Form5", "Combo15", 1),
        (std::vector<std::string>{"Selected", "Selected+Current", "priority", "priority+Current"}));
}

TEST(CaptionTables, EverySimplifiedTextIsOneOfTheSystemsTexts) {
    // Catches a mistyped character: each Simplified text is listed with its Traditional form,
    // apart from the generated entries and the lines whose wording is this program's own (the
    // developer and rights lines, the user manual's menu item).
    const std::set<std::string> known = simplifiedTextsOfTheSystem();
    const std::regex generated(R"(\d+ (秒|级))");
    // The main window's Edit menu, import, export and channel-card items are this program's own.
    const std::set<std::string> ownItems{"mnuImport", "mnuExport", "mnuPrint",     "mnuPdf",
                                         "mnuEdit",   "mnuUndo",   "mnuRedo",      "mnuCut",
                                         "mnuCopy",   "mnuPaste",  "mnuSelectAll", "mnuDelete",
                                         "mnuInsert", "mnuMoveUp", "mnuMoveDown"};
    for (const CaptionRow& row : CaptionTable()) {
        if (row.control == "lblDescription" || row.control == "mnumanual" ||
            (row.window == "Form1" && row.control == "Label2"))
            continue;
        if (row.window == "Form1" && ownItems.count(row.control)) continue;
        if (std::regex_match(row.zh, generated)) continue;
        if (row.zh == row.en) continue; // the same in both languages ("PTT ID", "OFF")
        EXPECT_TRUE(known.count(row.zh)) << row.window << " " << row.control << " " << row.zh;
    }
}

TEST(ApplyLanguageCaptions, WritesTheWholeTableInOrderOrNothing) {
    const std::vector<CaptionRow>& table = CaptionTable();
    for (int language : {0, 1}) {
        RecordingCaptionTarget target;
        ApplyLanguageCaptions(target, language);
        ASSERT_EQ(target.writes.size(), table.size());
        for (size_t i = 0; i < table.size(); ++i) {
            const CaptionKey expected{table[i].window, table[i].control, table[i].item,
                                      table[i].index};
            EXPECT_EQ(target.writes[i].first, expected) << i;
            EXPECT_EQ(target.writes[i].second, table[i].text(language)) << i;
        }
    }
    for (int language : {2, 3, -1}) {
        RecordingCaptionTarget target;
        ApplyLanguageCaptions(target, language);
        EXPECT_TRUE(target.writes.empty()) << language;
    }
}
