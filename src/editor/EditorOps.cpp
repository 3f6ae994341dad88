// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/EditorOps.h"

#include "radio/Bands.h"

namespace tlv {

void ClearChannel(EditorState& state, int row) {
    if (row < 1 || row > kChannelCount) return;
    state.radio().channel(row) = Channel{};
    state.data.tones.position[static_cast<std::size_t>(row - 1)] = {0, 0};
}

void ClearAllChannels(EditorState& state) {
    for (int row = 1; row <= kChannelCount; ++row)
        ClearChannel(state, row);
}

void ClearChannelsInUse(EditorState& state) {
    for (Channel& channel : state.radio().channels)
        if (channel.inUse()) channel = Channel{};
}

void SetDefaults(EditorState& state) {
    RadioData& radio = state.radio();
    for (int i = 0; i < 8; ++i)
        radio.dtmf.memories[static_cast<std::size_t>(i)] = std::to_string(i + 1);
    OptionalFunctions& options = radio.options;
    options.pttIdMode = 1;
    options.voxEnable = 1;
    options.voxGain = 1;
    options.voxDelay = 1;
    options.voxTone = 1;
    options.duplicate = 1;
    options.priorityMode = 0;
    options.priorityChannel = 1;
    options.revertTimeA = 1;
    options.revertTimeB = 1;
    options.returnChannel = 1;
    options.cancelOperation = true;
    options.voxOffOnReceive = true;
    // PTT ID codes "1" at the start and "2" at the end; the ID code stays.
    radio.codes = IdentityCodes{radio.codes.idCode, "1", "2"};
    radio.dtmf.dtmfRate = 0;
    radio.dtmf.firstDigitTime = 1;
    radio.dtmf.firstDigitDelay = 0;
    radio.dtmf.starHashTone = 1;
    radio.dtmf.dKeySetting = 1;
    radio.dtmf.dtmfSidetone = 1;
    radio.dtmf.groupCallCode = 0;
    radio.dtmf.autoResetTimer = 0;

    FunctionSettings& panel = radio.functions;
    panel.voicePrompt = kStartVoicePrompt;
    panel.timeOutTimer = kStartTimeOutTimer;
    panel.timeOutWarning = kStartTimeOutWarning;
    panel.squelchLevel = kStartSquelchLevel;
    panel.batterySave = kStartBatterySave;
    panel.beep = kStartBeep;
}

void SelectBandWithoutQuestion(EditorState& state, int index) {
    if (!IsBand(index)) return;
    state.bandBeforeChange = index;
    state.radio().band = index;
}

} // namespace tlv
