#include "editor/EditingRules.h"

#include "editor/EditorOps.h"
#include "editor/ToneList.h"
#include "image/Conversions.h"
#include "image/ImageLayout.h"
#include "localisation/Messages.h"

namespace tlv {

namespace {

bool isDigit(int code) {
    return code >= '0' && code <= '9';
}
bool isOctalDigit(char c) {
    return c >= '0' && c <= '7';
}

bool isChannelRow(int row) {
    return row >= 1 && row <= kChannelCount;
}
bool isFrequencyColumn(int column) {
    return column == col::RxFrequency || column == col::TxFrequency;
}
bool isToneColumn(int column) {
    return column == col::RxTone || column == col::TxTone;
}
bool isOptionColumn(int column) {
    return column >= col::Power && column <= col::Scan;
}

// The decimal number at the start of `text` (digits, at most one point, more digits), as
// text; empty when the text does not start with a number.
std::string_view leadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i]))
            ++i;
    }
    std::string_view number = text.substr(0, i);
    return IsDecimalNumber(number) ? number : std::string_view{};
}

// The value of a decimal number text (independent of the process locale).
double toDouble(std::string_view number) {
    return TextValue(number);
}

// `number` (a decimal number) with exactly one decimal, rounded half up on its digits.
std::string oneDecimal(std::string_view number) {
    std::size_t point = number.find('.');
    std::string whole(number.substr(0, point));
    std::string fraction =
        point == std::string_view::npos ? "" : std::string(number.substr(point + 1));
    if (whole.empty()) whole = "0";
    int tenths = fraction.empty() ? 0 : fraction[0] - '0';
    bool roundUp = fraction.size() > 1 && fraction[1] >= '5';
    if (roundUp && ++tenths == 10) {
        tenths = 0;
        // Carry into the whole part, digit by digit.
        int i = static_cast<int>(whole.size()) - 1;
        for (; i >= 0 && whole[i] == '9'; --i)
            whole[i] = '0';
        if (i < 0)
            whole.insert(whole.begin(), '1');
        else
            ++whole[i];
    }
    // Leading zeros of the whole part are not part of the cell text ("088.5" is 88.5).
    std::size_t firstNonZero = whole.find_first_not_of('0');
    whole = firstNonZero == std::string::npos ? "0" : whole.substr(firstNonZero);
    return whole + "." + static_cast<char>('0' + tenths);
}

std::string toneEntry(const EditorState& state, int position) {
    if (position < 0 || position >= kToneListSize) position = 0;
    return std::string(ToneListEntry(state.lists, position));
}

} // namespace

// ---- Key filters -------------------------------------------------------------------------

FilteredKey FilterFrequencyKey(int code) {
    if (code == kKeyEnter) return {KeyAction::Commit, code};
    if (isDigit(code) || code == kKeyBackspace || code == '.') return {KeyAction::Keep, code};
    return {KeyAction::Discard, code};
}

FilteredKey FilterToneKey(int code) {
    if (code == kKeyEnter) return {KeyAction::Commit, code};
    if (code == 'd' || code == 'n' || code == 'i') return {KeyAction::Keep, code - 32};
    if (isDigit(code) || code == kKeyBackspace || code == '.' || code == 'D' || code == 'N' ||
        code == 'I')
        return {KeyAction::Keep, code};
    return {KeyAction::Discard, code};
}

// ---- Frequencies -------------------------------------------------------------------------

bool IsDecimalNumber(std::string_view text) {
    bool digit = false;
    bool point = false;
    for (char c : text) {
        if (isDigit(c)) {
            digit = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digit;
}

std::string NormaliseFrequency(std::string_view text) {
    if (!IsDecimalNumber(text)) return {};
    // Cut to five decimals first: a frequency is only ever lowered onto the raster, so the
    // dropped digits could never have raised it.
    std::size_t point = text.find('.');
    if (point != std::string_view::npos && text.size() > point + 6)
        text = text.substr(0, point + 6);
    std::optional<double> snapped = SnapFrequency(FormatFixed(toDouble(text), 5));
    if (!snapped) return {};
    return FormatFixed(*snapped, 5);
}

FrequencyCommit CommitFrequency(EditorState& state, MessageBoxService& box, std::string_view text) {
    const int row = state.editRow;
    const int column = state.editCol;
    if (!isChannelRow(row) || !isFrequencyColumn(column)) return FrequencyCommit::Unchanged;

    if (text.empty()) {
        // Emptying the receive frequency deletes the channel; a channel keeps its transmit
        // frequency until then.
        if (column != col::RxFrequency) return FrequencyCommit::Unchanged;
        ClearChannel(state, row);
        return FrequencyCommit::Deleted;
    }
    if (!IsDecimalNumber(text)) return FrequencyCommit::Unchanged;

    // The range check reads the typed value; the cut to five decimals cannot move it across
    // a whole-MHz limit.
    const double f = toDouble(text);
    if (f < state.bandLow || f >= state.bandHigh) {
        ShowMessage(box, state.languageState, msg::OutOfBand);
        return FrequencyCommit::OutOfBand;
    }
    const std::string normalised = NormaliseFrequency(text);
    if (normalised.empty()) return FrequencyCommit::Unchanged;

    ChannelTable& table = state.table;
    table.at(row, column) = normalised;
    if (column != col::RxFrequency || !table.at(row, col::TxFrequency).empty())
        return FrequencyCommit::Written;

    // A new channel: the same transmit frequency, tones off, power high, transmit allowed,
    // wide band, scanned.
    table.at(row, col::TxFrequency) = normalised;
    table.at(row, col::RxTone) = toneEntry(state, 0);
    table.at(row, col::TxTone) = toneEntry(state, 0);
    state.optionIndex.at(row, col::RxTone) = 0;
    state.optionIndex.at(row, col::TxTone) = 0;
    const int defaults[] = {1, 0, 1, 1}; // columns 5..8
    for (int c = col::Power; c <= col::Scan; ++c) {
        const int position = defaults[c - col::Power];
        table.at(row, c) = state.lists.optionText(c, position);
        state.optionIndex.at(row, c) = static_cast<int16_t>(position);
    }
    return FrequencyCommit::NewChannel;
}

// ---- Tones -------------------------------------------------------------------------------

bool PickTone(EditorState& state, int position) {
    if (!isChannelRow(state.editRow) || !isToneColumn(state.editCol)) return false;
    if (position < 0 || position >= kToneListSize) return false;
    state.table.at(state.editRow, state.editCol) = toneEntry(state, position);
    state.optionIndex.at(state.editRow, state.editCol) = static_cast<int16_t>(position);
    return true;
}

ToneCommit CommitTone(EditorState& state, std::string_view text, int selectedPosition) {
    const int row = state.editRow;
    const int column = state.editCol;
    if (!isChannelRow(row) || !isToneColumn(column)) return ToneCommit::Unchanged;
    std::string& cell = state.table.at(row, column);

    if ((text.empty() || text.front() != 'D') && selectedPosition != 0) {
        // A CTCSS value: any value of 67.0 to 254.1 Hz, with one decimal.
        std::string_view number = leadingNumber(text);
        const double v = number.empty() ? 0.0 : toDouble(number);
        if (v < 67.0 || v > 254.1) {
            cell = toneEntry(state, state.optionIndex.at(row, column));
            return ToneCommit::Restored;
        }
        cell = oneDecimal(number);
        return ToneCommit::Written;
    }

    // A DCS code: "D", one to three octal digits, "N" or "I". The digits are padded to three;
    // anything else (non-octal digits, a point, more than three digits) would not be stored
    // as the code shown, so it is refused and the cell keeps its text.
    if (text.size() < 3 || text.front() != 'D') return ToneCommit::Unchanged;
    const char polarity = text.back();
    if (polarity != 'N' && polarity != 'I') return ToneCommit::Unchanged;
    std::string_view middle = text.substr(1, text.size() - 2);
    if (middle.size() > 3) return ToneCommit::Unchanged;
    for (char c : middle)
        if (!isOctalDigit(c)) return ToneCommit::Unchanged;
    // Three octal digits are at most 777, the largest code the radio holds.
    cell = "D" + std::string(3 - middle.size(), '0') + std::string(middle) + polarity;
    return ToneCommit::Written;
}

// ---- Options -----------------------------------------------------------------------------

bool PickOption(EditorState& state, int position) {
    if (!isChannelRow(state.editRow) || !isOptionColumn(state.editCol)) return false;
    if (position != 0 && position != 1) return false;
    state.table.at(state.editRow, state.editCol) = state.lists.optionText(state.editCol, position);
    state.optionIndex.at(state.editRow, state.editCol) = static_cast<int16_t>(position);
    return true;
}

int OptionListPosition(const EditorState& state, int row, int column) {
    if (!isChannelRow(row) || !isOptionColumn(column)) return -1;
    const int position = state.optionIndex.at(row, column);
    return position == 0 || position == 1 ? position : -1;
}

// ---- Cell selection ----------------------------------------------------------------------

CellEditor EditorForCell(const EditorState& state, int row, int column) {
    if (!isChannelRow(row) || column < col::RxFrequency || column > col::Scan)
        return CellEditor::None;
    // A channel not in use can only be started with its receive frequency.
    if (!state.table.inUse(row) || isFrequencyColumn(column)) return CellEditor::Frequency;
    if (isToneColumn(column)) return CellEditor::Tone;
    return CellEditor::Option;
}

bool TypingOpensEditor(CellEditor editor, int code) {
    if (code == kKeyBackspace) return false;
    switch (editor) {
    case CellEditor::Frequency:
        return FilterFrequencyKey(code).action == KeyAction::Keep;
    case CellEditor::Tone:
        return FilterToneKey(code).action == KeyAction::Keep;
    case CellEditor::Option:
        return code >= 32 && code != 127;
    case CellEditor::None:
        break;
    }
    return false;
}

CellEditor SelectCell(EditorState& state, int row, int column) {
    if (!state.cellClickArmed) return CellEditor::None;
    state.cellClickArmed = false;
    const CellEditor editor = EditorForCell(state, row, column);
    if (editor == CellEditor::None) return editor;
    state.editRow = row;
    state.editCol = state.table.inUse(row) ? column : col::RxFrequency;
    return editor;
}

// ---- Band selection ----------------------------------------------------------------------

void BandDropDownOpened(EditorState& state) {
    state.previousBand = state.currentBand;
}

BandChange BandSelected(EditorState& state, MessageBoxService& box, int index) {
    if (index < 0 || index >= static_cast<int>(kBands.size())) return BandChange::Ignored;
    state.currentBand = index;
    SetBandLimits(state, index);
    if (state.previousBand == state.currentBand) return BandChange::Same;
    if (ShowMessage(box, state.languageState, msg::BandChange) != IdOk) return BandChange::Kept;
    SetBandLimits(state, index);
    ClearAllChannels(state);
    state.previousBand = state.currentBand;
    return BandChange::Cleared;
}

} // namespace tlv
