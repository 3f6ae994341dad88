// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/DialogInput.h"

#include "editor/DialogState.h"
#include "radio/Conversions.h"

#include <cmath>
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

std::optional<Notice> ConfirmOptionalFunctions(EditorState& state) {
    const OptionalFunctionsDraft& draft = state.dialogs.optionalFunctions;
    if (!ResumeDelayValid(draft.scanRxResumeDelay, kScanRxResumeDelayMax))
        return Notice{&msg::RxResumeDelayInvalid, {}};
    if (!ResumeDelayValid(draft.scanTxResumeDelay, kScanTxResumeDelayMax))
        return Notice{&msg::TxResumeDelayInvalid, {}};
    StoreOptionalFunctions(state);
    return std::nullopt;
}

std::optional<Frequency> StorableTestFrequency(std::string_view text) {
    if (const auto cell = FrequencyOfCellText(text)) return cell;
    if (text.empty()) return std::nullopt;
    // The leading number (as TextValue reads it), rounded to 10 Hz. With at most five decimals
    // and seven integer digits it is exact in 10 Hz units; a longer one is rounded as the real
    // number it always was read as (a tie beyond the fifth decimal goes the double's way).
    bool negative = false;
    const std::string_view number = LeadingNumber(text, negative);
    const std::size_t point = number.find('.');
    const std::size_t decimals = point == std::string_view::npos ? 0 : number.size() - point - 1;
    std::optional<uint64_t> tens;
    if (decimals <= 5 && (point == std::string_view::npos ? number.size() : point) <= 7)
        tens = FrequencyTens(number).value_or(0); // 0 for "" and "."
    if (tens && negative && *tens > 0) return std::nullopt;
    if (!tens) {
        const double megahertz = TextValue(text);
        if (!std::isfinite(megahertz)) return std::nullopt;
        const double rounded = std::round(megahertz * 100000.0);
        if (rounded < 0) return std::nullopt;
        tens = rounded < 1e18 ? static_cast<uint64_t>(rounded) : UINT64_MAX;
    }
    if (*tens < 10'000'000 || *tens > Frequency::kMaxTens) return std::nullopt;
    return Frequency{static_cast<uint32_t>(*tens)};
}

bool TestFrequencyStorable(std::string_view text) {
    return text.empty() || StorableTestFrequency(text).has_value();
}

std::optional<Notice> ConfirmTestFrequencies(EditorState& state) {
    const auto& grid = state.dialogs.testFrequencies.grid;
    for (int row = 1; row <= kChannelCount; ++row) {
        for (int column = 1; column <= 2; ++column) {
            const std::string& text = grid[static_cast<std::size_t>(row)][column];
            if (!TestFrequencyStorable(text)) return Notice{&msg::TestFrequencyOutOfRange, text};
        }
    }
    StoreTestFrequencies(state);
    return std::nullopt;
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

std::optional<Notice> ConfirmEmbeddedTexts(EditorState& state) {
    if (!EmbeddedTextValid(state.dialogs.embeddedTexts.first) ||
        !EmbeddedTextValid(state.dialogs.embeddedTexts.second))
        return Notice{&msg::EmbeddedTextInvalid, {}};
    StoreEmbeddedTexts(state);
    return std::nullopt;
}

} // namespace tlv
