#include "link/gui/RadioLinkWiring.h"

#include "editor/gui/DropDownComboBox.h"
#include "editor/gui/Form1.h"
#include "link/gui/FormCOM.h"
#include "link/qt/ComPorts.h"
#include "link/qt/SerialLink.h"
#include "link/qt/TransferController.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QToolBar>

namespace tlv {

namespace {
// Stands in when the window was built without a message box (answers OK and No to nothing).
class SilentMessageBox : public MessageBoxService {
  public:
    int LocalMsgBox(const std::string&, int flags, const std::string&) override {
        return (flags & 7) == mb::YesNo ? IdNo : IdOk;
    }
};
} // namespace

RadioLinkWiring::RadioLinkWiring(Form1& form, const std::filesystem::path& settingsFolder)
    : QObject(&form), form_(form) {
    link_ = new SerialLink(this);
    ports_ = new ComPorts(*link_, this);
    ports_->loadTable(settingsFolder);
    MessageBoxService* box = form.services().msgBox;
    if (box == nullptr) {
        static SilentMessageBox silent;
        box = &silent;
    }
    transfer_ = new TransferController(form.state(), *box, *link_, this);
    portWindow_ = new FormCOM(*ports_, form.state().portNumber, &form);
    portWindow_->Form_Load();

    TransferController* t = transfer_;
    connect(t, &TransferController::statusTextChanged, &form,
            [&form](const QString& text) { form.Label->setText(text); });
    connect(t, &TransferController::statusVisibleChanged, &form,
            [&form](bool visible) { form.Label->setVisible(visible); });
    connect(t, &TransferController::progressChanged, &form, [&form](bool visible, int value) {
        form.ProgressBar1->setValue(value);
        form.ProgressBar1->setVisible(visible);
    });
    connect(t, &TransferController::controlsEnabledChanged, this,
            &RadioLinkWiring::setControlsEnabled);
    connect(t, &TransferController::bandListFocusRequested, &form, [&form] {
        form.Frame1->setEnabled(true);
        form.Combo1->setFocus();
    });
    // A read has filled the editor. The band frame that the start enabled stays enabled, also
    // under the editing lock, until the lock is toggled.
    connect(t, &TransferController::finished, &form, [t, &form] {
        if (t->engine().state().transferDirection != "R") return;
        form.refreshFromState();
        form.Frame1->setEnabled(true);
    });
}

RadioLinkWiring::~RadioLinkWiring() = default;

void RadioLinkWiring::setControlsEnabled(bool enabled) {
    form_.Toolbar1->setEnabled(enabled);
    if (QAction* read = form_.toolbarButton(5)) read->setEnabled(enabled);
    if (QAction* write = form_.toolbarButton(6)) write->setEnabled(enabled);
    form_.mnupro->setEnabled(enabled);
    form_.mnupro->menuAction()->setEnabled(enabled);
}

void RadioLinkWiring::startRead() {
    // The shortcut of a menu entry can fire while its menu is disabled.
    if (!form_.mnupro->isEnabled()) return;
    transfer_->startRead();
}

void RadioLinkWiring::startWrite() {
    if (!form_.mnupro->isEnabled()) return;
    transfer_->startWrite();
}

void RadioLinkWiring::showPortWindow() {
    portWindow_->show();
    portWindow_->raise();
    portWindow_->activateWindow();
}

} // namespace tlv
