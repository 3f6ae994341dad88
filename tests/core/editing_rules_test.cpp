// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/CellTexts.h"
#include "editor/EditingRules.h"
#include "editor/EditorOps.h"
#include "editor/Startup.h"

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
    ChannelCell cell;
    std::vector<const Message*> messages; // what the rules had to tell

    void useLanguage(Language language) { state.session.language = language; }
    // Puts a channel in use the way the user would: a receive frequency typed into row.
    void startChannel(int row, const std::string& frequency = "438.12500") {
        edit(row, col::RxFrequency);
        ASSERT_EQ(commitFrequency(frequency), FrequencyCommit::NewChannel);
    }
    void edit(int row, int column) { cell = {row, column}; }
    FrequencyCommit commitFrequency(const std::string& text) {
        const FrequencyResult result = CommitFrequency(state, cell, text);
        if (result.message != nullptr) messages.push_back(result.message);
        return result.outcome;
    }
    ToneCommit commitTone(const std::string& text, int position) {
        return CommitTone(state, cell, text, position);
    }
    Tone& tone(int row, int column) {
        Channel& channel = state.radio().channel(row);
        return column == col::RxTone ? channel.rxTone : channel.txTone;
    }
    std::string text(int row, int column) const { return CellText(state, row, column); }
    std::vector<std::string> row(int r) const {
        std::vector<std::string> cells;
        for (int column = 0; column < kTableCols; ++column)
            cells.push_back(text(r, column));
        return cells;
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
        EXPECT_EQ(commitFrequency(typed), FrequencyCommit::Written) << typed;
        EXPECT_EQ(text(3, col::TxFrequency), cell) << typed;
        EXPECT_EQ(text(3, col::RxFrequency), "438.12500") << typed;
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(EditingRules, OutOfBandIsRefusedWithTheRangeMessage) {
    startChannel(2);
    const auto before = row(2);
    for (const char* typed : {"470", "399.99999", "0", ".5", "1000", "99999999999999999999"}) {
        edit(2, col::RxFrequency);
        EXPECT_EQ(commitFrequency(typed), FrequencyCommit::OutOfBand) << typed;
        EXPECT_EQ(row(2), before) << typed;
    }
    EXPECT_EQ(messages, std::vector<const Message*>(6, &msg::OutOfBand));
}

TEST_F(EditingRules, BandLimitsIncludeTheLowerAndExcludeTheUpper) {
    SelectBandWithoutQuestion(state, 5); // 136-174 MHz
    edit(1, col::RxFrequency);
    EXPECT_EQ(commitFrequency("136"), FrequencyCommit::NewChannel);
    EXPECT_EQ(text(1, col::RxFrequency), "136.00000");
    EXPECT_EQ(commitFrequency("173.99999"), FrequencyCommit::Written);
    EXPECT_EQ(text(1, col::RxFrequency), "173.99500");
    EXPECT_EQ(commitFrequency("174"), FrequencyCommit::OutOfBand);
    EXPECT_EQ(text(1, col::RxFrequency), "173.99500");
}

TEST_F(EditingRules, NonNumericTextIsRefusedSilently) {
    startChannel(4);
    const auto before = row(4);
    for (const char* typed : {".", "..", "4.3.8", "438,125", " 438", "abc", "1e2"}) {
        for (int column : {col::RxFrequency, col::TxFrequency}) {
            edit(4, column);
            EXPECT_EQ(commitFrequency(typed), FrequencyCommit::Unchanged) << typed;
        }
    }
    EXPECT_EQ(row(4), before);
    EXPECT_TRUE(messages.empty());
}

TEST_F(EditingRules, NewChannelGetsTransmitCopyAndDefaultsInTheCurrentLanguage) {
    struct Case {
        Language language;
        std::vector<std::string> cells;
    } cases[] = {
        {Language::Simplified,
         {"07", "446.00500", "关闭", "446.00500", "关闭", "高", "关闭", "宽带", "有"}},
        {Language::English,
         {"07", "446.00500", "Off", "446.00500", "Off", "Hight", "Off", "Wide", "Have"}},
    };
    for (const Case& c : cases) {
        state = MakeStartupEditor();
        useLanguage(c.language);
        // Stale entries (as left by clearing the list for New) must not survive.
        state.data.tones.at(7, ChannelField::RxTone) = 9;
        edit(7, col::RxFrequency);
        EXPECT_EQ(commitFrequency("446.0062"), FrequencyCommit::NewChannel);
        EXPECT_EQ(row(7), c.cells);
        EXPECT_EQ(state.data.tones.at(7, ChannelField::RxTone), 0);
    }
}

TEST_F(EditingRules, EditingAFrequencyOfAChannelInUseChangesOnlyThatCell) {
    startChannel(6);
    edit(6, col::TxFrequency);
    commitFrequency("440");
    PickTone(state, {6, col::RxTone}, 9);
    auto expected = row(6);

    edit(6, col::RxFrequency);
    EXPECT_EQ(commitFrequency("450"), FrequencyCommit::Written);
    expected[col::RxFrequency] = "450.00000";
    EXPECT_EQ(row(6), expected);
    EXPECT_EQ(state.data.tones.at(6, ChannelField::RxTone), 9);
}

TEST_F(EditingRules, EmptyingReceiveDeletesTheChannelEmptyTransmitIsRefused) {
    startChannel(5);
    PickOption(state, {5, col::Power}, 0);
    PickTone(state, {5, col::TxTone}, 3);

    edit(5, col::TxFrequency);
    EXPECT_EQ(commitFrequency(""), FrequencyCommit::Unchanged);
    EXPECT_EQ(text(5, col::TxFrequency), "438.12500");

    edit(5, col::RxFrequency);
    EXPECT_EQ(commitFrequency(""), FrequencyCommit::Deleted);
    EXPECT_EQ(row(5), (std::vector<std::string>{"05", "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(state.radio().channel(5), Channel{});
    EXPECT_EQ(state.data.tones.at(5, ChannelField::TxTone), 0);
    EXPECT_TRUE(messages.empty());
}

TEST_F(EditingRules, FrequencyCommitOutsideAFrequencyCellChangesNothing) {
    const EditorState before = state;
    for (auto [r, c] : {std::pair{0, 1}, {17, 1}, {1, 0}, {1, 2}, {1, 5}, {-1, 3}}) {
        edit(r, c);
        EXPECT_EQ(commitFrequency(""), FrequencyCommit::Unchanged);
        EXPECT_EQ(commitFrequency("438"), FrequencyCommit::Unchanged);
    }
    EXPECT_EQ(state, before);
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
        tone(8, col::TxTone) = Tone::Dcs(0754, true);
        EXPECT_EQ(commitTone(typed, -1), ToneCommit::Written) << typed;
        EXPECT_EQ(text(8, col::TxTone), cell) << typed;
    }
    for (const char* typed : refused) {
        tone(8, col::TxTone) = Tone::Dcs(0754, true);
        EXPECT_EQ(commitTone(typed, -1), ToneCommit::Unchanged) << typed;
        EXPECT_EQ(text(8, col::TxTone), "D754I") << typed;
    }
}

TEST_F(EditingRules, OutOfRangeToneRestoresTheLastPickedEntryOrOff) {
    using enum Language;
    struct Case {
        int picked; // -1: never picked
        Language language;
        const char* restored;
    } cases[] = {
        {-1, Simplified, "关闭"}, {-1, English, "Off"}, {9, Simplified, "88.5"},
        {260, English, "D754I"},  {0, English, "Off"},
    };
    for (const Case& c : cases) {
        for (const char* typed : {"66.9", "300", "254.15", "", ".", "N", "1D2"}) {
            state = MakeStartupEditor();
            useLanguage(c.language);
            startChannel(9);
            edit(9, col::RxTone);
            if (c.picked >= 0) PickTone(state, cell, c.picked);
            ASSERT_EQ(commitTone("123.4", -1), ToneCommit::Written); // typed: entry kept
            EXPECT_EQ(commitTone(typed, -1), ToneCommit::Restored) << typed;
            EXPECT_EQ(text(9, col::RxTone), c.restored) << typed;
        }
    }
}

TEST_F(EditingRules, PickWritesTheEntryAndRemembersItsPosition) {
    struct Case {
        int position;
        const char* text;
    } cases[] = {{0, "关闭"}, {50, "254.1"}, {260, "D754I"}};
    startChannel(10);
    edit(10, col::TxTone);
    for (const Case& c : cases) {
        ASSERT_TRUE(PickTone(state, cell, c.position));
        EXPECT_EQ(text(10, col::TxTone), c.text);
        EXPECT_EQ(state.data.tones.at(10, ChannelField::TxTone), c.position);
        // The pick hands the focus back to the table, which commits the list's text.
        commitTone(c.text, c.position);
        EXPECT_EQ(text(10, col::TxTone), c.text);
    }
    EXPECT_FALSE(PickTone(state, cell, 261));
    EXPECT_FALSE(PickTone(state, cell, -1));
    EXPECT_FALSE(PickTone(state, {10, col::Power}, 5));
    EXPECT_EQ(text(10, col::Power), "高");
}

TEST_F(EditingRules, OpeningAndLeavingAToneCellKeepsIt) {
    startChannel(11);
    edit(11, col::RxTone);
    for (Tone shown : {Tone::Dcs(023, false), Tone::Ctcss(1000), Tone::Off(), Tone::Ctcss(670)}) {
        tone(11, col::RxTone) = shown;
        const std::string cellText = text(11, col::RxTone);
        commitTone(cellText, ToneListPosition(shown));
        EXPECT_EQ(tone(11, col::RxTone), shown) << cellText;
        commitTone(cellText, -1);
        EXPECT_EQ(tone(11, col::RxTone), shown) << cellText;
    }
}

// ---- Options -----------------------------------------------------------------------------

TEST_F(EditingRules, OptionPickWritesTheTextOfTheCurrentLanguage) {
    startChannel(12);
    EXPECT_EQ(OptionListPosition(state, {12, col::Power}), 1);
    ASSERT_TRUE(PickOption(state, {12, col::Power}, 0));
    EXPECT_EQ(text(12, col::Power), "低");
    EXPECT_EQ(OptionListPosition(state, {12, col::Power}), 0);

    useLanguage(Language::English);
    struct Case {
        int column, position;
        const char* text;
    } cases[] = {{col::Power, 1, "Hight"},
                 {col::Forbid, 1, "Carrow"},
                 {col::Bandwidth, 0, "Narrow"},
                 {col::Scan, 0, "No"}};
    for (const Case& c : cases) {
        ASSERT_TRUE(PickOption(state, {12, c.column}, c.position));
        EXPECT_EQ(text(12, c.column), c.text);
        EXPECT_EQ(OptionListPosition(state, {12, c.column}), c.position);
    }
    EXPECT_FALSE(PickOption(state, {12, col::Power}, 2));
    EXPECT_FALSE(PickOption(state, {12, col::Power}, -1));
    EXPECT_FALSE(PickOption(state, {12, col::RxTone}, 1));
    EXPECT_EQ(OptionListPosition(state, {13, col::Scan}), -1) << "not in use";
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
    CellCursor cursor;
    for (const Case& c : cases) {
        cursor.clickArmed = true;
        EXPECT_EQ(SelectCell(state, cursor, c.row, c.column), c.editor) << c.row << "," << c.column;
        EXPECT_EQ(cursor.cell, (ChannelCell{c.row, c.editCol}));
        EXPECT_FALSE(cursor.clickArmed);
    }
    EXPECT_EQ(SelectCell(state, cursor, 1, 5), CellEditor::None) << "not armed";
    for (auto [r, c] : {std::pair{0, 3}, {1, 0}, {17, 1}, {1, 9}}) {
        cursor.clickArmed = true;
        EXPECT_EQ(SelectCell(state, cursor, r, c), CellEditor::None) << r << "," << c;
    }
}

// ---- Band selection ----------------------------------------------------------------------

TEST_F(EditingRules, BandIndicesOutsideTheListAreIgnored) {
    startChannel(1);
    EXPECT_EQ(BandSelected(state, -1), BandChange::Ignored);
    EXPECT_EQ(BandSelected(state, 7), BandChange::Ignored);
    EXPECT_EQ(state.radio().band, 0);
    EXPECT_TRUE(state.radio().inUse(1));
}

TEST_F(EditingRules, ADifferentBandAsksAndTheAnswerDecidesTheChannels) {
    startChannel(1);
    BandDropDownOpened(state);
    EXPECT_EQ(BandSelected(state, 0), BandChange::Same);
    EXPECT_EQ(BandSelected(state, 5), BandChange::Ask);
    EXPECT_EQ(state.radio().band, 5) << "the band is set before the question";
    EXPECT_EQ(AnswerBandQuestion(state, false), BandChange::Kept);
    EXPECT_TRUE(state.radio().inUse(1));
    EXPECT_EQ(BandSelected(state, 6), BandChange::Ask) << "compared with the band before";
    EXPECT_EQ(AnswerBandQuestion(state, true), BandChange::Cleared);
    EXPECT_FALSE(state.radio().inUse(1));
    EXPECT_EQ(BandSelected(state, 6), BandChange::Same);
}

} // namespace
