// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/link/RadioLinkWiring.h"

#include "editor/EditorImage.h"
#include "qt/ComPorts.h"
#include "qt/SerialLink.h"
#include "qt/TransferController.h"
#include "texts/WindowTexts.h"
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
    connect(transfer_, &TransferController::controlsEnabledChanged, this,
            [this](bool enabled) { controlsEnabled_ = enabled; });
    // A complete read goes into the editor, the band of the radio's image included, and what
    // the image has to tell is shown before the end text blinks.
    connect(transfer_, &TransferController::ending, this, [this, &model](TransferOutcome outcome) {
        const std::optional<MemoryImage>& image = transfer_->session().imageRead();
        if (transfer_->direction() == TransferDirection::Read &&
            outcome == TransferOutcome::Success && image)
            model.show(LoadImage(model.state(), *image));
    });
    connect(transfer_, &TransferController::finished, this, [this, &model] {
        if (transfer_->direction() == TransferDirection::Read) model.refresh();
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
    if (!controlsEnabled_) return;
    takeBackPort();
    transfer_->startRead();
}

void RadioLinkWiring::startWrite() {
    if (!controlsEnabled_) return;
    // What the write needs comes first (the port), then what the user must decide: channels
    // the band does not hold are listed, and Cancel sends nothing.
    if (takeBackPort() && !transfer_->running()) {
        const std::string outside = ChannelsOutsideBand(model_.state().radio());
        if (!outside.empty() && model_.show(msg::WriteOutsideBand, outside) != IdOk) return;
    }
    if (transfer_->running() || askingBand_ || !transfer_->checkPort()) return;
    // The band question comes before anything is sent, so that a No leaves the radio untouched
    // and no time-out can run while the user reads the question. Any answer but No goes on.
    askingBand_ = true;
    const bool goOn = bandAgreement_.settle(
        model_.state().radio().band, [this] { return model_.show(msg::BandMismatch) != IdNo; });
    askingBand_ = false;
    if (!goOn) {
        transfer_->decline();
        return;
    }
    // The image of the editor now: nothing changes it while the transfer runs.
    const EditorState& state = model_.state();
    transfer_->start(TransferDirection::Write, EditorImage(state), state.session.serviceMode);
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
