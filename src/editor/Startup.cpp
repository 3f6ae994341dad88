#include "editor/Startup.h"

#include "dialogs/DialogState.h"
#include "editor/EditorOps.h"
#include "localisation/CellTexts.h"

namespace tlv {

void RunStartup(EditorState& state, const StartupParameters& parameters) {
    state.editingLock = parameters.lockByte == 1;
    state.portNumber = parameters.portNumber;
    state.stores.highPowerLevel = kStartHighPowerLevel;
    state.stores.lowPowerLevel = kStartLowPowerLevel;
    int language = parameters.languageState;
    state.languageState = (language >= 0 && language <= 2) ? language : 0;
    state.serviceMode = 0;
    SetCellListTexts(state.lists, state.languageState);
    SetChannelTableHeaders(state, state.languageState);
    SelectBandWithoutQuestion(state, 0);
    state.stores.keyFunction1 = kStartKeyFunction1;
    SetDefaults(state);
    LoadAllDialogs(state);
}

EditorState MakeStartupEditor(int languageState) {
    EditorState state;
    StartupParameters parameters;
    parameters.languageState = languageState;
    RunStartup(state, parameters);
    return state;
}

} // namespace tlv
