// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two frames beside the channel table: the band frame (the band list) and the function
// panel (six lists of radio settings). Each shows the editor state and puts the user's picks
// into it; a band change asks before it clears the channels.
#include "language/Language.h"

#include <QGroupBox>

#include <array>
#include <optional>

class QComboBox;
class QLabel;

namespace tlv {

class DropDownComboBox;
class EditorModel;
struct EditorState;

class BandFrame : public QGroupBox {
    Q_OBJECT
  public:
    BandFrame(EditorModel& model, QWidget* parent);

    void showState(const EditorState& state);
    // The band list, which a transfer focuses and disables.
    QComboBox* bandList() const;

  private:
    void onBandPicked(int index);

    EditorModel& model_;
    DropDownComboBox* bandList_ = nullptr;
    QLabel* bandLabel_ = nullptr;
    bool showing_ = false;
    std::optional<Language> toolTipLanguage_; // the language of the tooltips
};

class FunctionPanel : public QGroupBox {
    Q_OBJECT
  public:
    FunctionPanel(EditorModel& model, QWidget* parent);

    // The start-up's entries of the time-out list ("15 S" ... "600 S"), written after the
    // captions: they stay so in every language until the captions are written again.
    void fillTimeOutList();
    void showState(const EditorState& state);
    // The lists in their order on the panel, for the keyboard's order.
    const std::array<QComboBox*, 6>& lists() const { return lists_; }

  private:
    EditorModel& model_;
    // Voice prompt, time-out, time-out warning, squelch, battery save, beep.
    std::array<QComboBox*, 6> lists_{};
    bool showing_ = false;
    std::optional<Language> toolTipLanguage_; // the language of the tooltips
};

} // namespace tlv
