// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/language/QtMessageBox.h"

#include "language/ButtonTexts.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>

namespace tlv {

namespace {

QMessageBox::StandardButton standardButtonOf(int itemId) {
    switch (itemId) {
    case IdOk:
        return QMessageBox::Ok;
    case IdCancel:
        return QMessageBox::Cancel;
    case IdAbort:
        return QMessageBox::Abort;
    case IdRetry:
        return QMessageBox::Retry;
    case IdIgnore:
        return QMessageBox::Ignore;
    case IdYes:
        return QMessageBox::Yes;
    case IdNo:
        return QMessageBox::No;
    case IdSave:
        return QMessageBox::Save;
    case IdDiscard:
        return QMessageBox::Discard;
    default:
        return QMessageBox::NoButton;
    }
}

int itemIdOf(QMessageBox::StandardButton button) {
    for (int id : {IdOk, IdCancel, IdAbort, IdRetry, IdIgnore, IdYes, IdNo, IdSave, IdDiscard})
        if (standardButtonOf(id) == button) return id;
    return 0;
}

QMessageBox::Icon iconOf(MsgBoxIcon icon) {
    switch (icon) {
    case MsgBoxIcon::Stop:
        return QMessageBox::Critical;
    case MsgBoxIcon::Question:
        return QMessageBox::Question;
    case MsgBoxIcon::Warning:
        return QMessageBox::Warning;
    case MsgBoxIcon::Information:
        return QMessageBox::Information;
    case MsgBoxIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QtMessageBox::QtMessageBox(std::function<Language()> language, QWidget* owner)
    : language_(std::move(language)), owner_(owner) {}

std::unique_ptr<QMessageBox> QtMessageBox::buildBox(const std::string& text, int flags,
                                                    const std::string& title) const {
    const MsgBoxLayout layout = DecodeMsgBoxFlags(flags);
    auto box = std::make_unique<QMessageBox>(owner_.data());
    box->setWindowTitle(QString::fromStdString(title.empty() ? std::string(kAppTitle) : title));
    box->setText(QString::fromStdString(text));
    box->setIcon(iconOf(layout.icon));
    const Language language = language_ ? language_() : Language::Simplified;
    for (int id : layout.buttons) {
        QAbstractButton* button = box->addButton(standardButtonOf(id));
        if (auto caption = MsgBoxButtonText(language, id))
            button->setText(QString::fromUtf8(caption->data(), qsizetype(caption->size())));
    }
    box->setDefaultButton(standardButtonOf(layout.defaultButton));
    if (layout.escapeButton != 0) box->setEscapeButton(standardButtonOf(layout.escapeButton));
    // A system-modal box blocks the whole program and stays on top; application-modal is the
    // closest the window system offers.
    box->setWindowModality(Qt::ApplicationModal);
    if (layout.systemModal) box->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    return box;
}

int QtMessageBox::resultOf(const QMessageBox& box, const QAbstractButton* clicked) {
    if (clicked == nullptr) clicked = box.escapeButton();
    if (clicked == nullptr) clicked = box.defaultButton();
    if (clicked == nullptr) return IdOk;
    return itemIdOf(box.standardButton(const_cast<QAbstractButton*>(clicked)));
}

int QtMessageBox::LocalMsgBox(const std::string& text, int flags, const std::string& title) {
    auto box = buildBox(text, flags, title);
    box->exec();
    return resultOf(*box, box->clickedButton());
}

} // namespace tlv
