#include "localisation/Messages.h"

#include "localisation/Traditional.h"

#include <utility>

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

std::string Localise(int languageState, const LocalText& text, const std::string& a,
                     const std::string& b) {
    std::string out = Localise(languageState, text);
    for (const auto& [mark, value] : {std::pair{"%1", &a}, std::pair{"%2", &b}}) {
        if (auto at = out.find(mark); at != std::string::npos) out.replace(at, 2, *value);
    }
    return out;
}

int ShowMessage(MessageBoxService& box, int languageState, const Message& message,
                const std::string& detail) {
    std::string text = Localise(languageState, message.text);
    if (!detail.empty()) text += "\n" + detail;
    return box.LocalMsgBox(text, message.flags, Localise(languageState, message.title));
}

} // namespace tlv
