#pragma once
// Load and OK steps of the dialogs whose controls are kept in the editor state:
// OptionalFunctionsDialog (optional functions), KeysDialog (keys), EmbeddedTextsDialog (embedded
// texts), PowerLevelDialog (power levels) and TestFrequencyDialog (test frequencies). Load copies
// the stores into the controls, OK copies the controls back.
#include "editor/EditorState.h"
#include "localisation/LocalMsgBox.h"

namespace tlv {

// List sizes of the optional-functions dialog.
namespace optionListSize {
inline constexpr int PttIdMode = 3;
inline constexpr int VoxEnable = 2;
inline constexpr int VoxGain = 11;
inline constexpr int VoxDelay = 6;
inline constexpr int VoxTone = 2;
inline constexpr int Duplicate = 2;
inline constexpr int PriorityMode = 3;
inline constexpr int PriorityChannel = 16;
inline constexpr int RevertTime = 92; // both revert times
inline constexpr int ReturnChannel = 4;
// The hidden DTMF lists, in the order of OptionalFunctions::dtmf.
inline constexpr int Dtmf[8] = {4, 4, 19, 4, 17, 2, 7, 16};
} // namespace optionListSize

inline constexpr int kKeyFunctionCount = 12;

// The first-digit delay list of the hidden DTMF group lists 100..1000 ms in steps of 50 ms, while
// the store holds milliseconds: position = (ms - 100) / 50 rounded to the nearest entry (halves
// up), -1 for a value outside 100..1000.
int FirstDigitDelayPosition(int milliseconds);

// Sets a list position the way a program assignment does: a position outside -1..size-1 cannot
// be selected and leaves the list as it was.
void SelectListPosition(int& list, int position, int size);

// Sets a check box value; anything but 0 and 1 leaves it as it was.
void SelectCheckValue(int& check, int value);

// Loading the optional-functions dialog. Selecting the priority mode and channel runs the priority
// rules, which can show their messages through `box`. The overload without a box is for start-up,
// where the stores hold their start values and Fixed is not set; messages would go nowhere.
void LoadOptionalFunctions(EditorState& state, MessageBoxService& box);
void LoadOptionalFunctions(EditorState& state);
// The optional-functions dialog's OK: the visible controls into OptionSettings. The hidden DTMF
// group and memory grid are not stored back: nobody can change them in the dialog, and writing them
// would overwrite what a later decode put into DtmfSettings and DtmfMemory.
void StoreOptionalFunctions(EditorState& state);

void LoadKeyFunctions(EditorState& state);
void StoreKeyFunctions(EditorState& state);

void LoadEmbeddedTexts(EditorState& state);
void StoreEmbeddedTexts(EditorState& state);

void LoadPowerLevels(EditorState& state);
void StorePowerLevels(EditorState& state);

void LoadTestFrequencies(EditorState& state);
void StoreTestFrequencies(EditorState& state);

// All five loads, in the order above.
void LoadAllDialogs(EditorState& state);

} // namespace tlv
