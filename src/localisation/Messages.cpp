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

std::string Fill(std::string text, const std::string& first, const std::string& second) {
    for (const auto& [mark, value] : {std::pair{"%1", &first}, std::pair{"%2", &second}}) {
        if (auto at = text.find(mark); at != std::string::npos) text.replace(at, 2, *value);
    }
    return text;
}

int ShowMessage(MessageBoxService& box, int languageState, const Message& message,
                const std::string& detail) {
    std::string text = Localise(languageState, message.text);
    if (!detail.empty()) text += "\n" + detail;
    return box.LocalMsgBox(text, message.flags, Localise(languageState, message.title));
}

} // namespace tlv
