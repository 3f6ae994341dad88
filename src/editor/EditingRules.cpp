// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/EditingRules.h"

#include "editor/EditorOps.h"
#include "editor/ToneEntry.h"
#include "radio/Bands.h"

#include <cstdio>

namespace tlv {

namespace {

bool isDigit(int code) {
    return code >= '0' && code <= '9';
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

BandLimits LimitsOfBand(int band) {
    if (!IsBand(band)) return {};
    const Band& entry = kBands[static_cast<std::size_t>(band)];
    return {entry.low, entry.high};
}

bool OutsideBand(uint64_t tens, const BandLimits& limits) {
    return tens < uint64_t(limits.low) * 100000 || tens >= uint64_t(limits.high) * 100000;
}

bool OutsideBand(const std::optional<Frequency>& frequency, const BandLimits& limits) {
    return frequency && OutsideBand(frequency->tens, limits);
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
    if (text.empty()) {
        // Emptying the receive frequency deletes the channel; a channel keeps its transmit
        // frequency until then.
        if (cell.column != col::RxFrequency) return {FrequencyCommit::Unchanged};
        ClearChannel(state, cell.row);
        return {FrequencyCommit::Deleted};
    }
    return CommitFrequency(state, cell, ReadFrequency(text));
}

FrequencyResult CommitFrequency(EditorState& state, ChannelCell cell,
                                const FrequencyReading& frequency) {
    if (!isChannelRow(cell.row) || !isFrequencyColumn(cell.column) || !frequency.number)
        return {FrequencyCommit::Unchanged};
    Channel& channel = state.radio().channel(cell.row);

    // The range check reads the typed value; the cut to five decimals cannot move it across
    // a whole-MHz limit.
    if (OutsideBand(frequency.bandTens, LimitsOfBand(state.radio().band)))
        return {FrequencyCommit::OutOfBand, &msg::OutOfBand};
    const uint64_t snapped = frequency.tens ? SnapToChannelRaster(*frequency.tens) : 0;
    if (!frequency.tens || snapped > Frequency::kMaxTens) return {FrequencyCommit::Unchanged};
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
        // A CTCSS value: any value of 67.0 to 254.1 Hz, with one decimal; any other value puts
        // the cell's remembered list entry back.
        if (const std::optional<Tone> ctcss = TypedCtcssTone(text)) {
            tone = *ctcss;
            return ToneCommit::Written;
        }
        tone = ToneAtListPosition(state.data.tones.at(cell.row, *cell.field()));
        return ToneCommit::Restored;
    }
    // A DCS code; anything else is refused and the cell keeps its tone.
    const std::optional<Tone> dcs = TypedDcsTone(text);
    if (!dcs) return ToneCommit::Unchanged;
    tone = *dcs;
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
