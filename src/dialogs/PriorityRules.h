#pragma once
// The priority selection rules of the optional-functions dialog: the Fixed search on Combo11
// and the channel check on Combo12. They run whenever a program step or the user selects an
// entry of those lists, also while an image is decoded.
#include "editor/EditorState.h"
#include "localisation/LocalMsgBox.h"

namespace tlv {

// Selects `index` in Combo11 (PriorityMode). Index 1 (Fixed) picks the first channel in use as
// PriorityFallbackChannel and selects it in Combo12; with no channel in use it shows
// FixedNeedsChannel and goes back to index 0. An index outside -1..2 changes nothing.
void SelectPriorityMode(EditorState& state, MessageBoxService& box, int index);

// Selects `index` in Combo12 (PriorityChannel - 1). While Combo11 is at Fixed, an empty channel
// is refused with EmptyChannelChosen and the list goes back to PriorityFallbackChannel - 1
// (-1 while no Fixed search has found a channel). -1 (no selection) is always accepted; an
// index outside -1..15 changes nothing.
void SelectPriorityChannel(EditorState& state, MessageBoxService& box, int index);

} // namespace tlv
