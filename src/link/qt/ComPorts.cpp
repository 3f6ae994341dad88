#include "link/qt/ComPorts.h"

#include "link/PortLock.h"
#include "localisation/Messages.h"

#include <QSerialPortInfo>

#include <optional>

namespace tlv {

ComPorts::ComPorts(SerialLink& link, QObject* parent) : QObject(parent), link_(link) {
    connect(&link_, &SerialLink::lost, this, &ComPorts::markLost);
}

void ComPorts::markLost(const QString& device) {
    for (int i = 0; i < kPortCount; ++i) {
        Option& option = options_[static_cast<std::size_t>(i)];
        if (option.device != device) continue;
        option.enabled = false;
        option.failure = SerialLink::OpenFailure::Lost;
        option.reason.clear();
        if (checked_ == i) checked_ = -1;
    }
    emit optionsChanged();
}

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

bool ComPorts::openByName(const QString& nameOrPath, QString* reason, int languageState) {
    std::string device = table_.resolve(nameOrPath.toStdString());
    if (device.empty()) {
        if (reason) *reason = QStringLiteral("%1 stands for no serial device").arg(nameOrPath);
        return false;
    }
    SerialLink::OpenFailure failure = SerialLink::OpenFailure::None;
    QString text;
    if (link_.open(QString::fromStdString(device), &failure, &text)) return true;
    if (reason)
        *reason = DescribeOpenFailure(failure, QString::fromStdString(device),
                                      QString::fromStdString(device) + ": " + text, languageState);
    return false;
}

QString DescribeOpenFailure(SerialLink::OpenFailure failure, const QString& device,
                            const QString& reason, int languageState) {
    auto line = [&](const std::string& text) {
        return (reason.isEmpty() ? QString() : reason + QStringLiteral("\n")) +
               QString::fromStdString(text);
    };
    switch (failure) {
    case SerialLink::OpenFailure::PermissionDenied:
        return line(Localise(languageState, portstate::PermissionDenied));
    case SerialLink::OpenFailure::Lost:
        return line(Localise(languageState, portstate::Lost));
    case SerialLink::OpenFailure::InUse:
        break;
    default:
        return reason;
    }
    // A lock file names its holder; one left by a process that has ended keeps the port
    // blocked when it cannot be removed (it belongs to another user).
    std::optional<PortLock> lock = FindPortLock(device.toStdString());
    if (!lock || lock->pid == 0) return line(Localise(languageState, portstate::InUse));
    std::string process = std::to_string(lock->pid);
    if (!lock->processName.empty()) process += " (" + lock->processName + ")";
    if (lock->running)
        return line(Localise(languageState, portstate::LockedBy, process, lock->path));
    return line(Localise(languageState, portstate::StaleLock, lock->path, process));
}

} // namespace tlv
