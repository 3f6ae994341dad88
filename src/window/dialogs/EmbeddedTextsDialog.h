// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The embedded-information dialog: two texts of up to 32 characters, over the embedded-texts
// draft. OK checks and stores both, Cancel and the close box only hide.
#include "window/dialogs/RadioDialog.h"

class QLineEdit;

namespace tlv {

// The designer's names of the embedded-texts dialog and its controls (their objectNames); the
// buttons are radio_dialog_names'.
namespace embedded_texts_names {
inline constexpr char Window[] = "Form7";
inline constexpr char FirstTextBox[] = "Text1";
inline constexpr char SecondTextBox[] = "Text2";
} // namespace embedded_texts_names

class EmbeddedTextsDialog : public RadioDialog {
    Q_OBJECT
  public:
    EmbeddedTextsDialog(EditorModel& model, QWidget* parent);

  protected:
    // The keystroke limit of the two boxes.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void showDraft() override;
    RadioDialogKind kind() const override { return RadioDialogKind::EmbeddedTexts; }

    QLineEdit* firstTextBox_ = nullptr;
    QLineEdit* secondTextBox_ = nullptr;
};

} // namespace tlv
