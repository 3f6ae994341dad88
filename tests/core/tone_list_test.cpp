#include "editor/ToneList.h"
#include "localisation/CellTexts.h"

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
