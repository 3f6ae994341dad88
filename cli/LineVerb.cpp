// SPDX-License-Identifier: GPL-3.0-or-later
// line: the production line. The units list is read and every row checked before any radio is
// touched; then the ProductionLine serves the cables (each PORT once, or every radio that
// appears with --watch) in the event loop, one line per radio on standard output and in the
// log. Ctrl+C or SIGTERM stops the writes running (the end frame sent, the ports closed),
// records them as interrupted and ends.
#include "CliTexts.h"
#include "Console.h"
#include "DataFiles.h"
#include "Verb.h"

#include "exchange/ExchangeFormat.h"
#include "exchange/ExchangeTexts.h"
#include "line/LineRecord.h"
#include "line/LineRows.h"
#include "line/UnitsJson.h"
#include "line/UnitsList.h"
#include "qt/BackupLocation.h"
#include "qt/ParameterLocation.h"
#include "qt/ProductionLine.h"
#include "qt/QtJsonParser.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>
#include <filesystem>
#include <optional>

namespace tlv::cli {

namespace {

constexpr int kSignalCheckMs = 50;

// The rows the log records as done, marked in `rows`; kExitOk, or kExitFile when the log is
// there but cannot be read.
int readLog(const std::string& path, LineRows& rows, Language language) {
    std::error_code error;
    if (path.empty() || !std::filesystem::exists(path, error)) return kExitOk;
    std::string text;
    const FileStatus status = ReadImportFile(path, text);
    if (!status.ok && status.reason.find("large") == std::string::npos) {
        ErrorLine(Localise(language, msg::OpenFailed.text) + " " + path + ": " + status.reason);
        return kExitFile;
    }
    for (int row : DoneRowsInLog(text))
        rows.markDone(row);
    return kExitOk;
}

class LineVerb : public Verb {
  public:
    const char* name() const override { return "line"; }
    const char* synopsis() const override {
        return "line BASE.DAT --units UNITS.csv [--port PORT ...] [--watch] [--verify] [--log "
               "LOG.csv]\n"
               "  [--start-at N] [--yes] [--service] [--no-backup]";
    }
    std::string description() const override {
        return "Production line: writes BASE.DAT into radio after radio, each with the next unused "
               "row of\n"
               "  UNITS.csv applied (a header row of names as the JSON export has them: IdCode,\n"
               "  PttIdStartCode, PttIdEndCode, embeddedTexts[0], channels[2].rx ...; an empty "
               "cell keeps\n"
               "  the base's value). Every row is checked before any radio is touched. Without "
               "--watch\n"
               "  each PORT gets one radio; with --watch every cable is served each time a radio\n"
               "  appears behind it (every new serial device of the machine when no PORT is "
               "given),\n"
               "  until the rows run out or Ctrl+C. A radio that fails leaves its row to the next "
               "one.\n"
               "  One line per radio on standard output and in LOG.csv; a restart with the same "
               "log goes\n"
               "  on at the first row not done, --start-at N starts at row N instead. UNITS.json "
               "holds\n"
               "  an array of objects with the same names as keys.";
    }
    void declare(ArgumentParser& parser) override {
        parser.flag("--verify", verify_);
        parser.values("--port", ports_);
        parser.flag("--service", service_);
        parser.flag("--yes", yes_, "-y");
        parser.flag("--no-backup", noBackup_);
        parser.value("--units", units_);
        parser.value("--log", log_);
        parser.checked("--start-at", [this](const std::string& value) {
            const bool digits =
                value.size() <= 6 && value.find_first_not_of("0123456789") == std::string::npos;
            if (!digits || std::stoi(value) < 1)
                return std::string("--start-at takes a row number from 1");
            startAt_ = std::stoi(value);
            return std::string();
        });
        parser.flag("--watch", watch_);
    }
    std::string check(const Invocation& invocation) const override {
        if (units_.empty()) return "line needs --units UNITS.csv";
        if (ports_.empty() && !watch_) return "line needs at least one --port, or --watch";
        return CheckOperands(invocation.operands, 1);
    }
    int run(const Invocation& invocation) override {
        int argc = invocation.argc; // QCoreApplication keeps a reference
        QCoreApplication app(argc, invocation.argv);
        QCoreApplication::setApplicationName(QStringLiteral("TLV6200"));
        const Language language = invocation.language();
        EditorState base;
        if (int code = OpenDataFile(invocation.operands[0], language, base)) return code;
        if (service_) base.session.serviceMode = true;

        // The units list, every row checked before any radio is touched.
        const ExchangeFormat format = ExchangeFormatOf(units_);
        if (format == ExchangeFormat::Unknown) {
            ErrorLine(units_ + ": " + Localise(language, text::UnknownFormat));
            return kExitUsage;
        }
        std::string content;
        if (const FileStatus status = ReadImportFile(units_, content); !status.ok) {
            ErrorLine(Localise(language, msg::OpenFailed.text) + " " + units_ + ": " +
                      status.reason);
            return kExitFile;
        }
        UnitsReport report;
        std::vector<Unit> units =
            format == ExchangeFormat::Json
                ? ReadUnitsJson(content, base, language, report, QtJsonParser())
                : ReadUnitsCsv(content, base, language, report);
        for (const UnitsIssue& note : report.notes)
            ErrorLine(units_ + ": " + UnitsIssueText(note, language));
        if (!report.ok()) {
            for (const UnitsIssue& issue : report.errors)
                ErrorLine(units_ + ": " + UnitsIssueText(issue, language));
            ErrorLine(Localise(language, text::NothingWritten));
            return kExitInvalidImport;
        }

        LineRows rows(static_cast<int>(units.size()));
        if (int code = readLog(log_, rows, language)) return code;
        if (startAt_) rows.startAt(*startAt_);
        if (!rows.next()) {
            ErrorLine(units_ + ": every row is done (--start-at N writes from row N again)");
            return kExitOk;
        }

        // The band question, settled once for every radio as the write does.
        std::optional<bool> bandAnswer;
        if (!SettleBandQuestion(base.radio().band, yes_, language, bandAnswer))
            return kExitCommunication;

        LineOptions options;
        options.ports = ports_;
        options.watch = watch_;
        options.verify = verify_;
        options.serviceMode = base.session.serviceMode;
        options.bandAnswer = bandAnswer;
        options.backupFolder = noBackup_ ? std::string() : BackupFolder();
        options.settingsFolder = ParameterFolder();
        options.language = language;
        // The benchmark measures the half-second look alone with TLV6200_LINE_POLL_ONLY set.
        options.watchFolders = qEnvironmentVariableIsEmpty("TLV6200_LINE_POLL_ONLY");
        ProductionLine productionLine(std::move(units), rows, options);

        int failures = 0;
        QObject::connect(&productionLine, &ProductionLine::radioFinished,
                         [&](const LineRecord& record) {
                             if (!record.done) ++failures;
                             std::printf("%s\n", LineRecordText(record).c_str());
                             std::fflush(stdout);
                             std::string reason;
                             if (!log_.empty() && !AppendLineLog(log_, record, reason))
                                 ErrorLine(Localise(language, msg::SaveFailed.text) + " " + log_ +
                                           ": " + reason);
                         });
        QObject::connect(&productionLine, &ProductionLine::ended, &app, &QCoreApplication::quit);
        QTimer signalCheck;
        QObject::connect(&signalCheck, &QTimer::timeout, [&productionLine] {
            if (InterruptingSignal() && productionLine.running()) productionLine.stop();
        });
        CatchInterrupts();
        signalCheck.start(kSignalCheckMs);
        if (watch_)
            ErrorLine("watching " +
                      (ports_.empty() ? std::string("for new serial devices")
                                      : std::to_string(ports_.size()) + " port(s)") +
                      "; next row " + std::to_string(*rows.next()) + " (Ctrl+C stops)");
        productionLine.start();
        if (productionLine.running()) app.exec();

        // A port given that never opened took no row and made no record: say why.
        if (!watch_)
            for (const Station& station : productionLine.stations())
                if (station.state == StationState::Failed && station.row == 0) {
                    ErrorLine(Localise(
                        language, text::PortNotFound,
                        station.name + (station.cause.empty() ? "" : " (" + station.cause + ")")));
                    ++failures;
                }
        const LineRows& done = productionLine.rows();
        ErrorLine(std::to_string(done.done()) + " of " + std::to_string(done.count()) +
                  " rows done" +
                  (done.next() ? ", next row " + std::to_string(*done.next()) : std::string()));
        if (InterruptingSignal()) return InterruptedExitCode();
        return failures > 0 && !watch_ ? kExitCommunication : kExitOk;
    }

  private:
    std::vector<std::string> ports_;
    std::string units_;
    std::string log_;
    std::optional<int> startAt_;
    bool watch_ = false;
    bool verify_ = false;
    bool service_ = false;
    bool yes_ = false;
    bool noBackup_ = false;
};

} // namespace

std::unique_ptr<Verb> MakeLineVerb() {
    return std::make_unique<LineVerb>();
}

} // namespace tlv::cli
