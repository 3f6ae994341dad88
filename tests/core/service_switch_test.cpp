#include "editor/ServiceSwitch.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tlv;

TEST(RoundSecondsHalfEven, HalvesGoToTheEvenSecond) {
    const std::vector<std::pair<double, int32_t>> cases{
        {100.0, 100}, {100.49, 100}, {100.5, 100},     {100.51, 101},
        {101.5, 102}, {0.5, 0},      {86399.5, 86400}, {86399.4, 86399},
    };
    for (const auto& [s, expected] : cases)
        EXPECT_EQ(RoundSecondsHalfEven(s), expected) << s;
}

class ServiceButton : public ::testing::Test {
  protected:
    void SetUp() override { ServiceModeOn(state); }
    ServiceClick click(double s) { return ServiceButtonClick(state, stamp, s); }
    EditorState state;
    ServiceButtonStamp stamp;
};

TEST_F(ServiceButton, SwitchOnEnablesSliders) {
    EXPECT_EQ(state.serviceMode, 1);
    EXPECT_TRUE(state.powerLevels.slidersEnabled);
}

TEST_F(ServiceButton, SingleClickOnlyTakesTheStamp) {
    EXPECT_EQ(click(36000.3), ServiceClick::Armed);
    EXPECT_EQ(stamp.t, 36000);
    EXPECT_EQ(state.serviceMode, 1);
    EXPECT_TRUE(state.powerLevels.slidersEnabled);
}

TEST_F(ServiceButton, SecondClickWithinASecondSwitchesOff) {
    click(36000.2);
    EXPECT_EQ(click(36000.6), ServiceClick::SwitchedOff);
    EXPECT_EQ(state.serviceMode, 0);
    EXPECT_FALSE(state.powerLevels.slidersEnabled);
    EXPECT_EQ(stamp.t, 0);
}

TEST_F(ServiceButton, SecondClickThreeSecondsLaterRestartsTheTiming) {
    click(36000.2);
    EXPECT_EQ(click(36003.2), ServiceClick::Restarted);
    EXPECT_EQ(stamp.t, 36003);
    EXPECT_EQ(state.serviceMode, 1);
    // The restarted stamp counts for the next click.
    EXPECT_EQ(click(36003.5), ServiceClick::SwitchedOff);
}

// The stamp is rounded, so the accepted gap depends on the fraction of the first click.
TEST_F(ServiceButton, AcceptedGapFollowsTheRoundedStamp) {
    struct Case {
        double first, second;
        ServiceClick expected;
    };
    const std::vector<Case> cases{
        {100.4, 100.8, ServiceClick::SwitchedOff}, // T = 100, 0.8 after T
        {100.4, 101.0, ServiceClick::Restarted},   // T = 100, exactly 1 after T
        {100.6, 101.9, ServiceClick::SwitchedOff}, // T = 101: 1.3 s gap still accepted
        {100.6, 102.0, ServiceClick::Restarted},
        {100.5, 100.99, ServiceClick::SwitchedOff}, // T = 100 (half to even)
        {101.5, 102.9, ServiceClick::SwitchedOff},  // T = 102 (half to even)
    };
    for (const auto& c : cases) {
        EditorState fresh;
        ServiceModeOn(fresh);
        ServiceButtonStamp freshStamp;
        ServiceButtonClick(fresh, freshStamp, c.first);
        EXPECT_EQ(ServiceButtonClick(fresh, freshStamp, c.second), c.expected)
            << c.first << " then " << c.second;
    }
}

TEST_F(ServiceButton, PairOfClicksAcrossMidnight) {
    click(86399.7); // stamp 86400
    EXPECT_EQ(click(0.1), ServiceClick::SwitchedOff);
}

TEST_F(ServiceButton, ClickHoursLaterOnTheNextDayRestarts) {
    click(80000.0);
    EXPECT_EQ(click(3600.0), ServiceClick::Restarted);
    EXPECT_EQ(stamp.t, 3600);
    EXPECT_EQ(state.serviceMode, 1);
}
