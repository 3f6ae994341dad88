#include "editor/ToneList.h"

#include "localisation/CellTexts.h"

#include <algorithm>
#include <array>

namespace tlv {

int ToneListSize() {
    return kToneListSize;
}

namespace {

// "D" + the three octal digits + the polarity letter.
std::string dcsEntry(std::string_view code, char polarity) {
    std::string entry(1, 'D');
    entry.append(code);
    entry.push_back(polarity);
    return entry;
}

} // namespace

std::string ToneListEntry(const CellListTexts& texts, int position) {
    if (position == 0) return texts.toneOff;
    if (position >= kFirstCtcssPosition && position < kFirstDcsNormalPosition)
        return std::string(kCtcssTones[position - kFirstCtcssPosition]);
    if (position >= kFirstDcsNormalPosition && position < kFirstDcsInvertedPosition)
        return dcsEntry(kDcsCodes[position - kFirstDcsNormalPosition], 'N');
    if (position >= kFirstDcsInvertedPosition && position < kToneListSize)
        return dcsEntry(kDcsCodes[position - kFirstDcsInvertedPosition], 'I');
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
    if (text == texts.toneOff || text == ToneOffText(1)) return true;
    // Tone values are ASCII, and so is the English off text: only a text with other characters
    // can be a Chinese off text. The Traditional one is converted once, and only then, so that
    // a run without Chinese texts never opens the conversion's dictionaries.
    if (std::all_of(text.begin(), text.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return false;
    static const std::array<std::string, 2> chineseOffTexts{ToneOffText(0), ToneOffText(2)};
    return std::find(chineseOffTexts.begin(), chineseOffTexts.end(), text) != chineseOffTexts.end();
}

} // namespace tlv
