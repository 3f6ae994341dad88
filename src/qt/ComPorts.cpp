// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/ComPorts.h"

#include "language/Messages.h"
#include "link/PortLock.h"
#include "texts/WindowTexts.h"

#include <QFileInfo>
#include <QSerialPortInfo>

#include <optional>

namespace tlv {

namespace {

QString local(Language language, const LocalText& text) {
    return QString::fromStdString(Localise(language, text));
}

} // namespace

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
    folder_ = folder;
    fromFolder_ = true;
    table_ = PortTable::Load(folder, MachineDevices());
}

bool ComPorts::openOn(const QString& device) const {
    return !device.isEmpty() && link_.isOpen() && link_.device() == device &&
           QFileInfo::exists(device);
}

void ComPorts::scan(int& portNumber, bool keepPresentChoice) {
    // The probes use a port of their own, so that the open port (a transfer may be using it)
    // is never touched.
    SerialLink probe;
    int available = 0;
    int firstAvailable = 0;
    for (int n = 1; n <= kPortCount; ++n) {
        Option& option = options_[static_cast<std::size_t>(n - 1)];
        option = Option{};
        option.device = QString::fromStdString(table_.device(n));
        if (option.device.isEmpty()) continue;
        if (openOn(option.device)) {
            option.enabled = true;
            option.failure = SerialLink::OpenFailure::None;
        } else {
            SerialLink::OpenFailure failure = SerialLink::OpenFailure::None;
            QString reason;
            option.enabled = probe.open(option.device, &failure, &reason);
            option.failure = failure;
            option.reason = reason;
            probe.close();
        }
        if (option.enabled && ++available == 1) firstAvailable = n;
    }
    checked_ = -1;
    int chosen = 0;
    const bool remembered = portNumber >= 1 && portNumber <= kPortCount;
    const Option* choice =
        remembered ? &options_[static_cast<std::size_t>(portNumber - 1)] : nullptr;
    // A chosen device that is still there but busy (or refused) stays the choice when looking
    // again: another program holding the cable for a moment must not switch the radio.
    const bool choiceStillThere = keepPresentChoice && choice && !choice->device.isEmpty() &&
                                  choice->failure != SerialLink::OpenFailure::NotFound;
    if (choice && choice->enabled) {
        checked_ = portNumber - 1;
        chosen = portNumber;
    } else if (available == 1 && !choiceStillThere) {
        portNumber = firstAvailable;
        chosen = portNumber;
    }
    if (chosen == 0)
        link_.close();
    else if (!openOn(QString::fromStdString(table_.device(chosen))))
        OpenCom(chosen);
    emit optionsChanged();
}

void ComPorts::rescan(int& portNumber) {
    if (fromFolder_) loadTable(folder_);
    scan(portNumber, true);
}

bool ComPorts::OpenCom(int portNumber) {
    link_.close();
    return link_.open(QString::fromStdString(table_.device(portNumber)));
}

bool ComPorts::choose(int number, int& portNumber) {
    portNumber = number;
    checked_ = number - 1;
    link_.close();
    bool opened = false;
    if (number >= 1 && number <= kPortCount) {
        Option& option = options_[static_cast<std::size_t>(number - 1)];
        option.device = QString::fromStdString(table_.device(number));
        SerialLink::OpenFailure failure = SerialLink::OpenFailure::NotFound;
        QString reason;
        opened = link_.open(option.device, &failure, &reason);
        option.enabled = opened;
        option.failure = opened ? SerialLink::OpenFailure::None : failure;
        option.reason = opened ? QString() : reason;
    }
    if (!opened) checked_ = -1;
    emit optionsChanged();
    return opened;
}

bool ComPorts::openByName(const QString& nameOrPath, QString* reason, Language language) {
    std::string device = table_.resolve(nameOrPath.toStdString());
    if (device.empty()) {
        if (reason) *reason = nameOrPath + QStringLiteral(": ") + local(language, port::NoDevice);
        return false;
    }
    SerialLink::OpenFailure failure = SerialLink::OpenFailure::None;
    QString text;
    if (link_.open(QString::fromStdString(device), &failure, &text)) return true;
    if (reason)
        *reason = QString::fromStdString(device) + QStringLiteral(": ") +
                  DescribeOpenFailure(failure, QString::fromStdString(device), text, language);
    return false;
}

QString OpenFailureSummary(SerialLink::OpenFailure failure, Language language) {
    switch (failure) {
    case SerialLink::OpenFailure::NotFound:
        return local(language, port::Missing);
    case SerialLink::OpenFailure::InUse:
        return local(language, port::InUse);
    case SerialLink::OpenFailure::PermissionDenied:
        return local(language, port::NoPermission);
    case SerialLink::OpenFailure::Lost:
        return local(language, port::Gone);
    case SerialLink::OpenFailure::Other:
        return local(language, port::CannotOpen);
    case SerialLink::OpenFailure::None:
        break;
    }
    return {};
}

namespace {

// Who holds a port in use, named by its lock file; a lock left by a process that has ended
// keeps the port blocked when it cannot be removed (it belongs to another user). Empty when
// no lock file names a holder.
QString lockHolder(const QString& device, Language language) {
    std::optional<PortLock> lock = FindPortLock(device.toStdString());
    if (!lock || lock->pid == 0) return {};
    std::string process = std::to_string(lock->pid);
    if (!lock->processName.empty()) process += " (" + lock->processName + ")";
    if (lock->running)
        return QString::fromStdString(Localise(language, portstate::LockedBy, process, lock->path));
    return QString::fromStdString(Localise(language, portstate::StaleLock, lock->path, process));
}

} // namespace

QString DescribeOpenFailure(SerialLink::OpenFailure failure, const QString& device,
                            const QString& systemText, Language language) {
    QStringList lines{OpenFailureSummary(failure, language)};
    if (!systemText.isEmpty()) lines << systemText;
    switch (failure) {
    case SerialLink::OpenFailure::PermissionDenied:
        lines << local(language, port::PermissionHint);
        break;
    case SerialLink::OpenFailure::InUse:
        lines << lockHolder(device, language);
        break;
    case SerialLink::OpenFailure::Lost:
        lines << QString::fromStdString(Localise(language, portstate::Lost));
        break;
    default:
        break;
    }
    lines.removeAll(QString());
    return lines.join(QLatin1Char('\n'));
}

} // namespace tlv
