// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The priority selection rules of the optional-functions dialog: the Fixed search of the priority
// mode list and the channel check of the priority channel list. They run whenever a program step or
// the user selects an entry of those lists, also while an image is loaded.
#include "editor/EditorState.h"
#include "language/Messages.h"

namespace tlv {

// Selects `index` in the priority mode list. Index 1 (Fixed) picks the first channel in use as
// the fallback channel and selects it in the priority channel list; with no channel in use it
// returns msg::FixedNeedsChannel and goes back to index 0. An index outside -1..2 changes
// nothing. Returns the message to show, or null.
const Message* SelectPriorityMode(EditorState& state, int index);

// Selects `index` (channel - 1) in the priority channel list. While the mode is Fixed, an empty
// channel is refused with msg::EmptyChannelChosen and the list goes back to the fallback
// channel (no selection while no Fixed search has found a channel). -1 (no selection) is always
// accepted; an index outside -1..15 changes nothing. Returns the message to show, or null.
const Message* SelectPriorityChannel(EditorState& state, int index);

} // namespace tlv
