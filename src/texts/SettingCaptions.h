// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The labels and list entries the windows show for the settings, by setting, for whatever
// prints the settings outside a window (the channel card, the command line's show). They come
// from the caption tables.
#include "editor/FunctionPanel.h"
#include "language/Language.h"
#include "radio/RadioData.h"

#include <array>
#include <string>

namespace tlv {

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
