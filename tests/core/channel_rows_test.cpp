// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/CellTexts.h"
#include "editor/ChannelRows.h"
#include "editor/EditingRules.h"
#include "editor/Startup.h"

#include <gtest/gtest.h>

using namespace tlv;

namespace {

// Channel `row` made through the editing rules: a receive frequency, a tone pick, and the
// power and scan lists on their first entry.
void typeChannel(EditorState& state, int row, const char* frequency, int tonePosition) {
    CommitFrequency(state, {row, col::RxFrequency}, frequency);
    PickTone(state, {row, col::TxTone}, tonePosition);
    for (int column : {col::Power, col::Scan})
        PickOption(state, {row, column}, 0);
}

EditorState editorWithRows(Language language = Language::Simplified) {
    EditorState state = MakeStartupEditor(language);
    typeChannel(state, 2, "438.125", 12);
    typeChannel(state, 3, "446.00625", 200);
    typeChannel(state, 5, "401", 0);
    return state;
}

// The channel of a row and the tone-list entries it remembers.
struct Row {
    Channel channel;
    std::array<int16_t, 2> tones;
    bool operator==(const Row&) const = default;
};

Row rowOf(const EditorState& state, int row) {
    return {state.radio().channel(row), state.data.tones.position[row - 1]};
}

std::array<std::string, kTableCols> cellsOf(const EditorState& state, int row) {
    std::array<std::string, kTableCols> cells;
    for (int column = 0; column < kTableCols; ++column)
        cells[column] = CellText(state, row, column);
    return cells;
}

} // namespace

TEST(ChannelRowsText, CopyThenPasteElsewhereGivesTheSameRowsInEveryLanguage) {
    for (Language language : {Language::Simplified, Language::English, Language::Traditional}) {
        EditorState state = editorWithRows(language);
        const std::string text = ChannelRowsText(state, std::vector{3, 2, 4});
        std::string header;
        for (const std::string& cell : cellsOf(state, 0))
            header += (header.empty() ? "" : "\t") + cell;
        EXPECT_EQ(text.substr(0, text.find('\n')), header);
        const PasteOutcome pasted = PasteChannelRows(state, 10, text);
        EXPECT_EQ(pasted.rows, 3);
        EXPECT_EQ(pasted.problem, "");
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(rowOf(state, 10 + i), rowOf(state, 2 + i)) << " row " << i;
    }
    // Rows copied in one language paste into an editor speaking another.
    EditorState chinese = editorWithRows(Language::Simplified);
    EditorState english = MakeStartupEditor(Language::English);
    ASSERT_EQ(PasteChannelRows(english, 2, ChannelRowsText(chinese, std::vector{2})).rows, 1);
    EXPECT_EQ(CellText(english, 2, col::Power), "Low");
    EXPECT_EQ(english.data.tones.at(2, ChannelField::TxTone), 12);
}

TEST(PasteChannelRows, TakesTheRowsAsSpreadsheetsAndEditorsGiveThemBack) {
    EditorState state = MakeStartupEditor(Language::English);
    // No header, CRLF, quoted fields, a row cut short, lower case, numbers to normalise.
    const std::string text = "1\t\"438.1234\"\t67\t439\td23i\tLow\tCarrow\tNarrow\tNo\r\n"
                             "2\r\n"
                             "3\t440\tOff\t\tOff\tHIGHT\tOff\tWide\tHave\r\n\r\n";
    CommitFrequency(state, {5, col::RxFrequency}, "410"); // overwritten by the empty row
    const PasteOutcome pasted = PasteChannelRows(state, 4, text);
    ASSERT_EQ(pasted.problem, "");
    EXPECT_EQ(pasted.rows, 3);
    EXPECT_EQ(cellsOf(state, 4),
              (std::array<std::string, kTableCols>{"04", "438.12000", "67.0", "439.00000", "D023I",
                                                   "Low", "Carrow", "Narrow", "No"}));
    EXPECT_EQ(state.data.tones.at(4, ChannelField::RxTone), 1);
    EXPECT_FALSE(state.radio().inUse(5));
    EXPECT_FALSE(state.radio().channel(6).tx);
    EXPECT_EQ(CellText(state, 6, col::TxTone), ""); // off beside no transmit frequency
    EXPECT_EQ(CellText(state, 6, col::Power), "Hight");
}

TEST(PasteChannelRows, AnyBadValueRefusesThePasteNamingRowAndColumn) {
    const EditorState before = editorWithRows(Language::English); // band 400-470 MHz
    const std::string good = "01\t438.00000\tOff\t438.00000\tOff\tHight\tOff\tWide\tHave\n";
    const std::pair<std::string, std::string> cases[] = {
        {good + "02\t470.00000\tOff\t438\tOff\tHight\tOff\tWide\tHave\n",
         "Row 2 (channel 06), RX frequency: Beyond the frequency range"},
        {good + "02\t438\tOff\t43x8\tOff\tHight\tOff\tWide\tHave\n",
         "Row 2 (channel 06), TX frequency: not a frequency"},
        {"01\t438\t66.9\t438\tOff\tHight\tOff\tWide\tHave\n",
         "Row 1 (channel 05), QT/DQT: not a tone (Off, 67.0 to 254.1 or a DCS code such as D023N)"},
        {"01\t438\tOff\t438\t\tHight\tOff\tWide\tHave\n",
         "Row 1 (channel 05), QT/DQT: a tone cannot be empty beside a frequency"},
        {"01\t438\tOff\t438\tOff\tMedium\tOff\tWide\tHave\n",
         "Row 1 (channel 05), Power: not an entry of its list (Low/Hight)"},
        {good + good + "\n03\n05\t438\tOff\t438\tOff\tHight\tOff\tWide\tYes\n",
         "Row 5 (channel 09), Scan: not an entry of its list (No/Have)"},
        {good + "02\t438\tOff\t438\tOff\tHight\tOff\tWide\tHave\tx\n",
         "Row 2 (channel 06), 10: more columns than the channel table"},
    };
    for (const auto& [text, problem] : cases) {
        EditorState state = before;
        const PasteOutcome pasted = PasteChannelRows(state, 5, text);
        EXPECT_EQ(pasted.problem, problem);
        EXPECT_EQ(pasted.rows, 0);
        EXPECT_EQ(state, before) << problem;
    }
    EditorState state = before;
    EXPECT_EQ(PasteChannelRows(state, 15, good + good + good).problem,
              "Row 3 (channel 17), Channel: beyond channel 16");
    // Nothing to paste: no problem, no row.
    for (const char* text : {"", "\n\n", "Channel\tRX frequency\n"}) {
        const PasteOutcome pasted = PasteChannelRows(state, 1, text);
        EXPECT_EQ(pasted.rows, 0);
        EXPECT_EQ(pasted.problem, "");
    }
    EXPECT_EQ(state, before);
}

TEST(RowCommands, RowsKeepTheirOptionIndicesWhereverTheyGo) {
    EditorState state = editorWithRows();
    const Row two = rowOf(state, 2);
    const Row three = rowOf(state, 3);
    const Row five = rowOf(state, 5);
    const Row empty = rowOf(MakeStartupEditor(), 1);

    EXPECT_EQ(MoveChannels(state, std::vector{2, 3}, -1), (std::vector{1, 2}));
    EXPECT_EQ(rowOf(state, 1), two);
    EXPECT_EQ(rowOf(state, 2), three);
    EXPECT_EQ(rowOf(state, 3), empty);
    EXPECT_TRUE(MoveChannels(state, std::vector{1, 5}, -1).empty()) << "row 1 cannot go up";
    EXPECT_EQ(MoveChannels(state, std::vector{1, 5}, 1), (std::vector{2, 6}));
    EXPECT_EQ(rowOf(state, 1), three);
    EXPECT_EQ(rowOf(state, 2), two);
    EXPECT_EQ(rowOf(state, 5), empty);
    EXPECT_EQ(rowOf(state, 6), five);

    ASSERT_TRUE(InsertEmptyChannel(state, 2));
    EXPECT_EQ(rowOf(state, 1), three);
    EXPECT_EQ(rowOf(state, 2), empty);
    EXPECT_EQ(rowOf(state, 3), two);
    EXPECT_EQ(rowOf(state, 7), five);

    DeleteChannels(state, std::vector{3, 99, 7});
    EXPECT_EQ(rowOf(state, 3), empty);
    EXPECT_EQ(rowOf(state, 7), empty);
    EXPECT_EQ(rowOf(state, 1), three);

    typeChannel(state, 16, "450", 3);
    const EditorState full = state;
    EXPECT_FALSE(InsertEmptyChannel(state, 1)) << "channel 16 in use";
    EXPECT_TRUE(MoveChannels(state, std::vector{16}, 1).empty());
    EXPECT_EQ(state, full);
}
