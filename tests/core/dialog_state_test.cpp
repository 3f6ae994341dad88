#include "ScriptedMessageBox.h"
#include "dialogs/DialogState.h"
#include "dialogs/Form5Logic.h"
#include "editor/Startup.h"

#include <gtest/gtest.h>

using namespace tlv;

TEST(DialogLoad, StartupDialogsShowTheStartValuesOfTheStores) {
    EditorState state = MakeStartupEditor();
    const Form5Controls& f5 = state.form5;
    EXPECT_EQ(
        (std::array<int, 11>{f5.combo4, f5.combo6, f5.combo7, f5.combo8, f5.combo9, f5.combo10,
                             f5.combo11, f5.combo12, f5.combo13, f5.combo14, f5.combo15}),
        (std::array<int, 11>{1, 1, 1, 1, 1, 1, 0, 0, 1, 1, 1}));
    EXPECT_EQ(f5.check3, 1);
    EXPECT_EQ(f5.check4, 1);
    EXPECT_EQ(f5.text5, "");
    // DtmfSettings 0,1,0,1,1,1,0,0: FirstDigitDelay 0 ms lies outside the 100..1000 ms list.
    EXPECT_EQ(f5.dtmf, (std::array<int, 8>{0, 1, -1, 1, 1, 1, 0, 0}));
    EXPECT_EQ(f5.dtmfMemory[7], "8");
    EXPECT_EQ(state.form6.combo1, 10);
    EXPECT_EQ(state.form6.combo2, 0);
    EXPECT_EQ(state.form2.slider1, 208);
    EXPECT_EQ(state.form2.lblpower3, "92");
    EXPECT_FALSE(state.form2.slidersEnabled);
    EXPECT_EQ(state.form4.grid[16][0], "16");
}

TEST(DialogOk, OkRightAfterStartupKeepsTheStartValues) {
    EditorState state = MakeStartupEditor();
    SettingsStores before = state.stores;
    Form5Ok(state);
    Form6Ok(state);
    Form7Ok(state);
    Form2Ok(state);
    Form4Ok(state);
    EXPECT_EQ(state.stores.options.entry, before.options.entry);
    EXPECT_EQ(state.stores.dtmf.value, before.dtmf.value);
    EXPECT_EQ(state.stores.dtmfMemory, before.dtmfMemory);
    EXPECT_EQ(state.stores.keyFunction1, 10);
    EXPECT_EQ(state.stores.highPowerLevel, 208);
    EXPECT_EQ(state.stores.testFrequencies, before.testFrequencies);
}

TEST(DialogOk, ControlsGoIntoTheStores) {
    EditorState state = MakeStartupEditor();
    state.form5.combo7 = 10;
    state.form5.combo12 = -1;
    state.form5.combo13 = 0;
    state.form5.text5 = "120";
    state.form5.check4 = 0;
    state.form5.dtmf[0] = 3; // hidden: not stored back
    Form5Ok(state);
    const auto& entry = state.stores.options.entry;
    EXPECT_EQ(entry[OptionSettings::VoxGain], "10");
    EXPECT_EQ(entry[OptionSettings::PriorityChannel], "0");
    EXPECT_EQ(entry[OptionSettings::RevertTimeA], "0");
    EXPECT_EQ(entry[OptionSettings::ScanRxResumeDelay], "120");
    EXPECT_EQ(entry[OptionSettings::VoxOffOnReceive], "0");
    EXPECT_EQ(state.stores.dtmf.value[0], 0);

    state.form6.combo2 = 8;
    state.form7.text2 = "hello";
    state.form2.slider3 = 17;
    state.form4.grid[2][1] = "446.00625";
    state.form4.grid[2][2] = "446.01250";
    Form6Ok(state);
    Form7Ok(state);
    Form2Ok(state);
    Form4Ok(state);
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
    Form5Load(state);
    Form6Load(state);
    EXPECT_EQ(state.form5.combo7, 1);
    EXPECT_EQ(state.form5.combo8, 3);
    EXPECT_EQ(state.form5.check3, 1);
    EXPECT_EQ(state.form6.combo1, 1); // "OFF" for a key value outside 0..11
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
    Form5SelectPriorityMode(state, box, 1);
    EXPECT_EQ(state.form5.combo11, 1);
    EXPECT_EQ(state.form5.combo12, 3);
    EXPECT_EQ(state.form5.priorityFallbackChannel, 4);
    EXPECT_TRUE(box.shown.empty());
}

TEST_F(PriorityRules, FixedWithNoChannelShowsTheTipAndGoesBackToNo) {
    state.form5.combo12 = 5;
    Form5SelectPriorityMode(state, box, 1);
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text, "When set to 'fixed' channel not is empty, please reset!");
    EXPECT_EQ(box.shown[0].title, "Tip");
    EXPECT_EQ(box.shown[0].flags, 0);
    EXPECT_EQ(state.form5.combo11, 0);
    EXPECT_EQ(state.form5.combo12, 5);
}

TEST_F(PriorityRules, RefusedChannelFallsBackToTheLastFixedSearchNotTheLastValidChoice) {
    useChannel(4);
    useChannel(7);
    Form5SelectPriorityMode(state, box, 1);
    Form5SelectPriorityChannel(state, box, 6); // "07"
    EXPECT_EQ(state.form5.combo12, 6);
    EXPECT_TRUE(box.shown.empty());
    Form5SelectPriorityChannel(state, box, 8); // "09", empty
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text, "Do not choose empty channel, please choose again!");
    EXPECT_EQ(box.shown[0].title, "");
    EXPECT_EQ(state.form5.combo12, 3);
}

TEST_F(PriorityRules, AnyChannelIsAcceptedUnlessFixed) {
    for (int mode : {0, 2}) {
        Form5SelectPriorityMode(state, box, mode);
        Form5SelectPriorityChannel(state, box, 8);
        EXPECT_EQ(state.form5.combo12, 8);
    }
    EXPECT_TRUE(box.shown.empty());
}

TEST_F(PriorityRules, RefusalBeforeAnyFixedSearchClearsTheSelection) {
    useChannel(2);
    state.form5.combo11 = 1; // as left by a user pick when channel 2 was emptied later
    Form5SelectPriorityChannel(state, box, 0);
    EXPECT_EQ(state.form5.combo12, -1);
    EXPECT_EQ(box.shown.size(), 1u);
}

TEST_F(PriorityRules, EmptiedFallbackChannelDoesNotLoop) {
    useChannel(4);
    Form5SelectPriorityMode(state, box, 1);
    state.table.at(4, 1).clear();
    Form5SelectPriorityChannel(state, box, 5);
    EXPECT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(state.form5.combo12, 3);
}

TEST_F(PriorityRules, IndicesOutsideTheListsChangeNothing) {
    state.form5.combo11 = 2;
    state.form5.combo12 = 4;
    Form5SelectPriorityMode(state, box, 3);
    Form5SelectPriorityChannel(state, box, 16);
    Form5SelectPriorityChannel(state, box, -2);
    EXPECT_EQ(state.form5.combo11, 2);
    EXPECT_EQ(state.form5.combo12, 4);
}
