#include "editor/ToneList.h"

#include "localisation/CellTexts.h"

namespace tlv {

int ToneListSize() {
    return kToneListSize;
}

std::string ToneListEntry(const CellListTexts& texts, int position) {
    if (position == 0) return texts.toneOff;
    if (position >= kFirstCtcssPosition && position < kFirstDcsNormalPosition)
        return std::string(kCtcssTones[position - kFirstCtcssPosition]);
    if (position >= kFirstDcsNormalPosition && position < kFirstDcsInvertedPosition)
        return "D" + std::string(kDcsCodes[position - kFirstDcsNormalPosition]) + "N";
    if (position >= kFirstDcsInvertedPosition && position < kToneListSize)
        return "D" + std::string(kDcsCodes[position - kFirstDcsInvertedPosition]) + "I";
    return {};
}

int ToneListPosition(const CellListTexts& texts, std::string_view text) {
    if (text.empty()) return -1;
    if (text == texts.toneOff) return 0;
    if (text.size() == 5 && text[0] == 'D' && (text[4] == 'N' || text[4] == 'I')) {
        std::string_view code = text.substr(1, 3);
        for (int i = 0; i < static_cast<int>(kDcsCodes.size()); ++i) {
            if (kDcsCodes[i] == code)
                return (text[4] == 'N' ? kFirstDcsNormalPosition : kFirstDcsInvertedPosition) + i;
        }
        return -1;
    }
    for (int i = 0; i < static_cast<int>(kCtcssTones.size()); ++i) {
        if (kCtcssTones[i] == text) return kFirstCtcssPosition + i;
    }
    return -1;
}

bool IsToneOffText(const CellListTexts& texts, std::string_view text) {
    if (text.empty()) return false;
    if (text == texts.toneOff) return true;
    for (int language = 0; language < 3; ++language) {
        if (text == ToneOffText(language)) return true;
    }
    return false;
}

} // namespace tlv
