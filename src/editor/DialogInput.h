// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Input checks of the optional-functions, test-frequency and embedded-information dialogs: what
// their OK buttons refuse, and with which message, before anything is stored.
#include "editor/EditorState.h"
#include "language/Messages.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace tlv {

inline constexpr int kScanRxResumeDelayMax = 300; // seconds
// Both delays are held by the radio as 0..300 seconds (the decoder accepts no more), so the
// transmit delay and its spinner stop there too; a larger value would be saved but could never
// be read back.
inline constexpr int kScanTxResumeDelayMax = 300; // seconds
inline constexpr int kSpinnerRxMax = 300;         // the receive delay's spinner
inline constexpr int kSpinnerTxMax = 300;         // the transmit delay's spinner
inline constexpr std::size_t kEmbeddedTextLength = 32;

// A resume delay text the image can hold: empty (stored as 0, as at start-up) or decimal
// digits only with a value 0..max.
bool ResumeDelayValid(std::string_view text, int max);

// The optional-functions dialog's OK: a resume delay that is not a whole number in range is
// refused with its message and nothing is stored; otherwise the draft is stored (nothing).
std::optional<Notice> ConfirmOptionalFunctions(EditorState& state);

// The frequency a test-frequency text stands for in the image: a text in the cell form
// ("146.00000"), or a number from 100 up to below 1000 MHz; nothing for any other text.
std::optional<Frequency> StorableTestFrequency(std::string_view text);

// A test frequency the image can hold: empty, or 100.00000 ... 999.99999 MHz. The grid itself
// takes any number; anything else would be written into the radio as "no frequency".
bool TestFrequencyStorable(std::string_view text);

// The test-frequency dialog's OK: a grid holding a frequency that TestFrequencyStorable rejects
// is refused with its message (naming the value) and nothing is stored.
std::optional<Notice> ConfirmTestFrequencies(EditorState& state);

// Whether a key typed into a text box of the embedded-texts dialog is taken: a box holding 32
// characters or more without a selection takes only backspace.
bool EmbeddedTextKeyAccepted(std::size_t length, bool hasSelection, bool isBackspace);

// An embedded text the image can hold: at most 32 characters, each printable ASCII.
bool EmbeddedTextValid(std::string_view text);

// The embedded-texts dialog's OK: a text that EmbeddedTextValid rejects is refused with its
// message and nothing is stored.
std::optional<Notice> ConfirmEmbeddedTexts(EditorState& state);

} // namespace tlv
