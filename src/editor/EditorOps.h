// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Core operations of the main window on the editor: clearing channels, the start-up defaults
// and selecting a band without the band question.
#include "editor/EditorState.h"

namespace tlv {

// Start values of the six function-panel lists.
inline constexpr int kStartVoicePrompt = 1;
inline constexpr int kStartTimeOutTimer = 1;
inline constexpr int kStartTimeOutWarning = 0;
inline constexpr int kStartSquelchLevel = 5;
inline constexpr int kStartBatterySave = 1;
inline constexpr int kStartBeep = 1;

// Empties channel `row` (1..16) and forgets its tone-list entries. Rows outside 1..16 are
// ignored.
void ClearChannel(EditorState& state, int row);

// ClearChannel for rows 1..16.
void ClearAllChannels(EditorState& state);

// Empties every channel in use; the tone-list entries are kept.
void ClearChannelsInUse(EditorState& state);

// The start-up values of the settings and of the six function-panel lists.
void SetDefaults(EditorState& state);

// Selects a band without asking: it becomes the band in force and the one a later band change
// is compared with. An index outside the band table changes nothing.
void SelectBandWithoutQuestion(EditorState& state, int index);

} // namespace tlv
