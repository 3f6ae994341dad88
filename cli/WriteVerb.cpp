// SPDX-License-Identifier: GPL-3.0-or-later
// write: a data file written into the radio on every port at once, read back with --verify.
#include "CliTexts.h"
#include "DataFiles.h"
#include "PortRuns.h"
#include "Verb.h"

#include "document/EditorImage.h"
#include "editor/EditingRules.h"

#include <QCoreApplication>

namespace tlv::cli {

namespace {

class WriteVerb : public Verb {
  public:
    const char* name() const override { return "write"; }
    const char* synopsis() const override {
        return "write --port PORT [--port PORT ...] FILE.DAT [--service] [--yes] [--verify] "
               "[--force]\n"
               "      [--no-backup]";
    }
    std::string description() const override {
        return "Writes the data file into the radio on every PORT at once. --service also writes "
               "the\n"
               "  power-level block; --yes answers Yes to the band question (asked on the "
               "terminal\n"
               "  when standard input is one, answered No otherwise); --verify reads each radio "
               "back\n"
               "  after the write and compares every written address. A file with channels outside "
               "its\n"
               "  band is refused (they are listed, exit 3) unless --force is given. Before the "
               "first\n"
               "  block, the image being written goes to the backup folder unless --no-backup is "
               "given.";
    }
    void declare(ArgumentParser& parser) override {
        parser.flag("--force", force_);
        parser.flag("--verify", verify_);
        parser.values("--port", ports_);
        parser.flag("--service", service_);
        parser.flag("--yes", yes_, "-y");
        parser.flag("--no-backup", noBackup_);
    }
    std::string check(const Invocation& invocation) const override {
        if (ports_.empty()) return "write needs at least one --port";
        return CheckOperands(invocation.operands, 1);
    }
    int run(const Invocation& invocation) override {
        int argc = invocation.argc; // QCoreApplication keeps a reference
        QCoreApplication app(argc, invocation.argv);
        const Language language = invocation.language();
        EditorState editor;
        if (int code = OpenDataFile(invocation.operands[0], language, editor)) return code;
        // Opening a file switches the service functions off; --service switches them on again.
        if (service_) editor.session.serviceMode = true;
        // Channels the band does not hold (a band changed with Cancel kept them) are not sent
        // without --force.
        if (const std::string outside = ChannelsOutsideBand(editor.radio());
            !outside.empty() && !force_) {
            ErrorLine(Localise(language, text::WriteOutsideBand) + "\n" + outside);
            return kExitCommunication;
        }
        // A write asks the band question when the file's band is not the band the link last
        // agreed (the first band, in a new program). It is settled once, before any radio is
        // touched, and every transfer gets the same answer.
        std::optional<bool> bandAnswer;
        if (!SettleBandQuestion(editor.radio().band, yes_, language, bandAnswer))
            return kExitCommunication;

        PortRuns runs;
        for (const std::string& port : ports_) {
            runs.push_back(std::make_unique<PortRun>());
            runs.back()->name = port;
        }
        CatchInterrupts();
        const WriteOrder order{EditorImage(editor), editor.session.serviceMode,
                               editor.radio().band};
        RunTransfers(runs, TransferDirection::Write, order, bandAnswer, language,
                     BackupFolderFor(noBackup_));
        // The results of the writes, before a read-back replaces the runs' outcomes.
        std::vector<std::string> results;
        std::vector<bool> written;
        for (const auto& run : runs) {
            results.push_back(run->name + ": " +
                              OutcomeText(*run, TransferDirection::Write, language));
            written.push_back(ExitCodeOf(*run) == kExitOk);
        }
        if (verify_ && !InterruptingSignal())
            VerifyWrites(runs, editor.session.serviceMode, language);

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
        return InterruptingSignal() ? InterruptedExitCode() : code;
    }

  private:
    std::vector<std::string> ports_;
    bool service_ = false;
    bool yes_ = false;
    bool verify_ = false;
    bool force_ = false;
    bool noBackup_ = false;
};

} // namespace

std::unique_ptr<Verb> MakeWriteVerb() {
    return std::make_unique<WriteVerb>();
}

} // namespace tlv::cli
