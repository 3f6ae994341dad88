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

std::string FillText(std::string text, std::initializer_list<std::string_view> values) {
    int number = 1;
    for (std::string_view value : values) {
        const std::string mark = "%" + std::to_string(number++);
        if (auto at = text.find(mark); at != std::string::npos)
            text.replace(at, mark.size(), value);
    }
    return text;
}

std::string Localise(int languageState, const LocalText& text, const std::string& a,
                     const std::string& b) {
    return FillText(Localise(languageState, text), {a, b});
}

int ShowMessage(MessageBoxService& box, int languageState, const Message& message,
                const std::string& detail) {
    std::string text = Localise(languageState, message.text);
    if (!detail.empty()) text += "\n" + detail;
    return box.LocalMsgBox(text, message.flags, Localise(languageState, message.title));
}

} // namespace tlv
