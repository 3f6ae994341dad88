#include "dialogs/gui/KeysDialog.h"

#include "dialogs/DialogState.h"
#include "dialogs/gui/DialogWidgets.h"
#include "dialogs/gui/RadioPicture.h"
#include "editor/gui/MainWindow.h"
#include "localisation/gui/DesignText.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace tlv {

namespace {

// The twelve key functions of one list, from its rows of the caption table.
QStringList keyFunctions(const char* list) {
    return DesignEntries("Form6", list, 12);
}

} // namespace

KeysDialog::KeysDialog(MainWindow& main) : QDialog(&main), main_(main) {
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(DesignText("Form6", {}, CaptionItem::WindowTitle));
    setModal(false);
    pf1Label = makeLabel(this, "Label1", QStringLiteral("PF1"));
    place(pf1Label, 480, 960, 600, 315);
    pf1List = makeList(this, "Combo1", keyFunctions("Combo1"));
    place(pf1List, 1080, 900, 3135, 315);
    pf2Label = makeLabel(this, "Label2", QStringLiteral("PF2"));
    place(pf2Label, 480, 1800, 600, 315);
    pf2List = makeList(this, "Combo2", keyFunctions("Combo2"));
    place(pf2List, 1080, 1725, 3135, 315);
    radioPicture = new RadioPicture(this);
    radioPicture->setObjectName(QStringLiteral("Image1"));
    place(radioPicture, 4440, 240, 1695, 3855);
    okButton = makeButton(this, "Command1", DesignText("Form6", "Command1"));
    place(okButton, 1440, 2880, 1095, 375);
    cancelButton = makeButton(this, "Command2", DesignText("Form6", "Command2"));
    place(cancelButton, 2880, 2880, 1095, 375);
    setFixedSize(twips(6360), twips(4275));

    connect(pf1List, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!refreshing_) main_.state().keyFunctions.keyFunction1 = index;
    });
    connect(pf2List, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!refreshing_) main_.state().keyFunctions.keyFunction2 = index;
    });
    connect(okButton, &QPushButton::clicked, this, &KeysDialog::onOk);
    connect(cancelButton, &QPushButton::clicked, this, &KeysDialog::onCancel);
    connect(&main_, &MainWindow::refreshed, this, &KeysDialog::refreshFromState);
    refreshFromState();
}

void KeysDialog::refreshFromState() {
    refreshing_ = true;
    selectPosition(pf1List, main_.state().keyFunctions.keyFunction1);
    selectPosition(pf2List, main_.state().keyFunctions.keyFunction2);
    refreshing_ = false;
}

void KeysDialog::onOk() {
    StoreKeyFunctions(main_.state());
    hide();
}

void KeysDialog::onCancel() {
    hide();
}

} // namespace tlv
