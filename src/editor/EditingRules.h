#pragma once
// The rules of editing the channel table in place: which keys the in-cell editors accept,
// what a committed frequency, tone or option does to the table, which editor a cell
// selection opens, and what a band change does. Plain functions of the editor state; the
// windows call them and refresh what changed.
#include "editor/EditorState.h"
#include "editor/ToneList.h"
#include "localisation/LocalMsgBox.h"

#include <string>
#include <string_view>

namespace tlv {

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
    Unchanged,  // empty transmit text, non-numeric text, or no frequency cell being edited
    Deleted,    // the receive frequency was emptied: the channel was cleared
    OutOfBand,  // refused with the range message
    Written,    // the edited cell holds the normalised frequency
    NewChannel, // as Written, and the channel got its transmit copy and defaults
};

// True when `text` is a plain decimal number: digits with at most one point, at least one
// digit ("5.", ".5" and "438" are numbers; "", "." and "4.3.8" are not).
bool IsDecimalNumber(std::string_view text);

// Normalises an in-range frequency text to the cell format: five decimals, lowered to the
// channel raster. Decimals beyond the fifth are dropped (never rounded up). Empty when the
// text is not a decimal number.
std::string NormaliseFrequency(std::string_view text);

// Commits the frequency editor's text into cell (editRow, editCol) of the table. Out-of-band
// values are refused with the range message through `box`.
FrequencyCommit CommitFrequency(EditorState& state, MessageBoxService& box, std::string_view text);

// ---- Tones (columns 2 and 4) -------------------------------------------------------------

enum class ToneCommit {
    Unchanged, // the cell keeps its text (refused DCS text, off entry, no tone cell edited)
    Written,   // a CTCSS value or DCS code was written
    Restored,  // an out-of-range CTCSS value: the cell's last picked tone was written back
};

// The user picked list position `position` (0..260) while the tone list was shown: writes
// the entry into the cell and remembers the position in the cell's option entry.
bool PickTone(EditorState& state, int position);

// Commits the tone list's text `text` with its selected position `selectedPosition`
// (-1 after typing) into cell (editRow, editCol).
ToneCommit CommitTone(EditorState& state, std::string_view text, int selectedPosition);

// ---- Options (columns 5 to 8) ------------------------------------------------------------

// The user picked `position` (0 or 1) from the option list of column editCol.
bool PickOption(EditorState& state, int position);

// The position to select when the option list of cell (row, column) opens: the cell's
// option entry, or -1 when the entry is not a position of the two-entry list.
int OptionListPosition(const EditorState& state, int row, int column);

// ---- Cell selection ----------------------------------------------------------------------

enum class CellEditor { None, Frequency, Tone, Option };

// The editor a selection of cell (row, column) opens, without arming or selecting anything:
// the receive frequency's for a channel not in use, None for the header row, the number
// column and cells outside the table.
CellEditor EditorForCell(const EditorState& state, int row, int column);

// Whether a character typed on a cell whose editor is `editor` opens the editor and starts
// its text: a character that editor keeps (not backspace); for an option list, any printable
// character.
bool TypingOpensEditor(CellEditor editor, int code);

// Runs the selection handler for a selection of cell (row, column). Opens nothing unless
// cellClickArmed is set. A selection in a channel not in use goes to its receive frequency.
// Sets editRow/editCol, clears cellClickArmed and tells which editor to open over
// (editRow, editCol). Header row and number column open nothing.
CellEditor SelectCell(EditorState& state, int row, int column);

// ---- Band selection ----------------------------------------------------------------------

enum class BandChange {
    Ignored, // not a band index
    Same,    // the band compared with did not change: no question
    Cleared, // the user agreed: the channel list was cleared
    Kept,    // the user cancelled: the new band applies, the channels stay
};

// The band list's drop-down was opened.
void BandDropDownOpened(EditorState& state);

// The band list's selection became `index` (by a pick, a keyboard step or a program step).
BandChange BandSelected(EditorState& state, MessageBoxService& box, int index);

} // namespace tlv
