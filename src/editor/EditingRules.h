// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules of editing the channel table in place: which keys the in-cell editors accept,
// what a committed frequency, tone or option does to a channel, which editor a cell selection
// opens, and what a band change does. Each rule takes the cell it works on and returns what it
// did; a rule that has something to tell the user names the message, and the caller shows it
// in the language in force.
#include "editor/EditorState.h"
#include "language/Messages.h"

#include <optional>
#include <string>
#include <string_view>

namespace tlv {

// A cell of the channel table: channel 1..16 and column (col::).
struct ChannelCell {
    int row = 0;
    int column = 0;
    // The channel's field the cell shows (none for the number column).
    std::optional<ChannelField> field() const { return FieldOfColumn(column); }
    bool operator==(const ChannelCell&) const = default;
};

// ---- Key filters -------------------------------------------------------------------------

// What an editor does with one typed character (its character code, as typed).
enum class KeyAction {
    Keep,    // insert `code` (possibly changed, see FilteredKey::code)
    Discard, // drop the character
    Commit,  // Enter: leave the editor, which commits it
};

struct FilteredKey {
    KeyAction action;
    int code; // the character to insert when action is Keep
};

inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyBackspace = 8;

// Frequency editor: digits, point and backspace; Enter commits.
FilteredKey FilterFrequencyKey(int code);
// Tone list: digits, point, backspace, D N I; d n i become D N I; Enter commits.
FilteredKey FilterToneKey(int code);

// ---- Frequencies (columns 1 and 3) -------------------------------------------------------

inline constexpr int kFrequencyEditorMaxLength = 9;

enum class FrequencyCommit {
    Unchanged,  // empty transmit text, non-numeric text, or not a frequency cell
    Deleted,    // the receive frequency was emptied: the channel was cleared
    OutOfBand,  // refused: msg::OutOfBand
    Written,    // the cell holds the frequency, lowered onto the channel raster
    NewChannel, // as Written, and the channel got its transmit copy and defaults
};

struct FrequencyResult {
    FrequencyCommit outcome;
    const Message* message = nullptr; // what to tell the user, if anything
};

// The band's limits in whole MHz: low included, high not.
struct BandLimits {
    int low = 0;
    int high = 0;
};
BandLimits LimitsOfBand(int band);
// The one band check of a channel's frequency (the cell's commit, a paste, an import, a band
// change by an import, the write's list): a frequency of `tens` (10 Hz units) outside `limits`.
bool OutsideBand(uint64_t tens, const BandLimits& limits);
// A frequency that is given (a channel's receive or transmit side) and lies outside `limits`.
bool OutsideBand(const std::optional<Frequency>& frequency, const BandLimits& limits);

// The channels in use whose receive or transmit frequency lies outside the band in force (a
// data file can hold them: the band list's Cancel keeps the channels with the new band), one a
// line: "CH03 RX 440.00000 TX 440.00000 (136-174MHz)". Empty when every channel fits its band.
std::string ChannelsOutsideBand(const RadioData& radio);

// Commits the frequency editor's text into `cell`. A frequency outside the band in force is
// refused with msg::OutOfBand.
FrequencyResult CommitFrequency(EditorState& state, ChannelCell cell, std::string_view text);
// Commits a frequency read before (ReadFrequency of a non-empty text, as an import gives it)
// into `cell`, as the editor's text would be committed.
FrequencyResult CommitFrequency(EditorState& state, ChannelCell cell,
                                const FrequencyReading& frequency);

// ---- Tones (columns 2 and 4) -------------------------------------------------------------

enum class ToneCommit {
    Unchanged, // the cell keeps its tone (refused DCS text, off entry, not a tone cell)
    Written,   // a CTCSS value or DCS code was written
    Restored,  // an out-of-range CTCSS value: the cell's remembered list entry was written back
};

// The user picked list position `position` (0..260) while the tone list was shown: writes the
// entry's tone into the cell and remembers the position (ToneListMemory).
bool PickTone(EditorState& state, ChannelCell cell, int position);

// Commits the tone list's text `text` with its selected position `selectedPosition` (-1 after
// typing) into `cell`.
ToneCommit CommitTone(EditorState& state, ChannelCell cell, std::string_view text,
                      int selectedPosition);

// ---- Options (columns 5 to 8) ------------------------------------------------------------

// The user picked `position` (0 or 1) from the option list of the cell's column.
bool PickOption(EditorState& state, ChannelCell cell, int position);

// The option a cell of columns 5..8 holds as its list position (0 or 1); -1 for any other
// cell and for a channel not in use.
int OptionListPosition(const EditorState& state, ChannelCell cell);

// ---- Cell selection ----------------------------------------------------------------------

enum class CellEditor { None, Frequency, Tone, Option };

// The cell an in-cell editor works on, and whether a click has armed the table to open one.
// Kept by the window that shows the table.
struct CellCursor {
    ChannelCell cell;
    bool clickArmed = false;
};

// The editor a selection of cell (row, column) opens, without arming or selecting anything:
// the receive frequency's for a channel not in use, None for the header row, the number
// column and cells outside the table.
CellEditor EditorForCell(const EditorState& state, int row, int column);

// Whether a character typed on a cell whose editor is `editor` opens the editor and starts
// its text: a character that editor keeps (not backspace); for an option list, any printable
// character.
bool TypingOpensEditor(CellEditor editor, int code);

// Runs the selection handler for a selection of cell (row, column). Opens nothing unless the
// cursor is armed. A selection in a channel not in use goes to its receive frequency. Sets the
// cursor's cell, disarms it and tells which editor to open over that cell. Header row and
// number column open nothing.
CellEditor SelectCell(const EditorState& state, CellCursor& cursor, int row, int column);

// ---- Band selection ----------------------------------------------------------------------

enum class BandChange {
    Ignored, // not a band index
    Same,    // the band compared with did not change: no question
    Ask,     // the band is set; ask msg::BandChange and give the answer to AnswerBandQuestion
    Cleared, // the user agreed: the channel list was cleared
    Kept,    // the user cancelled: the new band applies, the channels stay
};

// The band list's drop-down was opened.
void BandDropDownOpened(EditorState& state);

// The band list's selection became `index` (by a pick, a keyboard step or a program step):
// the band is set, and Ask when it differs from the band compared with.
BandChange BandSelected(EditorState& state, int index);

// The answer to the band question: OK clears the channel list (Cleared), Cancel keeps it (Kept).
BandChange AnswerBandQuestion(EditorState& state, bool clearChannels);

} // namespace tlv
