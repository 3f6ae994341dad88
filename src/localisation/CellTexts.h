#pragma once
// The language-dependent texts that the channel table holds or shows: the off text of the tone
// list, the entries of the option lists of columns 5..8 and the header row. One table each,
// with the Simplified Chinese and English forms; Traditional Chinese is converted from the
// Simplified form.
#include "editor/EditorState.h"
#include "localisation/Messages.h"

#include <array>
#include <string>

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

// The off text in a language state (0 Simplified, 1 English, 2 Traditional).
std::string ToneOffText(int languageState);

// Fills the off text and the option list entries for a language state.
void SetCellListTexts(CellListTexts& texts, int languageState);

// Writes the header texts of a language state into row 0 of the channel table.
void SetChannelTableHeaders(EditorState& state, int languageState);

} // namespace tlv
