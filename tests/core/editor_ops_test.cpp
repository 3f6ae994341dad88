// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/CellTexts.h"
#include "editor/EditingRules.h"
#include "editor/EditorOps.h"
#include "editor/Startup.h"

#include <gtest/gtest.h>

using namespace tlv;

namespace {

// Channel `row` in use, with a picked receive tone remembered beside it.
void useChannel(EditorState& state, int row) {
    CommitFrequency(state, {row, col::RxFrequency}, "446.00625");
    PickTone(state, {row, col::RxTone}, 5);
}

} // namespace

TEST(ClearOperations, ClearingEmptiesChannelsAndForgetsOrKeepsTheToneEntries) {
    EditorState state = MakeStartupEditor();
    for (int row : {3, 4})
        useChannel(state, row);
    ClearChannel(state, 3);
    EXPECT_EQ(state.radio().channel(3), Channel{});
    EXPECT_EQ(state.data.tones.at(3, ChannelField::RxTone), 0);
    EXPECT_TRUE(state.radio().inUse(4));
    ClearChannel(state, 0); // rows outside the table are ignored
    ClearChannel(state, 17);

    ClearChannelsInUse(state); // as New does: the remembered entries stay
    EXPECT_EQ(state.radio().channel(4), Channel{});
    EXPECT_EQ(state.data.tones.at(4, ChannelField::RxTone), 5);
    useChannel(state, 4);
    ClearAllChannels(state);
    EXPECT_EQ(state.data.tones.at(4, ChannelField::RxTone), 0);
}

// The cells are rendered in the language in force: off tones and option cells follow it, tone
// values never change, and a channel not in use shows nothing.
TEST(CellTexts, FollowTheLanguageButNeverToneValues) {
    EditorState state = MakeStartupEditor();
    useChannel(state, 1);
    PickTone(state, {1, col::RxTone}, 51); // D023N
    CommitFrequency(state, {2, col::RxFrequency}, "446.00625");
    PickTone(state, {2, col::RxTone}, 1); // 67.0
    PickOption(state, {2, col::Power}, 0);
    PickOption(state, {2, col::Bandwidth}, 0);
    PickOption(state, {2, col::Scan}, 0);
    const std::array<std::array<std::string, 8>, 2> english{{
        {"446.00625", "D023N", "446.00625", "Off", "Hight", "Off", "Wide", "Have"},
        {"446.00625", "67.0", "446.00625", "Off", "Low", "Off", "Narrow", "No"},
    }};
    state.session.language = Language::English;
    for (int row = 1; row <= 2; ++row)
        for (int column = 1; column <= 8; ++column)
            EXPECT_EQ(CellText(state, row, column), english[row - 1][column - 1]) << column;
    state.session.language = Language::Traditional;
    EXPECT_EQ(CellText(state, 1, col::TxTone), "關閉");
    EXPECT_EQ(CellText(state, 2, col::Power), "低");
    EXPECT_EQ(CellText(state, 1, col::RxTone), "D023N");
    EXPECT_EQ(CellText(state, 3, col::RxTone), "");
    EXPECT_EQ(CellText(state, 3, col::Number), "03");
}

TEST(Bands, TheBandAndItsLimits) {
    EditorState state;
    const std::pair<int, int> limits[] = {{400, 470}, {450, 490}, {400, 430}, {370, 390},
                                          {350, 370}, {136, 174}, {600, 720}};
    for (int index = 0; index < 7; ++index) {
        SelectBandWithoutQuestion(state, index);
        EXPECT_EQ(state.radio().band, index);
        EXPECT_EQ(state.bandBeforeChange, index);
        const BandLimits band = LimitsOfBand(index);
        EXPECT_EQ(std::pair(band.low, band.high), limits[index]) << index;
    }
    SelectBandWithoutQuestion(state, 7);
    SelectBandWithoutQuestion(state, -1);
    EXPECT_EQ(state.radio().band, 6);
}
