#include "link/qt/ComPorts.h"

#include <QSerialPortInfo>

namespace tlv {

ComPorts::ComPorts(SerialLink& link, QObject* parent) : QObject(parent), link_(link) {}

std::vector<std::string> ComPorts::MachineDevices() {
    std::vector<std::string> devices;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        if (!info.systemLocation().isEmpty())
            devices.push_back(info.systemLocation().toStdString());
    }
    return devices;
}

void ComPorts::loadTable(const std::filesystem::path& folder) {
    table_ = PortTable::Load(folder, MachineDevices());
}

void ComPorts::scan(int& portNumber) {
    int available = 0;
    int firstAvailable = 0;
    for (int n = 1; n <= kPortCount; ++n) {
        Option& option = options_[static_cast<std::size_t>(n - 1)];
        option = Option{};
        option.device = QString::fromStdString(table_.device(n));
        if (option.device.isEmpty()) {
            option.reason = QStringLiteral("no device");
            continue;
        }
        SerialLink::OpenFailure failure = SerialLink::OpenFailure::None;
        QString reason;
        option.enabled = link_.open(option.device, &failure, &reason);
        option.failure = failure;
        option.reason = reason;
        // Every probe is closed again: only a chosen port stays open.
        link_.close();
        if (option.enabled && ++available == 1) firstAvailable = n;
    }
    checked_ = -1;
    if (portNumber >= 1 && portNumber <= kPortCount &&
        options_[static_cast<std::size_t>(portNumber - 1)].enabled) {
        checked_ = portNumber - 1;
        OpenCom(portNumber);
    } else if (available == 1) {
        portNumber = firstAvailable;
        OpenCom(portNumber);
    }
    emit optionsChanged();
}

bool ComPorts::OpenCom(int portNumber) {
    link_.close();
    return link_.open(QString::fromStdString(table_.device(portNumber)));
}

void ComPorts::choose(int number, int& portNumber) {
    portNumber = number;
    checked_ = number - 1;
    OpenCom(portNumber);
    emit optionsChanged();
}

bool ComPorts::openByName(const QString& nameOrPath, QString* reason) {
    std::string device = table_.resolve(nameOrPath.toStdString());
    if (device.empty()) {
        if (reason) *reason = QStringLiteral("%1 stands for no serial device").arg(nameOrPath);
        return false;
    }
    SerialLink::OpenFailure failure = SerialLink::OpenFailure::None;
    QString text;
    if (link_.open(QString::fromStdString(device), &failure, &text)) return true;
    if (reason)
        *reason = DescribeOpenFailure(failure, QString::fromStdString(device) + ": " + text);
    return false;
}

QString DescribeOpenFailure(SerialLink::OpenFailure failure, const QString& reason) {
    if (failure == SerialLink::OpenFailure::PermissionDenied) {
        return reason + QStringLiteral("\nPermission denied: add your user to the group that owns "
                                       "the serial devices (usually \"dialout\": sudo usermod -aG "
                                       "dialout $USER) and log in again.");
    }
    if (failure == SerialLink::OpenFailure::InUse) {
        return reason + QStringLiteral("\nThe port is in use by another program.");
    }
    return reason;
}

} // namespace tlv
