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

// The designer's names of the keys dialog and its controls: each control's objectName, by which the
// caption table addresses its texts and the language code and the tests find it.
namespace keys_names {
constexpr char Window[] = "Form6";
constexpr char Pf1Label[] = "Label1";
constexpr char Pf1List[] = "Combo1";
constexpr char Pf2Label[] = "Label2";
constexpr char Pf2List[] = "Combo2";
constexpr char RadioPicture[] = "Image1";
constexpr char OkButton[] = "Command1";
constexpr char CancelButton[] = "Command2";
} // namespace keys_names

namespace name = keys_names;

namespace {

// The twelve key functions of one list, from its rows of the caption table.
QStringList keyFunctions(const char* list) {
    return DesignEntries(name::Window, list, 12);
}

} // namespace

KeysDialog::KeysDialog(MainWindow& main) : QDialog(&main), main_(main) {
    setObjectName(QString::fromLatin1(name::Window));
    setWindowTitle(DesignText(name::Window, {}, CaptionItem::WindowTitle));
    setModal(false);
    pf1Label = makeLabel(this, name::Pf1Label, DesignText(name::Window, name::Pf1Label));
    place(pf1Label, 480, 960, 600, 315);
    pf1List = makeList(this, name::Pf1List, keyFunctions(name::Pf1List));
    place(pf1List, 1080, 900, 3135, 315);
    pf2Label = makeLabel(this, name::Pf2Label, DesignText(name::Window, name::Pf2Label));
    place(pf2Label, 480, 1800, 600, 315);
    pf2List = makeList(this, name::Pf2List, keyFunctions(name::Pf2List));
    place(pf2List, 1080, 1725, 3135, 315);
    radioPicture = new RadioPicture(this);
    radioPicture->setObjectName(QString::fromLatin1(name::RadioPicture));
    place(radioPicture, 4440, 240, 1695, 3855);
    okButton = makeButton(this, name::OkButton, DesignText(name::Window, name::OkButton));
    place(okButton, 1440, 2880, 1095, 375);
    cancelButton =
        makeButton(this, name::CancelButton, DesignText(name::Window, name::CancelButton));
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
