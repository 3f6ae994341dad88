// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/link/RadioLinkWiring.h"

#include "qt/ComPorts.h"
#include "qt/SerialLink.h"
#include "qt/TransferController.h"
#include "window/link/PortDialog.h"
#include "window/main/AfterFirstPaint.h"
#include "window/main/EditorModel.h"

#include <QTimer>
#include <QWidget>

namespace tlv {

RadioLinkWiring::RadioLinkWiring(EditorModel& model, const std::filesystem::path& settingsFolder,
                                 QWidget& window)
    : QObject(&window), model_(model), window_(window), settingsFolder_(settingsFolder) {
    link_ = new SerialLink(this);
    ports_ = new ComPorts(*link_, this);
    transfer_ = new TransferController(
        *link_, model.messageBox(), [&model] { return model.language(); }, this);
    transfer_->setBackupFolder(model.services().backupFolder);
    // The first paint of the window means it is on the screen: the ports are looked at right
    // after it. A window that is not shown by the time the program waits for events has them
    // looked at then.
    new AfterFirstPaint(window, *this, [this] { lookAtPorts(); });
    QTimer::singleShot(0, this, [this] {
        if (!window_.isVisible()) lookAtPorts();
    });
    transfer_->setTellsFailures(false);
    connect(transfer_, &TransferController::controlsEnabledChanged, this,
            [this](bool enabled) { controlsEnabled_ = enabled; });
    // The transfer a flow asks for; the flow goes on when it ends, before the end text blinks: a
    // failure is told, a complete read goes into the editor and what its image has to tell is
    // shown.
    connect(&model, &EditorModel::transferRequested, this,
            [this, &model](const TransferRequest& r) {
                if (!transfer_->start(r.direction, r.image, r.serviceMode))
                    model.transferEnded({TransferOutcome::Stopped, {}, std::nullopt});
            });
    connect(transfer_, &TransferController::ending, this, [this, &model](TransferOutcome outcome) {
        const TransferSession& session = transfer_->session();
        model.transferEnded({outcome, session.failure(), session.imageRead()});
    });
    // A write the band question's No ended: its text blinks in the status line.
    connect(&model, &EditorModel::flowEnded, this, [this](const Step& end) {
        if (end.declined) transfer_->decline();
    });
}

RadioLinkWiring::~RadioLinkWiring() = default;

PortDialog* RadioLinkWiring::portDialog() {
    if (portDialog_ != nullptr) return portDialog_;
    EditorState& state = model_.state();
    portDialog_ = new PortDialog(*ports_, state.session.portNumber, state.session.language,
                                 model_.messageBox(), &window_);
    // The reasons beside the ports follow the language (a hidden window is rendered anew when it
    // is shown).
    connect(&model_, &EditorModel::refreshed, portDialog_, [dialog = portDialog_] {
        if (dialog->isVisible()) dialog->showOptions();
    });
    // No port is chosen while a transfer runs.
    portDialog_->setEnabled(!transfer_->running());
    return portDialog_;
}

void RadioLinkWiring::lookAtPorts() {
    if (portsLookedAt_) return;
    portsLookedAt_ = true;
    ports_->loadTable(settingsFolder_);
    portDialog()->scanPorts();
    emit portsFound();
}

void RadioLinkWiring::startRead() {
    // The shortcut of a menu entry can fire while its menu is disabled.
    if (!controlsEnabled_ || transfer_->running() || model_.flowRunning()) return;
    takeBackPort();
    if (!transfer_->checkPort()) return;
    model_.run(model_.document().read());
}

void RadioLinkWiring::startWrite() {
    if (!controlsEnabled_ || transfer_->running() || model_.flowRunning()) return;
    takeBackPort();
    if (!transfer_->checkPort()) return;
    model_.run(model_.document().write(), false);
}

bool RadioLinkWiring::takeBackPort() {
    lookAtPorts();
    if (link_->isOpen()) return true;
    if (transfer_->running()) return false;
    int& number = model_.state().session.portNumber;
    if (number < 1 || number > kPortCount || ports_->table().device(number).empty()) return false;
    // The port window shows the outcome beside the port, as after a pick of the user.
    return ports_->choose(number, number);
}

void RadioLinkWiring::showPortDialog() {
    // The ports are looked at again, as at start-up; never under a running transfer.
    if (!portsLookedAt_)
        lookAtPorts();
    else if (!transfer_->running())
        portDialog()->rescanPorts();
    portDialog()->show();
    portDialog()->raise();
    portDialog()->activateWindow();
}

} // namespace tlv
