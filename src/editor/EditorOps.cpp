#include "editor/EditorOps.h"

#include "editor/ToneList.h"
#include "image/ImageLayout.h"

#include <cstdio>

namespace tlv {

namespace {

bool validRow(int row) {
    return row >= 1 && row <= kChannelCount;
}

bool validBand(int index) {
    return index >= 0 && index < static_cast<int>(kBands.size());
}

int threeDigits(std::string_view text, std::size_t from) {
    int value = 0;
    for (std::size_t i = from; i < from + 3 && i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') break;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

} // namespace

void ClearChannel(EditorState& state, int row) {
    if (!validRow(row)) return;
    for (int column = 1; column < kTableCols; ++column)
        state.table.at(row, column).clear();
    for (int column = 2; column <= 10; ++column)
        state.optionIndex.at(row, column) = 0;
}

void ClearAllChannels(EditorState& state) {
    for (int row = 1; row <= kChannelCount; ++row)
        ClearChannel(state, row);
}

void ClearChannelsInUse(EditorState& state) {
    for (int row = 1; row <= kChannelCount; ++row) {
        if (!state.table.inUse(row)) continue;
        for (int column = 1; column < kTableCols; ++column)
            state.table.at(row, column).clear();
    }
}

void RelabelChannels(EditorState& state) {
    for (int row = 1; row <= kChannelCount; ++row) {
        if (!state.table.inUse(row)) continue;
        for (int column : {col::RxTone, col::TxTone}) {
            std::string& cell = state.table.at(row, column);
            if (IsToneOffText(state.lists, cell)) cell = state.lists.toneOff;
        }
        for (int column = col::Power; column <= col::Scan; ++column) {
            std::string& cell = state.table.at(row, column);
            int position = state.optionIndex.at(row, column);
            if (cell.empty() || position < 0 || position > 1) continue;
            cell = state.lists.optionText(column, position);
        }
    }
}

void SetDefaults(EditorState& state) {
    for (int row = 1; row <= kChannelCount; ++row) {
        char number[8];
        std::snprintf(number, sizeof number, "%02d", row);
        state.table.at(row, col::Number) = number;
    }

    SettingsStores& stores = state.stores;
    for (int i = 0; i < 8; ++i)
        stores.dtmfMemory[i] = std::to_string(i + 1);
    for (int entry = 0; entry <= 14; ++entry)
        stores.options.entry[entry] = "1";
    for (int entry = 20; entry <= 23; ++entry)
        stores.options.entry[entry] = "1";
    stores.options.entry[OptionSettings::PriorityMode] = "0";
    stores.options.entry[OptionSettings::PttIdStartCode] = "1";
    stores.options.entry[OptionSettings::PttIdEndCode] = "2";
    stores.dtmf.value = {0, 1, 0, 1, 1, 1, 0, 0};

    state.voicePrompt = kStartVoicePrompt;
    state.timeOutTimer = kStartTimeOutTimer;
    state.timeOutWarning = kStartTimeOutWarning;
    state.squelchLevel = kStartSquelchLevel;
    state.batterySave = kStartBatterySave;
    state.beep = kStartBeep;
}

void SetBandLimits(EditorState& state, int index) {
    if (!validBand(index)) return;
    std::string_view text = kBands[index].text;
    state.bandLow = threeDigits(text, 0);
    state.bandHigh = threeDigits(text, 4);
}

void SelectBandWithoutQuestion(EditorState& state, int index) {
    if (!validBand(index)) return;
    state.previousBand = index;
    state.currentBand = index;
    SetBandLimits(state, index);
}

} // namespace tlv
