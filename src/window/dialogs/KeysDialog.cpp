// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/dialogs/KeysDialog.h"

#include "editor/DialogState.h"
#include "editor/EditorState.h"
#include "window/dialogs/DialogWidgets.h"
#include "window/dialogs/RadioPicture.h"
#include "window/language/DesignText.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace tlv {

namespace {

namespace name = keys_names;

// The twelve key functions of one list, from its rows of the caption table.
QStringList keyFunctions(const char* list) {
    return DesignEntries(name::Window, list, kKeyFunctionCount);
}

} // namespace

KeysDialog::KeysDialog(EditorModel& model, QWidget* parent)
    : RadioDialog(model, name::Window, DesignText(name::Window, {}, CaptionItem::WindowTitle),
                  parent) {
    place(makeLabel(this, name::Pf1Label, designText(name::Pf1Label)), 480, 960, 600, 315);
    pf1List_ = makeList(this, name::Pf1List, keyFunctions(name::Pf1List));
    place(pf1List_, 1080, 900, 3135, 315);
    place(makeLabel(this, name::Pf2Label, designText(name::Pf2Label)), 480, 1800, 600, 315);
    pf2List_ = makeList(this, name::Pf2List, keyFunctions(name::Pf2List));
    place(pf2List_, 1080, 1725, 3135, 315);
    auto* radioPicture = new RadioPicture(this);
    radioPicture->setObjectName(QString::fromLatin1(name::RadioPicture));
    place(radioPicture, 4440, 240, 1695, 3855);
    place(makeOkButton(), 1440, 2880, 1095, 375);
    place(makeCancelButton(), 2880, 2880, 1095, 375);
    setFixedSize(twips(6360), twips(4275));

    connect(pf1List_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!loading()) drafts().keys.pf1 = index;
    });
    connect(pf2List_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!loading()) drafts().keys.pf2 = index;
    });
    load();
}

void KeysDialog::showDraft() {
    selectPosition(pf1List_, drafts().keys.pf1);
    selectPosition(pf2List_, drafts().keys.pf2);
}

} // namespace tlv
