// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/EditingRules.h"

#include "editor/EditorOps.h"
#include "radio/Bands.h"
#include "radio/Conversions.h"

#include <algorithm>
#include <cstdio>

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
    const auto field = FieldOfColumn(column);
    return field && IsFrequencyField(*field);
}
bool isToneColumn(int column) {
    const auto field = FieldOfColumn(column);
    return field && IsToneField(*field);
}
bool isOptionColumn(int column) {
    const auto field = FieldOfColumn(column);
    return field && IsOptionField(*field);
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
    const std::string_view wholeDigits = number.substr(0, point);
    std::string whole(wholeDigits.empty() ? std::string_view("0") : wholeDigits);
    std::string fraction =
        point == std::string_view::npos ? "" : std::string(number.substr(point + 1));
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

namespace {

// A decimal number in 10 Hz units, decimals beyond the fifth dropped; nothing for a whole part of
// more than nine digits, which the double arithmetic of NormaliseFrequency handles.
std::optional<uint64_t> decimalTens(std::string_view number) {
    const std::size_t point = number.find('.');
    std::string_view whole = number.substr(0, point);
    while (!whole.empty() && whole.front() == '0')
        whole.remove_prefix(1);
    if (whole.size() > 9) return std::nullopt;
    uint64_t tens = 0;
    for (char c : whole)
        tens = tens * 10 + static_cast<uint64_t>(c - '0');
    std::string_view decimals =
        point == std::string_view::npos ? std::string_view{} : number.substr(point + 1);
    for (std::size_t i = 0; i < 5; ++i)
        tens = tens * 10 + (i < decimals.size() ? static_cast<uint64_t>(decimals[i] - '0') : 0u);
    return tens;
}

// Lowered onto the 5 kHz or 6.25 kHz raster, whichever point lies nearer below.
uint64_t rasterTens(uint64_t tens) {
    const uint64_t lastFour = tens % 10000;
    const uint64_t r5 = lastFour % 500, r6 = lastFour % 625;
    if (r5 != 0 && r6 != 0) tens -= r5 < r6 ? r5 : r6;
    return tens;
}

} // namespace

std::string NormaliseFrequency(std::string_view text) {
    if (!IsDecimalNumber(text)) return {};
    if (const auto tens = decimalTens(text)) {
        const uint64_t snapped = rasterTens(*tens);
        char digits[32];
        std::snprintf(digits, sizeof digits, "%llu.%05llu",
                      static_cast<unsigned long long>(snapped / 100000),
                      static_cast<unsigned long long>(snapped % 100000));
        return digits;
    }
    // Cut to five decimals first: a frequency is only ever lowered onto the raster, so the
    // dropped digits could never have raised it.
    std::size_t point = text.find('.');
    if (point != std::string_view::npos && text.size() > point + 6)
        text = text.substr(0, point + 6);
    std::optional<double> snapped = SnapFrequency(FormatFixed(toDouble(text), 5));
    if (!snapped) return {};
    return FormatFixed(*snapped, 5);
}

BandLimits LimitsOfBand(int band) {
    if (!IsBand(band)) return {};
    const Band& entry = kBands[static_cast<std::size_t>(band)];
    return {entry.low, entry.high};
}

bool OutsideBand(const std::optional<Frequency>& frequency, const BandLimits& limits) {
    return frequency && (frequency->tens < uint32_t(limits.low) * 100000 ||
                         frequency->tens >= uint32_t(limits.high) * 100000);
}

std::string ChannelsOutsideBand(const RadioData& radio) {
    if (!IsBand(radio.band)) return {};
    const BandLimits limits = LimitsOfBand(radio.band);
    std::string lines;
    for (int number = 1; number <= kChannelCount; ++number) {
        const Channel& channel = radio.channel(number);
        if (!channel.inUse() ||
            !(OutsideBand(channel.rx, limits) || OutsideBand(channel.tx, limits)))
            continue;
        char name[8];
        std::snprintf(name, sizeof name, "CH%02d", number);
        lines += std::string(lines.empty() ? "" : "\n") + name;
        if (channel.rx) lines += " RX " + FrequencyText(*channel.rx);
        if (channel.tx) lines += " TX " + FrequencyText(*channel.tx);
        lines += " (" + std::string(kBands[static_cast<std::size_t>(radio.band)].text) + ")";
    }
    return lines;
}

FrequencyResult CommitFrequency(EditorState& state, ChannelCell cell, std::string_view text) {
    if (!isChannelRow(cell.row) || !isFrequencyColumn(cell.column))
        return {FrequencyCommit::Unchanged};
    Channel& channel = state.radio().channel(cell.row);

    if (text.empty()) {
        // Emptying the receive frequency deletes the channel; a channel keeps its transmit
        // frequency until then.
        if (cell.column != col::RxFrequency) return {FrequencyCommit::Unchanged};
        ClearChannel(state, cell.row);
        return {FrequencyCommit::Deleted};
    }
    if (!IsDecimalNumber(text)) return {FrequencyCommit::Unchanged};

    // The range check reads the typed value; the cut to five decimals cannot move it across
    // a whole-MHz limit. A text of up to 15 digits is exact in whole 10 Hz units (and as a
    // double); a longer one is read as a double, as it always was.
    const BandLimits limits = LimitsOfBand(state.radio().band);
    const std::optional<uint64_t> tens = decimalTens(text);
    const auto digits = std::count_if(text.begin(), text.end(), [](char c) { return c != '.'; });
    const double megahertz = tens && digits <= 15 ? double(*tens) / 100000 : toDouble(text);
    if (megahertz < limits.low || megahertz >= limits.high)
        return {FrequencyCommit::OutOfBand, &msg::OutOfBand};
    const uint64_t snapped = tens ? rasterTens(*tens) : 0;
    if (!tens || snapped > Frequency::kMaxTens) return {FrequencyCommit::Unchanged};
    const Frequency normalised{static_cast<uint32_t>(snapped)};

    if (cell.column == col::TxFrequency) {
        channel.tx = normalised;
        return {FrequencyCommit::Written};
    }
    const bool newChannel = !channel.tx.has_value();
    channel.rx = normalised;
    if (!newChannel) return {FrequencyCommit::Written};

    // A new channel (or a receive-only one given a receive frequency): the same transmit
    // frequency, tones off, power high, transmit allowed, wide band, scanned.
    channel.tx = normalised;
    channel.rxTone = Tone::Off();
    channel.txTone = Tone::Off();
    state.data.tones.at(cell.row, ChannelField::RxTone) = 0;
    state.data.tones.at(cell.row, ChannelField::TxTone) = 0;
    channel.power = Power::High;
    channel.forbid = TransmitForbid::Off;
    channel.bandwidth = Bandwidth::Wide;
    channel.scan = true;
    return {FrequencyCommit::NewChannel};
}

// ---- Tones -------------------------------------------------------------------------------

namespace {

Tone& toneOf(EditorState& state, ChannelCell cell) {
    return ToneOf(state.radio().channel(cell.row), *cell.field());
}

// The tenths of a CTCSS tone written with one decimal ("88.5"), as oneDecimal writes it.
uint16_t tenthsOf(const std::string& oneDecimalText) {
    unsigned value = 0;
    for (char c : oneDecimalText)
        if (isDigit(c)) value = value * 10 + static_cast<unsigned>(c - '0');
    return static_cast<uint16_t>(value);
}

} // namespace

bool PickTone(EditorState& state, ChannelCell cell, int position) {
    if (!isChannelRow(cell.row) || !isToneColumn(cell.column)) return false;
    if (position < 0 || position >= kToneListSize) return false;
    toneOf(state, cell) = ToneAtListPosition(position);
    state.data.tones.at(cell.row, *cell.field()) = static_cast<int16_t>(position);
    return true;
}

ToneCommit CommitTone(EditorState& state, ChannelCell cell, std::string_view text,
                      int selectedPosition) {
    if (!isChannelRow(cell.row) || !isToneColumn(cell.column)) return ToneCommit::Unchanged;
    Tone& tone = toneOf(state, cell);

    if ((text.empty() || text.front() != 'D') && selectedPosition != 0) {
        // A CTCSS value: any value of 67.0 to 254.1 Hz, with one decimal.
        std::string_view number = leadingNumber(text);
        const double v = number.empty() ? 0.0 : toDouble(number);
        if (v < 67.0 || v > 254.1) {
            tone = ToneAtListPosition(state.data.tones.at(cell.row, *cell.field()));
            return ToneCommit::Restored;
        }
        tone = Tone::Ctcss(tenthsOf(oneDecimal(number)));
        return ToneCommit::Written;
    }

    // A DCS code: "D", one to three octal digits, "N" or "I". The digits are padded to three;
    // anything else (non-octal digits, a point, more than three digits) would not be stored
    // as the code shown, so it is refused and the cell keeps its tone.
    if (text.size() < 3 || text.front() != 'D') return ToneCommit::Unchanged;
    const char polarity = text.back();
    if (polarity != 'N' && polarity != 'I') return ToneCommit::Unchanged;
    std::string_view middle = text.substr(1, text.size() - 2);
    if (middle.size() > 3) return ToneCommit::Unchanged;
    uint16_t code = 0;
    for (char c : middle) {
        if (!isOctalDigit(c)) return ToneCommit::Unchanged;
        code = static_cast<uint16_t>(code * 8 + (c - '0'));
    }
    // Three octal digits are at most 777, the largest code the radio holds.
    tone = Tone::Dcs(code, polarity == 'I');
    return ToneCommit::Written;
}

// ---- Options -----------------------------------------------------------------------------

bool PickOption(EditorState& state, ChannelCell cell, int position) {
    if (!isChannelRow(cell.row) || !isOptionColumn(cell.column)) return false;
    if (position != 0 && position != 1) return false;
    SetOptionPosition(state.radio().channel(cell.row), *cell.field(), position);
    return true;
}

int OptionListPosition(const EditorState& state, ChannelCell cell) {
    if (!isChannelRow(cell.row) || !isOptionColumn(cell.column)) return -1;
    const Channel& channel = state.radio().channel(cell.row);
    return channel.inUse() ? OptionPosition(channel, *cell.field()) : -1;
}

// ---- Cell selection ----------------------------------------------------------------------

CellEditor EditorForCell(const EditorState& state, int row, int column) {
    if (!isChannelRow(row) || column < col::RxFrequency || column > col::Scan)
        return CellEditor::None;
    // A channel not in use can only be started with its receive frequency.
    if (!state.radio().inUse(row) || isFrequencyColumn(column)) return CellEditor::Frequency;
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

CellEditor SelectCell(const EditorState& state, CellCursor& cursor, int row, int column) {
    if (!cursor.clickArmed) return CellEditor::None;
    cursor.clickArmed = false;
    const CellEditor editor = EditorForCell(state, row, column);
    if (editor == CellEditor::None) return editor;
    cursor.cell = {row, state.radio().inUse(row) ? column : col::RxFrequency};
    return editor;
}

// ---- Band selection ----------------------------------------------------------------------

void BandDropDownOpened(EditorState& state) {
    state.bandBeforeChange = state.radio().band;
}

BandChange BandSelected(EditorState& state, int index) {
    if (!IsBand(index)) return BandChange::Ignored;
    state.radio().band = index;
    return state.bandBeforeChange == index ? BandChange::Same : BandChange::Ask;
}

BandChange AnswerBandQuestion(EditorState& state, bool clearChannels) {
    if (!clearChannels) return BandChange::Kept;
    ClearAllChannels(state);
    state.bandBeforeChange = state.radio().band;
    return BandChange::Cleared;
}

} // namespace tlv
