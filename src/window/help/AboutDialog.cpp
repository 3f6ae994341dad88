// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/help/AboutDialog.h"

#include "window/dialogs/DialogWidgets.h"
#include "window/dialogs/RadioPicture.h"
#include "window/help/HelpServices.h"
#include "window/language/DesignText.h"
#include "window/main/EditorModel.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tlv {

namespace name = about_names;

namespace {

QLabel* designLabel(QWidget* parent, const char* name) {
    return makeLabel(parent, name, DesignText(name::Window, name));
}

} // namespace

AboutDialog::AboutDialog(EditorModel& model, QWidget* parent) : QDialog(parent), model_(model) {
    setObjectName(QString::fromLatin1(name::Window));
    setWindowTitle(QStringLiteral("TLV6200"));
    setModal(false);

    auto* radioPicture = new RadioPicture(this);
    radioPicture->setObjectName(QString::fromLatin1(name::RadioPicture));
    radioPicture->setFixedSize(80, 182);
    QLabel* titleLabel = designLabel(this, name::TitleLabel);
    QFont titleFont = titleLabel->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    titleFont.setBold(true);
    titleLabel->setFont(titleFont);
    QLabel* versionLabel = designLabel(this, name::VersionLabel);
    QLabel* issueLabel = designLabel(this, name::IssueLabel);
    QLabel* developerLink = designLabel(this, name::DeveloperLink);
    QPalette linkPalette = developerLink->palette();
    linkPalette.setColor(QPalette::WindowText, QColor(0, 0, 192));
    developerLink->setPalette(linkPalette);
    QFont linkFont = developerLink->font();
    linkFont.setUnderline(true);
    developerLink->setFont(linkFont);
    developerLink->setCursor(Qt::PointingHandCursor);
    developerLink->setToolTip(QStringLiteral("https://www.example.com/tlv6200"));
    QPushButton* okButton =
        makeButton(this, name::OkButton, DesignText(name::Window, name::OkButton));
    okButton->setFixedSize(twips(1095), twips(375));
    okButton->setDefault(true);

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto* texts = new QVBoxLayout;
    texts->addWidget(titleLabel);
    texts->addWidget(versionLabel);
    texts->addWidget(issueLabel);
    texts->addStretch();
    texts->addWidget(line);
    texts->addWidget(developerLink);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    texts->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(radioPicture, 0, Qt::AlignTop);
    layout->addSpacing(12);
    layout->addLayout(texts, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(okButton, &QPushButton::clicked, this, &QWidget::hide);
    connect(ClickWatcher::watch(developerLink), &ClickWatcher::clicked, this,
            [this] { OpenMakerWebPage(model_.messageBox(), model_.language()); });
}

} // namespace tlv
