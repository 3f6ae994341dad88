// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Load and OK steps of the five radio dialogs: OptionalFunctionsDialog (optional functions),
// KeysDialog (keys), EmbeddedTextsDialog (embedded texts), PowerLevelDialog (power levels)
// and TestFrequencyDialog (test frequencies). A load shows the radio data in the dialog's
// draft; an OK stores the draft into the radio data.
#include "editor/EditorState.h"
#include "image/SettingTable.h"
#include "language/Messages.h"

#include <vector>

namespace tlv {

// List sizes of the optional-functions dialog and the keys dialog, from the settings' table.
namespace optionListSize {
inline constexpr int PttIdMode = Setting("PttIdMode").entries;
inline constexpr int VoxEnable = Setting("VoxEnable").entries;
inline constexpr int VoxGain = Setting("VoxGain").entries;
inline constexpr int VoxDelay = Setting("VoxDelay").entries;
inline constexpr int VoxTone = Setting("VoxTone").entries;
inline constexpr int Duplicate = Setting("Duplicate").entries;
inline constexpr int PriorityMode = Setting("PriorityMode").entries;
inline constexpr int PriorityChannel = Setting("PriorityChannel").entries;
inline constexpr int RevertTime = Setting("RevertTimeA").entries; // both revert times
inline constexpr int ReturnChannel = Setting("ReturnChannel").entries;
} // namespace optionListSize

inline constexpr int kKeyFunctionCount = Setting("KeyFunction1").entries;

// Sets a list position the way a program assignment does: a position outside -1..size-1 cannot
// be selected and leaves the list as it was.
void SelectListPosition(int& list, int position, int size);

// Loading the optional-functions dialog. Selecting the priority mode and channel runs the
// priority rules, whose messages come back as notices.
std::vector<Notice> LoadOptionalFunctions(EditorState& state);
// The optional-functions dialog's OK, once its input is checked (ConfirmOptionalFunctions):
// the draft into the radio data.
void StoreOptionalFunctions(EditorState& state);

void LoadKeyFunctions(EditorState& state);
void StoreKeyFunctions(EditorState& state);

void LoadEmbeddedTexts(EditorState& state);
void StoreEmbeddedTexts(EditorState& state);

// The levels and their texts; the sliders follow the service mode.
// The range of the power-level sliders: a level is one byte of the image.
inline constexpr int kPowerLevelMinimum = 0;
inline constexpr int kPowerLevelMaximum = 255;

void LoadPowerLevels(EditorState& state);
void StorePowerLevels(EditorState& state);

void LoadTestFrequencies(EditorState& state);
void StoreTestFrequencies(EditorState& state);

// All five loads, in the order above: what the dialogs show after start-up, undo and redo.
std::vector<Notice> LoadAllDialogs(EditorState& state);

// The loads that follow a decoded image: as LoadAllDialogs, but the power-level sliders keep
// their state.
std::vector<Notice> LoadDialogsAfterImage(EditorState& state);

} // namespace tlv
