#include "localisation/Messages.h"

#include "localisation/Traditional.h"

namespace tlv {

std::string Localise(int languageState, const LocalText& text) {
    switch (languageState) {
    case 1:
        return text.en;
    case 2:
        return ToTraditional(text.zh);
    default:
        return text.zh;
    }
}

int ShowMessage(MessageBoxService& box, int languageState, const Message& message,
                const std::string& detail) {
    std::string text = Localise(languageState, message.text);
    if (!detail.empty()) text += "\n" + detail;
    return box.LocalMsgBox(text, message.flags, Localise(languageState, message.title));
}

} // namespace tlv
