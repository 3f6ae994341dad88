#pragma once
// Input checks of the optional-functions and embedded-information dialogs: what their OK
// buttons refuse, with a message in the user's language, before anything is stored.
#include "editor/EditorState.h"
#include "localisation/LocalMsgBox.h"

#include <cstddef>
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

// The optional-functions dialog's OK: refuses a resume delay that is not a whole number in range
// with its message and stores nothing (false); otherwise runs StoreOptionalFunctions (true).
bool ConfirmOptionalFunctions(EditorState& state, MessageBoxService& box);

// A test frequency the image can hold: empty, or 100.00000 ... 999.99999 MHz. The grid itself
// takes any number; anything else would be written into the radio as "no frequency".
bool TestFrequencyStorable(std::string_view text);

// The test-frequency dialog's OK: refuses a grid holding a frequency that TestFrequencyStorable
// rejects with its message and stores nothing (false); otherwise runs StoreTestFrequencies (true).
bool ConfirmTestFrequencies(EditorState& state, MessageBoxService& box);

// Whether a key typed into a text box of the embedded-texts dialog is taken: a box holding 32
// characters or more without a selection takes only backspace.
bool EmbeddedTextKeyAccepted(std::size_t length, bool hasSelection, bool isBackspace);

// An embedded text the image can hold: at most 32 characters, each printable ASCII.
bool EmbeddedTextValid(std::string_view text);

// The embedded-texts dialog's OK: refuses a text that EmbeddedTextValid rejects with its message
// and stores nothing (false); otherwise runs StoreEmbeddedTexts (true).
bool ConfirmEmbeddedTexts(EditorState& state, MessageBoxService& box);

} // namespace tlv
