#pragma once
// The priority selection rules of the optional-functions dialog: the Fixed search of the priority
// mode list and the channel check of the priority channel list. They run whenever a program step or
// the user selects an entry of those lists, also while an image is decoded.
#include "editor/EditorState.h"
#include "localisation/LocalMsgBox.h"

namespace tlv {

// Selects `index` in the priority mode list. Index 1 (Fixed) picks the first channel in use as
// PriorityFallbackChannel and selects it in the priority channel list; with no channel in use it
// shows FixedNeedsChannel and goes back to index 0. An index outside -1..2 changes nothing.
void SelectPriorityMode(EditorState& state, MessageBoxService& box, int index);

// Selects `index` (channel - 1) in the priority channel list. While the mode is Fixed, an empty
// channel is refused with EmptyChannelChosen and the list goes back to PriorityFallbackChannel - 1
// (-1 while no Fixed search has found a channel). -1 (no selection) is always accepted; an
// index outside -1..15 changes nothing.
void SelectPriorityChannel(EditorState& state, MessageBoxService& box, int index);

} // namespace tlv
