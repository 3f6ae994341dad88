#pragma once
// The core steps of the main window's start-up, in order, and a ready-made start-up editor.
#include "editor/EditorState.h"

namespace tlv {

// What the start-up reads before it begins: the three bytes of the parameter file (language
// already decided).
struct StartupParameters {
    int lockByte = 0;      // byte 1: 1 lock on, 0 lock off, anything else off
    int portNumber = 0;    // byte 2
    int languageState = 0; // 0 Simplified, 1 English, 2 Traditional
};

inline constexpr int16_t kStartHighPowerLevel = 208;
inline constexpr int16_t kStartLowPowerLevel = 92;
inline constexpr int16_t kStartKeyFunction1 = 10;

// Editing lock, port, power levels, language, ServiceMode 0, cell list texts and table
// headers, band 0 without a question, KeyFunction1, SetDefaults, and then the dialogs' Load
// steps, so that every dialog shows the start-up values that its stores hold.
void RunStartup(EditorState& state, const StartupParameters& parameters);

// The editor right after a start-up in the given language (lock off, no port).
EditorState MakeStartupEditor(int languageState = 0);

} // namespace tlv
