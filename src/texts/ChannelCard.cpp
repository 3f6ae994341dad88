// SPDX-License-Identifier: GPL-3.0-or-later
#include "texts/ChannelCard.h"

#include "editor/CellTexts.h"
#include "language/LocalMsgBox.h"
#include "radio/Bands.h"
#include "texts/SettingCaptions.h"

namespace tlv {

ChannelCard MakeChannelCard(const EditorState& state) {
    const Language language = state.language();
    const RadioData& radio = state.radio();
    ChannelCard card;
    card.title = kAppTitle;
    card.band.label = BandFrameCaption(language);
    if (IsBand(radio.band)) card.band.value = kBands[static_cast<std::size_t>(radio.band)].text;
    for (int column = 0; column < kTableCols; ++column)
        card.columns[static_cast<std::size_t>(column)] = CellText(state, 0, column);
    for (int row = 1; row <= kChannelCount; ++row)
        for (int column = 0; column < kTableCols; ++column)
            card.channels[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column)] =
                CellText(state, row, column);

    ChannelCard::Section panel{FunctionPanelCaption(language), {}};
    for (PanelList list : kPanelLists)
        panel.settings.push_back({PanelListLabel(language, list),
                                  PanelListEntry(language, list, PanelListPosition(radio, list))});
    card.sections.push_back(panel);
    card.sections.push_back(
        {KeysTitle(language),
         {
             {KeyLabel(language, 1), KeyFunctionEntry(language, radio.keys.pf1)},
             {KeyLabel(language, 2), KeyFunctionEntry(language, radio.keys.pf2)},
         }});
    return card;
}

} // namespace tlv
