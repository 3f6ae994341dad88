#include "ScriptedMessageBox.h"
#include "editor/EditingRules.h"
#include "editor/Startup.h"
#include "image/ImageLayout.h"
#include "localisation/CellTexts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tlv;

namespace {

// Passes typed text through a key filter as the editor would.
template <typename Filter>
std::string typeInto(std::string text, const std::string& keys, Filter filter) {
    for (char key : keys) {
        FilteredKey k = filter(static_cast<unsigned char>(key));
        if (k.action != KeyAction::Keep) continue;
        if (k.code == kKeyBackspace) {
            if (!text.empty()) text.pop_back();
        } else {
            text.push_back(static_cast<char>(k.code));
        }
    }
    return text;
}

class EditingRules : public ::testing::Test {
  protected:
    EditorState state = MakeStartupEditor();
    test::ScriptedMessageBox box;

    void useLanguage(int languageState) {
        state.languageState = languageState;
        SetCellListTexts(state.lists, languageState);
    }
    // Puts a channel in use the way the user would: a receive frequency typed into row.
    void startChannel(int row, const std::string& frequency = "438.12500") {
        edit(row, col::RxFrequency);
        ASSERT_EQ(CommitFrequency(state, box, frequency), FrequencyCommit::NewChannel);
    }
    void edit(int row, int column) {
        state.editRow = row;
        state.editCol = column;
    }
    std::vector<std::string> row(int r) const {
        auto& cells = state.table.cell[r];
        return {cells.begin(), cells.end()};
    }
};

// ---- Key filters -------------------------------------------------------------------------

TEST(KeyFilter, FrequencyKeepsDigitsAndPointToneAlsoDniInUpperCase) {
    EXPECT_EQ(typeInto("", "0123456789.aDeE -+,/:", FilterFrequencyKey), "0123456789.");
    EXPECT_EQ(typeInto("438.125", "\b\b9x", FilterFrequencyKey), "438.19");
    EXPECT_EQ(typeInto("", "dniDNI0189.aeoOxcC -", FilterToneKey), "DNIDNI0189.");
    EXPECT_EQ(typeInto("", "Off 88x.5\bd", FilterToneKey), "88.D");
    for (int code : {27, 22, 0, 0x4E2D}) {
        EXPECT_EQ(FilterFrequencyKey(code).action, KeyAction::Discard) << code;
        EXPECT_EQ(FilterToneKey(code).action, KeyAction::Discard) << code;
    }
    EXPECT_EQ(FilterFrequencyKey(kKeyEnter).action, KeyAction::Commit);
    EXPECT_EQ(FilterToneKey(kKeyEnter).action, KeyAction::Commit);
}

// ---- Frequencies -------------------------------------------------------------------------

TEST_F(EditingRules, FrequencyIsFormattedAndLoweredOntoTheRaster) {
    const std::pair<const char*, const char*> cases[] = {
        {"438.12345", "438.12000"}, // remainders 345 and 470: the smaller one goes
        {"438.00625", "438.00625"},  {"438.0125", "438.01250"},  {"400", "400.00000"},
        {"469.99999", "469.99500"},  {"446.0062", "446.00500"},  {"446.007", "446.00625"},
        {"446.0051", "446.00500"},   {"0438.125", "438.12500"},  {"438.", "438.00000"},
        {"469.999999", "469.99500"}, {"446.006249", "446.00500"} // dropped, never rounded up
    };
    startChannel(3);
    for (const auto& [typed, cell] : cases) {
        edit(3, col::TxFrequency);
        EXPECT_EQ(CommitFrequency(state, box, typed), FrequencyCommit::Written) << typed;
        EXPECT_EQ(state.table.at(3, col::TxFrequency), cell) << typed;
        EXPECT_EQ(state.table.at(3, col::RxFrequency), "438.12500") << typed;
    }
    EXPECT_TRUE(box.shown.empty());
}

TEST_F(EditingRules, OutOfBandIsRefusedWithTheRangeMessage) {
    startChannel(2);
    const auto before = row(2);
    for (const char* typed : {"470", "399.99999", "0", ".5", "1000", "99999999999999999999"}) {
        edit(2, col::RxFrequency);
        EXPECT_EQ(CommitFrequency(state, box, typed), FrequencyCommit::OutOfBand) << typed;
        EXPECT_EQ(row(2), before) << typed;
    }
    ASSERT_EQ(box.shown.size(), 6u);
    EXPECT_EQ(box.shown[0].text, "超出频段范围");
    EXPECT_EQ(box.shown[0].title, "");
    EXPECT_EQ(box.shown[0].flags, 0);
}

TEST_F(EditingRules, BandLimitsIncludeTheLowerAndExcludeTheUpper) {
    state.bandLow = 136;
    state.bandHigh = 174;
    edit(1, col::RxFrequency);
    EXPECT_EQ(CommitFrequency(state, box, "136"), FrequencyCommit::NewChannel);
    EXPECT_EQ(state.table.at(1, col::RxFrequency), "136.00000");
    EXPECT_EQ(CommitFrequency(state, box, "173.99999"), FrequencyCommit::Written);
    EXPECT_EQ(state.table.at(1, col::RxFrequency), "173.99500");
    EXPECT_EQ(CommitFrequency(state, box, "174"), FrequencyCommit::OutOfBand);
    EXPECT_EQ(state.table.at(1, col::RxFrequency), "173.99500");
}

TEST_F(EditingRules, NonNumericTextIsRefusedSilently) {
    startChannel(4);
    const auto before = row(4);
    for (const char* typed : {".", "..", "4.3.8", "438,125", " 438", "abc", "1e2"}) {
        for (int column : {col::RxFrequency, col::TxFrequency}) {
            edit(4, column);
            EXPECT_EQ(CommitFrequency(state, box, typed), FrequencyCommit::Unchanged) << typed;
        }
    }
    EXPECT_EQ(row(4), before);
    EXPECT_TRUE(box.shown.empty());
}

TEST_F(EditingRules, NewChannelGetsTransmitCopyAndDefaultsInTheCurrentLanguage) {
    struct Case {
        int language;
        std::vector<std::string> cells;
    } cases[] = {
        {0, {"07", "446.00500", "关闭", "446.00500", "关闭", "高", "关闭", "宽带", "有"}},
        {1, {"07", "446.00500", "Off", "446.00500", "Off", "Hight", "Off", "Wide", "Have"}},
    };
    for (const Case& c : cases) {
        state = MakeStartupEditor();
        useLanguage(c.language);
        // Stale entries (as left by clearing the list for New) must not survive.
        state.optionIndex.at(7, col::RxTone) = 9;
        state.optionIndex.at(7, col::Forbid) = 1;
        edit(7, col::RxFrequency);
        EXPECT_EQ(CommitFrequency(state, box, "446.0062"), FrequencyCommit::NewChannel);
        EXPECT_EQ(row(7), c.cells);
        const int entries[] = {0, 0, 0, 1, 0, 1, 1}; // columns 2..8 (3 unused)
        for (int column = col::RxTone; column <= col::Scan; ++column)
            if (column != col::TxFrequency) {
                EXPECT_EQ(state.optionIndex.at(7, column), entries[column - 2]) << column;
            }
    }
}

TEST_F(EditingRules, EditingAFrequencyOfAChannelInUseChangesOnlyThatCell) {
    startChannel(6);
    edit(6, col::TxFrequency);
    CommitFrequency(state, box, "440");
    edit(6, col::RxTone);
    PickTone(state, 9);
    auto expected = row(6);

    edit(6, col::RxFrequency);
    EXPECT_EQ(CommitFrequency(state, box, "450"), FrequencyCommit::Written);
    expected[col::RxFrequency] = "450.00000";
    EXPECT_EQ(row(6), expected);
    EXPECT_EQ(state.optionIndex.at(6, col::RxTone), 9);
}

TEST_F(EditingRules, EmptyingReceiveDeletesTheChannelEmptyTransmitIsRefused) {
    startChannel(5);
    edit(5, col::Power);
    PickOption(state, 0);

    edit(5, col::TxFrequency);
    EXPECT_EQ(CommitFrequency(state, box, ""), FrequencyCommit::Unchanged);
    EXPECT_EQ(state.table.at(5, col::TxFrequency), "438.12500");

    edit(5, col::RxFrequency);
    EXPECT_EQ(CommitFrequency(state, box, ""), FrequencyCommit::Deleted);
    EXPECT_EQ(row(5), (std::vector<std::string>{"05", "", "", "", "", "", "", "", ""}));
    for (int column = col::RxTone; column <= col::Scan; ++column)
        EXPECT_EQ(state.optionIndex.at(5, column), 0);
    EXPECT_TRUE(box.shown.empty());
}

TEST_F(EditingRules, FrequencyCommitOutsideAFrequencyCellChangesNothing) {
    const EditorState before = state;
    for (auto [r, c] : {std::pair{0, 1}, {17, 1}, {1, 0}, {1, 2}, {1, 5}, {-1, 3}}) {
        edit(r, c);
        EXPECT_EQ(CommitFrequency(state, box, ""), FrequencyCommit::Unchanged);
        EXPECT_EQ(CommitFrequency(state, box, "438"), FrequencyCommit::Unchanged);
    }
    EXPECT_EQ(state.table.cell, before.table.cell);
}

// ---- Tones -------------------------------------------------------------------------------

TEST_F(EditingRules, TypedToneIsNormalisedOrRefused) {
    const std::pair<const char*, const char*> written[] = {
        {"D23N", "D023N"},  {"D7I", "D007I"},  {"D023N", "D023N"}, {"D0N", "D000N"},
        {"D777I", "D777I"}, {"88.5", "88.5"},  {"100", "100.0"},   {"67", "67.0"},
        {"254.1", "254.1"}, {"088.5", "88.5"}, {"88.55", "88.6"},  {"99.96", "100.0"},
        {"88.5N", "88.5"},  {"100.", "100.0"}};
    // DCS text that would not be stored as the code shown is refused.
    const char* refused[] = {"D800N", "D089N", "D1.5N", "D0023N", "D", "DN", "D23", "D23D", "DDN"};
    startChannel(8);
    edit(8, col::TxTone);
    for (const auto& [typed, cell] : written) {
        state.table.at(8, col::TxTone) = "D754I";
        EXPECT_EQ(CommitTone(state, typed, -1), ToneCommit::Written) << typed;
        EXPECT_EQ(state.table.at(8, col::TxTone), cell) << typed;
    }
    for (const char* typed : refused) {
        state.table.at(8, col::TxTone) = "D754I";
        EXPECT_EQ(CommitTone(state, typed, -1), ToneCommit::Unchanged) << typed;
        EXPECT_EQ(state.table.at(8, col::TxTone), "D754I") << typed;
    }
}

TEST_F(EditingRules, OutOfRangeToneRestoresTheLastPickedEntryOrOff) {
    struct Case {
        int picked; // -1: never picked
        int language;
        const char* restored;
    } cases[] = {
        {-1, 0, "关闭"}, {-1, 1, "Off"}, {9, 0, "88.5"}, {260, 1, "D754I"}, {0, 1, "Off"},
    };
    for (const Case& c : cases) {
        for (const char* typed : {"66.9", "300", "254.15", "", ".", "N", "1D2"}) {
            state = MakeStartupEditor();
            useLanguage(c.language);
            startChannel(9);
            edit(9, col::RxTone);
            state.table.at(9, col::RxTone) = "123.4"; // typed earlier, entry kept
            if (c.picked >= 0) {
                PickTone(state, c.picked);
                state.table.at(9, col::RxTone) = "123.4";
            }
            EXPECT_EQ(CommitTone(state, typed, -1), ToneCommit::Restored) << typed;
            EXPECT_EQ(state.table.at(9, col::RxTone), c.restored) << typed;
        }
    }
}

TEST_F(EditingRules, PickWritesTheEntryAndRemembersItsPosition) {
    struct Case {
        int position;
        const char* text;
    } cases[] = {{0, "关闭"}, {50, "254.1"}, {260, "D754I"}};
    startChannel(10);
    for (const Case& c : cases) {
        edit(10, col::TxTone);
        ASSERT_TRUE(PickTone(state, c.position));
        EXPECT_EQ(state.table.at(10, col::TxTone), c.text);
        EXPECT_EQ(state.optionIndex.at(10, col::TxTone), c.position);
        // The pick hands the focus back to the table, which commits the list's text.
        CommitTone(state, c.text, c.position);
        EXPECT_EQ(state.table.at(10, col::TxTone), c.text);
    }
    EXPECT_FALSE(PickTone(state, 261));
    EXPECT_FALSE(PickTone(state, -1));
    edit(10, col::Power);
    EXPECT_FALSE(PickTone(state, 5));
    EXPECT_EQ(state.table.at(10, col::Power), "高");
}

TEST_F(EditingRules, OpeningAndLeavingAToneCellKeepsIt) {
    startChannel(11);
    edit(11, col::RxTone);
    for (const char* cell : {"D023N", "100.0", "关闭", "67.0"}) {
        state.table.at(11, col::RxTone) = cell;
        const int position = ToneListPosition(state.lists, cell);
        CommitTone(state, cell, position);
        EXPECT_EQ(state.table.at(11, col::RxTone), cell) << cell;
        CommitTone(state, cell, -1);
        EXPECT_EQ(state.table.at(11, col::RxTone), cell) << cell;
    }
}

// ---- Options -----------------------------------------------------------------------------

TEST_F(EditingRules, OptionPickWritesTheTextOfTheCurrentLanguage) {
    startChannel(12);
    EXPECT_EQ(OptionListPosition(state, 12, col::Power), 1);
    edit(12, col::Power);
    ASSERT_TRUE(PickOption(state, 0));
    EXPECT_EQ(state.table.at(12, col::Power), "低");
    EXPECT_EQ(state.optionIndex.at(12, col::Power), 0);
    EXPECT_EQ(OptionListPosition(state, 12, col::Power), 0);

    useLanguage(1);
    struct Case {
        int column, position;
        const char* text;
    } cases[] = {{col::Power, 1, "Hight"},
                 {col::Forbid, 1, "Carrow"},
                 {col::Bandwidth, 0, "Narrow"},
                 {col::Scan, 0, "No"}};
    for (const Case& c : cases) {
        edit(12, c.column);
        ASSERT_TRUE(PickOption(state, c.position));
        EXPECT_EQ(state.table.at(12, c.column), c.text);
        EXPECT_EQ(state.optionIndex.at(12, c.column), c.position);
    }
    EXPECT_FALSE(PickOption(state, 2));
    EXPECT_FALSE(PickOption(state, -1));
    edit(12, col::RxTone);
    EXPECT_FALSE(PickOption(state, 1));
    state.optionIndex.at(12, col::Scan) = 7;
    EXPECT_EQ(OptionListPosition(state, 12, col::Scan), -1);
}

// ---- Cell selection ----------------------------------------------------------------------

TEST_F(EditingRules, SelectionOpensTheEditorOfTheCellWhenArmed) {
    startChannel(1);
    struct Case {
        int row, column;
        CellEditor editor;
        int editCol;
    } cases[] = {{1, 1, CellEditor::Frequency, 1},
                 {1, 2, CellEditor::Tone, 2},
                 {1, 3, CellEditor::Frequency, 3},
                 {1, 4, CellEditor::Tone, 4},
                 {1, 5, CellEditor::Option, 5},
                 {1, 8, CellEditor::Option, 8},
                 // A channel not in use only starts with its receive frequency.
                 {2, 5, CellEditor::Frequency, 1},
                 {16, 4, CellEditor::Frequency, 1}};
    for (const Case& c : cases) {
        state.cellClickArmed = true;
        EXPECT_EQ(SelectCell(state, c.row, c.column), c.editor) << c.row << "," << c.column;
        EXPECT_EQ(state.editRow, c.row);
        EXPECT_EQ(state.editCol, c.editCol);
        EXPECT_FALSE(state.cellClickArmed);
    }
    EXPECT_EQ(SelectCell(state, 1, 5), CellEditor::None) << "not armed";
    for (auto [r, c] : {std::pair{0, 3}, {1, 0}, {17, 1}, {1, 9}}) {
        state.cellClickArmed = true;
        EXPECT_EQ(SelectCell(state, r, c), CellEditor::None) << r << "," << c;
    }
}

// ---- Band selection ----------------------------------------------------------------------

TEST_F(EditingRules, BandIndicesOutsideTheListAreIgnored) {
    startChannel(1);
    EXPECT_EQ(BandSelected(state, box, -1), BandChange::Ignored);
    EXPECT_EQ(BandSelected(state, box, 7), BandChange::Ignored);
    EXPECT_EQ(state.currentBand, 0);
    EXPECT_TRUE(state.table.inUse(1));
    EXPECT_TRUE(box.shown.empty());
}

} // namespace
