// SPDX-License-Identifier: GPL-3.0-or-later
#include "PortRuns.h"

#include "CliTexts.h"

#include "document/TransferFailureText.h"
#include "link/PortTable.h"
#include "link/RadioFrames.h"
#include "qt/BackupLocation.h"
#include "qt/ParameterLocation.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace tlv::cli {

namespace {

// No transfer takes this long: the session ends every transfer within its time limit of 60 s
// (kTransferLimitTicks). The guard only protects against a wedged event loop.
constexpr int kOverallTimeoutMs = 10 * 60 * 1000;

constexpr int kInterruptCheckMs = 50;

// The transfers back up into `backupFolder`, and report it on standard error. All writes send
// the same image, so the first one to reach its radio keeps the only copy. A backup that fails
// does not stop the transfer.
void takeBackups(PortRuns& runs, PortRun& run, const std::string& backupFolder, Language language) {
    if (backupFolder.empty()) return;
    run.transfer->setBackupFolder(backupFolder);
    auto taken = [&runs] {
        for (const auto& other : runs)
            if (other->transfer) other->transfer->setBackupFolder({});
    };
    QObject::connect(run.transfer.get(), &TransferController::backupSaved,
                     [language, taken](const QString& path) {
                         ErrorLine(Localise(language, text::BackupSaved, path.toStdString()));
                         taken();
                     });
    QObject::connect(run.transfer.get(), &TransferController::backupFailed,
                     [language, taken](const QString& reason) {
                         ErrorLine(Localise(language, status::BackupFailed) + " " +
                                   reason.toStdString());
                         taken();
                     });
}

// Opens every port and gives it its transfer controller; a port that cannot be opened keeps the
// reason in `failure`. The transfers keep their backups in `backupFolder` (none when empty).
void openPorts(PortRuns& runs, std::optional<bool> bandAnswer, Language language,
               const std::string& backupFolder) {
    for (auto& entry : runs) {
        PortRun& run = *entry;
        run.ports = std::make_unique<ComPorts>(run.link);
        // Only a COM name needs the table, and with it the scan of the machine's serial
        // devices; a device path is opened as it is.
        if (IsComName(run.name)) run.ports->loadTable(SettingsFolder());
        QString reason;
        if (!run.ports->openByName(QString::fromStdString(run.name), &reason, language)) {
            run.failure =
                Localise(language, text::PortNotFound,
                         run.name + (reason.isEmpty() ? "" : " (" + reason.toStdString() + ")"));
            continue;
        }
        const std::string prefix = runs.size() > 1 ? run.name + ": " : "";
        run.box = std::make_unique<ConsoleMessageBox>(prefix);
        run.box->answer = bandAnswer;
        run.transfer = std::make_unique<TransferController>(run.link, *run.box,
                                                            [language] { return language; });
        takeBackups(runs, run, backupFolder, language);
    }
}

// Starts `run`'s transfer: a write asks the band question of the image's band first, through
// the port's box, which holds the answer settled before any radio was touched.
bool startTransfer(PortRun& run, TransferDirection direction, const WriteOrder& order,
                   Language language) {
    if (direction == TransferDirection::Read) return run.transfer->start(direction);
    if (run.transfer->running() || !run.transfer->checkPort()) return false;
    if (!run.band.settle(order.band, [&] {
            return ShowMessage(*run.box, language, msg::BandMismatch) != IdNo;
        })) {
        run.transfer->decline();
        return true;
    }
    return run.transfer->start(direction, order.image, order.serviceMode);
}

// Starts a transfer in `direction` on every opened port and runs the event loop until all
// ended; each run's outcome is that of this transfer.
void runPhase(PortRuns& runs, TransferDirection direction, const WriteOrder& order,
              Language language) {
    std::vector<std::string> names;
    for (const auto& run : runs)
        names.push_back(run->name);
    ProgressLine progress(names);
    int running = 0;
    QEventLoop loop;
    std::vector<QMetaObject::Connection> connections;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        PortRun& run = *runs[i];
        run.outcome.reset();
        if (!run.transfer || !run.failure.empty()) continue;
        connections.push_back(QObject::connect(run.transfer.get(),
                                               &TransferController::progressChanged,
                                               [&progress, i](bool visible, int value) {
                                                   if (visible)
                                                       progress.set(i, value, kProgressMaximum);
                                               }));
        connections.push_back(QObject::connect(run.transfer.get(), &TransferController::finished,
                                               [&run, &running, &loop](TransferOutcome outcome) {
                                                   if (run.outcome) return;
                                                   run.outcome = outcome;
                                                   if (--running == 0) loop.quit();
                                               }));
        ++running;
        if (!startTransfer(run, direction, order, language)) {
            --running;
            run.failure = Localise(language, text::PortNotFound, run.name);
        }
    }
    if (running > 0) {
        QTimer::singleShot(kOverallTimeoutMs, &loop, &QEventLoop::quit);
        QTimer interruptCheck;
        QObject::connect(&interruptCheck, &QTimer::timeout, [&runs] {
            if (!InterruptingSignal()) return;
            for (const auto& run : runs)
                if (run->transfer && !run->outcome) run->transfer->stop();
        });
        interruptCheck.start(kInterruptCheckMs);
        loop.exec();
    }
    for (const auto& connection : connections)
        QObject::disconnect(connection);
    progress.finish();
}

} // namespace

// The "ports" file lives beside the parameter file: the program's folder, or the per-user
// configuration folder of TLV6200 when the program's folder cannot be written (installed), the
// same place the window program uses there.
std::filesystem::path SettingsFolder() {
    QCoreApplication::setApplicationName(QStringLiteral("TLV6200"));
    return ParameterFolder();
}

std::string BackupFolderFor(bool noBackup) {
    if (noBackup) return {};
    QCoreApplication::setApplicationName(QStringLiteral("TLV6200"));
    return BackupFolder();
}

std::string OutcomeText(const PortRun& run, TransferDirection direction, Language language) {
    if (!run.failure.empty()) return run.failure;
    if (!run.outcome) return Localise(language, msg::CommunicationError.text);
    switch (*run.outcome) {
    case TransferOutcome::Success:
        return Localise(language, direction == TransferDirection::Read ? status::ReadSuccess
                                                                       : status::WriteSuccess);
    case TransferOutcome::Declined:
        return Localise(language, msg::BandMismatch.text);
    case TransferOutcome::CommunicationError:
    case TransferOutcome::Stopped:
        break;
    }
    // The cause on the same line: one line per port.
    std::string text =
        Localise(language, *run.outcome == TransferOutcome::Stopped ? text::Interrupted
                                                                    : msg::CommunicationError.text);
    std::string cause = DescribeFailure(run.transfer->session().failure(), language);
    std::replace(cause.begin(), cause.end(), '\n', ' ');
    return cause.empty() ? text : text + " " + cause;
}

int ExitCodeOf(const PortRun& run) {
    if (run.outcome && *run.outcome == TransferOutcome::Success) return kExitOk;
    return kExitCommunication;
}

// Opens every port, starts one transfer on each and runs the event loop until all ended.
void RunTransfers(PortRuns& runs, TransferDirection direction, const WriteOrder& order,
                  std::optional<bool> bandAnswer, Language language,
                  const std::string& backupFolder) {
    openPorts(runs, bandAnswer, language, backupFolder);
    runPhase(runs, direction, order, language);
}

// Reads back every radio whose write succeeded and compares the written addresses with what
// was written; a radio that differs or cannot be read gets its `verifyFailure`.
void VerifyWrites(PortRuns& runs, bool serviceMode, Language language) {
    std::vector<std::optional<MemoryImage>> written(runs.size());
    for (std::size_t i = 0; i < runs.size(); ++i) {
        PortRun& run = *runs[i];
        if (ExitCodeOf(run) != kExitOk) {
            run.transfer.reset(); // nothing to verify: the write failed
            continue;
        }
        written[i] = run.transfer->session().imageWritten();
    }
    runPhase(runs, TransferDirection::Read, {}, language);
    for (std::size_t i = 0; i < runs.size(); ++i) {
        PortRun& run = *runs[i];
        if (!written[i]) continue;
        run.verifying = true;
        if (!run.outcome || *run.outcome == TransferOutcome::CommunicationError ||
            *run.outcome == TransferOutcome::Declined) {
            run.verifyFailure = Localise(language, text::VerifyReadFailed);
            continue;
        }
        // A read stopped part-way differs at the first written address it did not reach.
        const auto address = FirstDifferingWrittenAddress(
            *written[i], run.transfer->session().memoryRead(), serviceMode);
        if (address) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "0x%04X", *address);
            run.verifyFailure = Localise(language, text::VerifyDifference, hex);
        }
    }
}

} // namespace tlv::cli
