// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/CellTexts.h"

#include "editor/EditingRules.h"

#include <algorithm>
#include <cstdio>

namespace tlv {

std::string ToneOffText(Language language) {
    return Localise(language, kToneOffText);
}

bool IsToneOffText(std::string_view text) {
    if (text.empty()) return false;
    if (text == kToneOffText.zh || text == kToneOffText.en) return true;
    // Tone values are ASCII, and so is the English off text: only a text with other characters
    // can be a Chinese off text. The Traditional one is converted once, and only then, so that
    // a run without Chinese texts never opens the conversion's dictionaries.
    if (std::all_of(text.begin(), text.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return false;
    static const std::string traditional = ToneOffText(Language::Traditional);
    return text == traditional;
}

std::string ToneListEntryText(Language language, int position) {
    if (position == 0) return ToneOffText(language);
    if (position < 0 || position >= kToneListSize) return {};
    return ToneValueText(ToneAtListPosition(position));
}

std::string ToneText(Language language, Tone tone) {
    return tone.isOff() ? ToneOffText(language) : ToneValueText(tone);
}

std::string OptionText(Language language, int column, int position) {
    if (column < col::Power || column > col::Scan || position < 0 || position > 1) return {};
    return Localise(language, kOptionTexts[static_cast<std::size_t>(column - col::Power)]
                                          [static_cast<std::size_t>(position)]);
}

std::string ChannelTableHeader(Language language, int column) {
    if (column < 0 || column >= kTableCols) return {};
    return Localise(language, kChannelTableHeaders[static_cast<std::size_t>(column)]);
}

std::string ChannelNumberText(int row) {
    char number[8];
    std::snprintf(number, sizeof number, "%02d", row);
    return number;
}

std::string CellText(const EditorState& state, int row, int column) {
    const Language language = state.language();
    if (row == 0) return ChannelTableHeader(language, column);
    if (row < 1 || row > kChannelCount || column < 0 || column >= kTableCols) return {};
    if (column == col::Number) return ChannelNumberText(row);
    const Channel& channel = state.radio().channel(row);
    if (!channel.inUse()) return {};
    switch (column) {
    case col::RxFrequency:
        return FrequencyText(*channel.rx);
    case col::TxFrequency:
        return channel.tx ? FrequencyText(*channel.tx) : std::string();
    case col::RxTone:
        return ToneText(language, channel.rxTone);
    case col::TxTone:
        if (channel.txTone.isOff() && !channel.tx) return {};
        return ToneText(language, channel.txTone);
    default:
        return OptionText(language, column, OptionListPosition(state, {row, column}));
    }
}

} // namespace tlv
