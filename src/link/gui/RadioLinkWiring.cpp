#include "link/gui/RadioLinkWiring.h"

#include "editor/gui/DropDownComboBox.h"
#include "editor/gui/MainWindow.h"
#include "link/gui/PortDialog.h"
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

RadioLinkWiring::RadioLinkWiring(MainWindow& form, const std::filesystem::path& settingsFolder)
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
    portDialog_ =
        new PortDialog(*ports_, form.state().portNumber, form.state().languageState, *box, &form);
    portDialog_->scanPorts();
    // The reasons beside the ports follow the language (a hidden window is rendered anew
    // when it is shown).
    connect(&form, &MainWindow::refreshed, portDialog_, [dialog = portDialog_] {
        if (dialog->isVisible()) dialog->showOptions();
    });

    TransferController* t = transfer_;
    connect(t, &TransferController::statusTextChanged, &form,
            [&form](const QString& text) { form.transferStatus->setText(text); });
    connect(t, &TransferController::statusVisibleChanged, &form,
            [&form](bool visible) { form.transferStatus->setVisible(visible); });
    connect(t, &TransferController::progressChanged, &form, [&form](bool visible, int value) {
        form.transferProgress->setValue(value);
        form.transferProgress->setVisible(visible);
    });
    connect(t, &TransferController::controlsEnabledChanged, this,
            &RadioLinkWiring::setControlsEnabled);
    connect(t, &TransferController::bandListFocusRequested, &form, [&form] {
        form.bandFrame->setEnabled(true);
        form.bandList->setFocus();
    });
    // A read has filled the editor. The band frame that the start enabled stays enabled, also
    // under the editing lock, until the lock is toggled.
    connect(t, &TransferController::finished, &form, [t, &form] {
        if (t->engine().state().transferDirection != "R") return;
        form.refreshFromState();
        form.bandFrame->setEnabled(true);
    });
}

RadioLinkWiring::~RadioLinkWiring() = default;

void RadioLinkWiring::setControlsEnabled(bool enabled) {
    form_.mainToolbar->setEnabled(enabled);
    if (QAction* read = form_.toolbarButton(ToolbarButton::Read)) read->setEnabled(enabled);
    if (QAction* write = form_.toolbarButton(ToolbarButton::Write)) write->setEnabled(enabled);
    form_.programmingMenu->setEnabled(enabled);
    form_.programmingMenu->menuAction()->setEnabled(enabled);
}

void RadioLinkWiring::startRead() {
    // The shortcut of a menu entry can fire while its menu is disabled.
    if (!form_.programmingMenu->isEnabled()) return;
    transfer_->startRead();
}

void RadioLinkWiring::startWrite() {
    if (!form_.programmingMenu->isEnabled()) return;
    transfer_->startWrite();
}

void RadioLinkWiring::showPortDialog() {
    // The ports are looked at again, as at start-up; never under a running transfer.
    if (!transfer_->running()) portDialog_->rescanPorts();
    portDialog_->show();
    portDialog_->raise();
    portDialog_->activateWindow();
}

} // namespace tlv
