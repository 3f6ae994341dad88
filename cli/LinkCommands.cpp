// SPDX-License-Identifier: GPL-3.0-or-later
// read, write, ports: the verbs that talk to radios. Each port gets its own serial link and
// transfer controller (the window's own transfer), handed the image to write; all run side by
// side in one event loop, so several radios are written at once without threads. A read's image
// is loaded into a start-up editor, as a file's is, and saved from there.
#include "CliTexts.h"
#include "Commands.h"
#include "Console.h"

#include "document/BandAgreement.h"
#include "document/TransferFailureText.h"
#include "editor/EditingRules.h"
#include "editor/EditorImage.h"
#include "editor/Startup.h"
#include "link/PortTable.h"
#include "link/RadioFrames.h"
#include "qt/BackupLocation.h"
#include "qt/ComPorts.h"
#include "qt/ParameterLocation.h"
#include "qt/SerialLink.h"
#include "qt/TransferController.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <memory>

namespace tlv::cli {

namespace {

// No transfer takes this long: the session ends every transfer within its time limit of 60 s
// (kTransferLimitTicks). The guard only protects against a wedged event loop.
constexpr int kOverallTimeoutMs = 10 * 60 * 1000;

// The "ports" file lives beside the parameter file: the program's folder, or the per-user
// configuration folder of TLV6200 when the program's folder cannot be written (installed), the
// same place the window program uses there.
std::filesystem::path settingsFolder() {
    QCoreApplication::setApplicationName(QStringLiteral("TLV6200"));
    return ParameterFolder();
}

// Ctrl+C (SIGINT) or SIGTERM during a transfer: the transfers are stopped as the window's stop
// does (the end frame sent, the ports closed and their lock files removed) and the program
// says how far each one came. A second signal ends the program at once.
volatile std::sig_atomic_t interruptingSignal = 0;

void onInterrupt(int signal) {
    interruptingSignal = signal;
    std::signal(signal, SIG_DFL);
}

void catchInterrupts() {
    std::signal(SIGINT, onInterrupt);
    std::signal(SIGTERM, onInterrupt);
}

// The exit code of an interrupted program, as the shell reports a program the signal ended.
int interruptedExitCode() {
    return 128 + interruptingSignal;
}

constexpr int kInterruptCheckMs = 50;

struct PortRun {
    std::string name;
    SerialLink link;
    std::unique_ptr<ComPorts> ports;
    BandAgreement band; // of this port's writes
    std::unique_ptr<ConsoleMessageBox> box;
    std::unique_ptr<TransferController> transfer;
    std::optional<TransferOutcome> outcome;
    std::string failure;       // the port could not be opened
    bool verifying = false;    // the write was read back
    std::string verifyFailure; // the read-back differs or failed
};

std::string outcomeText(const PortRun& run, TransferDirection direction, Language language) {
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

int exitCodeOf(const PortRun& run) {
    if (run.outcome && *run.outcome == TransferOutcome::Success) return kExitOk;
    return kExitCommunication;
}

// The folder of the automatic backups, or empty for --no-backup.
std::string backupFolderFor(const CommandLine& line) {
    if (line.noBackup) return {};
    QCoreApplication::setApplicationName(QStringLiteral("TLV6200"));
    return BackupFolder();
}

// The transfers back up into `backupFolder`, and report it on standard error. All writes send
// the same image, so the first one to reach its radio keeps the only copy. A backup that fails
// does not stop the transfer.
void takeBackups(std::vector<std::unique_ptr<PortRun>>& runs, PortRun& run,
                 const std::string& backupFolder, Language language) {
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
void openPorts(std::vector<std::unique_ptr<PortRun>>& runs, std::optional<bool> bandAnswer,
               Language language, const std::string& backupFolder) {
    for (auto& entry : runs) {
        PortRun& run = *entry;
        run.ports = std::make_unique<ComPorts>(run.link);
        // Only a COM name needs the table, and with it the scan of the machine's serial
        // devices; a device path is opened as it is.
        if (IsComName(run.name)) run.ports->loadTable(settingsFolder());
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

// What a write sends: the image, whether the power-level block goes too, and the band of the
// list it was made from.
struct WriteOrder {
    MemoryImage image{};
    bool serviceMode = false;
    int band = 0;
};

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
void runPhase(std::vector<std::unique_ptr<PortRun>>& runs, TransferDirection direction,
              const WriteOrder& order, Language language) {
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
            if (!interruptingSignal) return;
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

// Opens every port, starts one transfer on each and runs the event loop until all ended.
void runTransfers(std::vector<std::unique_ptr<PortRun>>& runs, TransferDirection direction,
                  const WriteOrder& order, std::optional<bool> bandAnswer, Language language,
                  const std::string& backupFolder) {
    openPorts(runs, bandAnswer, language, backupFolder);
    runPhase(runs, direction, order, language);
}

// Reads back every radio whose write succeeded and compares the written addresses with what
// was written; a radio that differs or cannot be read gets its `verifyFailure`.
void verifyWrites(std::vector<std::unique_ptr<PortRun>>& runs, bool serviceMode,
                  Language language) {
    std::vector<std::optional<MemoryImage>> written(runs.size());
    for (std::size_t i = 0; i < runs.size(); ++i) {
        PortRun& run = *runs[i];
        if (exitCodeOf(run) != kExitOk) {
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

} // namespace

int RunRead(const CommandLine& line, int argc, char** argv) {
    QCoreApplication app(argc, argv);
    catchInterrupts();
    const Language language = line.language();
    if (int code = CheckOutputFolder(line.output, language)) return code;
    std::vector<std::unique_ptr<PortRun>> runs;
    runs.push_back(std::make_unique<PortRun>());
    runs[0]->name = line.ports[0];
    runTransfers(runs, TransferDirection::Read, {}, std::nullopt, language, backupFolderFor(line));
    const PortRun& run = *runs[0];
    if (exitCodeOf(run) != kExitOk) {
        // The transfer has shown the communication error itself; a port that never opened, a
        // transfer that never ended and one that was interrupted have not.
        if (!run.failure.empty() || !run.outcome || *run.outcome == TransferOutcome::Stopped)
            ErrorLine(outcomeText(run, TransferDirection::Read, language));
        return interruptingSignal ? interruptedExitCode() : kExitCommunication;
    }
    // The radio's image goes into a start-up editor, as a file's does; what it has to tell is
    // shown, and the file is saved from the editor.
    EditorState radio = MakeStartupEditor(language);
    ShowNotices(*run.box, language, LoadImage(radio, *run.transfer->session().imageRead()));
    if (int code = SaveDataFile(line.output, radio.radio(), language)) return code;
    ErrorLine(run.name + ": " + outcomeText(run, TransferDirection::Read, language));
    return kExitOk;
}

int RunWrite(const CommandLine& line, int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const Language language = line.language();
    EditorState editor;
    if (int code = OpenDataFile(line.operands[0], language, editor)) return code;
    // Opening a file switches the service functions off; --service switches them on again.
    if (line.service) editor.session.serviceMode = true;
    // Channels the band does not hold (a band changed with Cancel kept them) are not sent
    // without --force.
    if (const std::string outside = ChannelsOutsideBand(editor.radio());
        !outside.empty() && !line.force) {
        ErrorLine(Localise(language, text::WriteOutsideBand) + "\n" + outside);
        return kExitCommunication;
    }

    // A write asks the band question when the file's band is not the band the link last agreed
    // (the first band, in a new program). It is settled once, before any radio is touched, and
    // every transfer gets the same answer.
    std::optional<bool> bandAnswer;
    if (editor.radio().band != 0) {
        const std::string question = Localise(language, msg::BandMismatch.text);
        if (line.yes)
            bandAnswer = true;
        else if (StdinIsTerminal())
            bandAnswer = AskYesNo(question);
        else
            bandAnswer = false;
        if (!*bandAnswer) {
            if (!line.yes && !StdinIsTerminal()) ErrorLine(question + " -> No");
            ErrorLine(Localise(language, text::BandQuestionDeclined));
            return kExitCommunication;
        }
    }

    std::vector<std::unique_ptr<PortRun>> runs;
    for (const std::string& port : line.ports) {
        auto run = std::make_unique<PortRun>();
        run->name = port;
        runs.push_back(std::move(run));
    }
    catchInterrupts();
    const WriteOrder order{EditorImage(editor), editor.session.serviceMode, editor.radio().band};
    runTransfers(runs, TransferDirection::Write, order, bandAnswer, language,
                 backupFolderFor(line));
    // The results of the writes, before a read-back replaces the runs' outcomes.
    std::vector<std::string> results;
    std::vector<bool> written;
    for (const auto& run : runs) {
        results.push_back(run->name + ": " + outcomeText(*run, TransferDirection::Write, language));
        written.push_back(exitCodeOf(*run) == kExitOk);
    }
    if (line.verify && !interruptingSignal)
        verifyWrites(runs, editor.session.serviceMode, language);

    int code = kExitOk;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const PortRun& run = *runs[i];
        std::string result = results[i];
        if (run.verifying)
            result += " " + (run.verifyFailure.empty() ? Localise(language, text::Verified)
                                                       : run.verifyFailure);
        ErrorLine(result);
        if (!written[i] || !run.verifyFailure.empty()) code = kExitCommunication;
    }
    return interruptingSignal ? interruptedExitCode() : code;
}

int RunPorts(const CommandLine&, int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const PortTable table = PortTable::Load(settingsFolder(), ComPorts::MachineDevices());
    std::string out;
    for (int number = 1; number <= kPortCount; ++number) {
        const std::string& device = table.device(number);
        if (!device.empty()) out += "COM" + std::to_string(number) + "\t" + device + "\n";
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return std::fflush(stdout) == 0 ? kExitOk : kExitFile;
}

} // namespace tlv::cli
