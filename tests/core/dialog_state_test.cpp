#include "ScriptedMessageBox.h"
#include "dialogs/DialogState.h"
#include "dialogs/PriorityRules.h"
#include "editor/Startup.h"

#include <gtest/gtest.h>

using namespace tlv;

TEST(DialogLoad, StartupDialogsShowTheStartValuesOfTheStores) {
    EditorState state = MakeStartupEditor();
    const OptionalFunctions& f5 = state.optionalFunctions;
    EXPECT_EQ((std::array<int, 11>{f5.pttIdMode, f5.voxEnable, f5.voxGain, f5.voxDelay, f5.voxTone,
                                   f5.duplicate, f5.priorityMode, f5.priorityChannel,
                                   f5.revertTimeA, f5.revertTimeB, f5.returnChannel}),
              (std::array<int, 11>{1, 1, 1, 1, 1, 1, 0, 0, 1, 1, 1}));
    EXPECT_EQ(f5.cancelOperation, 1);
    EXPECT_EQ(f5.voxOffOnReceive, 1);
    EXPECT_EQ(f5.scanRxResumeDelay, "");
    // DtmfSettings 0,1,0,1,1,1,0,0: FirstDigitDelay 0 ms lies outside the 100..1000 ms list.
    EXPECT_EQ(f5.dtmf, (std::array<int, 8>{0, 1, -1, 1, 1, 1, 0, 0}));
    EXPECT_EQ(f5.dtmfMemory[7], "8");
    EXPECT_EQ(state.keyFunctions.keyFunction1, 10);
    EXPECT_EQ(state.keyFunctions.keyFunction2, 0);
    EXPECT_EQ(state.powerLevels.highLevel, 208);
    EXPECT_EQ(state.powerLevels.lowLevelText, "92");
    EXPECT_FALSE(state.powerLevels.slidersEnabled);
    EXPECT_EQ(state.testFrequencies.grid[16][0], "16");
}

TEST(DialogOk, OkRightAfterStartupKeepsTheStartValues) {
    EditorState state = MakeStartupEditor();
    SettingsStores before = state.stores;
    StoreOptionalFunctions(state);
    StoreKeyFunctions(state);
    StoreEmbeddedTexts(state);
    StorePowerLevels(state);
    StoreTestFrequencies(state);
    EXPECT_EQ(state.stores.options.entry, before.options.entry);
    EXPECT_EQ(state.stores.dtmf.value, before.dtmf.value);
    EXPECT_EQ(state.stores.dtmfMemory, before.dtmfMemory);
    EXPECT_EQ(state.stores.keyFunction1, 10);
    EXPECT_EQ(state.stores.highPowerLevel, 208);
    EXPECT_EQ(state.stores.testFrequencies, before.testFrequencies);
}

TEST(DialogOk, ControlsGoIntoTheStores) {
    EditorState state = MakeStartupEditor();
    state.optionalFunctions.voxGain = 10;
    state.optionalFunctions.priorityChannel = -1;
    state.optionalFunctions.revertTimeA = 0;
    state.optionalFunctions.scanRxResumeDelay = "120";
    state.optionalFunctions.voxOffOnReceive = 0;
    state.optionalFunctions.dtmf[0] = 3; // hidden: not stored back
    StoreOptionalFunctions(state);
    const auto& entry = state.stores.options.entry;
    EXPECT_EQ(entry[OptionSettings::VoxGain], "10");
    EXPECT_EQ(entry[OptionSettings::PriorityChannel], "0");
    EXPECT_EQ(entry[OptionSettings::RevertTimeA], "0");
    EXPECT_EQ(entry[OptionSettings::ScanRxResumeDelay], "120");
    EXPECT_EQ(entry[OptionSettings::VoxOffOnReceive], "0");
    EXPECT_EQ(state.stores.dtmf.value[0], 0);

    state.keyFunctions.keyFunction2 = 8;
    state.embeddedTexts.secondText = "hello";
    state.powerLevels.lowLevel = 17;
    state.testFrequencies.grid[2][1] = "446.00625";
    state.testFrequencies.grid[2][2] = "446.01250";
    StoreKeyFunctions(state);
    StoreEmbeddedTexts(state);
    StorePowerLevels(state);
    StoreTestFrequencies(state);
    EXPECT_EQ(state.stores.keyFunction2, 8);
    EXPECT_EQ(state.stores.embeddedTexts[1], "hello");
    EXPECT_EQ(state.stores.lowPowerLevel, 17);
    EXPECT_EQ(state.stores.testFrequencies[1], "446.00625");
    EXPECT_EQ(state.stores.testFrequencies[17], "446.01250");
}

TEST(DialogLoad, ValuesOutsideTheirListsAreNotSelected) {
    EditorState state = MakeStartupEditor();
    state.stores.options.entry[OptionSettings::VoxGain] = "11";
    state.stores.options.entry[OptionSettings::VoxDelay] = "2.6"; // rounded to 3
    state.stores.options.entry[OptionSettings::CancelOperation] = "2";
    state.stores.keyFunction1 = 12;
    LoadOptionalFunctions(state);
    LoadKeyFunctions(state);
    EXPECT_EQ(state.optionalFunctions.voxGain, 1);
    EXPECT_EQ(state.optionalFunctions.voxDelay, 3);
    EXPECT_EQ(state.optionalFunctions.cancelOperation, 1);
    EXPECT_EQ(state.keyFunctions.keyFunction1, 1); // "OFF" for a key value outside 0..11
}

class PriorityRules : public ::testing::Test {
  protected:
    EditorState state = MakeStartupEditor(1);
    test::ScriptedMessageBox box;
    void useChannel(int row) { state.table.at(row, 1) = "446.00625"; }
};

TEST_F(PriorityRules, FixedPicksTheFirstChannelInUse) {
    useChannel(4);
    useChannel(9);
    SelectPriorityMode(state, box, 1);
    EXPECT_EQ(state.optionalFunctions.priorityMode, 1);
    EXPECT_EQ(state.optionalFunctions.priorityChannel, 3);
    EXPECT_EQ(state.optionalFunctions.priorityFallbackChannel, 4);
    EXPECT_TRUE(box.shown.empty());
}

TEST_F(PriorityRules, FixedWithNoChannelShowsTheTipAndGoesBackToNo) {
    state.optionalFunctions.priorityChannel = 5;
    SelectPriorityMode(state, box, 1);
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text, "When set to 'fixed' channel not is empty, please reset!");
    EXPECT_EQ(box.shown[0].title, "Tip");
    EXPECT_EQ(box.shown[0].flags, 0);
    EXPECT_EQ(state.optionalFunctions.priorityMode, 0);
    EXPECT_EQ(state.optionalFunctions.priorityChannel, 5);
}

TEST_F(PriorityRules, RefusedChannelFallsBackToTheLastFixedSearchNotTheLastValidChoice) {
    useChannel(4);
    useChannel(7);
    SelectPriorityMode(state, box, 1);
    SelectPriorityChannel(state, box, 6); // "07"
    EXPECT_EQ(state.optionalFunctions.priorityChannel, 6);
    EXPECT_TRUE(box.shown.empty());
    SelectPriorityChannel(state, box, 8); // "09", empty
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text, "Do not choose empty channel, please choose again!");
    EXPECT_EQ(box.shown[0].title, "");
    EXPECT_EQ(state.optionalFunctions.priorityChannel, 3);
}

TEST_F(PriorityRules, AnyChannelIsAcceptedUnlessFixed) {
    for (int mode : {0, 2}) {
        SelectPriorityMode(state, box, mode);
        SelectPriorityChannel(state, box, 8);
        EXPECT_EQ(state.optionalFunctions.priorityChannel, 8);
    }
    EXPECT_TRUE(box.shown.empty());
}

TEST_F(PriorityRules, RefusalBeforeAnyFixedSearchClearsTheSelection) {
    useChannel(2);
    state.optionalFunctions.priorityMode =
        1; // as left by a user pick when channel 2 was emptied later
    SelectPriorityChannel(state, box, 0);
    EXPECT_EQ(state.optionalFunctions.priorityChannel, -1);
    EXPECT_EQ(box.shown.size(), 1u);
}

TEST_F(PriorityRules, EmptiedFallbackChannelDoesNotLoop) {
    useChannel(4);
    SelectPriorityMode(state, box, 1);
    state.table.at(4, 1).clear();
    SelectPriorityChannel(state, box, 5);
    EXPECT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(state.optionalFunctions.priorityChannel, 3);
}

TEST_F(PriorityRules, IndicesOutsideTheListsChangeNothing) {
    state.optionalFunctions.priorityMode = 2;
    state.optionalFunctions.priorityChannel = 4;
    SelectPriorityMode(state, box, 3);
    SelectPriorityChannel(state, box, 16);
    SelectPriorityChannel(state, box, -2);
    EXPECT_EQ(state.optionalFunctions.priorityMode, 2);
    EXPECT_EQ(state.optionalFunctions.priorityChannel, 4);
}
