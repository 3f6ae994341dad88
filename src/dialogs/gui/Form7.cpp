#include "dialogs/gui/Form7.h"

#include "dialogs/DialogInput.h"
#include "dialogs/gui/DialogWidgets.h"
#include "editor/gui/Form1.h"
#include "localisation/gui/DesignText.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace tlv {

Form7::Form7(Form1& main) : QDialog(&main), main_(main) {
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(DesignText("Form7", {}, CaptionItem::WindowTitle));
    setModal(false);
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    place(Text1, 360, 360, 5295, 375);
    Text2 = new QLineEdit(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    place(Text2, 360, 960, 5295, 375);
    Command1 = makeButton(this, "Command1", DesignText("Form7", "Command1"));
    place(Command1, 3120, 1680, 1095, 375);
    Command2 = makeButton(this, "Command2", DesignText("Form7", "Command2"));
    place(Command2, 4560, 1680, 1095, 375);
    setFixedSize(twips(5970), twips(2235));

    for (QLineEdit* box : {Text1, Text2})
        box->installEventFilter(this);
    connect(Text1, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!refreshing_) main_.state().form7.text1 = text.toStdString();
    });
    connect(Text2, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!refreshing_) main_.state().form7.text2 = text.toStdString();
    });
    connect(Command1, &QPushButton::clicked, this, &Form7::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form7::Command2_Click);
    connect(&main_, &Form1::refreshed, this, &Form7::refreshFromState);
    refreshFromState();
}

bool Form7::eventFilter(QObject* watched, QEvent* event) {
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

void Form7::refreshFromState() {
    refreshing_ = true;
    const QString text1 = qs(main_.state().form7.text1);
    const QString text2 = qs(main_.state().form7.text2);
    if (Text1->text() != text1) Text1->setText(text1);
    if (Text2->text() != text2) Text2->setText(text2);
    refreshing_ = false;
}

void Form7::Command1_Click() {
    MessageBoxService* box = main_.services().msgBox;
    if (Form7Confirm(main_.state(), box != nullptr ? *box : SilentMessageBoxService())) hide();
}

void Form7::Command2_Click() {
    hide();
}

} // namespace tlv
