// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keys dialog: the functions of the programmable keys PF1 and PF2, over the keys draft. OK
// stores both, Cancel and the close box only hide.
#include "window/dialogs/RadioDialog.h"

class QComboBox;

namespace tlv {

// The designer's names of the keys dialog and its controls (their objectNames); the buttons are
// radio_dialog_names'.
namespace keys_names {
inline constexpr char Window[] = "Form6";
inline constexpr char Pf1Label[] = "Label1";
inline constexpr char Pf1List[] = "Combo1";
inline constexpr char Pf2Label[] = "Label2";
inline constexpr char Pf2List[] = "Combo2";
inline constexpr char RadioPicture[] = "Image1";
} // namespace keys_names

class KeysDialog : public RadioDialog {
    Q_OBJECT
  public:
    KeysDialog(EditorModel& model, QWidget* parent);

  private:
    void showDraft() override;
    RadioDialogKind kind() const override { return RadioDialogKind::Keys; }

    QComboBox* pf1List_ = nullptr;
    QComboBox* pf2List_ = nullptr;
};

} // namespace tlv
