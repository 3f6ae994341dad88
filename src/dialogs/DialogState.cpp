#include "dialogs/DialogState.h"

#include "dialogs/PriorityRules.h"
#include "image/Conversions.h"
#include "image/ImageLayout.h"

#include <cstdio>

namespace tlv {

namespace {

// A message box for the start-up load, where the priority rules cannot find anything to say.
class SilentMessageBox : public MessageBoxService {
  public:
    int LocalMsgBox(const std::string&, int, const std::string&) override { return IdOk; }
};

int optionValue(const EditorState& state, int entry) {
    long long value = TextInteger(state.stores.options.entry[entry]);
    if (value < -1000000 || value > 1000000) return -2; // selectable by no list
    return static_cast<int>(value);
}

void selectOption(EditorState& state, int& list, int entry, int size) {
    SelectListPosition(list, optionValue(state, entry), size);
}

std::string twoDigits(int n) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

} // namespace

int FirstDigitDelayPosition(int milliseconds) {
    if (milliseconds < 100 || milliseconds > 1000) return -1;
    // The image keeps tens of milliseconds: a value between two entries shows the nearer one,
    // halves going up (120 -> 100 ms, 130 -> 150 ms).
    return (milliseconds - 100 + 25) / 50;
}

void SelectListPosition(int& list, int position, int size) {
    if (position >= -1 && position < size) list = position;
}

void SelectCheckValue(int& check, int value) {
    if (value == 0 || value == 1) check = value;
}

void LoadOptionalFunctions(EditorState& state, MessageBoxService& box) {
    using E = OptionSettings::Entry;
    OptionalFunctions& form = state.optionalFunctions;
    selectOption(state, form.pttIdMode, E::PttIdMode, optionListSize::PttIdMode);
    selectOption(state, form.voxEnable, E::VoxEnable, optionListSize::VoxEnable);
    selectOption(state, form.voxGain, E::VoxGain, optionListSize::VoxGain);
    selectOption(state, form.voxDelay, E::VoxDelay, optionListSize::VoxDelay);
    selectOption(state, form.voxTone, E::VoxTone, optionListSize::VoxTone);
    selectOption(state, form.duplicate, E::Duplicate, optionListSize::Duplicate);
    // The mode before the channel: Fixed runs its search first, the stored channel is then checked.
    SelectPriorityMode(state, box, optionValue(state, E::PriorityMode));
    SelectPriorityChannel(state, box, optionValue(state, E::PriorityChannel) - 1);
    selectOption(state, form.revertTimeA, E::RevertTimeA, optionListSize::RevertTime);
    selectOption(state, form.revertTimeB, E::RevertTimeB, optionListSize::RevertTime);
    selectOption(state, form.returnChannel, E::ReturnChannel, optionListSize::ReturnChannel);
    form.scanRxResumeDelay = state.stores.options.entry[E::ScanRxResumeDelay];
    form.scanTxResumeDelay = state.stores.options.entry[E::ScanTxResumeDelay];
    SelectCheckValue(form.cancelOperation, optionValue(state, E::CancelOperation));
    SelectCheckValue(form.voxOffOnReceive, optionValue(state, E::VoxOffOnReceive));

    form.dtmfMemory = state.stores.dtmfMemory;
    for (int i = 0; i < 8; ++i) {
        int value = state.stores.dtmf.value[i];
        if (i == DtmfSettings::FirstDigitDelay) value = FirstDigitDelayPosition(value);
        SelectListPosition(form.dtmf[i], value, optionListSize::Dtmf[i]);
    }
}

void LoadOptionalFunctions(EditorState& state) {
    SilentMessageBox box;
    LoadOptionalFunctions(state, box);
}

void StoreOptionalFunctions(EditorState& state) {
    using E = OptionSettings::Entry;
    const OptionalFunctions& form = state.optionalFunctions;
    auto& entry = state.stores.options.entry;
    entry[E::PttIdMode] = std::to_string(form.pttIdMode);
    entry[E::VoxEnable] = std::to_string(form.voxEnable);
    entry[E::VoxGain] = std::to_string(form.voxGain);
    entry[E::VoxDelay] = std::to_string(form.voxDelay);
    entry[E::VoxTone] = std::to_string(form.voxTone);
    entry[E::Duplicate] = std::to_string(form.duplicate);
    entry[E::PriorityMode] = std::to_string(form.priorityMode);
    entry[E::PriorityChannel] = std::to_string(form.priorityChannel + 1);
    entry[E::RevertTimeA] = std::to_string(form.revertTimeA);
    entry[E::RevertTimeB] = std::to_string(form.revertTimeB);
    entry[E::ReturnChannel] = std::to_string(form.returnChannel);
    entry[E::ScanRxResumeDelay] = form.scanRxResumeDelay;
    entry[E::ScanTxResumeDelay] = form.scanTxResumeDelay;
    entry[E::CancelOperation] = std::to_string(form.cancelOperation);
    entry[E::VoxOffOnReceive] = std::to_string(form.voxOffOnReceive);
}

void LoadKeyFunctions(EditorState& state) {
    auto keyPosition = [](int value) {
        return value >= 0 && value < kKeyFunctionCount ? value : 1;
    };
    state.keyFunctions.keyFunction1 = keyPosition(state.stores.keyFunction1);
    state.keyFunctions.keyFunction2 = keyPosition(state.stores.keyFunction2);
}

void StoreKeyFunctions(EditorState& state) {
    state.stores.keyFunction1 = static_cast<int16_t>(state.keyFunctions.keyFunction1);
    state.stores.keyFunction2 = static_cast<int16_t>(state.keyFunctions.keyFunction2);
}

void LoadEmbeddedTexts(EditorState& state) {
    state.embeddedTexts.firstText = state.stores.embeddedTexts[0];
    state.embeddedTexts.secondText = state.stores.embeddedTexts[1];
}

void StoreEmbeddedTexts(EditorState& state) {
    state.stores.embeddedTexts[0] = state.embeddedTexts.firstText;
    state.stores.embeddedTexts[1] = state.embeddedTexts.secondText;
}

void LoadPowerLevels(EditorState& state) {
    PowerLevels& form = state.powerLevels;
    form.slidersEnabled = state.serviceMode != 0;
    form.highLevel = state.stores.highPowerLevel;
    form.highLevelText = std::to_string(form.highLevel);
    form.lowLevel = state.stores.lowPowerLevel;
    form.lowLevelText = std::to_string(form.lowLevel);
}

void StorePowerLevels(EditorState& state) {
    state.stores.highPowerLevel = static_cast<int16_t>(state.powerLevels.highLevel);
    state.stores.lowPowerLevel = static_cast<int16_t>(state.powerLevels.lowLevel);
}

void LoadTestFrequencies(EditorState& state) {
    auto& grid = state.testFrequencies.grid;
    for (int row = 1; row <= kChannelCount; ++row) {
        grid[row][0] = twoDigits(row);
        grid[row][1] = state.stores.testFrequencies[row - 1];
        grid[row][2] = state.stores.testFrequencies[row + 15];
    }
}

void StoreTestFrequencies(EditorState& state) {
    const auto& grid = state.testFrequencies.grid;
    for (int row = 1; row <= kChannelCount; ++row) {
        state.stores.testFrequencies[row - 1] = grid[row][1];
        state.stores.testFrequencies[row + 15] = grid[row][2];
    }
}

void LoadAllDialogs(EditorState& state) {
    LoadOptionalFunctions(state);
    LoadKeyFunctions(state);
    LoadEmbeddedTexts(state);
    LoadPowerLevels(state);
    LoadTestFrequencies(state);
}

} // namespace tlv
