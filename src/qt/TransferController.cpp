// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/TransferController.h"

#include "document/TransferFailureText.h"
#include "image/Backups.h"

#include <QEventLoop>
#include <QFile>

#include <ctime>

namespace tlv {

TransferController::TransferController(SerialLink& link, MessageBoxService& box,
                                       std::function<Language()> language, QObject* parent)
    : QObject(parent), link_(link), box_(box), language_(std::move(language)), session_(*this),
      statusLine_(*this) {
    supervisionTimer_.setInterval(kSupervisionIntervalMs);
    statusTimer_.setInterval(kStatusIntervalMs);
    supervisionTimer_.setTimerType(Qt::PreciseTimer);
    statusTimer_.setTimerType(Qt::PreciseTimer);
    connect(&supervisionTimer_, &QTimer::timeout, this, [this] { session_.onSupervisionTick(); });
    connect(&statusTimer_, &QTimer::timeout, this, [this] { statusLine_.tick(); });
    connect(&link_, &SerialLink::received, this, [this](const QByteArray& data) {
        session_.onBytes(std::span(reinterpret_cast<const uint8_t*>(data.constData()),
                                   static_cast<std::size_t>(data.size())));
        statusLine_.follow(session_);
    });
    connect(&link_, &SerialLink::breakReceived, this, [this] { session_.onBreak(); });
    connect(&link_, &SerialLink::lost, this,
            [this](const QString& device) { session_.onPortLost(device.toStdString()); });
}

bool TransferController::checkPort() {
    if (link_.isOpen()) return true;
    ShowMessage(box_, language_(), msg::PortNotOpen);
    return false;
}

bool TransferController::start(TransferDirection direction, const MemoryImage& image,
                               bool serviceMode) {
    if (session_.running() || !checkPort()) return false;
    if (!session_.start(direction, image, serviceMode)) return false;
    direction_ = direction;
    statusLine_.started();
    emit started();
    return true;
}

void TransferController::decline() {
    if (session_.running()) return;
    direction_ = TransferDirection::Write;
    statusLine_.declined();
    emit finished(TransferOutcome::Declined);
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

void TransferController::transferEnded(TransferOutcome outcome) {
    // The last acknowledgement's step, before the bar goes.
    statusLine_.follow(session_);
    statusLine_.ended(outcome, session_.direction(), [this, outcome] {
        if (outcome == TransferOutcome::CommunicationError)
            ShowMessage(box_, language_(), msg::CommunicationError,
                        DescribeFailure(session_.failure(), language_()));
        emit ending(outcome);
    });
    emit finished(outcome);
}

void TransferController::imageAboutToBeWritten(const MemoryImage& image) {
    saveBackup(image, false);
}

void TransferController::imageRead(const MemoryImage& image) {
    saveBackup(image, true);
}

void TransferController::setStatusTimer(bool on) {
    if (on) {
        statusTimer_.start();
    } else {
        statusTimer_.stop();
    }
}

void TransferController::setStatusText(const LocalText& text) {
    emit statusTextChanged(QString::fromStdString(Localise(language_(), text)));
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
                                           TransferDirection direction, int timeoutMs,
                                           const MemoryImage& image, bool serviceMode) {
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
    if (transfer.start(direction, image, serviceMode)) {
        guard.start(timeoutMs);
        loop.exec();
    }
    QObject::disconnect(connection);
    return outcome;
}

} // namespace tlv
