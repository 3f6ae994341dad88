// SPDX-License-Identifier: GPL-3.0-or-later
// read: the radio on one port read and saved as a data file. The image read goes into a start-up
// editor, as a file's does: what it has to tell is shown, and the file is saved from the editor.
#include "DataFiles.h"
#include "PortRuns.h"
#include "Verb.h"

#include "document/EditorImage.h"
#include "editor/Startup.h"

#include <QCoreApplication>

namespace tlv::cli {

namespace {

class ReadVerb : public Verb {
  public:
    const char* name() const override { return "read"; }
    const char* synopsis() const override { return "read --port PORT -o FILE.DAT [--no-backup]"; }
    std::string description() const override {
        return "Reads the radio on PORT and saves its memory as a data file. A copy of the image\n"
               "  read also goes to the backup folder (~/.local/share/TLV6200/backups, the newest\n"
               "  200 kept) unless --no-backup is given; its path is printed.";
    }
    void declare(ArgumentParser& parser) override {
        parser.value("-o", output_, "--output", true);
        parser.values("--port", ports_);
        parser.flag("--no-backup", noBackup_);
    }
    std::string check(const Invocation& invocation) const override {
        if (ports_.size() != 1) return "read needs exactly one --port";
        std::string fault = CheckOperands(invocation.operands, 0);
        return fault.empty() ? CheckOutput(name(), output_) : fault;
    }
    int run(const Invocation& invocation) override {
        int argc = invocation.argc; // QCoreApplication keeps a reference
        QCoreApplication app(argc, invocation.argv);
        CatchInterrupts();
        const Language language = invocation.language();
        if (int code = CheckOutputFolder(output_, language)) return code;
        PortRuns runs;
        runs.push_back(std::make_unique<PortRun>());
        runs[0]->name = ports_[0];
        RunTransfers(runs, TransferDirection::Read, {}, std::nullopt, language,
                     BackupFolderFor(noBackup_));
        const PortRun& run = *runs[0];
        if (ExitCodeOf(run) != kExitOk) {
            // The transfer has shown the communication error itself; a port that never opened,
            // a transfer that never ended and one that was interrupted have not.
            if (!run.failure.empty() || !run.outcome || *run.outcome == TransferOutcome::Stopped)
                ErrorLine(OutcomeText(run, TransferDirection::Read, language));
            return InterruptingSignal() ? InterruptedExitCode() : kExitCommunication;
        }
        EditorState radio = MakeStartupEditor(language);
        ShowNotices(*run.box, language, LoadImage(radio, *run.transfer->session().imageRead()));
        if (int code = SaveDataFile(output_, radio.radio(), language)) return code;
        ErrorLine(run.name + ": " + OutcomeText(run, TransferDirection::Read, language));
        return kExitOk;
    }

  private:
    std::string output_;
    std::vector<std::string> ports_;
    bool noBackup_ = false;
};

} // namespace

std::unique_ptr<Verb> MakeReadVerb() {
    return std::make_unique<ReadVerb>();
}

} // namespace tlv::cli
