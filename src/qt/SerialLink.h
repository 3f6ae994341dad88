// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The serial port of the programming cable over QSerialPort: 9600 baud, 8 data bits, no
// parity, 1 stop bit, no flow control, raw bytes (every value delivered unchanged). Received
// data is announced on the thread that owns the object (the user-interface thread).
//
// On POSIX terminals the port also reports a break on the line: the terminal marks line
// conditions in its input (termios PARMRK), and the marks are decoded here; `breakReceived`
// comes before the data that follows the break, whose first byte is the NUL character the
// line delivered for it. A pseudo-terminal carries no break.
#include "link/ParmrkDecoder.h"

#include <QByteArray>
#include <QObject>
#include <QSerialPort>
#include <QString>

namespace tlv {

class SerialLink : public QObject {
    Q_OBJECT
  public:
    // Why a port could not be opened; Lost: it was open and went away.
    enum class OpenFailure { None, NotFound, PermissionDenied, InUse, Lost, Other };

    explicit SerialLink(QObject* parent = nullptr);
    ~SerialLink() override;

    // Closes the port, then opens `device` (a path such as /dev/ttyUSB0 or /dev/pts/3) with the
    // fixed line settings. On failure the port stays closed and `failure`/`reason` say why.
    bool open(const QString& device, OpenFailure* failure = nullptr, QString* reason = nullptr);
    void close();
    bool isOpen() const;
    QString device() const { return device_; }
    // Whether a break on the line is reported (the terminal accepted PARMRK).
    bool reportsBreaks() const { return marksBreaks_; }

    // Writes the bytes unchanged and pushes them to the device at once; failures are ignored.
    void send(const QByteArray& bytes);

    // Bytes written and data bytes received since the object was made (for measurements).
    qint64 bytesSent() const { return bytesSent_; }
    qint64 bytesReceived() const { return bytesReceived_; }

  signals:
    void received(const QByteArray& data);
    void breakReceived();
    // The device went away (unplugged, the other end of a pseudo-terminal closed); the port
    // has been closed. `device` is the device it had open.
    void lost(const QString& device);

  private:
    void onReadyRead();
    void onError(QSerialPort::SerialPortError error);
    bool hungUp() const;

    QSerialPort port_;
    QString device_;
    ParmrkDecoder decoder_;
    bool marksBreaks_ = false;
    bool lossPending_ = false; // a hang-up was seen; the port closes once Qt has returned
    qint64 bytesSent_ = 0;
    qint64 bytesReceived_ = 0;
};

} // namespace tlv
