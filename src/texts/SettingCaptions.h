// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The labels and list entries the windows show for the settings, by setting, for whatever
// prints the settings outside a window (the channel card, the command line's show). They come
// from the caption tables.
#include "language/Language.h"
#include "radio/RadioData.h"

#include <array>
#include <string>

namespace tlv {

// The lists of the main window's function panel, in their order on the panel.
enum class PanelList { VoicePrompt, TimeOutTimer, TimeOutWarning, SquelchLevel, BatterySave, Beep };
inline constexpr std::array<PanelList, 6> kPanelLists{
    PanelList::VoicePrompt,  PanelList::TimeOutTimer, PanelList::TimeOutWarning,
    PanelList::SquelchLevel, PanelList::BatterySave,  PanelList::Beep};

// The list position a panel list shows for the data.
int PanelListPosition(const FunctionSettings& panel, PanelList list);

std::string PanelListLabel(Language language, PanelList list);
// Entry `position` of the list; empty for no selection.
std::string PanelListEntry(Language language, PanelList list, int position);

// The band frame's caption and the label of the band list.
std::string BandFrameCaption(Language language);
std::string BandListLabel(Language language);
// The function panel's caption.
std::string FunctionPanelCaption(Language language);

// The keys dialog's title, the label of key 1 or 2 (PF1, PF2) and entry `position` of the key
// function list (empty for no selection).
std::string KeysTitle(Language language);
std::string KeyLabel(Language language, int key);
std::string KeyFunctionEntry(Language language, int position);

} // namespace tlv
