#include "editor/ChannelCard.h"

#include "image/ImageLayout.h"
#include "localisation/CaptionTables.h"
#include "localisation/LocalMsgBox.h"

namespace tlv {

namespace {

// A label and the entry at `position` of a list, both from the caption table of `window`.
ChannelCard::Setting listSetting(int language, const char* window, const char* label,
                                 const char* list, int position) {
    return {CaptionText(language, window, label),
            position < 0 ? std::string()
                         : CaptionText(language, window, list, CaptionItem::ListEntry, position)};
}

} // namespace

ChannelCard MakeChannelCard(const EditorState& state) {
    const int language = state.languageState;
    ChannelCard card;
    card.title = kAppTitle;
    card.band.label = CaptionText(language, "Form1", "Frame1");
    if (state.currentBand >= 0 && state.currentBand < static_cast<int>(kBands.size()))
        card.band.value = kBands[state.currentBand].text;
    for (int column = 0; column < kTableCols; ++column)
        card.columns[column] = state.table.at(0, column);
    for (int row = 1; row <= kChannelCount; ++row)
        card.channels[row - 1] = state.table.cell[row];

    card.sections.push_back(
        {CaptionText(language, "Form1", "Frame2"),
         {
             listSetting(language, "Form1", "Label4", "Combo2", state.voicePrompt),
             listSetting(language, "Form1", "Label5", "Combo3", state.timeOutTimer),
             listSetting(language, "Form1", "Label1", "Combo4", state.timeOutWarning),
             listSetting(language, "Form1", "Label6", "Combo9", state.squelchLevel),
             listSetting(language, "Form1", "Label7", "Combo6", state.batterySave),
             listSetting(language, "Form1", "Label8", "Combo7", state.beep),
         }});
    card.sections.push_back(
        {CaptionText(language, "Form6", {}, CaptionItem::WindowTitle),
         {
             listSetting(language, "Form6", "Label1", "Combo1", state.stores.keyFunction1),
             listSetting(language, "Form6", "Label2", "Combo2", state.stores.keyFunction2),
         }});
    return card;
}

} // namespace tlv
