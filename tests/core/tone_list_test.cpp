#include "editor/ToneList.h"
#include "localisation/CellTexts.h"
#include "localisation/Traditional.h"

#include <gtest/gtest.h>

#include <set>

using namespace tlv;

namespace {

CellListTexts textsFor(int language) {
    CellListTexts texts;
    SetCellListTexts(texts, language);
    return texts;
}

} // namespace

TEST(ToneList, HasTheDocumentedEntriesAtTheBoundaries) {
    CellListTexts texts = textsFor(0);
    EXPECT_EQ(ToneListSize(), 261);
    struct Case {
        int position;
        const char* text;
    };
    for (const Case& c : std::initializer_list<Case>{{0, "关闭"},
                                                     {1, "67.0"},
                                                     {13, "100.0"},
                                                     {50, "254.1"},
                                                     {51, "D023N"},
                                                     {155, "D754N"},
                                                     {156, "D023I"},
                                                     {260, "D754I"}}) {
        EXPECT_EQ(ToneListEntry(texts, c.position), c.text) << c.position;
        EXPECT_EQ(ToneListPosition(texts, c.text), c.position) << c.text;
    }
    EXPECT_EQ(ToneListEntry(texts, -1), "");
    EXPECT_EQ(ToneListEntry(texts, 261), "");
}

TEST(ToneList, EveryEntryIsDistinctAndFindsItsOwnPosition) {
    CellListTexts texts = textsFor(1);
    std::set<std::string> seen;
    for (int position = 0; position < ToneListSize(); ++position) {
        std::string entry = ToneListEntry(texts, position);
        EXPECT_TRUE(seen.insert(entry).second) << entry;
        EXPECT_EQ(ToneListPosition(texts, entry), position);
    }
    // DCS codes are octal.
    for (std::string_view code : kDcsCodes)
        EXPECT_EQ(code.find_first_of("89"), std::string_view::npos) << code;
}

TEST(ToneList, TextsThatAreNotEntries) {
    CellListTexts texts = textsFor(1);
    for (const char* text : {"", "67.1", "D089N", "D023", "d023n", "D0023N", "关闭", "67"})
        EXPECT_EQ(ToneListPosition(texts, text), -1) << text;
    EXPECT_EQ(ToneListPosition(texts, "Off"), 0);
}

TEST(ToneList, OffTextOfAnyLanguageCountsAsOffButToneValuesNeverDo) {
    CellListTexts english = textsFor(1);
    EXPECT_TRUE(IsToneOffText(english, "Off"));
    EXPECT_TRUE(IsToneOffText(english, "关闭"));
    EXPECT_TRUE(IsToneOffText(english, ToneOffText(2)));
    for (const char* value : {"", "67.0", "D023N", "D023I", "off"})
        EXPECT_FALSE(IsToneOffText(english, value)) << value;
}

TEST(CellTexts, ListTextsPerLanguage) {
    CellListTexts zh = textsFor(0);
    CellListTexts en = textsFor(1);
    EXPECT_EQ(zh.toneOff, "关闭");
    EXPECT_EQ(en.toneOff, "Off");
    const char* zhOptions[4][2] = {{"低", "高"}, {"关闭", "载波"}, {"窄带", "宽带"}, {"无", "有"}};
    const char* enOptions[4][2] = {
        {"Low", "Hight"}, {"Off", "Carrow"}, {"Narrow", "Wide"}, {"No", "Have"}};
    for (int column = 5; column <= 8; ++column) {
        for (int position = 0; position < 2; ++position) {
            EXPECT_EQ(zh.optionText(column, position), zhOptions[column - 5][position]);
            EXPECT_EQ(en.optionText(column, position), enOptions[column - 5][position]);
        }
    }
    CellListTexts zhAgain = textsFor(1);
    SetCellListTexts(zhAgain, 0);
    EXPECT_EQ(zhAgain.option, zh.option);
    EXPECT_EQ(textsFor(2).toneOff, ToTraditional("关闭"));
}

TEST(CellTexts, ChannelTableHeaders) {
    EditorState state;
    SetChannelTableHeaders(state, 0);
    EXPECT_EQ(state.table.at(0, 0), "信道");
    EXPECT_EQ(state.table.at(0, 7), "宽\\窄带");
    EXPECT_EQ(state.table.at(0, 8), "扫描添加");
    SetChannelTableHeaders(state, 1);
    EXPECT_EQ(state.table.at(0, 1), "RX frequency");
    EXPECT_EQ(state.table.at(0, 4), "QT/DQT");
    EXPECT_EQ(state.table.at(0, 7), "Band");
}
