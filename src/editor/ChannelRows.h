// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whole channel rows: the row commands of the channel table (delete, insert an empty row, move)
// and the rows as tab-separated text for the clipboard, which a spreadsheet or a text editor
// takes and gives back. A row keeps its option indices wherever it goes. Pasted text is
// checked with the editing rules of the cells, and either every row is written or none.
#include "editor/EditorState.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tlv {

// The channel rows (1..16) among `rows`, ascending, each once.
std::vector<int> ChannelRowSet(std::span<const int> rows);

// Empties the rows as emptying their receive frequency does.
void DeleteChannels(EditorState& state, std::span<const int> rows);

// Shifts channels `row`..15 down by one and leaves `row` empty. Refused (false, nothing
// changed) when channel 16 is in use or `row` is not a channel.
bool InsertEmptyChannel(EditorState& state, int row);

// Moves each of the rows one place up (step -1) or down (step +1), the rows it passes moving
// the other way. Returns the rows' new places; empty, and nothing changed, when a row would
// leave the table.
std::vector<int> MoveChannels(EditorState& state, std::span<const int> rows, int step);

// The rows as text: a header line with the table's column titles, then one line per row with
// the channel number and the eight cells as the table shows them, fields separated by tabs.
std::string ChannelRowsText(const EditorState& state, std::span<const int> rows);

struct PasteOutcome {
    int rows = 0;        // rows written; 0 when refused
    std::string problem; // why nothing was written: the first bad row and column, localised
};

// Writes the rows of `text` into channels firstRow, firstRow + 1 ... A first line whose
// first field is not a number is the header and skipped; blank lines at the end are ignored.
// Each line holds the channel number (not used: the rows land where they are pasted) and the
// eight cells. A cell may be in any of the three languages; the receive frequency empty makes
// the channel empty. Frequencies are checked against the band and snapped as typed ones are,
// tones and list entries as picked ones. On the first bad value nothing is written.
PasteOutcome PasteChannelRows(EditorState& state, int firstRow, std::string_view text);

} // namespace tlv
