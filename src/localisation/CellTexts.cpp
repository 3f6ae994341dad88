#include "localisation/CellTexts.h"

namespace tlv {

std::string ToneOffText(int languageState) {
    return Localise(languageState, kToneOffText);
}

void SetCellListTexts(CellListTexts& texts, int languageState) {
    texts.toneOff = ToneOffText(languageState);
    for (std::size_t column = 0; column < kOptionTexts.size(); ++column) {
        for (std::size_t position = 0; position < 2; ++position)
            texts.option[column][position] =
                Localise(languageState, kOptionTexts[column][position]);
    }
}

void SetChannelTableHeaders(EditorState& state, int languageState) {
    for (int column = 0; column < kTableCols; ++column)
        state.table.at(0, column) = Localise(languageState, kChannelTableHeaders[column]);
}

} // namespace tlv
