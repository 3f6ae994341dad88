#include "dialogs/DialogInput.h"

#include "dialogs/DialogState.h"
#include "image/ImageFields.h"
#include "image/ImageLayout.h"
#include "localisation/Messages.h"

#include <array>
#include <cstdint>

namespace tlv {

bool ResumeDelayValid(std::string_view text, int max) {
    if (text.empty()) return true;
    if (text.size() > 6) return false; // also keeps the value below overflow
    long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return value <= max;
}

bool ConfirmOptionalFunctions(EditorState& state, MessageBoxService& box) {
    if (!ResumeDelayValid(state.optionalFunctions.scanRxResumeDelay, kScanRxResumeDelayMax)) {
        ShowMessage(box, state.languageState, msg::RxResumeDelayInvalid);
        return false;
    }
    if (!ResumeDelayValid(state.optionalFunctions.scanTxResumeDelay, kScanTxResumeDelayMax)) {
        ShowMessage(box, state.languageState, msg::TxResumeDelayInvalid);
        return false;
    }
    StoreOptionalFunctions(state);
    return true;
}

bool TestFrequencyStorable(std::string_view text) {
    if (text.empty()) return true;
    const std::array<uint8_t, 4> none{0xFF, 0xFF, 0xFF, 0xFF};
    return imagefield::FrequencyBytes(text) != none;
}

bool ConfirmTestFrequencies(EditorState& state, MessageBoxService& box) {
    const auto& grid = state.testFrequencies.grid;
    for (int row = 1; row <= kChannelCount; ++row) {
        for (int column = 1; column <= 2; ++column) {
            if (!TestFrequencyStorable(grid[row][column])) {
                ShowMessage(box, state.languageState, msg::TestFrequencyOutOfRange,
                            grid[row][column]);
                return false;
            }
        }
    }
    StoreTestFrequencies(state);
    return true;
}

bool EmbeddedTextKeyAccepted(std::size_t length, bool hasSelection, bool isBackspace) {
    return isBackspace || hasSelection || length < kEmbeddedTextLength;
}

bool EmbeddedTextValid(std::string_view text) {
    if (text.size() > kEmbeddedTextLength) return false;
    for (char c : text)
        if (c < 0x20 || c > 0x7E) return false; // also every byte of a multi-byte character
    return true;
}

bool ConfirmEmbeddedTexts(EditorState& state, MessageBoxService& box) {
    if (!EmbeddedTextValid(state.embeddedTexts.firstText) ||
        !EmbeddedTextValid(state.embeddedTexts.secondText)) {
        ShowMessage(box, state.languageState, msg::EmbeddedTextInvalid);
        return false;
    }
    StoreEmbeddedTexts(state);
    return true;
}

} // namespace tlv
