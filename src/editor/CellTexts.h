// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts of the channel table in a language: the header row, the off text of the tone list,
// the entries of the option lists of columns 5..8, and every cell of a channel rendered from
// the radio data. One table each, with the Simplified Chinese and English forms; Traditional
// Chinese is converted from the Simplified form.
#include "editor/EditorState.h"
#include "language/Messages.h"

#include <array>
#include <string>
#include <string_view>

namespace tlv {

// Entry 0 of the tone list.
inline constexpr LocalText kToneOffText{"关闭", "Off"};

// Entries of the option lists of columns 5..8: [column - 5][position].
inline constexpr std::array<std::array<LocalText, 2>, 4> kOptionTexts{{
    {{{"低", "Low"}, {"高", "Hight"}}},
    {{{"关闭", "Off"}, {"载波", "Carrow"}}},
    {{{"窄带", "Narrow"}, {"宽带", "Wide"}}},
    {{{"无", "No"}, {"有", "Have"}}},
}};

// Header row 0 of the channel table, columns 0..8.
inline constexpr std::array<LocalText, kTableCols> kChannelTableHeaders{{
    {"信道", "Channel"},
    {"接收频率", "RX frequency"},
    {"亚音频", "QT/DQT"},
    {"发射频率", "TX frequency"},
    {"亚音频", "QT/DQT"},
    {"功率", "Power"},
    {"禁发", "Forbid"},
    {"宽\\窄带", "Band"},
    {"扫描添加", "Scan"},
}};

// The off text in a language.
std::string ToneOffText(Language language);

// True when `text` is the off text of any language. Tone values ("67.0", "D023N") are the same
// in every language and never count as off.
bool IsToneOffText(std::string_view text);

// The text of entry `position` (0..260) of the tone list; empty outside the list.
std::string ToneListEntryText(Language language, int position);

// The text of a tone in a cell: the off text or the tone's value.
std::string ToneText(Language language, Tone tone);

// Entry `position` (0 or 1) of the option list of `column` (5..8).
std::string OptionText(Language language, int column, int position);

// The header of `column` (0..8).
std::string ChannelTableHeader(Language language, int column);

// The channel number as the table shows it: "01" .. "16".
std::string ChannelNumberText(int row);

// What cell (row, column) of the channel table shows: the header row, the channel number, and
// the channel's values. A channel not in use shows nothing; a transmit tone that is off beside
// no transmit frequency shows nothing.
std::string CellText(const EditorState& state, int row, int column);

} // namespace tlv
