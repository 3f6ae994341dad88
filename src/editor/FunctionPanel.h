// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The six lists of the main window's function panel, in their order on the panel: the setting
// each list holds as its list position, and how many entries it has.
#include "radio/RadioData.h"

#include <array>

namespace tlv {

enum class PanelList { VoicePrompt, TimeOutTimer, TimeOutWarning, SquelchLevel, BatterySave, Beep };
inline constexpr std::array<PanelList, 6> kPanelLists{
    PanelList::VoicePrompt,  PanelList::TimeOutTimer, PanelList::TimeOutWarning,
    PanelList::SquelchLevel, PanelList::BatterySave,  PanelList::Beep};

// The setting a panel list holds.
constexpr int FunctionSettings::*PanelListSetting(PanelList list) {
    constexpr std::array<int FunctionSettings::*, 6> settings{
        &FunctionSettings::voicePrompt,    &FunctionSettings::timeOutTimer,
        &FunctionSettings::timeOutWarning, &FunctionSettings::squelchLevel,
        &FunctionSettings::batterySave,    &FunctionSettings::beep};
    return settings[static_cast<std::size_t>(list)];
}

// The entries of a panel list: the time-out list's 40 are 15 s to 600 s.
constexpr int PanelListSize(PanelList list) {
    constexpr std::array<int, 6> sizes{3, 40, 11, 10, 2, 2};
    return sizes[static_cast<std::size_t>(list)];
}

// The list position a panel list shows for the data.
constexpr int PanelListPosition(const FunctionSettings& panel, PanelList list) {
    return panel.*PanelListSetting(list);
}

} // namespace tlv
