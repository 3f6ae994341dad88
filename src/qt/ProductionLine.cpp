// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/ProductionLine.h"

#include "document/BandAgreement.h"
#include "document/TransferFailureText.h"
#include "image/ImageCodec.h"
#include "language/LocalMsgBox.h"
#include "line/LineTexts.h"
#include "link/PortTable.h"
#include "link/RadioFrames.h"
#include "qt/ComPorts.h"
#include "qt/SerialLink.h"
#include "qt/TransferController.h"

#include <QDateTime>

#include <algorithm>
#include <cstdio>

namespace tlv {

namespace {

// The messages of a transfer on the line go nowhere: the line tells each radio's result on
// its own line.
class LineMessageBox : public MessageBoxService {
  public:
    int LocalMsgBox(const std::string&, int, const std::string&) override { return IdOk; }
};

std::string oneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

std::string now() {
    return QDateTime::currentDateTime()
        .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
        .toStdString();
}

} // namespace

struct ProductionLine::Radio {
    SerialLink link;
    std::unique_ptr<ComPorts> ports;
    LineMessageBox box;
    std::optional<MemoryImage> written;
    TransferOutcome outcome = TransferOutcome::CommunicationError;
    std::string backup;
    std::unique_ptr<TransferController> transfer; // last: it goes first
};

std::string StationText(const Station& station, Language language) {
    switch (station.state) {
    case StationState::Waiting:
        return Localise(language, text::StationWaiting);
    case StationState::Opening:
        return Localise(language, text::StationOpening);
    case StationState::Writing:
        return Localise(language, text::StationWriting, std::to_string(station.percent));
    case StationState::Verifying:
        return Localise(language, text::StationVerifying, std::to_string(station.percent));
    case StationState::Done:
        return Localise(language, text::StationDone, std::to_string(station.row));
    case StationState::Failed:
        return Localise(language, text::StationFailed, station.cause);
    }
    return {};
}

ProductionLine::ProductionLine(std::vector<Unit> units, LineRows rows, LineOptions options,
                               QObject* parent)
    : QObject(parent), units_(std::move(units)), rows_(std::move(rows)),
      options_(std::move(options)) {
    for (const std::string& port : options_.ports) {
        stations_.push_back({});
        stations_.back().name = port;
    }
    radios_.resize(stations_.size());
    poll_.setInterval(options_.pollMs);
    connect(&poll_, &QTimer::timeout, this, &ProductionLine::look);
    connect(&folders_, &QFileSystemWatcher::directoryChanged, this, &ProductionLine::look);
}

ProductionLine::~ProductionLine() = default;

void ProductionLine::start() {
    running_ = true;
    stopping_ = false;
    if (!options_.watch) {
        for (std::size_t i = 0; i < stations_.size(); ++i)
            serve(i);
        endWhenIdle();
        return;
    }
    if (options_.ports.empty())
        for (const std::string& device : ComPorts::MachineDevices())
            machineAtStart_.insert(device);
    if (options_.watchFolders) watchFolders();
    poll_.start();
    look();
}

void ProductionLine::stop() {
    stopping_ = true;
    poll_.stop();
    for (auto& radio : radios_)
        if (radio && radio->transfer && radio->transfer->running()) radio->transfer->stop();
    endWhenIdle();
}

// The folders where the watched devices appear: a change there is looked at at once.
void ProductionLine::watchFolders() {
    QStringList folders;
    auto add = [&folders](const std::filesystem::path& folder) {
        std::error_code error;
        if (!folder.empty() && std::filesystem::is_directory(folder, error))
            folders << QString::fromStdString(folder.string());
    };
    if (options_.ports.empty()) {
        add("/dev");
        add("/dev/serial/by-id");
    }
    for (const std::string& port : options_.ports) {
        if (IsComName(port)) {
            add("/dev");
        } else {
            add(std::filesystem::absolute(port).parent_path());
        }
    }
    folders.removeDuplicates();
    if (!folders.isEmpty()) folders_.addPaths(folders);
}

std::string ProductionLine::deviceBehind(const std::string& name) const {
    std::string path = name;
    if (IsComName(name)) {
        path = PortTable::Load(options_.settingsFolder, ComPorts::MachineDevices()).resolve(name);
        if (path.empty()) return {};
    }
    std::error_code error;
    const std::filesystem::path device = std::filesystem::canonical(path, error);
    return error ? std::string() : device.string();
}

void ProductionLine::look() {
    retired_.clear();
    if (!running_ || stopping_) return;
    if (options_.ports.empty()) {
        // Watching the machine: a serial device not there at the start is a new cable.
        for (const std::string& device : ComPorts::MachineDevices()) {
            if (machineAtStart_.count(device)) continue;
            const bool known = std::any_of(stations_.begin(), stations_.end(),
                                           [&](const Station& s) { return s.name == device; });
            if (known) continue;
            stations_.push_back({});
            stations_.back().name = device;
            radios_.emplace_back();
            emit stationAdded(static_cast<int>(stations_.size() - 1));
        }
    }
    for (std::size_t i = 0; i < stations_.size(); ++i) {
        Station& station = stations_[i];
        if (radios_[i]) continue; // being written or read back
        const std::string device = deviceBehind(station.name);
        if (device.empty()) {
            station.device.clear();
            if (station.served || station.state != StationState::Waiting) {
                station.served = false;
                setState(i, StationState::Waiting);
            }
            continue;
        }
        if (device != station.device) station.served = false; // another radio behind the name
        station.device = device;
        if (!station.served && rows_.next()) serve(i);
    }
    endWhenIdle();
}

void ProductionLine::serve(std::size_t index) {
    Station& station = stations_[index];
    if (!rows_.next()) return;
    auto radio = std::make_unique<Radio>();
    radio->ports = std::make_unique<ComPorts>(radio->link);
    if (IsComName(station.name)) radio->ports->loadTable(options_.settingsFolder);
    setState(index, StationState::Opening);
    QString reason;
    if (!radio->ports->openByName(QString::fromStdString(station.name), &reason,
                                  options_.language)) {
        // Watching, a device that has just appeared may not open yet (its permissions are
        // still being set): the next look tries again. No row was taken.
        station.cause = reason.toStdString();
        station.served = !options_.watch;
        setState(index, StationState::Failed);
        return;
    }
    const int row = *rows_.take();
    emit rowsChanged();
    station.row = row;
    station.served = true;
    const RadioData& unit = units_[static_cast<std::size_t>(row - 1)].radio;
    const Language language = options_.language;
    radio->transfer = std::make_unique<TransferController>(radio->link, radio->box,
                                                           [language] { return language; });
    radio->transfer->setBackupFolder(options_.backupFolder);
    Radio* raw = radio.get();
    connect(raw->transfer.get(), &TransferController::backupSaved, this,
            [raw](const QString& path) { raw->backup = path.toStdString(); });
    connect(raw->transfer.get(), &TransferController::progressChanged, this,
            [this, index](bool visible, int value) {
                if (visible)
                    setState(index, stations_[index].state, value * 100 / kProgressMaximum);
            });
    radios_[index] = std::move(radio);
    setState(index, StationState::Writing);
    connect(raw->transfer.get(), &TransferController::finished, this,
            [this, index, raw](TransferOutcome outcome) {
                raw->outcome = outcome;
                // After the session has finished its own work for the transfer.
                QTimer::singleShot(0, this, [this, index] {
                    if (stations_[index].state == StationState::Writing)
                        onWritten(index);
                    else
                        onReadBack(index);
                });
            });
    // The band question of the unit's band has the answer settled before the line started; a
    // No leaves the radio untouched, and it fails as a write that could not start.
    BandAgreement agreement;
    const bool goOn =
        agreement.settle(unit.band, [this] { return options_.bandAnswer.value_or(false); });
    if (!goOn ||
        !raw->transfer->start(TransferDirection::Write, EncodeImage(unit), options_.serviceMode))
        finishRadio(index, false, Localise(options_.language, msg::CommunicationError.text), {});
}

namespace {

// The cause of a transfer that did not succeed, on one line.
std::string failureText(const TransferController& transfer, Language language) {
    const std::string cause = oneLine(DescribeFailure(transfer.session().failure(), language));
    return cause.empty() ? oneLine(Localise(language, msg::CommunicationError.text)) : cause;
}

} // namespace

void ProductionLine::onWritten(std::size_t index) {
    Radio& radio = *radios_[index];
    const auto outcome = radio.outcome;
    if (outcome != TransferOutcome::Success) {
        const std::string cause = outcome == TransferOutcome::Stopped
                                      ? Localise(options_.language, text::LineInterrupted)
                                      : failureText(*radio.transfer, options_.language);
        finishRadio(index, false, cause, {});
        return;
    }
    if (!options_.verify) {
        finishRadio(index, true, {}, {});
        return;
    }
    radio.written = radio.transfer->session().imageWritten();
    radio.transfer->setBackupFolder({}); // the read-back is the image just written
    setState(index, StationState::Verifying);
    if (stopping_ || !radio.transfer->startRead())
        finishRadio(index, false, Localise(options_.language, text::LineInterrupted),
                    "not verified");
}

void ProductionLine::onReadBack(std::size_t index) {
    Radio& radio = *radios_[index];
    const auto outcome = radio.outcome;
    if (outcome != TransferOutcome::Success || !radio.written) {
        finishRadio(index, false, Localise(options_.language, text::LineNotVerified),
                    "failed: " + Localise(options_.language, text::LineReadBackFailed));
        return;
    }
    const auto address = FirstDifferingWrittenAddress(
        *radio.written, radio.transfer->session().memoryRead(), options_.serviceMode);
    if (address) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "0x%04X", *address);
        finishRadio(index, false, Localise(options_.language, text::LineNotVerified),
                    "failed: " + Localise(options_.language, text::LineVerifyFailed, hex));
        return;
    }
    finishRadio(index, true, {}, "verified");
}

void ProductionLine::finishRadio(std::size_t index, bool done, const std::string& cause,
                                 const std::string& verification) {
    Station& station = stations_[index];
    std::unique_ptr<Radio>& radio = radios_[index];
    LineRecord record;
    record.time = now();
    record.port = station.name;
    record.row = station.row;
    record.identity = IdentityText(units_[static_cast<std::size_t>(station.row - 1)]);
    record.done = done;
    record.result = done ? "done" : "failed: " + cause;
    record.verification = verification.empty() && options_.verify && !done && cause.size()
                              ? "not verified"
                              : verification;
    record.backup = radio ? radio->backup : std::string();
    rows_.finish(station.row, done);
    station.cause = cause;
    if (radio) {
        radio->link.close();
        retired_.push_back(std::move(radio));
        QTimer::singleShot(0, this, [this] { retired_.clear(); });
    }
    setState(index, done ? StationState::Done : StationState::Failed);
    emit rowsChanged();
    emit radioFinished(record);
    endWhenIdle();
}

void ProductionLine::setState(std::size_t index, StationState state, int percent) {
    Station& station = stations_[index];
    if (station.state == state && station.percent == percent) return;
    station.state = state;
    station.percent = percent;
    emit stationChanged(static_cast<int>(index));
}

void ProductionLine::endWhenIdle() {
    if (!running_) return;
    const bool busy =
        std::any_of(radios_.begin(), radios_.end(), [](const auto& r) { return r != nullptr; });
    if (busy) return;
    const bool allServed =
        std::all_of(stations_.begin(), stations_.end(), [](const Station& s) { return s.served; });
    if (stopping_ || rows_.finished() || (!options_.watch && allServed) || !rows_.next()) {
        running_ = false;
        poll_.stop();
        QTimer::singleShot(0, this, &ProductionLine::ended);
    }
}

} // namespace tlv
