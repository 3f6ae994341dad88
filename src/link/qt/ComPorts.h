#pragma once
// The port choice: the COM1..COM20 table of this machine, the start-up scan of the port
// dialog, OpenCom and the check before a transfer. Widget-free, so that the command line can
// open ports by COM name or device path the same way.
#include "link/PortTable.h"
#include "link/qt/SerialLink.h"

#include <QObject>
#include <QString>

#include <array>
#include <filesystem>

namespace tlv {

class ComPorts : public QObject {
    Q_OBJECT
  public:
    // What the scan found for one COM number (option index = number - 1).
    struct Option {
        QString device; // empty when the number stands for no device
        bool enabled = false;
        SerialLink::OpenFailure failure = SerialLink::OpenFailure::NotFound;
        QString reason; // the system's reason when it could not be opened
    };

    explicit ComPorts(SerialLink& link, QObject* parent = nullptr);

    // The serial devices of this machine (QSerialPortInfo), as device paths.
    static std::vector<std::string> MachineDevices();
    // Fills the table from folder/"ports" and the machine's devices.
    void loadTable(const std::filesystem::path& folder);
    void setTable(const PortTable& table) { table_ = table; }
    const PortTable& table() const { return table_; }

    // The start-up scan of the port dialog: tries every COM number, enables the
    // options that open, closing each again. Then opens the remembered port `portNumber` when
    // its option is enabled (it shows checked), or else, when exactly one port is available,
    // makes that one `portNumber` and opens it (not checked). Otherwise no port is left open.
    void scan(int& portNumber);

    // OpenCom: closes the port and opens the device of `portNumber`; a failure leaves it
    // closed, without a message.
    bool OpenCom(int portNumber);
    // The user picked a port: `portNumber` := number, then OpenCom.
    void choose(int number, int& portNumber);

    // Opens a port named "COMn" (by the table) or given by its device path. On failure
    // `reason` says why, in the language of `languageState`.
    bool openByName(const QString& nameOrPath, QString* reason = nullptr, int languageState = 1);

    bool isOpen() const { return link_.isOpen(); }
    const Option& option(int index) const { return options_.at(static_cast<std::size_t>(index)); }
    // Index of the option shown checked after the scan or a choice, -1 for none.
    int checkedOption() const { return checked_; }
    SerialLink& link() { return link_; }

  signals:
    // The options changed: after a scan, a choice, or when the open port was lost (its option
    // is then disabled until the next scan).
    void optionsChanged();

  private:
    void markLost(const QString& device);

    SerialLink& link_;
    PortTable table_;
    std::array<Option, kPortCount> options_{};
    int checked_ = -1;
};

// A reason for the user: the system's text `reason`, with a hint for a refused device, the
// holder of a port in use (named by its lock file, and whether it still runs), or a lost one.
QString DescribeOpenFailure(SerialLink::OpenFailure failure, const QString& device,
                            const QString& reason, int languageState = 1);

} // namespace tlv
