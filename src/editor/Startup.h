// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The core steps of the main window's start-up, in order, and a ready-made start-up editor.
#include "editor/EditorState.h"

namespace tlv {

// What the start-up reads before it begins: the parameter file's lock and port, and the
// language already decided.
struct StartupParameters {
    bool editingLock = false;
    int portNumber = 0;
    Language language = Language::Simplified;
};

inline constexpr int kStartHighPowerLevel = 208;
inline constexpr int kStartLowPowerLevel = 92;
inline constexpr int kStartKeyFunction1 = 10;

// Editing lock, port, power levels, language, service mode off, band 0 without a question,
// the first key's function, SetDefaults, and then the dialogs' loads, so that every dialog
// shows the start-up values of the data.
void RunStartup(EditorState& state, const StartupParameters& parameters);

// The editor right after a start-up in the given language (lock off, no port).
EditorState MakeStartupEditor(Language language = Language::Simplified);

} // namespace tlv
