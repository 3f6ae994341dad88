// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/TransferController.h"

#include "image/Backups.h"

#include <QEventLoop>
#include <QFile>

#include <ctime>

namespace tlv {

TransferController::TransferController(EditorState& editor, MessageBoxService& box,
                                       SerialLink& link, QObject* parent)
    : QObject(parent), editor_(editor), box_(box), link_(link), session_(editor, *this) {
    supervisionTimer_.setInterval(kSupervisionIntervalMs);
    statusTimer_.setInterval(kStatusIntervalMs);
    supervisionTimer_.setTimerType(Qt::PreciseTimer);
    statusTimer_.setTimerType(Qt::PreciseTimer);
    connect(&supervisionTimer_, &QTimer::timeout, this, [this] { session_.onSupervisionTick(); });
    connect(&statusTimer_, &QTimer::timeout, this, [this] { session_.onStatusTick(); });
    connect(&link_, &SerialLink::received, this, [this](const QByteArray& data) {
        session_.onBytes(std::span(reinterpret_cast<const uint8_t*>(data.constData()),
                                   static_cast<std::size_t>(data.size())));
    });
    connect(&link_, &SerialLink::breakReceived, this, [this] { session_.onBreak(); });
    connect(&link_, &SerialLink::lost, this,
            [this](const QString& device) { session_.onPortLost(device.toStdString()); });
}

bool TransferController::portIsOpen() const {
    return link_.isOpen();
}

void TransferController::sendBytes(std::span<const uint8_t> frame) {
    link_.send(QByteArray(reinterpret_cast<const char*>(frame.data()),
                          static_cast<qsizetype>(frame.size())));
}

void TransferController::setSupervisionTimer(bool on) {
    if (on) {
        supervisionTimer_.start();
    } else {
        supervisionTimer_.stop();
    }
}

void TransferController::setStatusTimer(bool on) {
    if (on) {
        statusTimer_.start();
    } else {
        statusTimer_.stop();
    }
}

void TransferController::tell(const Notice& notice) {
    if (notice.message != nullptr)
        ShowMessage(box_, editor_.language(), *notice.message, notice.detail);
}

// Any answer but No goes on.
bool TransferController::confirmBandMismatch() {
    return ShowMessage(box_, editor_.language(), msg::BandMismatch) != IdNo;
}

void TransferController::setStatusText(const std::string& text) {
    emit statusTextChanged(QString::fromStdString(text));
}

void TransferController::setStatusVisible(bool visible) {
    emit statusVisibleChanged(visible);
}

void TransferController::setProgress(bool visible, int value) {
    emit progressChanged(visible, value);
}

void TransferController::setTransferControlsEnabled(bool enabled) {
    emit controlsEnabledChanged(enabled);
}

void TransferController::focusBandList() {
    emit bandListFocusRequested();
}

void TransferController::transferEnded(TransferOutcome outcome) {
    emit finished(outcome);
}

void TransferController::imageAboutToBeWritten(const MemoryImage& image) {
    saveBackup(image, false);
}

void TransferController::imageRead(const MemoryImage& image) {
    saveBackup(image, true);
}

void TransferController::saveBackup(const MemoryImage& image, bool read) {
    if (backupFolder_.empty()) return;
    const BackupResult saved = SaveBackup(
        backupFolder_, image, read ? BackupKind::Read : BackupKind::Write, std::time(nullptr));
    if (saved.status.ok) {
        emit backupSaved(QFile::decodeName(QByteArray::fromStdString(saved.path)));
    } else {
        emit backupFailed(QString::fromStdString(saved.status.reason));
    }
}

std::optional<TransferOutcome> RunTransfer(TransferController& transfer,
                                           TransferDirection direction, int timeoutMs) {
    std::optional<TransferOutcome> outcome;
    QEventLoop loop;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
    auto connection =
        QObject::connect(&transfer, &TransferController::finished, &loop, [&](TransferOutcome o) {
            outcome = o;
            loop.quit();
        });
    if (transfer.start(direction)) {
        // A transfer can end inside start() only through a nested message box; check first.
        if (!outcome) {
            guard.start(timeoutMs);
            loop.exec();
        }
    }
    QObject::disconnect(connection);
    return outcome;
}

} // namespace tlv
