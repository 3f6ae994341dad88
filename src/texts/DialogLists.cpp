// SPDX-License-Identifier: GPL-3.0-or-later
#include "texts/DialogLists.h"

#include "editor/DialogState.h"
#include "texts/CaptionTables.h"

#include <cstdio>

namespace tlv {

namespace {

constexpr const char* kWindow = "Form5"; // the optional functions dialog

std::string firstEntry(Language language, const char* list) {
    return CaptionText(language, kWindow, list, CaptionItem::ListEntry, 0);
}

} // namespace

std::vector<std::string> VoxGainEntries(Language language) {
    std::vector<std::string> entries{firstEntry(language, "Combo7")};
    for (int n = 1; n < optionListSize::VoxGain; ++n)
        entries.push_back(std::to_string(n));
    return entries;
}

std::vector<std::string> VoxDelayEntries() {
    return {"0.3S", "0.5S", "1S", "1.5S", "2S", "3S"};
}

std::vector<std::string> PriorityChannelEntries() {
    std::vector<std::string> entries;
    for (int n = 1; n <= optionListSize::PriorityChannel; ++n) {
        char text[8];
        std::snprintf(text, sizeof text, "%02d", n);
        entries.emplace_back(text);
    }
    return entries;
}

std::vector<std::string> RevertTimeEntries(Language language) {
    std::vector<std::string> entries{firstEntry(language, "Combo13")};
    for (int i = 1; i < optionListSize::RevertTime; ++i) {
        const int hundredths = 50 + 5 * (i - 1);
        char text[16];
        std::snprintf(text, sizeof text, "%d.%02d S", hundredths / 100, hundredths % 100);
        entries.emplace_back(text);
    }
    return entries;
}

} // namespace tlv
