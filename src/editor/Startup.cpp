// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/Startup.h"

#include "editor/DialogState.h"
#include "editor/EditorOps.h"

namespace tlv {

void RunStartup(EditorState& state, const StartupParameters& parameters) {
    state.session.editingLock = parameters.editingLock;
    state.session.portNumber = parameters.portNumber;
    state.radio().powerLevels = {kStartHighPowerLevel, kStartLowPowerLevel};
    state.session.language = parameters.language;
    state.session.serviceMode = false;
    SelectBandWithoutQuestion(state, 0);
    state.radio().keys.pf1 = kStartKeyFunction1;
    SetDefaults(state);
    // Nothing is in use at start-up, so the priority rules have nothing to say.
    LoadAllDialogs(state);
}

EditorState MakeStartupEditor(Language language) {
    EditorState state;
    StartupParameters parameters;
    parameters.language = language;
    RunStartup(state, parameters);
    return state;
}

} // namespace tlv
