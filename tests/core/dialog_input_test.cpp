// The hidden service switch of the optional-functions dialog, the test-frequency grid rules,
// and what the OK buttons of the optional-functions and embedded-information dialogs refuse.
#include "ScriptedMessageBox.h"
#include "dialogs/DialogInput.h"
#include "dialogs/DialogState.h"
#include "dialogs/ServiceSwitch.h"
#include "dialogs/TestFrequencyRules.h"
#include "editor/Startup.h"
#include "localisation/Messages.h"

#include <gtest/gtest.h>

using namespace tlv;

namespace {

constexpr auto A = ServiceCaption::RevertTimeA;
constexpr auto B = ServiceCaption::RevertTimeB;
constexpr auto C = ServiceCaption::ReturnChannel;

} // namespace

// ---------------------------------------------------------------------------------------------
// Service switch

TEST(ServiceSwitchSequence, ThreeCaptionsWithinFiveSecondsInAnyOrder) {
    const std::array<std::array<ServiceCaption, 3>, 3> orders{{{A, B, C}, {C, A, B}, {B, C, A}}};
    for (const auto& order : orders) {
        ServiceSwitch sw;
        EXPECT_FALSE(ServiceSwitchClick(sw, order[0], 100.2));
        EXPECT_FALSE(ServiceSwitchClick(sw, order[1], 102.0));
        EXPECT_TRUE(ServiceSwitchClick(sw, order[2], 104.9));
        EXPECT_TRUE(sw.latched);
    }
}

TEST(ServiceSwitchSequence, RepeatedCaptionDoesNotCountTwice) {
    ServiceSwitch sw;
    EXPECT_FALSE(ServiceSwitchClick(sw, A, 10.0));
    EXPECT_FALSE(ServiceSwitchClick(sw, A, 11.0));
    EXPECT_FALSE(ServiceSwitchClick(sw, B, 12.0));
    EXPECT_TRUE(ServiceSwitchClick(sw, C, 13.0));
}

TEST(ServiceSwitchSequence, ALateClickStartsANewRoundWithItsOwnCaptionOnly) {
    ServiceSwitch sw;
    ServiceSwitchClick(sw, A, 10.0);
    ServiceSwitchClick(sw, B, 12.0);
    // 5.5 s after the start: the round restarts with C alone.
    EXPECT_FALSE(ServiceSwitchClick(sw, C, 15.5));
    EXPECT_EQ(sw.clicked, (std::array<bool, 3>{false, false, true}));
    EXPECT_EQ(sw.startTime, 16); // 15.5 rounds half to even
    EXPECT_FALSE(ServiceSwitchClick(sw, A, 17.0));
    EXPECT_TRUE(ServiceSwitchClick(sw, B, 20.0));
}

TEST(ServiceSwitchSequence, ExactlyFiveSecondsStillCounts) {
    ServiceSwitch sw;
    ServiceSwitchClick(sw, A, 10.0);
    ServiceSwitchClick(sw, B, 12.0);
    EXPECT_TRUE(ServiceSwitchClick(sw, C, 15.0));
}

TEST(ServiceSwitchSequence, LatchedSwitchAnswersEveryClickInsideARound) {
    ServiceSwitch sw;
    ServiceSwitchClick(sw, A, 10.0);
    ServiceSwitchClick(sw, B, 11.0);
    ASSERT_TRUE(ServiceSwitchClick(sw, C, 12.0));
    EXPECT_TRUE(ServiceSwitchClick(sw, B, 13.0));
    // Outside the round: restarts without effect, then every click of the new round applies.
    EXPECT_FALSE(ServiceSwitchClick(sw, A, 30.0));
    EXPECT_TRUE(ServiceSwitchClick(sw, A, 31.0));
}

TEST(ServiceSwitchSequence, ResetAfterSwitchOffNeedsAllThreeAgain) {
    ServiceSwitch sw;
    ServiceSwitchClick(sw, A, 10.0);
    ServiceSwitchClick(sw, B, 11.0);
    ASSERT_TRUE(ServiceSwitchClick(sw, C, 12.0));
    ResetServiceSwitch(sw);
    EXPECT_FALSE(ServiceSwitchClick(sw, C, 13.0));
    EXPECT_FALSE(ServiceSwitchClick(sw, A, 14.0));
    EXPECT_TRUE(ServiceSwitchClick(sw, B, 15.0));
}

TEST(ServiceSwitchSequence, RoundAcrossMidnight) {
    ServiceSwitch sw;
    ServiceSwitchClick(sw, A, 86398.0);
    ServiceSwitchClick(sw, B, 86399.6);
    EXPECT_TRUE(ServiceSwitchClick(sw, C, 1.0)); // 3 s after the start, on the next day
    ServiceSwitch late;
    ServiceSwitchClick(late, A, 86398.0);
    ServiceSwitchClick(late, B, 86399.0);
    EXPECT_FALSE(ServiceSwitchClick(late, C, 10.0)); // 12 s later
}

// ---------------------------------------------------------------------------------------------
// Test-frequency grid

TEST(TestFrequencyReceive, LowersOntoTheNearerGrid) {
    struct Case {
        const char* typed;
        const char* stored;
    };
    const Case cases[] = {
        {"446.00625", "446.00625"}, // on the 6.25 kHz grid
        {"446.0070", "446.00625"},  // 0.00075 to 6.25 kHz against 0.002 to 5 kHz
        {"446.0115", "446.01000"},  // 0.0015 to 5 kHz against 0.00525 to 6.25 kHz
        {"446.025", "446.02500"},   // on both grids
        {"446.005", "446.00500"},   // on the 5 kHz grid only
        {"150.0031", "150.00000"},  // 6.25 kHz remainder 0.0031 ties 5 kHz: 6.25 kHz wins
        {"0.004", "0.00000"},       // below both steps: the remainder is the value itself
        {"12abc", "12.00000"},      // the leading number
        {"abc", "0.00000"},
        {"  446.1", "446.10000"},
        {"-3", "0.00000"}, // never a negative zero or a negative frequency
        {"123456789012345678901234567890", "123456789012345677877719597056.00000"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NormaliseReceiveFrequency(c.typed), c.stored) << c.typed;
}

TEST(TestFrequencyTransmit, FollowsTheGridOfTheReceiveFrequency) {
    // Receive on 6.25 kHz: transmit lowered to 6.25 kHz; otherwise to 5 kHz.
    EXPECT_EQ(NormaliseTransmitFrequency("446.0070", "446.00625"), "446.00625");
    EXPECT_EQ(NormaliseTransmitFrequency("446.0070", "446.00500"), "446.00500");
    EXPECT_EQ(NormaliseTransmitFrequency("446.0124", "446.00500"), "446.01000");
    EXPECT_EQ(NormaliseTransmitFrequency("446.0124", "446.02500"),
              "446.00625"); // 25 kHz is on 6.25
    EXPECT_EQ(NormaliseTransmitFrequency("xyz", "446.00625"), "0.00000");
}

TEST(TestFrequencyGridEdits, ReceiveEditsDriveTheTransmitCell) {
    EditorState state;
    CommitTestFrequency(state, 3, 1, "446.0070");
    EXPECT_EQ(state.testFrequencies.grid[3][1], "446.00625");
    EXPECT_EQ(state.testFrequencies.grid[3][2], "446.00625");
    CommitTestFrequency(state, 3, 2, "447.1");
    EXPECT_EQ(state.testFrequencies.grid[3][2], "447.10000");
    CommitTestFrequency(state, 3, 1, "440.0"); // overwrites the transmit frequency
    EXPECT_EQ(state.testFrequencies.grid[3][2], "440.00000");
    CommitTestFrequency(state, 3, 2, ""); // cleared transmit takes the receive frequency
    EXPECT_EQ(state.testFrequencies.grid[3][2], "440.00000");
    CommitTestFrequency(state, 3, 1, ""); // cleared receive clears the transmit frequency
    EXPECT_EQ(state.testFrequencies.grid[3][1], "");
    EXPECT_EQ(state.testFrequencies.grid[3][2], "");
    // Nothing but that row changed; rows and columns outside the grid are ignored.
    CommitTestFrequency(state, 0, 1, "1");
    CommitTestFrequency(state, 17, 1, "1");
    CommitTestFrequency(state, 4, 0, "1");
    for (int row = 0; row < 17; ++row)
        for (int column = 0; column < 3; ++column)
            EXPECT_EQ(state.testFrequencies.grid[row][column], "") << row << "," << column;
}

TEST(TestFrequencyGridEdits, TransmitCellOpensOnlyAfterTheReceiveCell) {
    EditorState state;
    EXPECT_TRUE(TestFrequencyCellEditable(state, 1, 1));
    EXPECT_FALSE(TestFrequencyCellEditable(state, 1, 2));
    EXPECT_FALSE(TestFrequencyCellEditable(state, 1, 0));
    EXPECT_FALSE(TestFrequencyCellEditable(state, 0, 1));
    EXPECT_FALSE(TestFrequencyCellEditable(state, 17, 1));
    state.testFrequencies.grid[1][1] = "446.00000";
    EXPECT_TRUE(TestFrequencyCellEditable(state, 1, 2));
}

TEST(TestFrequencyGridOk, RefusesWhatTheImageWouldDropAsNoFrequency) {
    const std::pair<const char*, bool> cases[] = {
        {"", true},          {"446.00625", true}, {"100.00000", true},   {"999.99500", true},
        {"99.99500", false}, {"0.00000", false},  {"1000.00000", false},
    };
    for (const auto& [text, storable] : cases) {
        EXPECT_EQ(TestFrequencyStorable(text), storable) << text;
        EditorState state;
        state.stores.testFrequencies[5] = "440.00000";
        state.testFrequencies.grid[6][1] = "446.00000";
        state.testFrequencies.grid[6][2] = text;
        test::ScriptedMessageBox box;
        EXPECT_EQ(ConfirmTestFrequencies(state, box), storable) << text;
        EXPECT_EQ(box.shown.size(), storable ? 0u : 1u);
        EXPECT_EQ(state.stores.testFrequencies[5], storable ? "446.00000" : "440.00000");
        EXPECT_EQ(state.stores.testFrequencies[21], storable ? text : "");
    }
}

// ---------------------------------------------------------------------------------------------
// Optional functions: resume delays

TEST(ResumeDelay, WholeNumbersInRangeOrEmpty) {
    struct Case {
        const char* text;
        int max;
        bool valid;
    };
    const Case cases[] = {
        {"", 300, true},        {"0", 300, true},        {"300", 300, true},
        {"301", 300, false},    {"007", 300, true},      {"-1", 300, false},
        {"1.5", 300, false},    {" 5", 300, false},      {"5s", 300, false},
        {"65535", 65535, true}, {"65536", 65535, false}, {"99999999999", 65535, false},
        {"１２", 300, false}, // full-width digits
    };
    for (const Case& c : cases)
        EXPECT_EQ(ResumeDelayValid(c.text, c.max), c.valid) << c.text;
}

TEST(ResumeDelay, RefusedValueShowsItsMessageAndStoresNothing) {
    EditorState state = MakeStartupEditor(1);
    test::ScriptedMessageBox box;
    const OptionSettings before = state.stores.options;
    state.optionalFunctions.voxGain = 5;
    state.optionalFunctions.scanRxResumeDelay = "301";
    EXPECT_FALSE(ConfirmOptionalFunctions(state, box));
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text, msg::RxResumeDelayInvalid.text.en);
    EXPECT_EQ(state.stores.options.entry, before.entry);

    state.optionalFunctions.scanRxResumeDelay = "120";
    state.optionalFunctions.scanTxResumeDelay = "abc";
    EXPECT_FALSE(ConfirmOptionalFunctions(state, box));
    EXPECT_EQ(box.shown.back().text, msg::TxResumeDelayInvalid.text.en);
    EXPECT_EQ(state.stores.options.entry, before.entry);

    // The radio holds no more than 300 seconds for either delay.
    state.optionalFunctions.scanTxResumeDelay = "301";
    EXPECT_FALSE(ConfirmOptionalFunctions(state, box));
    EXPECT_EQ(box.shown.size(), 3u);
    EXPECT_EQ(state.stores.options.entry, before.entry);

    state.optionalFunctions.scanTxResumeDelay = "300";
    EXPECT_TRUE(ConfirmOptionalFunctions(state, box));
    EXPECT_EQ(box.shown.size(), 3u);
    EXPECT_EQ(state.stores.options.entry[OptionSettings::VoxGain], "5");
    EXPECT_EQ(state.stores.options.entry[OptionSettings::ScanRxResumeDelay], "120");
    EXPECT_EQ(state.stores.options.entry[OptionSettings::ScanTxResumeDelay], "300");
}

TEST(StoreOptionalFunctions, NeverWritesTheHiddenDtmfValuesBack) {
    EditorState state = MakeStartupEditor();
    state.stores.dtmf.value[DtmfSettings::FirstDigitDelay] = 130; // as a decode leaves it
    state.stores.dtmfMemory[0] = "123*#";
    test::ScriptedMessageBox box;
    ASSERT_TRUE(ConfirmOptionalFunctions(state, box));
    EXPECT_EQ(state.stores.dtmf.value[DtmfSettings::FirstDigitDelay], 130);
    EXPECT_EQ(state.stores.dtmfMemory[0], "123*#");
}

TEST(FirstDigitDelay, MillisecondsToTheNearestListEntry) {
    const std::pair<int, int> cases[] = {{100, 0},  {120, 0},  {130, 1}, {150, 1}, {1000, 18},
                                         {990, 18}, {960, 17}, {99, -1}, {0, -1},  {1001, -1}};
    for (const auto& [ms, position] : cases)
        EXPECT_EQ(FirstDigitDelayPosition(ms), position) << ms;
}

// ---------------------------------------------------------------------------------------------
// Embedded texts

TEST(EmbeddedTextKeys, FullBoxTakesOnlyBackspaceOrReplacesASelection) {
    EXPECT_TRUE(EmbeddedTextKeyAccepted(31, false, false));
    EXPECT_FALSE(EmbeddedTextKeyAccepted(32, false, false));
    EXPECT_FALSE(EmbeddedTextKeyAccepted(40, false, false)); // pasted beyond the limit
    EXPECT_TRUE(EmbeddedTextKeyAccepted(32, false, true));
    EXPECT_TRUE(EmbeddedTextKeyAccepted(32, true, false));
}

TEST(EmbeddedTexts, OkRefusesWhatTheImageCannotHold) {
    const std::string full(32, 'x');
    const std::pair<std::string, bool> cases[] = {
        {"", true},          {"Hello, radio ~!", true},     {full, true},
        {full + "x", false}, {"tab\there", false},          {"caf\xC3\xA9", false},
        {"中文", false},     {std::string("a\x7F"), false},
    };
    for (const auto& [text, valid] : cases) {
        EXPECT_EQ(EmbeddedTextValid(text), valid) << text;
        EditorState state;
        state.stores.embeddedTexts = {"old1", "old2"};
        state.embeddedTexts.firstText = "fine";
        state.embeddedTexts.secondText = text;
        test::ScriptedMessageBox box;
        EXPECT_EQ(ConfirmEmbeddedTexts(state, box), valid);
        EXPECT_EQ(box.shown.size(), valid ? 0u : 1u);
        EXPECT_EQ(state.stores.embeddedTexts[0], valid ? "fine" : "old1");
        EXPECT_EQ(state.stores.embeddedTexts[1], valid ? text : "old2");
    }
}
