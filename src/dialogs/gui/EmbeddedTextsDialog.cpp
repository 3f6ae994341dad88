#include "dialogs/gui/EmbeddedTextsDialog.h"

#include "dialogs/DialogInput.h"
#include "dialogs/gui/DialogWidgets.h"
#include "editor/gui/MainWindow.h"
#include "localisation/gui/DesignText.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace tlv {

// The designer's names of the embedded-texts dialog and its controls: each control's objectName, by
// which the caption table addresses its texts and the language code and the tests find it.
namespace embedded_texts_names {
constexpr char Window[] = "Form7";
constexpr char FirstTextBox[] = "Text1";
constexpr char SecondTextBox[] = "Text2";
constexpr char OkButton[] = "Command1";
constexpr char CancelButton[] = "Command2";
} // namespace embedded_texts_names

namespace name = embedded_texts_names;

EmbeddedTextsDialog::EmbeddedTextsDialog(MainWindow& main) : QDialog(&main), main_(main) {
    setObjectName(QString::fromLatin1(name::Window));
    setWindowTitle(DesignText(name::Window, {}, CaptionItem::WindowTitle));
    setModal(false);
    firstTextBox = new QLineEdit(this);
    firstTextBox->setObjectName(QString::fromLatin1(name::FirstTextBox));
    place(firstTextBox, 360, 360, 5295, 375);
    secondTextBox = new QLineEdit(this);
    secondTextBox->setObjectName(QString::fromLatin1(name::SecondTextBox));
    place(secondTextBox, 360, 960, 5295, 375);
    okButton = makeButton(this, name::OkButton, DesignText(name::Window, name::OkButton));
    place(okButton, 3120, 1680, 1095, 375);
    cancelButton =
        makeButton(this, name::CancelButton, DesignText(name::Window, name::CancelButton));
    place(cancelButton, 4560, 1680, 1095, 375);
    setFixedSize(twips(5970), twips(2235));

    for (QLineEdit* box : {firstTextBox, secondTextBox})
        box->installEventFilter(this);
    connect(firstTextBox, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!refreshing_) main_.state().embeddedTexts.firstText = text.toStdString();
    });
    connect(secondTextBox, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!refreshing_) main_.state().embeddedTexts.secondText = text.toStdString();
    });
    connect(okButton, &QPushButton::clicked, this, &EmbeddedTextsDialog::onOk);
    connect(cancelButton, &QPushButton::clicked, this, &EmbeddedTextsDialog::onCancel);
    connect(&main_, &MainWindow::refreshed, this, &EmbeddedTextsDialog::refreshFromState);
    refreshFromState();
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
    return QDialog::eventFilter(watched, event);
}

void EmbeddedTextsDialog::refreshFromState() {
    refreshing_ = true;
    const QString first = qs(main_.state().embeddedTexts.firstText);
    const QString second = qs(main_.state().embeddedTexts.secondText);
    if (firstTextBox->text() != first) firstTextBox->setText(first);
    if (secondTextBox->text() != second) secondTextBox->setText(second);
    refreshing_ = false;
}

void EmbeddedTextsDialog::onOk() {
    MessageBoxService* box = main_.services().msgBox;
    if (ConfirmEmbeddedTexts(main_.state(), box != nullptr ? *box : SilentMessageBoxService()))
        hide();
}

void EmbeddedTextsDialog::onCancel() {
    hide();
}

} // namespace tlv
