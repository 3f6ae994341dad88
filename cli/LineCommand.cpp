// SPDX-License-Identifier: GPL-3.0-or-later
// line: the production line. The units list is read and every row checked before any radio is
// touched; then the ProductionLine serves the cables (each PORT once, or every radio that
// appears with --watch) in the event loop, one line per radio on standard output and in the
// log.
#include "CliTexts.h"
#include "Commands.h"
#include "Console.h"

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

#include <csignal>
#include <cstdio>
#include <filesystem>

namespace tlv::cli {

namespace {

// Ctrl+C (SIGINT) or SIGTERM: the line stops the writes running (the end frame sent, the ports
// closed), records them as interrupted and ends. A second signal ends the program at once.
volatile std::sig_atomic_t lineSignal = 0;

void onLineSignal(int signal) {
    lineSignal = signal;
    std::signal(signal, SIG_DFL);
}

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

} // namespace

int RunLine(const CommandLine& line, int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("TLV6200"));
    const Language language = line.language();
    EditorState base;
    if (int code = OpenDataFile(line.operands[0], language, base)) return code;
    if (line.service) base.session.serviceMode = true;

    // The units list, every row checked before any radio is touched.
    const ExchangeFormat format = ExchangeFormatOf(line.units);
    if (format == ExchangeFormat::Unknown) {
        ErrorLine(line.units + ": " + Localise(language, text::UnknownFormat));
        return kExitUsage;
    }
    std::string content;
    if (const FileStatus status = ReadImportFile(line.units, content); !status.ok) {
        ErrorLine(Localise(language, msg::OpenFailed.text) + " " + line.units + ": " +
                  status.reason);
        return kExitFile;
    }
    UnitsReport report;
    std::vector<Unit> units = format == ExchangeFormat::Json
                                  ? ReadUnitsJson(content, base, language, report, QtJsonParser())
                                  : ReadUnitsCsv(content, base, language, report);
    for (const UnitsIssue& note : report.notes)
        ErrorLine(line.units + ": " + UnitsIssueText(note, language));
    if (!report.ok()) {
        for (const UnitsIssue& issue : report.errors)
            ErrorLine(line.units + ": " + UnitsIssueText(issue, language));
        ErrorLine(Localise(language, text::NothingWritten));
        return kExitInvalidImport;
    }

    LineRows rows(static_cast<int>(units.size()));
    if (int code = readLog(line.log, rows, language)) return code;
    if (line.startAt) rows.startAt(*line.startAt);
    if (!rows.next()) {
        ErrorLine(line.units + ": every row is done (--start-at N writes from row N again)");
        return kExitOk;
    }

    // The band question, settled once for every radio as the write does.
    std::optional<bool> bandAnswer;
    if (base.radio().band != 0) {
        const std::string question = Localise(language, msg::BandMismatch.text);
        bandAnswer = line.yes ? true : StdinIsTerminal() ? AskYesNo(question) : false;
        if (!*bandAnswer) {
            if (!line.yes && !StdinIsTerminal()) ErrorLine(question + " -> No");
            ErrorLine(Localise(language, text::BandQuestionDeclined));
            return kExitCommunication;
        }
    }

    LineOptions options;
    options.ports = line.ports;
    options.watch = line.watch;
    options.verify = line.verify;
    options.serviceMode = base.session.serviceMode;
    options.bandAnswer = bandAnswer;
    options.backupFolder = line.noBackup ? std::string() : BackupFolder();
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
                         if (!line.log.empty() && !AppendLineLog(line.log, record, reason))
                             ErrorLine(Localise(language, msg::SaveFailed.text) + " " + line.log +
                                       ": " + reason);
                     });
    QObject::connect(&productionLine, &ProductionLine::ended, &app, &QCoreApplication::quit);
    QTimer signalCheck;
    QObject::connect(&signalCheck, &QTimer::timeout, [&productionLine] {
        if (lineSignal && productionLine.running()) productionLine.stop();
    });
    std::signal(SIGINT, onLineSignal);
    std::signal(SIGTERM, onLineSignal);
    signalCheck.start(kSignalCheckMs);
    if (line.watch)
        ErrorLine("watching " +
                  (line.ports.empty() ? std::string("for new serial devices")
                                      : std::to_string(line.ports.size()) + " port(s)") +
                  "; next row " + std::to_string(*rows.next()) + " (Ctrl+C stops)");
    productionLine.start();
    if (productionLine.running()) app.exec();

    // A port given that never opened took no row and made no record: say why.
    if (!line.watch)
        for (const Station& station : productionLine.stations())
            if (station.state == StationState::Failed && station.row == 0) {
                ErrorLine(Localise(language, text::PortNotFound,
                                   station.name +
                                       (station.cause.empty() ? "" : " (" + station.cause + ")")));
                ++failures;
            }
    const LineRows& done = productionLine.rows();
    ErrorLine(std::to_string(done.done()) + " of " + std::to_string(done.count()) + " rows done" +
              (done.next() ? ", next row " + std::to_string(*done.next()) : std::string()));
    if (lineSignal) return 128 + lineSignal;
    return failures > 0 && !line.watch ? kExitCommunication : kExitOk;
}

} // namespace tlv::cli
