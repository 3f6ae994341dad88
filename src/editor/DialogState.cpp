// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/DialogState.h"

#include "editor/CellTexts.h"
#include "editor/DialogInput.h"
#include "editor/PriorityRules.h"

namespace tlv {

namespace {

std::string delayText(const std::optional<uint16_t>& seconds) {
    return seconds ? std::to_string(*seconds) : std::string();
}

std::string frequencyText(const std::optional<Frequency>& frequency) {
    return frequency ? FrequencyText(*frequency) : std::string();
}

void note(std::vector<Notice>& notices, const Message* message) {
    if (message != nullptr) notices.push_back({message, {}});
}

} // namespace

void SelectListPosition(int& list, int position, int size) {
    if (position >= -1 && position < size) list = position;
}

std::vector<Notice> LoadOptionalFunctions(EditorState& state) {
    const OptionalFunctions& options = state.radio().options;
    OptionalFunctionsDraft& draft = state.dialogs.optionalFunctions;
    SelectListPosition(draft.pttIdMode, options.pttIdMode, optionListSize::PttIdMode);
    SelectListPosition(draft.voxEnable, options.voxEnable, optionListSize::VoxEnable);
    SelectListPosition(draft.voxGain, options.voxGain, optionListSize::VoxGain);
    SelectListPosition(draft.voxDelay, options.voxDelay, optionListSize::VoxDelay);
    SelectListPosition(draft.voxTone, options.voxTone, optionListSize::VoxTone);
    SelectListPosition(draft.duplicate, options.duplicate, optionListSize::Duplicate);
    // The mode before the channel: Fixed runs its search first, the stored channel is then checked.
    std::vector<Notice> notices;
    note(notices, SelectPriorityMode(state, options.priorityMode));
    note(notices, SelectPriorityChannel(state, options.priorityChannel - 1));
    SelectListPosition(draft.revertTimeA, options.revertTimeA, optionListSize::RevertTime);
    SelectListPosition(draft.revertTimeB, options.revertTimeB, optionListSize::RevertTime);
    SelectListPosition(draft.returnChannel, options.returnChannel, optionListSize::ReturnChannel);
    draft.scanRxResumeDelay = delayText(options.scanRxResumeDelay);
    draft.scanTxResumeDelay = delayText(options.scanTxResumeDelay);
    draft.cancelOperation = options.cancelOperation;
    draft.voxOffOnReceive = options.voxOffOnReceive;
    return notices;
}

void StoreOptionalFunctions(EditorState& state) {
    const OptionalFunctionsDraft& draft = state.dialogs.optionalFunctions;
    OptionalFunctions& options = state.radio().options;
    options.pttIdMode = draft.pttIdMode;
    options.voxEnable = draft.voxEnable;
    options.voxGain = draft.voxGain;
    options.voxDelay = draft.voxDelay;
    options.voxTone = draft.voxTone;
    options.duplicate = draft.duplicate;
    options.priorityMode = draft.priorityMode;
    options.priorityChannel = draft.priorityChannel + 1;
    options.revertTimeA = draft.revertTimeA;
    options.revertTimeB = draft.revertTimeB;
    options.returnChannel = draft.returnChannel;
    // The texts have passed ResumeDelayValid: empty, or a whole number 0..300.
    auto delay = [](const std::string& text) -> std::optional<uint16_t> {
        if (text.empty()) return std::nullopt;
        return static_cast<uint16_t>(std::stoi(text));
    };
    options.scanRxResumeDelay = delay(draft.scanRxResumeDelay);
    options.scanTxResumeDelay = delay(draft.scanTxResumeDelay);
    options.cancelOperation = draft.cancelOperation;
    options.voxOffOnReceive = draft.voxOffOnReceive;
}

void LoadKeyFunctions(EditorState& state) {
    auto keyPosition = [](int value) {
        return value >= 0 && value < kKeyFunctionCount ? value : 1;
    };
    state.dialogs.keys.pf1 = keyPosition(state.radio().keys.pf1);
    state.dialogs.keys.pf2 = keyPosition(state.radio().keys.pf2);
}

void StoreKeyFunctions(EditorState& state) {
    state.radio().keys = {state.dialogs.keys.pf1, state.dialogs.keys.pf2};
}

void LoadEmbeddedTexts(EditorState& state) {
    state.dialogs.embeddedTexts = {state.radio().embeddedTexts[0], state.radio().embeddedTexts[1]};
}

void StoreEmbeddedTexts(EditorState& state) {
    state.radio().embeddedTexts = {state.dialogs.embeddedTexts.first,
                                   state.dialogs.embeddedTexts.second};
}

void LoadPowerLevels(EditorState& state) {
    PowerLevelsDraft& draft = state.dialogs.powerLevels;
    draft.slidersEnabled = state.session.serviceMode;
    draft.high = state.radio().powerLevels.high;
    draft.highText = std::to_string(draft.high);
    draft.low = state.radio().powerLevels.low;
    draft.lowText = std::to_string(draft.low);
}

void StorePowerLevels(EditorState& state) {
    state.radio().powerLevels = {state.dialogs.powerLevels.high, state.dialogs.powerLevels.low};
}

void LoadTestFrequencies(EditorState& state) {
    auto& grid = state.dialogs.testFrequencies.grid;
    for (int row = 1; row <= kChannelCount; ++row) {
        const TestFrequency& test =
            state.radio().testFrequencies[static_cast<std::size_t>(row - 1)];
        auto& cells = grid[static_cast<std::size_t>(row)];
        cells[0] = ChannelNumberText(row);
        cells[1] = frequencyText(test.rx);
        cells[2] = frequencyText(test.tx);
    }
}

void StoreTestFrequencies(EditorState& state) {
    const auto& grid = state.dialogs.testFrequencies.grid;
    for (int row = 1; row <= kChannelCount; ++row) {
        TestFrequency& test = state.radio().testFrequencies[static_cast<std::size_t>(row - 1)];
        test.rx = StorableTestFrequency(grid[static_cast<std::size_t>(row)][1]);
        test.tx = StorableTestFrequency(grid[static_cast<std::size_t>(row)][2]);
    }
}

std::vector<Notice> LoadAllDialogs(EditorState& state) {
    std::vector<Notice> notices = LoadOptionalFunctions(state);
    LoadKeyFunctions(state);
    LoadEmbeddedTexts(state);
    LoadPowerLevels(state);
    LoadTestFrequencies(state);
    return notices;
}

std::vector<Notice> LoadDialogsAfterImage(EditorState& state) {
    const bool slidersEnabled = state.dialogs.powerLevels.slidersEnabled;
    std::vector<Notice> notices = LoadAllDialogs(state);
    state.dialogs.powerLevels.slidersEnabled = slidersEnabled;
    return notices;
}

} // namespace tlv
