// SPDX-License-Identifier: GPL-3.0-or-later
#include "WebValues.h"

using emscripten::val;

namespace tlv::web {

Language LanguageOfCode(const std::string& code) {
    if (code == "en") return Language::English;
    if (code == "zh-TW") return Language::Traditional;
    return Language::Simplified;
}

const char* CodeOfLanguage(Language language) {
    switch (language) {
    case Language::English:
        return "en";
    case Language::Traditional:
        return "zh-TW";
    case Language::Simplified:
        break;
    }
    return "zh-CN";
}

val MessageText(Language language, const Message& message, const std::string& detail) {
    val box = val::object();
    box.set("text", Localise(language, message.text));
    box.set("title", Localise(language, message.title));
    box.set("flags", message.flags);
    box.set("detail", detail);
    return box;
}

val NoticeText(Language language, const Notice& notice) {
    if (notice.message == nullptr)
        return MessageText(language, {{"", ""}, {"", ""}, 0}, notice.detail);
    return MessageText(language, *notice.message, notice.detail);
}

val NoticeTexts(Language language, const std::vector<Notice>& notices) {
    val list = val::array();
    for (const Notice& notice : notices)
        list.call<void>("push", NoticeText(language, notice));
    return list;
}

val Texts(const std::vector<std::string>& texts) {
    val list = val::array();
    for (const std::string& text : texts)
        list.call<void>("push", text);
    return list;
}

val Numbers(const std::vector<int>& numbers) {
    val list = val::array();
    for (int number : numbers)
        list.call<void>("push", number);
    return list;
}

val Bytes(std::span<const uint8_t> data) {
    val array = val::global("Uint8Array").new_(data.size());
    array.call<void>("set", val(emscripten::typed_memory_view(data.size(), data.data())));
    return array;
}

val Bytes(const std::string& data) {
    return Bytes(std::span(reinterpret_cast<const uint8_t*>(data.data()), data.size()));
}

std::vector<uint8_t> BytesOf(const val& array) {
    return emscripten::convertJSArrayToNumberVector<uint8_t>(array);
}

std::vector<int> NumbersOf(const val& array) {
    return emscripten::convertJSArrayToNumberVector<int>(array);
}

} // namespace tlv::web
