// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The port choice: the COM1..COM20 table of this machine, the start-up scan of the port
// dialog, OpenCom and the check before a transfer. Widget-free, so that the command line can
// open ports by COM name or device path the same way.
#include "language/Language.h"
#include "link/PortTable.h"
#include "qt/SerialLink.h"

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

    // The scan of the port dialog: tries every COM number and enables the options that open,
    // closing each probe again; the open port is not probed but kept while its device is there.
    // Then the remembered port `portNumber`, when its option is enabled, shows checked and is
    // opened (or stays open); else, when exactly one port is available, that one becomes
    // `portNumber` and is opened (not checked) — unless `keepPresentChoice` and the remembered
    // port's device is still there (busy or refused): then no port is left open and the choice
    // stays. Otherwise no port is left open.
    void scan(int& portNumber, bool keepPresentChoice = false);
    // Looks at the machine again: the table is read anew from the folder of loadTable (and
    // the machine's devices of now), then scanned, keeping a chosen port whose device is still
    // there. A device plugged in since shows up, one that went away is disabled.
    void rescan(int& portNumber);

    // OpenCom: closes the port and opens the device of `portNumber`; a failure leaves it
    // closed, without a message.
    bool OpenCom(int portNumber);
    // The user picked a port: `portNumber` := number, then OpenCom. When the port does not
    // open, its option is disabled and tells why (option(number - 1)), and false is returned.
    bool choose(int number, int& portNumber);

    // Opens a port named "COMn" (by the table) or given by its device path; `reason` says why
    // not, in `language`.
    bool openByName(const QString& nameOrPath, QString* reason = nullptr,
                    Language language = Language::English);

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
    // Whether the port is open on `device` and the device is still there.
    bool openOn(const QString& device) const;

    SerialLink& link_;
    PortTable table_;
    std::filesystem::path folder_;
    bool fromFolder_ = false;
    std::array<Option, kPortCount> options_{};
    int checked_ = -1;
};

// Why a port does not open, in a few words ("in use by another program"), in `language`.
QString OpenFailureSummary(SerialLink::OpenFailure failure, Language language);
// Why the port of `device` does not open, for the user: the summary, the system's own text and
// what to do: for a refused device how to get the permission, for a port in use the holder
// named by its lock file (and whether it still runs), for a lost one to plug it in again.
QString DescribeOpenFailure(SerialLink::OpenFailure failure, const QString& device,
                            const QString& systemText, Language language);

} // namespace tlv
