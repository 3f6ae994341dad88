// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/dialogs/RadioDialog.h"

#include "window/dialogs/DialogWidgets.h"
#include "window/language/DesignText.h"
#include "window/main/EditorModel.h"

#include <QPushButton>

namespace tlv {

RadioDialog::RadioDialog(EditorModel& model, const char* window, const QString& title,
                         QWidget* parent)
    : QDialog(parent), model_(model), window_(window) {
    setObjectName(QString::fromLatin1(window));
    setWindowTitle(title);
    setModal(false);
    connect(&model, &EditorModel::refreshed, this, &RadioDialog::load);
}

EditorState& RadioDialog::state() {
    return model_.state();
}

DialogDrafts& RadioDialog::drafts() {
    return model_.state().dialogs;
}

QString RadioDialog::designText(const char* control) const {
    return DesignText(window_, control);
}

QPushButton* RadioDialog::makeOkButton() {
    QPushButton* ok =
        makeButton(this, radio_dialog_names::OkButton, designText(radio_dialog_names::OkButton));
    connect(ok, &QPushButton::clicked, this, &RadioDialog::onOk);
    // Enter presses OK wherever the focus is (a focused button presses itself); Escape is
    // Cancel (QDialog's reject, which hides).
    ok->setDefault(true);
    // A transfer reads or writes the data: nothing is stored meanwhile.
    connect(&model_, &EditorModel::transferRunningChanged, ok,
            [ok](bool running) { ok->setEnabled(!running); });
    return ok;
}

QPushButton* RadioDialog::makeCancelButton() {
    QPushButton* cancel = makeButton(this, radio_dialog_names::CancelButton,
                                     designText(radio_dialog_names::CancelButton));
    connect(cancel, &QPushButton::clicked, this, &QWidget::hide);
    return cancel;
}

void RadioDialog::load() {
    loading_ = true;
    showDraft();
    loading_ = false;
}

void RadioDialog::onOk() {
    // A refused OK stores nothing: the data stay as they are and no undo step is recorded.
    const EditOutcome outcome = model_.document().confirmDialog(kind());
    model_.show(outcome.notices);
    if (outcome.refused) return;
    hide();
    model_.dataChanged();
}

} // namespace tlv
