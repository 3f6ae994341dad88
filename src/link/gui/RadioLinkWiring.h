#pragma once
// The radio link inside the main window: the serial port, the port dialog, the
// transfer controller with its two timers, and their wiring to the main window's transfer status,
// progress bar, toolbar (Read and Write buttons), programming menu and band list.
#include <QObject>

#include <filesystem>

namespace tlv {

class ComPorts;
class MainWindow;
class PortDialog;
class SerialLink;
class TransferController;

class RadioLinkWiring : public QObject {
    Q_OBJECT
  public:
    // During start-up: builds the port table from `settingsFolder`/"ports" and this machine's
    // serial devices, creates the port window hidden and runs its scan, which may open the
    // port of form.state().portNumber (or set it by the one-port rule).
    RadioLinkWiring(MainWindow& form, const std::filesystem::path& settingsFolder);
    ~RadioLinkWiring() override;

    // Read Frequency / Write Frequency (menu, toolbar, Ctrl+R / Ctrl+W).
    void startRead();
    void startWrite();
    // Settings > Communication port: shows the port dialog, modeless.
    void showPortDialog();

    PortDialog* portDialog() const { return portDialog_; }
    ComPorts& ports() { return *ports_; }
    SerialLink& link() { return *link_; }
    TransferController& transfer() { return *transfer_; }

  private:
    void setControlsEnabled(bool enabled);

    MainWindow& form_;
    SerialLink* link_;
    ComPorts* ports_;
    TransferController* transfer_;
    PortDialog* portDialog_;
};

} // namespace tlv
