// read, write, ports: the verbs that talk to radios. Each port gets its own serial link,
// editor copy and transfer controller (the window's engine); all run side by side in one
// event loop, so several radios are written at once without threads.
#include "CliTexts.h"
#include "Commands.h"
#include "Console.h"

#include "editor/Startup.h"
#include "editor/qt/ParameterLocation.h"
#include "link/PortTable.h"
#include "link/qt/ComPorts.h"
#include "link/qt/SerialLink.h"
#include "link/qt/TransferController.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <memory>

namespace tlv::cli {

namespace {

// No transfer takes this long: a silent radio ends one within three seconds, a complete write
// at 9600 baud within a few seconds. The guard only protects against a wedged event loop.
constexpr int kOverallTimeoutMs = 10 * 60 * 1000;

// The "ports" file lives beside the parameter file: the program's folder, or the per-user
// configuration folder of TLV6200 when the program's folder cannot be written (installed), the
// same place the window program uses there.
std::filesystem::path settingsFolder() {
    QCoreApplication::setApplicationName(QStringLiteral("TLV6200"));
    return ParameterFolder();
}

struct PortRun {
    std::string name;
    SerialLink link;
    std::unique_ptr<ComPorts> ports;
    EditorState editor;
    std::unique_ptr<ConsoleMessageBox> box;
    std::unique_ptr<TransferController> transfer;
    std::optional<TransferOutcome> outcome;
    std::string failure; // the port could not be opened
};

std::string outcomeText(const PortRun& run, char direction, int language) {
    if (!run.failure.empty()) return run.failure;
    if (!run.outcome) return Localise(language, msg::CommunicationError.text);
    switch (*run.outcome) {
    case TransferOutcome::Success:
        return Localise(language, direction == 'R' ? status::ReadSuccess : status::WriteSuccess);
    case TransferOutcome::Declined:
        return Localise(language, msg::BandMismatch.text);
    case TransferOutcome::CommunicationError:
    case TransferOutcome::ImageRejected:
        break;
    }
    return Localise(language, msg::CommunicationError.text);
}

// Opens every port, starts one transfer on each and runs the event loop until all ended.
void runTransfers(std::vector<std::unique_ptr<PortRun>>& runs, char direction,
                  std::optional<bool> bandAnswer, int language) {
    std::vector<std::string> names;
    for (const auto& run : runs)
        names.push_back(run->name);
    ProgressLine progress(names);
    int running = 0;
    QEventLoop loop;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        PortRun& run = *runs[i];
        run.ports = std::make_unique<ComPorts>(run.link);
        run.ports->loadTable(settingsFolder());
        QString reason;
        if (!run.ports->openByName(QString::fromStdString(run.name), &reason, language)) {
            run.failure =
                Say(language, text::PortNotFound,
                    run.name + (reason.isEmpty() ? "" : " (" + reason.toStdString() + ")"));
            continue;
        }
        const std::string prefix = runs.size() > 1 ? run.name + ": " : "";
        run.box = std::make_unique<ConsoleMessageBox>(prefix);
        run.box->answer = bandAnswer;
        run.transfer = std::make_unique<TransferController>(run.editor, *run.box, run.link);
        QObject::connect(run.transfer.get(), &TransferController::progressChanged,
                         [&progress, i](bool visible, int value) {
                             if (visible) progress.set(i, value, kProgressMaximum);
                         });
        QObject::connect(run.transfer.get(), &TransferController::finished,
                         [&run, &running, &loop](TransferOutcome outcome) {
                             if (run.outcome) return;
                             run.outcome = outcome;
                             if (--running == 0) loop.quit();
                         });
        ++running;
        if (!run.transfer->start(direction)) {
            --running;
            run.failure = Say(language, text::PortNotFound, run.name);
        }
    }
    if (running > 0) {
        QTimer::singleShot(kOverallTimeoutMs, &loop, &QEventLoop::quit);
        loop.exec();
    }
    progress.finish();
}

int exitCodeOf(const PortRun& run) {
    if (run.outcome && *run.outcome == TransferOutcome::Success) return kExitOk;
    return kExitCommunication;
}

} // namespace

int RunRead(const CommandLine& line, int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int language = line.languageState();
    std::vector<std::unique_ptr<PortRun>> runs;
    runs.push_back(std::make_unique<PortRun>());
    runs[0]->name = line.ports[0];
    runs[0]->editor = MakeStartupEditor(language);
    runTransfers(runs, 'R', std::nullopt, language);
    const PortRun& run = *runs[0];
    if (exitCodeOf(run) != kExitOk) {
        // The engine has shown the communication error itself; a port that never opened or a
        // transfer that never ended has not.
        if (!run.failure.empty() || !run.outcome || *run.outcome == TransferOutcome::ImageRejected)
            ErrorLine(outcomeText(run, 'R', language));
        return kExitCommunication;
    }
    if (int code = SaveDataFile(line.output, run.editor, language)) return code;
    ErrorLine(run.name + ": " + outcomeText(run, 'R', language));
    return kExitOk;
}

int RunWrite(const CommandLine& line, int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int language = line.languageState();
    EditorState editor;
    if (int code = OpenDataFile(line.operands[0], language, editor)) return code;
    // Opening a file switches the service functions off; --service switches them on again.
    if (line.service) editor.serviceMode = 1;

    // The band question comes at the first acknowledgement when the file's band is not the
    // band the link last agreed (0 at start). It is settled once, before any radio is touched,
    // and every transfer gets the same answer.
    std::optional<bool> bandAnswer;
    if (editor.currentBand != 0) {
        const std::string question = Localise(language, msg::BandMismatch.text);
        if (line.yes)
            bandAnswer = true;
        else if (StdinIsTerminal())
            bandAnswer = AskYesNo(question);
        else
            bandAnswer = false;
        if (!*bandAnswer) {
            if (!line.yes && !StdinIsTerminal()) ErrorLine(question + " -> No");
            ErrorLine(Say(language, text::BandQuestionDeclined));
            return kExitCommunication;
        }
    }

    std::vector<std::unique_ptr<PortRun>> runs;
    for (const std::string& port : line.ports) {
        auto run = std::make_unique<PortRun>();
        run->name = port;
        run->editor = editor;
        runs.push_back(std::move(run));
    }
    runTransfers(runs, 'W', bandAnswer, language);

    int code = kExitOk;
    for (const auto& run : runs) {
        ErrorLine(run->name + ": " + outcomeText(*run, 'W', language));
        if (exitCodeOf(*run) != kExitOk) code = kExitCommunication;
    }
    return code;
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
