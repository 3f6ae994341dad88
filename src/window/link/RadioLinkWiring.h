// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The radio link of the main window: the serial port, the port dialog and the transfer
// controller with its two timers. Read and write start here: a write settles the band question
// first and sends the editor's image; a read's image is loaded into the editor, its notices
// shown, and the editor shown again. The window shows the transfer's status, progress and
// controls itself, from the controller's signals.
#include "document/BandAgreement.h"

#include <QObject>

#include <filesystem>

class QWidget;

namespace tlv {

class ComPorts;
class EditorModel;
class PortDialog;
class SerialLink;
class TransferController;

class RadioLinkWiring : public QObject {
    Q_OBJECT
  public:
    // During start-up. The ports are looked at, and the port window is created hidden over
    // `window`, once the window is on the screen (lookAtPorts), so that the start shows the
    // window without waiting for the machine's serial devices; a window not shown has them
    // looked at as soon as the program waits for events.
    RadioLinkWiring(EditorModel& model, const std::filesystem::path& settingsFolder,
                    QWidget& window);
    ~RadioLinkWiring() override;

    // Builds the port table from `settingsFolder`/"ports" and this machine's serial devices and
    // runs the port window's scan, which may open the port of the editor's port number (or set
    // it by the one-port rule). Once; every command that needs the port asks for it first.
    void lookAtPorts();
    bool portsLookedAt() const { return portsLookedAt_; }

    // Read Frequency / Write Frequency (menu, toolbar, Ctrl+R / Ctrl+W); nothing while the
    // transfer holds the programming commands. A write lists the channels the band does not
    // hold, then asks the band question when it is due (a No ends it as declined).
    void startRead();
    void startWrite();
    // A command needs the port: when it is not open but the chosen port's device is there
    // (a cable pulled and plugged in again), it is opened again, silently. Whether it is open.
    bool takeBackPort();
    // Settings > Communication port: shows the port dialog, modeless.
    void showPortDialog();

    // The port window, created hidden when first needed.
    PortDialog* portDialog();
    ComPorts& ports() { return *ports_; }
    SerialLink& link() { return *link_; }
    TransferController& transfer() { return *transfer_; }

  signals:
    // The start-up's look at the ports is done (lookAtPorts).
    void portsFound();

  private:
    EditorModel& model_;
    QWidget& window_;
    std::filesystem::path settingsFolder_;
    SerialLink* link_;
    ComPorts* ports_;
    TransferController* transfer_;
    PortDialog* portDialog_ = nullptr;
    // The transfer's controls (toolbar, Read and Write, the programming menu) are enabled.
    bool controlsEnabled_ = true;
    // The band question of the writes from this window, and whether it is being asked.
    BandAgreement bandAgreement_;
    bool askingBand_ = false;
    bool portsLookedAt_ = false;
};

} // namespace tlv
