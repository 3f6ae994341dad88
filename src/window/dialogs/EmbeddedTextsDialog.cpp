// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/dialogs/EmbeddedTextsDialog.h"

#include "editor/DialogInput.h"
#include "window/dialogs/DialogWidgets.h"
#include "window/language/DesignText.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace tlv {

namespace {

namespace name = embedded_texts_names;

QLineEdit* makeTextBox(QWidget* parent, const char* objectName) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(objectName));
    return box;
}

} // namespace

EmbeddedTextsDialog::EmbeddedTextsDialog(EditorModel& model, QWidget* parent)
    : RadioDialog(model, name::Window, DesignText(name::Window, {}, CaptionItem::WindowTitle),
                  parent) {
    firstTextBox_ = makeTextBox(this, name::FirstTextBox);
    place(firstTextBox_, 360, 360, 5295, 375);
    secondTextBox_ = makeTextBox(this, name::SecondTextBox);
    place(secondTextBox_, 360, 960, 5295, 375);
    place(makeOkButton(), 3120, 1680, 1095, 375);
    place(makeCancelButton(), 4560, 1680, 1095, 375);
    setFixedSize(twips(5970), twips(2235));

    for (QLineEdit* box : {firstTextBox_, secondTextBox_})
        box->installEventFilter(this);
    connect(firstTextBox_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!loading()) drafts().embeddedTexts.first = text.toStdString();
    });
    connect(secondTextBox_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!loading()) drafts().embeddedTexts.second = text.toStdString();
    });
    load();
}

bool EmbeddedTextsDialog::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box != nullptr && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString typed = key->text();
        // Only keys that type a character count; moving, deleting and shortcuts pass.
        const bool typesCharacter = !typed.isEmpty() && typed.at(0).isPrint() &&
                                    !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        const bool backspace = key->key() == Qt::Key_Backspace;
        if (typesCharacter && !EmbeddedTextKeyAccepted(static_cast<std::size_t>(box->text().size()),
                                                       box->hasSelectedText(), backspace))
            return true;
    }
    return RadioDialog::eventFilter(watched, event);
}

void EmbeddedTextsDialog::showDraft() {
    const QString first = QString::fromStdString(drafts().embeddedTexts.first);
    const QString second = QString::fromStdString(drafts().embeddedTexts.second);
    if (firstTextBox_->text() != first) firstTextBox_->setText(first);
    if (secondTextBox_->text() != second) secondTextBox_->setText(second);
}

} // namespace tlv
