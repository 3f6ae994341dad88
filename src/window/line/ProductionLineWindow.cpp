// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/line/ProductionLineWindow.h"

#include "document/EditorImage.h"
#include "editor/Startup.h"
#include "exchange/ExchangeFormat.h"
#include "language/LocalMsgBox.h"
#include "language/Messages.h"
#include "line/LineTexts.h"
#include "line/UnitsJson.h"
#include "qt/BackupLocation.h"
#include "qt/ParameterLocation.h"
#include "qt/ProductionLine.h"
#include "qt/QtJsonParser.h"

#include <QApplication>
#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QVBoxLayout>

#include <filesystem>

namespace tlv {

namespace name = production_line_names;

namespace {

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

template <typename Widget> Widget* named(Widget* widget, const char* objectName) {
    widget->setObjectName(QString::fromLatin1(objectName));
    return widget;
}

// The colour a cable's state is shown in, to be seen from across the bench.
QColor stateColour(StationState state) {
    switch (state) {
    case StationState::Done:
        return QColor(0x2e, 0x9d, 0x3a);
    case StationState::Failed:
        return QColor(0xc6, 0x28, 0x28);
    case StationState::Writing:
    case StationState::Verifying:
    case StationState::Opening:
        return QColor(0xe0, 0xa0, 0x00);
    case StationState::Waiting:
        break;
    }
    return QColor(0x80, 0x80, 0x80);
}

} // namespace

ProductionLineWindow::ProductionLineWindow(Language language, MessageBoxService& box,
                                           QWidget* parent)
    : QDialog(parent), language_(language), box_(box) {
    setObjectName(QString::fromLatin1(name::Window));
    setWindowTitle(q(Localise(language, text::LineWindowTitle)));
    auto* form = new QFormLayout;
    baseFile_ = named(new QLineEdit, name::BaseFile);
    unitsFile_ = named(new QLineEdit, name::UnitsFile);
    ports_ = named(new QLineEdit, name::Ports);
    logFile_ = named(new QLineEdit, name::LogFile);
    form->addRow(q(Localise(language, text::LineBaseFile)), baseFile_);
    form->addRow(q(Localise(language, text::LineUnitsFile)), unitsFile_);
    form->addRow(q(Localise(language, text::LinePorts)), ports_);
    form->addRow(q(Localise(language, text::LineLogFile)), logFile_);
    watch_ = named(new QCheckBox(q(Localise(language, text::LineWatch))), name::Watch);
    watch_->setChecked(true);
    verify_ = named(new QCheckBox(q(Localise(language, text::LineVerify))), name::Verify);
    start_ = named(new QPushButton(q(Localise(language, text::LineStart))), name::Start);
    stop_ = named(new QPushButton(q(Localise(language, text::LineStop))), name::Stop);
    stop_->setEnabled(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(watch_);
    buttons->addWidget(verify_);
    buttons->addStretch();
    buttons->addWidget(start_);
    buttons->addWidget(stop_);

    unitsTable_ = named(new QTableWidget, name::UnitsTable);
    unitsTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    stations_ = named(new QTableWidget(0, 2), name::Stations);
    stations_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    stations_->setHorizontalHeaderLabels({q(Localise(language, text::LinePortHeader)),
                                          q(Localise(language, text::LineStateHeader))});
    stations_->horizontalHeader()->setStretchLastSection(true);
    stations_->verticalHeader()->hide();
    counters_ = named(new QLabel, name::Counters);
    QFont large = counters_->font();
    large.setPointSizeF(large.pointSizeF() * 1.5);
    large.setBold(true);
    counters_->setFont(large);
    log_ = named(new QPlainTextEdit, name::Log);
    log_->setReadOnly(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->addWidget(unitsTable_, 2);
    layout->addWidget(stations_, 2);
    layout->addWidget(counters_);
    layout->addWidget(log_, 1);
    resize(760, 640);

    connect(start_, &QPushButton::clicked, this, &ProductionLineWindow::start);
    connect(stop_, &QPushButton::clicked, this, &ProductionLineWindow::stop);
}

ProductionLineWindow::~ProductionLineWindow() = default;

bool ProductionLineWindow::loadUnits() {
    const Language language = language_;
    EditorState base = MakeStartupEditor(language);
    const std::string basePath = baseFile_->text().toStdString();
    const LoadResult loaded = LoadDataFile(basePath, base);
    if (loaded.status != LoadStatus::Loaded) {
        log_->appendPlainText(q(Localise(language, msg::OpenFailed.text) + " " + basePath +
                                (loaded.reason.empty() ? "" : ": " + loaded.reason)));
        return false;
    }
    const std::string unitsPath = unitsFile_->text().toStdString();
    std::string content;
    const FileStatus read = ReadImportFile(unitsPath, content);
    if (!read.ok) {
        log_->appendPlainText(
            q(Localise(language, msg::OpenFailed.text) + " " + unitsPath + ": " + read.reason));
        return false;
    }
    UnitsReport report;
    std::vector<Unit> units = ExchangeFormatOf(unitsPath) == ExchangeFormat::Json
                                  ? ReadUnitsJson(content, base, language, report, QtJsonParser())
                                  : ReadUnitsCsv(content, base, language, report);
    for (const UnitsIssue& issue : report.errors)
        log_->appendPlainText(q(unitsPath + ": " + UnitsIssueText(issue, language)));
    if (!report.ok()) return false;

    LineRows rows(static_cast<int>(units.size()));
    const std::string logPath = logFile_->text().toStdString();
    std::error_code error;
    if (!logPath.empty() && std::filesystem::exists(logPath, error)) {
        std::string logText;
        if (ReadImportFile(logPath, logText).ok)
            for (int row : DoneRowsInLog(logText))
                rows.markDone(row);
    }

    LineOptions options;
    for (const QString& port :
         ports_->text().split(QRegularExpression(QStringLiteral("[,\\s]+")), Qt::SkipEmptyParts))
        options.ports.push_back(port.toStdString());
    options.watch = watch_->isChecked() || options.ports.empty();
    options.verify = verify_->isChecked();
    options.backupFolder = BackupFolder();
    options.settingsFolder = ParameterFolder();
    options.language = language;
    if (base.radio().band != 0)
        options.bandAnswer = box_.LocalMsgBox(Localise(language, msg::BandMismatch.text),
                                              mb::YesNo | mb::IconQuestion, {}) == IdYes;
    line_ = std::make_unique<ProductionLine>(std::move(units), rows, options);
    connect(line_.get(), &ProductionLine::stationChanged, this, &ProductionLineWindow::showStation);
    connect(line_.get(), &ProductionLine::stationAdded, this, &ProductionLineWindow::showStation);
    connect(line_.get(), &ProductionLine::rowsChanged, this, &ProductionLineWindow::showRows);
    connect(line_.get(), &ProductionLine::radioFinished, this,
            &ProductionLineWindow::onRadioFinished);
    connect(line_.get(), &ProductionLine::ended, this, &ProductionLineWindow::onEnded);

    // The table: a state column, then the list's own columns.
    const std::vector<Unit>& shown = line_->units();
    QStringList headers{q(Localise(language, text::LineStateHeader))};
    std::vector<std::string> columns;
    for (const Unit& unit : shown)
        for (const auto& [column, cell] : unit.values)
            if (std::find(columns.begin(), columns.end(), column) == columns.end())
                columns.push_back(column);
    for (const std::string& column : columns)
        headers << q(column);
    unitsTable_->clear();
    unitsTable_->setColumnCount(static_cast<int>(headers.size()));
    unitsTable_->setRowCount(static_cast<int>(shown.size()));
    unitsTable_->setHorizontalHeaderLabels(headers);
    for (int r = 0; r < static_cast<int>(shown.size()); ++r) {
        unitsTable_->setItem(r, 0, new QTableWidgetItem);
        for (const auto& [column, cell] : shown[static_cast<std::size_t>(r)].values) {
            const auto at = std::find(columns.begin(), columns.end(), column) - columns.begin();
            unitsTable_->setItem(r, static_cast<int>(at) + 1, new QTableWidgetItem(q(cell)));
        }
    }
    stations_->setRowCount(0);
    for (int i = 0; i < static_cast<int>(line_->stations().size()); ++i)
        showStation(i);
    failed_ = 0;
    showRows();
    return true;
}

void ProductionLineWindow::start() {
    if (line_ && line_->running()) return;
    if (!loadUnits()) return;
    start_->setEnabled(false);
    stop_->setEnabled(true);
    line_->start();
}

void ProductionLineWindow::stop() {
    if (line_ && line_->running()) line_->stop();
}

void ProductionLineWindow::showRows() {
    if (!line_) return;
    const LineRows& rows = line_->rows();
    const std::optional<int> next = rows.next();
    for (int row = 1; row <= rows.count(); ++row) {
        QTableWidgetItem* item = unitsTable_->item(row - 1, 0);
        if (!item) continue;
        LocalText state = text::RowSkipped;
        QColor colour;
        switch (rows.state(row)) {
        case RowState::Done:
            state = text::RowDone;
            colour = stateColour(StationState::Done);
            break;
        case RowState::Writing:
            state = text::RowWriting;
            colour = stateColour(StationState::Writing);
            break;
        case RowState::Failed:
            state = text::RowFailed;
            colour = stateColour(StationState::Failed);
            break;
        case RowState::Open:
        case RowState::Skipped:
            break;
        }
        QString shown =
            rows.state(row) == RowState::Open ? QString() : q(Localise(language_, state));
        if (next && *next == row) shown = q(Localise(language_, text::RowNext));
        item->setText(shown);
        item->setForeground(colour.isValid() ? QBrush(colour) : QBrush());
    }
    showCounters();
}

void ProductionLineWindow::showStation(int index) {
    if (!line_ || index < 0 || index >= static_cast<int>(line_->stations().size())) return;
    const Station& station = line_->stations()[static_cast<std::size_t>(index)];
    if (stations_->rowCount() <= index) stations_->setRowCount(index + 1);
    if (!stations_->item(index, 0)) {
        stations_->setItem(index, 0, new QTableWidgetItem(q(station.name)));
        auto* state = new QTableWidgetItem;
        QFont large = stations_->font();
        large.setPointSizeF(large.pointSizeF() * 2);
        large.setBold(true);
        state->setFont(large);
        stations_->setItem(index, 1, state);
        stations_->setRowHeight(index, QFontMetrics(large).height() + 12);
    }
    QTableWidgetItem* state = stations_->item(index, 1);
    state->setText(q(StationText(station, language_)));
    state->setBackground(stateColour(station.state));
    state->setForeground(QBrush(Qt::white));
}

void ProductionLineWindow::onRadioFinished(const LineRecord& record) {
    if (!record.done) ++failed_;
    log_->appendPlainText(q(LineRecordText(record)));
    const std::string logPath = logFile_->text().toStdString();
    std::string reason;
    if (!logPath.empty() && !AppendLineLog(logPath, record, reason))
        log_->appendPlainText(
            q(Localise(language_, msg::SaveFailed.text) + " " + logPath + ": " + reason));
    // Heard across the bench: a done radio beeps once, a failed one twice.
    QApplication::beep();
    if (!record.done) QApplication::beep();
    showCounters();
}

void ProductionLineWindow::onEnded() {
    start_->setEnabled(true);
    stop_->setEnabled(false);
    showRows();
}

void ProductionLineWindow::showCounters() {
    if (!line_) return;
    const LineRows& rows = line_->rows();
    int left = 0;
    for (int row = 1; row <= rows.count(); ++row)
        left += rows.state(row) == RowState::Open || rows.state(row) == RowState::Failed;
    QString counters = q(Localise(language_, text::LineCounters, std::to_string(rows.done()),
                                  std::to_string(failed_)));
    counters_->setText(counters.replace(QStringLiteral("%3"), QString::number(left)));
}

} // namespace tlv
