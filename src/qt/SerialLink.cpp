// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/SerialLink.h"

#include <QFileInfo>

#include <cerrno>
#include <span>

#if defined(Q_OS_UNIX)
#include <poll.h>
#include <termios.h>
#include <unistd.h>
#endif

namespace tlv {

SerialLink::SerialLink(QObject* parent) : QObject(parent) {
    connect(&port_, &QSerialPort::readyRead, this, &SerialLink::onReadyRead);
    connect(&port_, &QSerialPort::errorOccurred, this, &SerialLink::onError);
}

SerialLink::~SerialLink() {
    close();
}

bool SerialLink::open(const QString& device, OpenFailure* failure, QString* reason) {
    close();
    auto fail = [&](OpenFailure kind, const QString& text) {
        if (failure) *failure = kind;
        if (reason) *reason = text;
        return false;
    };
    if (device.isEmpty()) return fail(OpenFailure::NotFound, QStringLiteral("no device"));
    port_.setPortName(device);
    port_.setBaudRate(QSerialPort::Baud9600);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    port_.setReadBufferSize(0);
    if (!port_.open(QIODevice::ReadWrite)) {
        QString text = port_.errorString();
        OpenFailure kind = OpenFailure::Other;
        switch (port_.error()) {
        case QSerialPort::DeviceNotFoundError:
            kind = OpenFailure::NotFound;
            break;
        case QSerialPort::PermissionError:
            // Qt reports a busy device and a refused one alike; the file's access tells them
            // apart.
            kind = OpenFailure::InUse;
#if defined(Q_OS_UNIX)
            if (::access(QFile::encodeName(device).constData(), R_OK | W_OK) != 0 &&
                errno == EACCES) {
                kind = OpenFailure::PermissionDenied;
            }
#endif
            break;
        default:
            if (!QFileInfo::exists(device)) kind = OpenFailure::NotFound;
            break;
        }
        port_.clearError();
        return fail(kind, text);
    }
    device_ = device;
    decoder_ = ParmrkDecoder{};
    marksBreaks_ = false;
#if defined(Q_OS_UNIX)
    termios settings{};
    int fd = static_cast<int>(port_.handle());
    if (fd >= 0 && ::tcgetattr(fd, &settings) == 0) {
        settings.c_iflag &= ~static_cast<tcflag_t>(IGNBRK | BRKINT | IGNPAR | INPCK | ISTRIP);
        settings.c_iflag |= PARMRK;
        marksBreaks_ = ::tcsetattr(fd, TCSANOW, &settings) == 0;
    }
#endif
    if (failure) *failure = OpenFailure::None;
    return true;
}

void SerialLink::close() {
    if (port_.isOpen()) port_.close();
    device_.clear();
    marksBreaks_ = false;
}

bool SerialLink::isOpen() const {
    return port_.isOpen();
}

void SerialLink::send(const QByteArray& bytes) {
    if (!port_.isOpen()) return;
    qint64 written = port_.write(bytes);
    if (written > 0) bytesSent_ += written;
    port_.flush();
}

void SerialLink::onReadyRead() {
    QByteArray data = port_.readAll();
    if (data.isEmpty()) return;
    if (!marksBreaks_) {
        bytesReceived_ += data.size();
        emit received(data);
        return;
    }
    auto bytes = std::span(reinterpret_cast<const uint8_t*>(data.constData()),
                           static_cast<std::size_t>(data.size()));
    for (auto& event : decoder_.feed(bytes)) {
        if (event.isBreak) {
            emit breakReceived();
        } else {
            bytesReceived_ += static_cast<qint64>(event.data.size());
            emit received(QByteArray(reinterpret_cast<const char*>(event.data.data()),
                                     static_cast<qsizetype>(event.data.size())));
        }
    }
}

// A device that went away shows in two ways: a resource error (a USB adapter pulled), or a
// hang-up: the descriptor reports POLLHUP and every read returns nothing, which Qt reports as a
// read error again and again for as long as the port stays open - a busy loop, idle or not.
// Both close the port and report it lost.
void SerialLink::onError(QSerialPort::SerialPortError error) {
    if (error != QSerialPort::ResourceError && error != QSerialPort::ReadError) return;
    if (!port_.isOpen() || lossPending_) return;
    if (error == QSerialPort::ReadError && !hungUp()) {
        port_.clearError();
        return;
    }
    lossPending_ = true;
    // Closed once the port has finished its own notification: closing deletes the notifier
    // that is reporting.
    QMetaObject::invokeMethod(
        this,
        [this] {
            lossPending_ = false;
            if (!port_.isOpen()) return;
            const QString device = device_;
            port_.clearError();
            close();
            emit lost(device);
        },
        Qt::QueuedConnection);
}

bool SerialLink::hungUp() const {
#if defined(Q_OS_UNIX)
    pollfd descriptor{static_cast<int>(port_.handle()), POLLIN, 0};
    if (descriptor.fd < 0) return true;
    if (::poll(&descriptor, 1, 0) < 0) return false;
    return (descriptor.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
#else
    return !QFileInfo::exists(device_);
#endif
}

} // namespace tlv
