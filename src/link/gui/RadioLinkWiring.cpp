// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/gui/RadioLinkWiring.h"

#include "editor/gui/EditorModel.h"
#include "link/gui/PortDialog.h"
#include "link/qt/ComPorts.h"
#include "link/qt/SerialLink.h"
#include "link/qt/TransferController.h"

#include <QWidget>

namespace tlv {

RadioLinkWiring::RadioLinkWiring(EditorModel& model, const std::filesystem::path& settingsFolder,
                                 QWidget& window)
    : QObject(&window) {
    EditorState& state = model.state();
    link_ = new SerialLink(this);
    ports_ = new ComPorts(*link_, this);
    ports_->loadTable(settingsFolder);
    transfer_ = new TransferController(state, model.messageBox(), *link_, this);
    transfer_->setBackupFolder(model.services().backupFolder);
    portDialog_ = new PortDialog(*ports_, state.session.portNumber, state.session.language,
                                 model.messageBox(), &window);
    portDialog_->scanPorts();
    // The reasons beside the ports follow the language (a hidden window is rendered anew when it
    // is shown).
    connect(&model, &EditorModel::refreshed, portDialog_, [dialog = portDialog_] {
        if (dialog->isVisible()) dialog->showOptions();
    });
    connect(transfer_, &TransferController::controlsEnabledChanged, this,
            [this](bool enabled) { controlsEnabled_ = enabled; });
    // A read has filled the editor.
    connect(transfer_, &TransferController::finished, this, [this, &model] {
        if (transfer_->session().direction() == TransferDirection::Read) model.refresh();
    });
}

RadioLinkWiring::~RadioLinkWiring() = default;

void RadioLinkWiring::startRead() {
    // The shortcut of a menu entry can fire while its menu is disabled.
    if (controlsEnabled_) transfer_->startRead();
}

void RadioLinkWiring::startWrite() {
    if (controlsEnabled_) transfer_->startWrite();
}

void RadioLinkWiring::showPortDialog() {
    // The ports are looked at again, as at start-up; never under a running transfer.
    if (!transfer_->running()) portDialog_->rescanPorts();
    portDialog_->show();
    portDialog_->raise();
    portDialog_->activateWindow();
}

} // namespace tlv
