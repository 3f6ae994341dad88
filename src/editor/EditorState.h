// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The editor: the radio's data being edited, what the channel table remembers beside it, what
// the five dialogs show until their OK, and the session around it all. Plain data; the windows
// are views over it.
#include "editor/DialogDrafts.h"
#include "language/Language.h"
#include "radio/ChannelFields.h"
#include "radio/RadioData.h"

#include <array>
#include <cstdint>
#include <optional>

namespace tlv {

inline constexpr int kTableRows = 17; // row 0 is the header, rows 1..16 the channels
inline constexpr int kTableCols = 9;  // column 0 is the channel number

// Columns of the channel table: the number, then one column a field of the channel.
namespace col {
inline constexpr int Number = 0;
inline constexpr int RxFrequency = 1;
inline constexpr int RxTone = 2;
inline constexpr int TxFrequency = 3;
inline constexpr int TxTone = 4;
inline constexpr int Power = 5;
inline constexpr int Forbid = 6;
inline constexpr int Bandwidth = 7;
inline constexpr int Scan = 8;
} // namespace col

// The field a column of the channel table shows; none for the number column and columns outside
// the table.
constexpr std::optional<ChannelField> FieldOfColumn(int column) {
    if (column < col::RxFrequency || column > col::Scan) return std::nullopt;
    return static_cast<ChannelField>(column - col::RxFrequency);
}
constexpr int ColumnOf(ChannelField field) {
    return col::RxFrequency + static_cast<int>(field);
}

// For each tone cell, the tone-list entry the cell goes back to when a typed tone is refused:
// the entry last picked from the list or loaded from an image (a typed tone leaves it). It
// moves with its channel and is undone with it.
struct ToneListMemory {
    std::array<std::array<int16_t, 2>, kChannelCount> position{}; // [channel - 1][rx 0, tx 1]

    int16_t& at(int channel, ChannelField tone) {
        return position[static_cast<std::size_t>(channel - 1)][tone == ChannelField::TxTone];
    }
    int16_t at(int channel, ChannelField tone) const {
        return position[static_cast<std::size_t>(channel - 1)][tone == ChannelField::TxTone];
    }
    bool operator==(const ToneListMemory&) const = default;
};

// What an undo step restores.
struct EditorData {
    RadioData radio;
    ToneListMemory tones;

    bool operator==(const EditorData&) const = default;
};

// The session: choices of the user that are not the radio's data and are never undone.
struct EditorSession {
    Language language = Language::Simplified;
    bool editingLock = false;
    int portNumber = 0;       // n of COMn, 0 when none was ever chosen
    bool serviceMode = false; // the hidden service functions are on

    bool operator==(const EditorSession&) const = default;
};

struct EditorState {
    EditorData data;
    EditorSession session;
    DialogDrafts dialogs;
    // The band selected when the band list was last opened or set without a question: a band
    // change asks before clearing the channels only when it differs from this one.
    int bandBeforeChange = 0;

    bool operator==(const EditorState&) const = default;

    RadioData& radio() { return data.radio; }
    const RadioData& radio() const { return data.radio; }
    Language language() const { return session.language; }
};

} // namespace tlv
