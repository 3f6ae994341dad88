#include "GoldenImage.h"
#include "ScriptedMessageBox.h"
#include "dialogs/DialogState.h"
#include "editor/ChannelRows.h"
#include "editor/EditingRules.h"
#include "editor/EditorOps.h"
#include "editor/Startup.h"
#include "editor/UndoHistory.h"
#include "image/ImageCodec.h"
#include "localisation/CellTexts.h"

#include <functional>
#include <gtest/gtest.h>

using namespace tlv;

namespace {

// An editor with two channels, as a user would have typed them.
EditorState editorWithChannels() {
    EditorState state = MakeStartupEditor();
    test::ScriptedMessageBox box;
    for (auto [row, frequency] : {std::pair{1, "438.125"}, std::pair{2, "446.00625"}}) {
        state.editRow = row;
        state.editCol = col::RxFrequency;
        CommitFrequency(state, box, frequency);
    }
    state.editRow = 2;
    state.editCol = col::RxTone;
    PickTone(state, 12);
    return state;
}

// The state without the cell being edited, which an undo leaves where it is.
EditorState dataOf(EditorState state) {
    state.editRow = 0;
    state.editCol = 0;
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
    ASSERT_FALSE(SameEditorData(before, after)) << "the step changes nothing";
    ASSERT_TRUE(history.record(state));
    EXPECT_FALSE(history.record(state)) << "the same data twice is one step";

    ASSERT_TRUE(history.undo(state));
    EXPECT_EQ(dataOf(state), dataOf(before));
    EXPECT_EQ(EncodeImage(state), EncodeImage(before));
    ASSERT_TRUE(history.redo(state));
    EXPECT_EQ(dataOf(state), dataOf(after));
    EXPECT_FALSE(history.canRedo());
}

INSTANTIATE_TEST_SUITE_P(
    Steps, EachKindOfStep,
    testing::Values(Step{"committed frequency",
                         [](EditorState& s) {
                             test::ScriptedMessageBox box;
                             s.editRow = 5;
                             s.editCol = col::RxFrequency;
                             CommitFrequency(s, box, "440.1");
                         }},
                    Step{"committed tone",
                         [](EditorState& s) {
                             s.editRow = 1;
                             s.editCol = col::TxTone;
                             CommitTone(s, "D754I", -1);
                         }},
                    Step{"option pick",
                         [](EditorState& s) {
                             s.editRow = 1;
                             s.editCol = col::Power;
                             PickOption(s, 0);
                         }},
                    Step{"panel pick", [](EditorState& s) { s.squelchLevel = 9; }},
                    Step{"band change with clearing",
                         [](EditorState& s) {
                             test::ScriptedMessageBox box; // answers OK
                             BandSelected(s, box, 3);
                         }},
                    Step{"dialog OK",
                         [](EditorState& s) {
                             s.keyFunctions.keyFunction2 = 7;
                             StoreKeyFunctions(s);
                         }},
                    Step{"New", [](EditorState& s) { ClearChannelsInUse(s); }},
                    Step{"Open or read",
                         [](EditorState& s) {
                             test::ScriptedMessageBox box;
                             DecodeImage(s, test::GoldenStartupImageHex(), box);
                         }},
                    Step{"paste",
                         [](EditorState& s) {
                             PasteChannelRows(
                                 s, 7,
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
    state.editRow = 1;
    state.editCol = col::Power;
    PickOption(state, 0);
    ASSERT_TRUE(history.record(state));

    // English: the cells speak English, the header too; that is no change of data.
    state.languageState = 1;
    SetCellListTexts(state.lists, 1);
    SetChannelTableHeaders(state, 1);
    RelabelChannels(state);
    state.editingLock = true;
    EXPECT_FALSE(history.record(state));

    ASSERT_TRUE(history.undo(state));
    EXPECT_EQ(state.table.at(1, col::Power), "Hight");
    EXPECT_EQ(state.table.at(1, col::RxTone), "Off");
    EXPECT_EQ(state.table.at(0, col::Power), "Power");
    EXPECT_EQ(state.languageState, 1);
    EXPECT_TRUE(state.editingLock);
}

TEST(UndoHistory, ChangesNotYetRecordedAreTheStepUndone) {
    EditorState state = editorWithChannels();
    UndoHistory history;
    history.reset(state);
    const EditorState before = state;
    state.beep = 0;
    ASSERT_TRUE(history.undo(state));
    EXPECT_EQ(state, before);
    ASSERT_TRUE(history.redo(state));
    EXPECT_EQ(state.beep, 0);
    EXPECT_TRUE(history.undo(state));
    EXPECT_FALSE(history.undo(state));
}

TEST(UndoHistory, KeepsItsDepthAndANewStepEndsRedo) {
    EditorState state = MakeStartupEditor();
    UndoHistory history(150);
    EXPECT_FALSE(history.record(state)) << "nothing before the first reset";
    history.reset(state);
    for (int step = 1; step <= 200; ++step) {
        state.testFrequencies.grid[1][1] = std::to_string(step);
        history.record(state);
    }
    EXPECT_EQ(history.undoSteps(), 150u);
    for (int step = 0; step < 150; ++step)
        ASSERT_TRUE(history.undo(state));
    EXPECT_FALSE(history.undo(state));
    EXPECT_EQ(state.testFrequencies.grid[1][1], "50");

    ASSERT_TRUE(history.redo(state));
    state.beep = 0;
    EXPECT_TRUE(history.record(state));
    EXPECT_FALSE(history.canRedo());
}
