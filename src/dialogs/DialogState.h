#pragma once
// Load and OK steps of the dialogs whose controls are kept in the editor state: Form5
// (optional functions), Form6 (keys), Form7 (embedded texts), Form2 (power levels) and Form4
// (test frequencies). Load copies the stores into the controls, OK copies the controls back.
#include "editor/EditorState.h"
#include "localisation/LocalMsgBox.h"

namespace tlv {

// List sizes of the optional-functions dialog.
namespace form5list {
inline constexpr int PttIdMode = 3;        // Combo4
inline constexpr int VoxEnable = 2;        // Combo6
inline constexpr int VoxGain = 11;         // Combo7
inline constexpr int VoxDelay = 6;         // Combo8
inline constexpr int VoxTone = 2;          // Combo9
inline constexpr int Duplicate = 2;        // Combo10
inline constexpr int PriorityMode = 3;     // Combo11
inline constexpr int PriorityChannel = 16; // Combo12
inline constexpr int RevertTime = 92;      // Combo13, Combo14
inline constexpr int ReturnChannel = 4;    // Combo15
// The hidden DTMF lists, in the order of Form5Controls::dtmf.
inline constexpr int Dtmf[8] = {4, 4, 19, 4, 17, 2, 7, 16};
} // namespace form5list

inline constexpr int kKeyFunctionCount = 12;

// Combo18 of the hidden DTMF group lists 100..1000 ms in steps of 50 ms, while the store holds
// milliseconds: position = (ms - 100) / 50, -1 for a value outside the list.
int FirstDigitDelayPosition(int milliseconds);

// Sets a list position the way a program assignment does: a position outside -1..size-1 cannot
// be selected and leaves the list as it was.
void SelectListPosition(int& list, int position, int size);

// Sets a check box value; anything but 0 and 1 leaves it as it was.
void SelectCheckValue(int& check, int value);

// Form5 Load. Selecting Combo11 and Combo12 runs the priority rules, which can show their
// messages through `box`. The overload without a box is for start-up, where the stores hold
// their start values and Fixed is not set; messages would go nowhere.
void Form5Load(EditorState& state, MessageBoxService& box);
void Form5Load(EditorState& state);
// Form5 OK: the visible controls into OptionSettings. The hidden DTMF group and memory grid
// are not stored back: nobody can change them in the dialog, and writing them would overwrite
// what a later decode put into DtmfSettings and DtmfMemory.
void Form5Ok(EditorState& state);

void Form6Load(EditorState& state);
void Form6Ok(EditorState& state);

void Form7Load(EditorState& state);
void Form7Ok(EditorState& state);

void Form2Load(EditorState& state);
void Form2Ok(EditorState& state);

void Form4Load(EditorState& state);
void Form4Ok(EditorState& state);

// All five loads, in the order above.
void LoadAllDialogs(EditorState& state);

} // namespace tlv
