#include "help/gui/AboutDialog.h"

#include "dialogs/gui/DialogWidgets.h"
#include "dialogs/gui/RadioPicture.h"
#include "editor/gui/MainWindow.h"
#include "help/gui/HelpServices.h"
#include "localisation/gui/DesignText.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tlv {

// The designer's names of the about box and its controls: each control's objectName, by which the
// caption table addresses its texts and the language code and the tests find it.
namespace about_names {
constexpr char Window[] = "frmAbout";
constexpr char RadioPicture[] = "Picture1";
constexpr char TitleLabel[] = "lblTitle";
constexpr char VersionLabel[] = "lblVersion";
constexpr char IssueLabel[] = "Label2";
constexpr char DeveloperLink[] = "lblDescription";
constexpr char OkButton[] = "cmdOK";
} // namespace about_names

namespace name = about_names;

namespace {

QLabel* designLabel(QWidget* parent, const char* name) {
    return makeLabel(parent, name, DesignText(name::Window, name));
}

} // namespace

AboutDialog::AboutDialog(MainWindow& main) : QDialog(&main), main_(main) {
    setObjectName(QString::fromLatin1(name::Window));
    setWindowTitle(QStringLiteral("TLV6200"));
    setModal(false);

    radioPicture = new RadioPicture(this);
    radioPicture->setObjectName(QString::fromLatin1(name::RadioPicture));
    radioPicture->setFixedSize(80, 182);
    titleLabel = designLabel(this, name::TitleLabel);
    QFont titleFont = titleLabel->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    titleFont.setBold(true);
    titleLabel->setFont(titleFont);
    versionLabel = designLabel(this, name::VersionLabel);
    issueLabel = designLabel(this, name::IssueLabel);
    developerLink = designLabel(this, name::DeveloperLink);
    QPalette linkPalette = developerLink->palette();
    linkPalette.setColor(QPalette::WindowText, QColor(0, 0, 192));
    developerLink->setPalette(linkPalette);
    QFont linkFont = developerLink->font();
    linkFont.setUnderline(true);
    developerLink->setFont(linkFont);
    developerLink->setCursor(Qt::PointingHandCursor);
    developerLink->setToolTip(QStringLiteral("https://www.example.com/tlv6200"));
    okButton = makeButton(this, name::OkButton, DesignText(name::Window, name::OkButton));
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

    connect(okButton, &QPushButton::clicked, this, &AboutDialog::onOk);
    connect(ClickWatcher::watch(developerLink), &ClickWatcher::clicked, this,
            &AboutDialog::onDeveloperLinkClicked);
}

void AboutDialog::onOk() {
    hide();
}

void AboutDialog::onDeveloperLinkClicked() {
    MessageBoxService* box = main_.services().msgBox;
    OpenMakerWebPage(box != nullptr ? *box : SilentMessageBoxService(),
                     main_.state().languageState);
}

} // namespace tlv
