// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The skeleton the five radio dialogs share: a modeless window over the main window, named by
// its designer's name, that shows its draft of the editor (state.dialogs) each time the model
// shows the state again, and whose OK checks the draft and stores it into the radio data. Cancel
// and the close box only hide it: the draft keeps what the user set until the next load (a file
// opened, a read, undo, redo) shows the data again. OK is disabled while a transfer runs.
#include "document/Document.h"
#include "language/Messages.h"

#include <QDialog>

#include <optional>

class QPushButton;

namespace tlv {

class EditorModel;
struct DialogDrafts;
struct EditorState;

// The designer's names of the buttons, the same in every radio dialog.
namespace radio_dialog_names {
inline constexpr char OkButton[] = "Command1";
inline constexpr char CancelButton[] = "Command2";
} // namespace radio_dialog_names

class RadioDialog : public QDialog {
    Q_OBJECT
  public:
    // Shows the draft; what the controls report while it runs is not the user's doing.
    void load();

  protected:
    // `window` is the designer's name: the dialog's objectName, by which its caption rows and
    // design texts are found.
    RadioDialog(EditorModel& model, const char* window, const QString& title, QWidget* parent);

    EditorModel& model() { return model_; }
    EditorState& state();
    DialogDrafts& drafts();
    // The design text (the Simplified caption) of one of the dialog's controls.
    QString designText(const char* control) const;

    // The buttons, each made after the controls that come before it in the keyboard's order.
    QPushButton* makeOkButton();
    QPushButton* makeCancelButton();

    bool loading() const { return loading_; }

    // Writes the draft into the controls.
    virtual void showDraft() = 0;
    // Which of the document's dialogs this is: its OK checks and stores that draft.
    virtual RadioDialogKind kind() const = 0;

  private:
    void onOk();

    EditorModel& model_;
    const char* window_;
    bool loading_ = false;
};

} // namespace tlv
