// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The channel card: the channel list and the settings of the editor on one page, in the
// language in force, for a dealer to print or hand out as PDF. The texts are the window's own
// (column titles, labels, list entries); the window only lays them out on the page.
#include "editor/EditorState.h"

#include <array>
#include <string>
#include <vector>

namespace tlv {

struct ChannelCard {
    struct Setting {
        std::string label;
        std::string value;
    };
    struct Section {
        std::string title;
        std::vector<Setting> settings;
    };

    std::string title;                           // the radio's name
    Setting band;                                // the band frame's caption and band
    std::array<std::string, kTableCols> columns; // the channel table's column titles
    std::array<std::array<std::string, kTableCols>, 16> channels; // number and cells, 1..16
    std::vector<Section> sections;                                // function panel, keys
};

ChannelCard MakeChannelCard(const EditorState& state);

} // namespace tlv
