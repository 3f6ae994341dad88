// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/Messages.h"

#include "language/Traditional.h"

#include <utility>

namespace tlv {

std::string Localise(Language language, const LocalText& text) {
    switch (language) {
    case Language::English:
        return text.en;
    case Language::Traditional:
        return ToTraditional(text.zh);
    case Language::Simplified:
        break;
    }
    return text.zh;
}

std::string FillText(std::string text, std::initializer_list<std::string_view> values) {
    int number = 1;
    for (std::string_view value : values) {
        std::string mark(1, '%');
        mark += std::to_string(number++);
        if (auto at = text.find(mark); at != std::string::npos)
            text.replace(at, mark.size(), value);
    }
    return text;
}

std::string Localise(Language language, const LocalText& text, const std::string& a,
                     const std::string& b) {
    return FillText(Localise(language, text), {a, b});
}

int ShowMessage(MessageBoxService& box, Language language, const Message& message,
                const std::string& detail) {
    std::string text = Localise(language, message.text);
    if (!detail.empty()) text += "\n" + detail;
    return box.LocalMsgBox(text, message.flags, Localise(language, message.title));
}

void ShowNotices(MessageBoxService& box, Language language, const std::vector<Notice>& notices) {
    for (const Notice& notice : notices)
        if (notice.message != nullptr) ShowMessage(box, language, *notice.message, notice.detail);
}

} // namespace tlv
