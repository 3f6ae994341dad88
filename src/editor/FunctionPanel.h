// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The six lists of the main window's function panel, in their order on the panel, and the
// setting each list holds as its list position.
#include "image/SettingTable.h"
#include "radio/RadioData.h"

#include <array>

namespace tlv {

enum class PanelList { VoicePrompt, TimeOutTimer, TimeOutWarning, SquelchLevel, BatterySave, Beep };
inline constexpr std::array<PanelList, 6> kPanelLists{
    PanelList::VoicePrompt,  PanelList::TimeOutTimer, PanelList::TimeOutWarning,
    PanelList::SquelchLevel, PanelList::BatterySave,  PanelList::Beep};

// The setting a panel list holds, from the settings' table.
constexpr const SettingField& PanelListSetting(PanelList list) {
    constexpr std::array<const SettingField*, 6> settings{
        &Setting("VoicePrompt"),  &Setting("TimeOutTimer"), &Setting("TimeOutWarning"),
        &Setting("SquelchLevel"), &Setting("BatterySave"),  &Setting("Beep")};
    return *settings[static_cast<std::size_t>(list)];
}

// The entries of a panel list: the time-out list's 40 are 15 s to 600 s.
constexpr int PanelListSize(PanelList list) {
    return PanelListSetting(list).entries;
}

// The list position a panel list shows for the data.
inline int PanelListPosition(const RadioData& radio, PanelList list) {
    return PanelListSetting(list).get(radio);
}

} // namespace tlv
