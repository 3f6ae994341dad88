// SPDX-License-Identifier: GPL-3.0-or-later
#include "GoldenImage.h"
#include "document/EditorImage.h"
#include "editor/CellTexts.h"
#include "editor/ChannelRows.h"
#include "editor/DialogState.h"
#include "editor/EditingRules.h"
#include "editor/EditorOps.h"
#include "editor/Startup.h"
#include "editor/UndoHistory.h"

#include <functional>
#include <gtest/gtest.h>

using namespace tlv;

namespace {

// An editor with two channels, as a user would have typed them.
EditorState editorWithChannels() {
    EditorState state = MakeStartupEditor();
    for (auto [row, frequency] : {std::pair{1, "438.125"}, std::pair{2, "446.00625"}})
        CommitFrequency(state, {row, col::RxFrequency}, frequency);
    PickTone(state, {2, col::RxTone}, 12);
    return state;
}

struct Step {
    const char* kind;
    std::function<void(EditorState&)> change;
};

} // namespace

class EachKindOfStep : public testing::TestWithParam<Step> {};

TEST_P(EachKindOfStep, UndoPutsBackTheDataBeforeAndRedoTheDataAfter) {
    EditorState state = editorWithChannels();
    UndoHistory history;
    history.reset(state);
    const EditorState before = state;

    GetParam().change(state);
    const EditorState after = state;
    ASSERT_NE(before.data, after.data) << "the step changes nothing";
    ASSERT_TRUE(history.record(state));
    EXPECT_FALSE(history.record(state)) << "the same data twice is one step";

    ASSERT_TRUE(history.undo(state));
    EXPECT_EQ(state.data, before.data);
    EXPECT_EQ(state.dialogs, before.dialogs) << "the dialogs show the data put back";
    ASSERT_TRUE(history.redo(state));
    EXPECT_EQ(state.data, after.data);
    EXPECT_FALSE(history.canRedo());
}

INSTANTIATE_TEST_SUITE_P(
    Steps, EachKindOfStep,
    testing::Values(
        Step{"committed frequency",
             [](EditorState& s) {
                 CommitFrequency(s, {5, col::RxFrequency}, "440.1");
             }},
        Step{"committed tone",
             [](EditorState& s) {
                 CommitTone(s, {1, col::TxTone}, "D754I", -1);
             }},
        Step{"option pick",
             [](EditorState& s) {
                 PickOption(s, {1, col::Power}, 0);
             }},
        Step{"panel pick", [](EditorState& s) { s.radio().functions.squelchLevel = 9; }},
        Step{"band change with clearing",
             [](EditorState& s) {
                 if (BandSelected(s, 3) == BandChange::Ask) AnswerBandQuestion(s, true);
             }},
        Step{"dialog OK",
             [](EditorState& s) {
                 s.dialogs.keys.pf2 = 7;
                 StoreKeyFunctions(s);
             }},
        Step{"New", [](EditorState& s) { ClearChannelsInUse(s); }},
        Step{"Open or read", [](EditorState& s) { LoadImage(s, test::GoldenStartupImage()); }},
        Step{"paste",
             [](EditorState& s) {
                 PasteChannelRows(s, 7,
                                  "07\t401.00000\t67.0\t402.00000\tD023N\t低\t关闭\t窄带\t无\n");
             }},
        Step{"row command", [](EditorState& s) { InsertEmptyChannel(s, 1); }}),
    [](const testing::TestParamInfo<Step>& info) {
        std::string name;
        for (const char* c = info.param.kind; *c; ++c)
            if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
        return name;
    });

TEST(UndoHistory, LanguageAndSessionAreNoStepAndStayWhenUndoing) {
    EditorState state = editorWithChannels();
    UndoHistory history;
    history.reset(state);
    PickOption(state, {1, col::Power}, 0);
    ASSERT_TRUE(history.record(state));

    // English: the cells speak English, the header too; that is no change of data.
    state.session.language = Language::English;
    state.session.editingLock = true;
    EXPECT_FALSE(history.record(state));

    ASSERT_TRUE(history.undo(state));
    EXPECT_EQ(CellText(state, 1, col::Power), "Hight");
    EXPECT_EQ(CellText(state, 1, col::RxTone), "Off");
    EXPECT_EQ(CellText(state, 0, col::Power), "Power");
    EXPECT_EQ(state.language(), Language::English);
    EXPECT_TRUE(state.session.editingLock);
}

TEST(UndoHistory, ChangesNotYetRecordedAreTheStepUndone) {
    EditorState state = editorWithChannels();
    UndoHistory history;
    history.reset(state);
    const EditorState before = state;
    state.radio().functions.beep = 0;
    ASSERT_TRUE(history.undo(state));
    EXPECT_EQ(state, before);
    ASSERT_TRUE(history.redo(state));
    EXPECT_EQ(state.radio().functions.beep, 0);
    EXPECT_TRUE(history.undo(state));
    EXPECT_FALSE(history.undo(state));
}

TEST(UndoHistory, KeepsItsDepthAndANewStepEndsRedo) {
    EditorState state = MakeStartupEditor();
    UndoHistory history(150);
    EXPECT_FALSE(history.record(state)) << "nothing before the first reset";
    history.reset(state);
    for (int step = 1; step <= 200; ++step) {
        state.radio().powerLevels.high = step;
        history.record(state);
    }
    EXPECT_EQ(history.undoSteps(), 150u);
    for (int step = 0; step < 150; ++step)
        ASSERT_TRUE(history.undo(state));
    EXPECT_FALSE(history.undo(state));
    EXPECT_EQ(state.radio().powerLevels.high, 50);
    EXPECT_EQ(state.dialogs.powerLevels.highText, "50");

    ASSERT_TRUE(history.redo(state));
    state.radio().functions.beep = 0;
    EXPECT_TRUE(history.record(state));
    EXPECT_FALSE(history.canRedo());
}
