// SPDX-License-Identifier: GPL-3.0-or-later
// The service mode's hidden switch and button, and the dialog rules whose edge cases the dialog
// tests in tests/qt do not reach: grid normalisation, input checks, priority refusals.
#include "editor/DialogInput.h"
#include "editor/DialogState.h"
#include "editor/HiddenServiceSwitch.h"
#include "editor/PriorityRules.h"
#include "editor/ServiceMode.h"
#include "editor/Startup.h"
#include "editor/TestFrequencyRules.h"
#include "texts/DialogLists.h"

#include <gtest/gtest.h>

using namespace tlv;

namespace {

constexpr auto A = ServiceCaption::RevertTimeA;
constexpr auto B = ServiceCaption::RevertTimeB;
constexpr auto C = ServiceCaption::ReturnChannel;

// A click on a caption at a time of day, and whether the switch answers it with "on".
struct Click {
    ServiceCaption caption;
    double at;
    bool on;
};

} // namespace

TEST(ServiceSwitch, ThreeDifferentCaptionsWithinFiveSecondsSwitchOn) {
    const std::vector<std::vector<Click>> sequences{
        {{A, 100.2, false}, {B, 102, false}, {C, 104.9, true}},
        {{C, 100.2, false}, {A, 102, false}, {B, 104.9, true}},
        {{B, 100, false}, {C, 102, false}, {A, 105, true}},              // exactly five seconds
        {{A, 10, false}, {A, 11, false}, {B, 12, false}, {C, 13, true}}, // a repeat counts once
        // Too late: a new round starts at 16 (15.5 half to even) with that caption alone.
        {{A, 10, false}, {B, 12, false}, {C, 15.5, false}, {A, 17, false}, {B, 21, true}},
        // Latched: every click of the round answers; a late one starts a new round first.
        {{A, 10, false},
         {B, 11, false},
         {C, 12, true},
         {B, 13, true},
         {A, 30, false},
         {A, 31, true}},
        {{A, 86398, false}, {B, 86399.6, false}, {C, 1, true}}, // across midnight
        {{A, 86398, false}, {B, 86399, false}, {C, 10, false}},
    };
    for (std::size_t i = 0; i < sequences.size(); ++i) {
        ServiceSwitch sw;
        for (const Click& click : sequences[i])
            EXPECT_EQ(ServiceSwitchClick(sw, click.caption, click.at), click.on)
                << "sequence " << i << " at " << click.at;
    }
    ServiceSwitch sw;
    for (const Click& click : sequences[0])
        ServiceSwitchClick(sw, click.caption, click.at);
    ResetServiceSwitch(sw);
    EXPECT_FALSE(ServiceSwitchClick(sw, C, 105)) << "after a reset all three are needed again";
}

TEST(ServiceButton, SecondClickWithinTheSecondOfTheRoundedStampSwitchesOff) {
    const std::pair<double, int32_t> rounding[] = {{100.49, 100}, {100.5, 100},     {100.51, 101},
                                                   {101.5, 102},  {86399.5, 86400}, {0.5, 0}};
    for (const auto& [s, expected] : rounding)
        EXPECT_EQ(RoundSecondsHalfEven(s), expected) << s;

    struct Case {
        double first, second;
        ServiceClick expected;
    };
    const Case cases[] = {
        {100.4, 100.8, ServiceClick::SwitchedOff},  {100.4, 101.0, ServiceClick::Restarted},
        {100.6, 101.9, ServiceClick::SwitchedOff}, // stamp 101: a 1.3 s gap still counts
        {100.6, 102.0, ServiceClick::Restarted},    {100.5, 100.99, ServiceClick::SwitchedOff},
        {101.5, 102.9, ServiceClick::SwitchedOff},  {86399.7, 0.1, ServiceClick::SwitchedOff},
        {80000.0, 3600.0, ServiceClick::Restarted}, // hours later, on the next day
    };
    for (const Case& c : cases) {
        EditorState state;
        ServiceModeOn(state);
        ServiceButtonStamp stamp;
        EXPECT_EQ(ServiceButtonClick(state, stamp, c.first), ServiceClick::Armed);
        EXPECT_EQ(ServiceButtonClick(state, stamp, c.second), c.expected)
            << c.first << " then " << c.second;
        EXPECT_EQ(state.session.serviceMode, c.expected != ServiceClick::SwitchedOff);
        // A restart takes a new stamp that counts for the next click.
        if (c.expected == ServiceClick::Restarted) {
            EXPECT_EQ(ServiceButtonClick(state, stamp, c.second + 0.3), ServiceClick::SwitchedOff);
        }
    }
}

TEST(TestFrequencyGrid, ReceiveLowersOntoTheNearerGridAndTransmitFollowsItsGrid) {
    const std::pair<const char*, const char*> receive[] = {
        {"446.00625", "446.00625"}, // on the 6.25 kHz grid
        {"446.0070", "446.00625"},  // 0.00075 to 6.25 kHz against 0.002 to 5 kHz
        {"446.0115", "446.01000"},  // 0.0015 to 5 kHz against 0.00525 to 6.25 kHz
        {"446.025", "446.02500"},
        {"446.005", "446.00500"},
        {"150.0031", "150.00000"}, // 6.25 kHz remainder 0.0031 ties 5 kHz: 6.25 kHz wins
        {"0.004", "0.00000"},      // below both steps: the remainder is the value itself
        {"12abc", "12.00000"},
        {"abc", "0.00000"},
        {"  446.1", "446.10000"},
        {"-3", "0.00000"}, // never a negative frequency
        {"123456789012345678901234567890", "123456789012345677877719597056.00000"}};
    for (const auto& [typed, stored] : receive)
        EXPECT_EQ(NormaliseReceiveFrequency(typed), stored) << typed;

    EXPECT_EQ(NormaliseTransmitFrequency("446.0070", "446.00625"), "446.00625");
    EXPECT_EQ(NormaliseTransmitFrequency("446.0070", "446.00500"), "446.00500");
    EXPECT_EQ(NormaliseTransmitFrequency("446.0124", "446.00500"), "446.01000");
    EXPECT_EQ(NormaliseTransmitFrequency("446.0124", "446.02500"), "446.00625"); // 25 on 6.25
    EXPECT_EQ(NormaliseTransmitFrequency("xyz", "446.00625"), "0.00000");

    EditorState state;
    CommitTestFrequency(state, 3, 1, "446.0070");
    CommitTestFrequency(state, 3, 1, "");  // a cleared receive frequency clears the transmit one
    CommitTestFrequency(state, 0, 1, "1"); // rows and columns outside the grid are ignored
    CommitTestFrequency(state, 17, 1, "1");
    CommitTestFrequency(state, 4, 0, "1");
    for (int row = 0; row < 17; ++row)
        for (int column = 0; column < 3; ++column)
            EXPECT_EQ(state.dialogs.testFrequencies.grid[row][column], "") << row << "," << column;

    // OK refuses what the image would store as no frequency.
    const std::pair<const char*, bool> storable[] = {
        {"", true},          {"446.00625", true}, {"100.00000", true},  {"999.99500", true},
        {"99.99500", false}, {"0.00000", false},  {"1000.00000", false}};
    for (const auto& [text, expected] : storable)
        EXPECT_EQ(TestFrequencyStorable(text), expected) << text;
}

TEST(DialogInput, ResumeDelaysAndEmbeddedTexts) {
    const std::pair<const char*, bool> delays[] = {{"", true},
                                                   {"0", true},
                                                   {"300", true},
                                                   {"007", true},
                                                   {"301", false},
                                                   {"-1", false},
                                                   {"1.5", false},
                                                   {" 5", false},
                                                   {"5s", false},
                                                   {"65536", false},
                                                   {"１２", false}, // full-width digits
                                                   {"99999999999", false}};
    for (const auto& [text, valid] : delays)
        EXPECT_EQ(ResumeDelayValid(text, kScanRxResumeDelayMax), valid) << text;

    const std::string full(32, 'x');
    const std::pair<std::string, bool> texts[] = {
        {"", true},           {"Hello, radio ~!", true}, {full, true},    {full + "x", false},
        {"tab\there", false}, {"caf\xC3\xA9", false},    {"中文", false}, {"a\x7F", false}};
    for (const auto& [text, valid] : texts)
        EXPECT_EQ(EmbeddedTextValid(text), valid) << text;
    // OK checks the first text as well as the second.
    EditorState state;
    state.dialogs.embeddedTexts = {"中文", "fine"};
    const auto refused = ConfirmEmbeddedTexts(state);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->message, &msg::EmbeddedTextInvalid);
    EXPECT_EQ(state.radio().embeddedTexts[1], "");
}

TEST(DialogState, OkStoresTheDraftAndLoadSelectsOnlyListedValues) {
    EditorState state = MakeStartupEditor();
    state.radio().dtmf.firstDigitDelay = 130; // as a load leaves it; no dialog shows it
    state.dialogs.optionalFunctions.priorityChannel = -1;
    state.dialogs.optionalFunctions.revertTimeA = 0;
    state.dialogs.optionalFunctions.scanTxResumeDelay = "007";
    ASSERT_FALSE(ConfirmOptionalFunctions(state));
    EXPECT_EQ(state.radio().options.priorityChannel, 0);
    EXPECT_EQ(state.radio().options.revertTimeA, 0);
    EXPECT_EQ(state.radio().options.scanTxResumeDelay, 7);
    EXPECT_FALSE(state.radio().options.scanRxResumeDelay) << "an empty box stays empty";
    EXPECT_EQ(state.radio().dtmf.firstDigitDelay, 130);

    state.dialogs.optionalFunctions.scanRxResumeDelay = "301";
    const auto refused = ConfirmOptionalFunctions(state);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->message, &msg::RxResumeDelayInvalid);

    state.radio().options.voxGain = 11;
    state.radio().keys.pf1 = 12;
    LoadOptionalFunctions(state);
    LoadKeyFunctions(state);
    EXPECT_EQ(state.dialogs.optionalFunctions.voxGain, 1);
    EXPECT_EQ(state.dialogs.keys.pf1, 1); // "OFF" for a key value outside 0..11
}

class PriorityRules : public ::testing::Test {
  protected:
    EditorState state = MakeStartupEditor(Language::English);
    OptionalFunctionsDraft& draft = state.dialogs.optionalFunctions;
    void useChannel(int row) { state.radio().channel(row).rx = Frequency{44600625}; }
};

TEST_F(PriorityRules, RefusalBeforeAnyFixedSearchClearsTheSelection) {
    useChannel(2);
    draft.priorityMode = 1; // a user's pick before channel 2 was emptied
    EXPECT_EQ(SelectPriorityChannel(state, 0), &msg::EmptyChannelChosen);
    EXPECT_EQ(draft.priorityChannel, -1);
}

TEST_F(PriorityRules, EmptiedFallbackChannelDoesNotLoop) {
    useChannel(4);
    EXPECT_EQ(SelectPriorityMode(state, 1), nullptr);
    state.radio().channel(4) = Channel{};
    EXPECT_EQ(SelectPriorityChannel(state, 5), &msg::EmptyChannelChosen);
    EXPECT_EQ(draft.priorityChannel, 3);
}

TEST_F(PriorityRules, IndicesOutsideTheListsChangeNothing) {
    draft.priorityMode = 2;
    draft.priorityChannel = 4;
    EXPECT_EQ(SelectPriorityMode(state, 3), nullptr);
    SelectPriorityChannel(state, 16);
    SelectPriorityChannel(state, -2);
    EXPECT_EQ(draft.priorityMode, 2);
    EXPECT_EQ(draft.priorityChannel, 4);
}

// The computed lists match the sizes the drafts index them with, and their first entries follow
// the language (the window's dialog and the web edition show the same entries).
TEST(DialogLists, ComputedListsHaveTheDraftsSizesAndTheLanguagesFirstEntry) {
    EXPECT_EQ(VoxGainEntries(Language::English).size(), std::size_t(optionListSize::VoxGain));
    EXPECT_EQ(VoxGainEntries(Language::English).front(), "Off");
    EXPECT_EQ(VoxGainEntries(Language::Simplified).front(), "关闭");
    EXPECT_EQ(VoxGainEntries(Language::English).back(), "10");
    EXPECT_EQ(VoxDelayEntries().size(), std::size_t(optionListSize::VoxDelay));
    EXPECT_EQ(PriorityChannelEntries().front(), "01");
    EXPECT_EQ(PriorityChannelEntries().size(), std::size_t(optionListSize::PriorityChannel));
    const auto revert = RevertTimeEntries(Language::English);
    ASSERT_EQ(revert.size(), std::size_t(optionListSize::RevertTime));
    EXPECT_EQ(revert[0], "Empty");
    EXPECT_EQ(revert[1], "0.50 S");
    EXPECT_EQ(revert[91], "5.00 S");
}
