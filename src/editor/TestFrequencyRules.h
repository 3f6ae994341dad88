// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Editing rules of the test-frequency grid (rows 1..16; column 1 receive, column 2
// transmit), kept in the dialog's draft. Frequencies are MHz texts with five decimals, lowered
// onto the 5 kHz or the 6.25 kHz grid; there is no band or range check.
#include "editor/EditorState.h"

#include <string>
#include <string_view>

namespace tlv {

// Whether the cell's editor may open: a transmit cell only when its receive cell holds text.
// Cells outside rows 1..16, columns 1..2 are never edited.
bool TestFrequencyCellEditable(const EditorState& state, int row, int column);

// The receive frequency typed as `text` lowered to the nearer of the two grids (the 6.25 kHz
// grid on a tie), as "0.00000" text.
std::string NormaliseReceiveFrequency(std::string_view text);

// The transmit frequency typed as `text` lowered onto the grid of `receiveText`: 6.25 kHz when
// the receive frequency lies on it, otherwise 5 kHz.
std::string NormaliseTransmitFrequency(std::string_view text, std::string_view receiveText);

// After the user committed `text` into cell (row, column): stores the normalised text and
// updates the row's other cell. Receive: empty clears the transmit cell, anything else is
// normalised and copied into it. Transmit: empty takes the receive text, anything else is
// normalised on the receive frequency's grid.
void CommitTestFrequency(EditorState& state, int row, int column, std::string_view text);

} // namespace tlv
