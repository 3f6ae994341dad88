// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordingCaptionTarget.h"
#include "texts/CaptionTables.h"

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
                                     Language language) {
    std::vector<std::string> entries;
    for (const CaptionRow& row : CaptionRowsOf(window))
        if (row.control == control && row.item == CaptionItem::ListEntry) {
            EXPECT_EQ(row.index, static_cast<int>(entries.size())) << control;
            entries.push_back(row.text(language));
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

TEST(CaptionTables, GeneratedListEntries) {
    const std::vector<std::string> timeOut = listEntries("Form1", "Combo3", Language::Simplified);
    ASSERT_EQ(timeOut.size(), 40u);
    EXPECT_EQ(timeOut[1], "30 秒");
    EXPECT_EQ(timeOut.back(), "600 秒");
    EXPECT_EQ(listEntries("Form1", "Combo3", Language::English)[6], "105 S");
    const std::vector<std::string> warning = listEntries("Form1", "Combo4", Language::English);
    ASSERT_EQ(warning.size(), 11u);
    EXPECT_EQ(warning.front(), "Off");
    EXPECT_EQ(warning[1], "1 S");
    EXPECT_EQ(warning.back(), "10 S");
    const std::vector<std::string> squelch = listEntries("Form1", "Combo9", Language::Simplified);
    EXPECT_EQ(squelch, (std::vector<std::string>{"0 级", "1 级", "2 级", "3 级", "4 级", "5 级",
                                                 "6 级", "7 级", "8 级", "9 级"}));
    EXPECT_EQ(listEntries("Form6", "Combo1", Language::English),
              listEntries("Form6", "Combo2", Language::English));
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
    for (Language language : {Language::Simplified, Language::English}) {
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
    RecordingCaptionTarget target;
    ApplyLanguageCaptions(target, Language::Traditional);
    EXPECT_TRUE(target.writes.empty());
}
