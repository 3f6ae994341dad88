#include "editor/EditorOps.h"
#include "editor/Startup.h"
#include "localisation/CellTexts.h"

#include <gtest/gtest.h>

using namespace tlv;

namespace {

// Channel `row` in use with the given cells 1..8 and option entries for columns 2..10.
void fillRow(EditorState& state, int row, std::array<const char*, 8> cells, int16_t option) {
    for (int column = 1; column <= 8; ++column)
        state.table.at(row, column) = cells[column - 1];
    for (int column = 2; column <= 11; ++column)
        state.optionIndex.at(row, column) = option;
}

} // namespace

TEST(ClearOperations, ClearNOEmptiesOneRowAndResetsItsOptionEntriesUpToColumn10) {
    EditorState state = MakeStartupEditor();
    fillRow(state, 3, {"446.00625", "67.0", "446.00625", "关闭", "高", "关闭", "宽带", "有"}, 1);
    fillRow(state, 4, {"446.00625", "67.0", "446.00625", "关闭", "高", "关闭", "宽带", "有"}, 1);
    ClearChannel(state, 3);
    EXPECT_EQ(state.table.at(3, 0), "03");
    for (int column = 1; column <= 8; ++column)
        EXPECT_EQ(state.table.at(3, column), "");
    for (int column = 2; column <= 10; ++column)
        EXPECT_EQ(state.optionIndex.at(3, column), 0);
    EXPECT_EQ(state.optionIndex.at(3, 11), 1);
    EXPECT_EQ(state.table.at(4, 1), "446.00625");
    ClearChannel(state, 0); // rows outside the table are ignored
    ClearChannel(state, 17);
}

TEST(ClearOperations, ClearGridEmptiesEveryChannel) {
    EditorState state = MakeStartupEditor();
    for (int row = 1; row <= 16; ++row)
        fillRow(state, row, {"", "", "410.00000", "", "", "", "", ""}, 1);
    ClearAllChannels(state);
    for (int row = 1; row <= 16; ++row) {
        EXPECT_EQ(state.table.at(row, 0).size(), 2u);
        EXPECT_EQ(state.table.at(row, 3), "");
        EXPECT_EQ(state.optionIndex.at(row, 5), 0);
    }
}

TEST(ClearOperations, ClearingChannelsInUseKeepsOptionEntries) {
    EditorState state = MakeStartupEditor();
    fillRow(state, 1, {"446.00625", "67.0", "", "", "高", "关闭", "宽带", "有"}, 1);
    fillRow(state, 2, {"", "", "446.00625", "", "", "", "", ""}, 1);
    ClearChannelsInUse(state);
    for (int column = 1; column <= 8; ++column)
        EXPECT_EQ(state.table.at(1, column), "");
    EXPECT_EQ(state.optionIndex.at(1, 5), 1);
    EXPECT_EQ(state.table.at(2, 3), "446.00625");
}

TEST(RelabelChannels, RewritesOffTonesAndOptionCellsButNeverToneValues) {
    EditorState state = MakeStartupEditor(0);
    fillRow(state, 1, {"446.00625", "D023N", "446.00625", "关闭", "高", "关闭", "宽带", "有"}, 0);
    state.optionIndex.at(1, 5) = 1;
    state.optionIndex.at(1, 6) = 0;
    state.optionIndex.at(1, 7) = 1;
    state.optionIndex.at(1, 8) = 1;
    // A tone value decoded or typed keeps option entry 0 and must survive.
    fillRow(state, 2, {"446.00625", "67.0", "", "", "低", "", "窄带", "无"}, 0);
    fillRow(state, 3, {"", "关闭", "446.00625", "关闭", "高", "", "", ""}, 1);

    SetCellListTexts(state.lists, 1);
    RelabelChannels(state);
    std::array<const char*, 8> row1{"446.00625", "D023N", "446.00625", "Off",
                                    "Hight",     "Off",   "Wide",      "Have"};
    std::array<const char*, 8> row2{"446.00625", "67.0", "", "", "Low", "", "Narrow", "No"};
    for (int column = 1; column <= 8; ++column) {
        EXPECT_EQ(state.table.at(1, column), row1[column - 1]) << column;
        EXPECT_EQ(state.table.at(2, column), row2[column - 1]) << column;
    }
    EXPECT_EQ(state.table.at(3, 2), "关闭"); // channel not in use: untouched

    SetCellListTexts(state.lists, 0);
    RelabelChannels(state);
    EXPECT_EQ(state.table.at(1, 4), "关闭");
    EXPECT_EQ(state.table.at(1, 5), "高");
    EXPECT_EQ(state.table.at(1, 2), "D023N");
    EXPECT_EQ(state.table.at(2, 2), "67.0");
}

TEST(Bands, LimitsComeFromTheEntryText) {
    EditorState state;
    const std::pair<int, int> limits[] = {{400, 470}, {450, 490}, {400, 430}, {370, 390},
                                          {350, 370}, {136, 174}, {600, 720}};
    for (int index = 0; index < 7; ++index) {
        SelectBandWithoutQuestion(state, index);
        EXPECT_EQ(state.currentBand, index);
        EXPECT_EQ(state.previousBand, index);
        EXPECT_EQ(std::pair(state.bandLow, state.bandHigh), limits[index]) << index;
    }
    SelectBandWithoutQuestion(state, 7);
    SelectBandWithoutQuestion(state, -1);
    EXPECT_EQ(state.currentBand, 6);
    EXPECT_EQ(state.bandLow, 600);
}
