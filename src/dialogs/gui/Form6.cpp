#include "dialogs/gui/Form6.h"

#include "dialogs/DialogState.h"
#include "dialogs/gui/DialogWidgets.h"
#include "dialogs/gui/RadioPicture.h"
#include "editor/gui/Form1.h"
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

Form6::Form6(Form1& main) : QDialog(&main), main_(main) {
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(DesignText("Form6", {}, CaptionItem::WindowTitle));
    setModal(false);
    Label1 = makeLabel(this, "Label1", QStringLiteral("PF1"));
    place(Label1, 480, 960, 600, 315);
    Combo1 = makeList(this, "Combo1", keyFunctions("Combo1"));
    place(Combo1, 1080, 900, 3135, 315);
    Label2 = makeLabel(this, "Label2", QStringLiteral("PF2"));
    place(Label2, 480, 1800, 600, 315);
    Combo2 = makeList(this, "Combo2", keyFunctions("Combo2"));
    place(Combo2, 1080, 1725, 3135, 315);
    Image1 = new RadioPicture(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    place(Image1, 4440, 240, 1695, 3855);
    Command1 = makeButton(this, "Command1", DesignText("Form6", "Command1"));
    place(Command1, 1440, 2880, 1095, 375);
    Command2 = makeButton(this, "Command2", DesignText("Form6", "Command2"));
    place(Command2, 2880, 2880, 1095, 375);
    setFixedSize(twips(6360), twips(4275));

    connect(Combo1, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!refreshing_) main_.state().form6.combo1 = index;
    });
    connect(Combo2, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!refreshing_) main_.state().form6.combo2 = index;
    });
    connect(Command1, &QPushButton::clicked, this, &Form6::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form6::Command2_Click);
    connect(&main_, &Form1::refreshed, this, &Form6::refreshFromState);
    refreshFromState();
}

void Form6::refreshFromState() {
    refreshing_ = true;
    selectPosition(Combo1, main_.state().form6.combo1);
    selectPosition(Combo2, main_.state().form6.combo2);
    refreshing_ = false;
}

void Form6::Command1_Click() {
    Form6Ok(main_.state());
    hide();
}

void Form6::Command2_Click() {
    hide();
}

} // namespace tlv
