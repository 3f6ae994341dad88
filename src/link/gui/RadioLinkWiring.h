// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The radio link of the main window: the serial port, the port dialog and the transfer
// controller with its two timers. Read and write start here; a read shows the editor again when
// it has filled it. The window shows the transfer's status, progress and controls itself, from
// the controller's signals.
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
    // During start-up: builds the port table from `settingsFolder`/"ports" and this machine's
    // serial devices, creates the port window hidden over `window` and runs its scan, which may
    // open the port of the editor's port number (or set it by the one-port rule).
    RadioLinkWiring(EditorModel& model, const std::filesystem::path& settingsFolder,
                    QWidget& window);
    ~RadioLinkWiring() override;

    // Read Frequency / Write Frequency (menu, toolbar, Ctrl+R / Ctrl+W); nothing while the
    // transfer holds the programming commands.
    void startRead();
    void startWrite();
    // A command needs the port: when it is not open but the chosen port's device is there
    // (a cable pulled and plugged in again), it is opened again, silently. Whether it is open.
    bool takeBackPort();
    // Settings > Communication port: shows the port dialog, modeless.
    void showPortDialog();

    PortDialog* portDialog() const { return portDialog_; }
    ComPorts& ports() { return *ports_; }
    SerialLink& link() { return *link_; }
    TransferController& transfer() { return *transfer_; }

  private:
    EditorModel& model_;
    SerialLink* link_;
    ComPorts* ports_;
    TransferController* transfer_;
    PortDialog* portDialog_;
    // The transfer's controls (toolbar, Read and Write, the programming menu) are enabled.
    bool controlsEnabled_ = true;
};

} // namespace tlv
