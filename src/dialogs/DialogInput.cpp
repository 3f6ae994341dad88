#include "dialogs/DialogInput.h"

#include "dialogs/DialogState.h"
#include "localisation/Messages.h"

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

bool Form5Confirm(EditorState& state, MessageBoxService& box) {
    if (!ResumeDelayValid(state.form5.text5, kScanRxResumeDelayMax)) {
        ShowMessage(box, state.languageState, msg::RxResumeDelayInvalid);
        return false;
    }
    if (!ResumeDelayValid(state.form5.text6, kScanTxResumeDelayMax)) {
        ShowMessage(box, state.languageState, msg::TxResumeDelayInvalid);
        return false;
    }
    Form5Ok(state);
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

bool Form7Confirm(EditorState& state, MessageBoxService& box) {
    if (!EmbeddedTextValid(state.form7.text1) || !EmbeddedTextValid(state.form7.text2)) {
        ShowMessage(box, state.languageState, msg::EmbeddedTextInvalid);
        return false;
    }
    Form7Ok(state);
    return true;
}

} // namespace tlv
