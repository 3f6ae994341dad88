#include "help/gui/frmAbout.h"

#include "dialogs/gui/DialogWidgets.h"
#include "dialogs/gui/RadioPicture.h"
#include "editor/gui/Form1.h"
#include "help/gui/HelpServices.h"
#include "localisation/gui/DesignText.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tlv {

namespace {

QLabel* designLabel(QWidget* parent, const char* name) {
    return makeLabel(parent, name, DesignText("frmAbout", name));
}

} // namespace

frmAbout::frmAbout(Form1& main) : QDialog(&main), main_(main) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("TLV6200"));
    setModal(false);

    Picture1 = new RadioPicture(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFixedSize(80, 182);
    lblTitle = designLabel(this, "lblTitle");
    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    lblVersion = designLabel(this, "lblVersion");
    Label2 = designLabel(this, "Label2");
    lblDescription = designLabel(this, "lblDescription");
    QPalette linkPalette = lblDescription->palette();
    linkPalette.setColor(QPalette::WindowText, QColor(0, 0, 192));
    lblDescription->setPalette(linkPalette);
    QFont linkFont = lblDescription->font();
    linkFont.setUnderline(true);
    lblDescription->setFont(linkFont);
    lblDescription->setCursor(Qt::PointingHandCursor);
    lblDescription->setToolTip(QStringLiteral("https://www.example.com/tlv6200"));
    cmdOK = makeButton(this, "cmdOK", DesignText("frmAbout", "cmdOK"));
    cmdOK->setFixedSize(twips(1095), twips(375));
    cmdOK->setDefault(true);

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto* texts = new QVBoxLayout;
    texts->addWidget(lblTitle);
    texts->addWidget(lblVersion);
    texts->addWidget(Label2);
    texts->addStretch();
    texts->addWidget(line);
    texts->addWidget(lblDescription);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    texts->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(Picture1, 0, Qt::AlignTop);
    layout->addSpacing(12);
    layout->addLayout(texts, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(ClickWatcher::watch(lblDescription), &ClickWatcher::clicked, this,
            &frmAbout::lblDescription_Click);
}

void frmAbout::cmdOK_Click() {
    hide();
}

void frmAbout::lblDescription_Click() {
    MessageBoxService* box = main_.services().msgBox;
    OpenMakerWebPage(box != nullptr ? *box : SilentMessageBoxService(),
                     main_.state().languageState);
}

} // namespace tlv
