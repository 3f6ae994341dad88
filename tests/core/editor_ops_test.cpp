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
    struct Case {
        int index, low, high;
    };
    for (const Case& c : std::initializer_list<Case>{{0, 400, 470},
                                                     {1, 450, 490},
                                                     {2, 400, 430},
                                                     {3, 370, 390},
                                                     {4, 350, 370},
                                                     {5, 136, 174},
                                                     {6, 600, 720}}) {
        SelectBandWithoutQuestion(state, c.index);
        EXPECT_EQ(state.currentBand, c.index);
        EXPECT_EQ(state.previousBand, c.index);
        EXPECT_EQ(state.bandLow, c.low);
        EXPECT_EQ(state.bandHigh, c.high);
    }
    SelectBandWithoutQuestion(state, 7);
    SelectBandWithoutQuestion(state, -1);
    EXPECT_EQ(state.currentBand, 6);
    EXPECT_EQ(state.bandLow, 600);
}

TEST(Startup, EditorHoldsTheStartValues) {
    EditorState state = MakeStartupEditor();
    for (int row = 1; row <= 16; ++row) {
        char number[3] = {char('0' + row / 10), char('0' + row % 10), 0};
        EXPECT_EQ(state.table.at(row, 0), number);
        for (int column = 1; column <= 8; ++column)
            EXPECT_EQ(state.table.at(row, column), "");
    }
    EXPECT_EQ(state.table.at(0, 1), "接收频率");
    EXPECT_EQ((std::array<int, 6>{state.voicePrompt, state.timeOutTimer, state.timeOutWarning,
                                  state.squelchLevel, state.batterySave, state.beep}),
              (std::array<int, 6>{1, 1, 0, 5, 1, 1}));
    EXPECT_EQ(state.currentBand, 0);
    EXPECT_EQ(state.bandLow, 400);
    EXPECT_EQ(state.bandHigh, 470);
    EXPECT_EQ(state.serviceMode, 0);
    EXPECT_FALSE(state.editingLock);

    const SettingsStores& stores = state.stores;
    std::array<std::string, 24> options;
    options.fill("1");
    options[10] = "0";
    options[15] = options[18] = options[19] = "";
    options[17] = "2";
    EXPECT_EQ(stores.options.entry, options);
    EXPECT_EQ(stores.dtmf.value, (std::array<int16_t, 8>{0, 1, 0, 1, 1, 1, 0, 0}));
    EXPECT_EQ(stores.dtmfMemory,
              (std::array<std::string, 8>{"1", "2", "3", "4", "5", "6", "7", "8"}));
    EXPECT_EQ(stores.keyFunction1, 10);
    EXPECT_EQ(stores.keyFunction2, 0);
    EXPECT_EQ(stores.highPowerLevel, 208);
    EXPECT_EQ(stores.lowPowerLevel, 92);
    for (const std::string& text : stores.testFrequencies)
        EXPECT_EQ(text, "");
}

TEST(Startup, ParameterBytesAndLanguage) {
    struct Case {
        int lockByte;
        bool lock;
    };
    for (const Case& c :
         std::initializer_list<Case>{{1, true}, {0, false}, {2, false}, {255, false}}) {
        EditorState state;
        RunStartup(state, {c.lockByte, 7, 1});
        EXPECT_EQ(state.editingLock, c.lock) << c.lockByte;
        EXPECT_EQ(state.portNumber, 7);
        EXPECT_EQ(state.languageState, 1);
        EXPECT_EQ(state.lists.toneOff, "Off");
        EXPECT_EQ(state.table.at(0, 0), "Channel");
    }
}
