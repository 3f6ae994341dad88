#pragma once
// Core operations of the main window on the editor state: clearing channels, relabelling the
// cells after a language change, the start-up defaults and the band limits.
#include "editor/EditorState.h"

namespace tlv {

// Start values of the six function-panel lists.
inline constexpr int kStartVoicePrompt = 1;
inline constexpr int kStartTimeOutTimer = 1;
inline constexpr int kStartTimeOutWarning = 0;
inline constexpr int kStartSquelchLevel = 5;
inline constexpr int kStartBatterySave = 1;
inline constexpr int kStartBeep = 1;

// Empties columns 1..8 of `row` (1..16) and resets its option entries for columns 2..10.
// Column 0 keeps the channel number. Rows outside 1..16 are ignored.
void ClearChannel(EditorState& state, int row);

// ClearChannel for rows 1..16.
void ClearAllChannels(EditorState& state);

// Empties columns 1..8 of every channel in use; option entries are kept.
void ClearChannelsInUse(EditorState& state);

// Rewrites the language-dependent texts of every channel in use with state.lists: an off tone
// becomes the off text in force, option cells the entry at their option index. A tone value is
// never touched; a cell counts as off when it equals the off text of any language. Empty cells
// stay empty (an empty option cell is stored with its own default, so filling it would change
// the image).
void RelabelChannels(EditorState& state);

// The core part of the start-up defaults: channel numbers, settings-store start values and
// the start values of the six function-panel lists.
void SetDefaults(EditorState& state);

// BandLow and BandHigh from the band entry's text (characters 1..3 and 5..7). An index outside
// the band table changes nothing.
void SetBandLimits(EditorState& state, int index);

// Selects a band without asking: PreviousBand and CurrentBand become `index`, then the limits
// are set. An index outside the band table changes nothing.
void SelectBandWithoutQuestion(EditorState& state, int index);

} // namespace tlv
