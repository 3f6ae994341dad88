// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/CellTexts.h"
#include "radio/Tone.h"

#include <gtest/gtest.h>

#include <set>

using namespace tlv;

TEST(ToneList, HasTheDocumentedEntriesAtTheBoundaries) {
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
        EXPECT_EQ(ToneListEntryText(Language::Simplified, c.position), c.text) << c.position;
        EXPECT_EQ(ToneListPosition(ToneAtListPosition(c.position)), c.position) << c.text;
    }
    EXPECT_EQ(ToneListEntryText(Language::Simplified, -1), "");
    EXPECT_EQ(ToneListEntryText(Language::Simplified, 261), "");
}

TEST(ToneList, EveryEntryIsDistinctAndFindsItsOwnPosition) {
    std::set<std::string> seen;
    for (int position = 0; position < kToneListSize; ++position) {
        const std::string entry = ToneListEntryText(Language::English, position);
        EXPECT_TRUE(seen.insert(entry).second) << entry;
        if (position > 0) {
            EXPECT_EQ(ToneOfValueText(entry), ToneAtListPosition(position));
        }
    }
}

TEST(ToneList, TonesAndTextsThatAreNotEntries) {
    EXPECT_EQ(ToneListPosition(Tone::Ctcss(671)), -1);
    EXPECT_EQ(ToneListPosition(Tone::Dcs(0024, false)), -1);
    EXPECT_EQ(ToneListPosition(Tone::Off()), 0);
    for (const char* text : {"", "67", "D089N", "D023", "d023n", "D0023N", "关闭", "Off", "067.0"})
        EXPECT_FALSE(ToneOfValueText(text)) << text;
    EXPECT_EQ(ToneOfValueText("6553.4"), Tone::Ctcss(65534));
}

TEST(ToneList, OffTextOfAnyLanguageCountsAsOffButToneValuesNeverDo) {
    for (Language language : {Language::Simplified, Language::English, Language::Traditional})
        EXPECT_TRUE(IsToneOffText(ToneOffText(language)));
    for (const char* value : {"", "67.0", "D023N", "D023I", "off"})
        EXPECT_FALSE(IsToneOffText(value)) << value;
}
