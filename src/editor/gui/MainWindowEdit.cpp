// The Edit menu and the channel table's right-click menu: undo and redo over the core's undo
// history, channel rows on the clipboard and the row commands; and the File menu's import and
// export of CHIRP's CSV and JSON and the channel card, printed or as PDF. The rules and texts
// are the core's (UndoHistory, ChannelRows, the exchange formats, ChannelCard); the window maps
// keys and menus to them and shows the result.
#include "editor/gui/MainWindow.h"

#include "dialogs/gui/EmbeddedTextsDialog.h"
#include "dialogs/gui/KeysDialog.h"
#include "dialogs/gui/OptionalFunctionsDialog.h"
#include "dialogs/gui/PowerLevelDialog.h"
#include "dialogs/gui/TestFrequencyDialog.h"
#include "editor/ChannelRows.h"
#include "editor/gui/CellEditors.h"
#include "editor/gui/ChannelCardPage.h"
#include "exchange/ExchangeFormat.h"
#include "exchange/ExchangeTexts.h"
#include "exchange/qt/ImportText.h"
#include "image/FileCommands.h"
#include "image/ImageLayout.h"
#include "localisation/Messages.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QMenu>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>
#include <numeric>

namespace tlv {

void MainWindow::connectEditCommands() {
    // The row commands' keys reach them while the table or one of its editors has the focus.
    channelTable->addActions({cutAction, copyAction, pasteAction, selectAllChannelsAction,
                              deleteChannelsAction, insertChannelAction, moveUpAction,
                              moveDownAction});
    channelTable->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(channelTable, &QWidget::customContextMenuRequested, this, &MainWindow::showTableMenu);

    // Every change ends in a refresh of the window, apart from a pick in a panel list and a
    // dialog's OK: each of these records its undo step.
    connect(this, &MainWindow::refreshed, this, &MainWindow::recordUndoStep);
    for (QComboBox* list : {voicePromptList, timeOutList, timeOutWarningList, squelchList,
                            batterySaveList, beepList}) {
        connect(list, &QComboBox::currentIndexChanged, this, [this] {
            if (!refreshing_) recordUndoStep();
        });
    }
    for (QPushButton* ok :
         {optionalFunctionsDialog->okButton, keysDialog->okButton, embeddedTextsDialog->okButton,
          powerLevelDialog->okButton, testFrequencyDialog->okButton})
        connect(ok, &QPushButton::clicked, this, &MainWindow::recordUndoStep);
    connect(lockAction, &QAction::triggered, this, &MainWindow::updateEditCommands);

    undoHistory.reset(state_);
    updateEditCommands();
}

void MainWindow::recordUndoStep() {
    undoHistory.record(state_);
    updateEditCommands();
}

void MainWindow::updateEditCommands() {
    // The editing lock holds the data as they are, and a transfer reads or writes them: nothing
    // that changes them is offered.
    const bool editable = dataMayChange();
    undoAction->setEnabled(editable && undoHistory.canUndo());
    redoAction->setEnabled(editable && undoHistory.canRedo());
    for (QAction* action : {cutAction, pasteAction, deleteChannelsAction, insertChannelAction,
                            moveUpAction, moveDownAction})
        action->setEnabled(editable);
}

bool MainWindow::dataMayChange() const {
    return !state_.editingLock && !transferRunning_;
}

bool MainWindow::startChange() {
    if (!dataMayChange()) return false;
    // An open in-cell editor commits first, as leaving it does.
    cellEditors->closeEditor();
    return true;
}

// ---- Undo --------------------------------------------------------------------------------

void MainWindow::undo() {
    // An open in-cell editor commits first: its change is the step undone.
    if (!startChange()) return;
    if (undoHistory.undo(state_)) refreshFromState();
    updateEditCommands();
}

void MainWindow::redo() {
    if (!startChange()) return;
    if (undoHistory.redo(state_)) refreshFromState();
    updateEditCommands();
}

// ---- Choosing rows -----------------------------------------------------------------------

std::vector<int> MainWindow::selectedChannelRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : channelTable->selectionModel()->selectedIndexes())
        rows.push_back(index.row());
    if (rows.empty()) rows.push_back(channelTable->currentRow());
    return ChannelRowSet(rows);
}

void MainWindow::selectChannelRows(const std::vector<int>& rows, int current) {
    QAbstractItemModel* model = channelTable->model();
    QItemSelection selection;
    for (int row : ChannelRowSet(rows))
        selection.select(model->index(row, col::RxFrequency), model->index(row, col::Scan));
    QItemSelectionModel* selected = channelTable->selectionModel();
    if (current == 0 && !rows.empty()) current = rows.front();
    if (current >= 1 && current <= kChannelCount)
        selected->setCurrentIndex(
            model->index(current, std::max<int>(col::RxFrequency, channelTable->currentColumn())),
            QItemSelectionModel::NoUpdate);
    selected->select(selection, QItemSelectionModel::ClearAndSelect);
}

namespace {

std::vector<int> rowRange(int from, int to) {
    std::vector<int> rows(std::size_t(std::abs(to - from) + 1));
    std::iota(rows.begin(), rows.end(), std::min(from, to));
    return rows;
}

bool contains(const std::vector<int>& rows, int row) {
    return std::find(rows.begin(), rows.end(), row) != rows.end();
}

} // namespace

void MainWindow::chooseChannelRow(int row, Qt::KeyboardModifiers modifiers) {
    if (row < 1 || row > kChannelCount) return;
    if ((modifiers & Qt::ShiftModifier) && rowAnchor_ >= 1) {
        selectChannelRows(rowRange(rowAnchor_, row), row);
        return;
    }
    if (modifiers & Qt::ControlModifier) {
        std::vector<int> rows;
        for (const QModelIndex& index : channelTable->selectionModel()->selectedIndexes())
            if (index.row() != row) rows.push_back(index.row());
        if (!contains(selectedChannelRows(), row)) rows.push_back(row);
        selectChannelRows(rows, row);
    } else {
        selectChannelRows({row});
    }
    rowAnchor_ = row;
}

void MainWindow::extendChannelRows(int step) {
    const int current = std::clamp(channelTable->currentRow(), 1, kChannelCount);
    // A row chosen by a press on a cell or by the arrow keys starts a new range.
    if (!contains(selectedChannelRows(), rowAnchor_)) rowAnchor_ = current;
    const int next = std::clamp(current + step, 1, kChannelCount);
    selectChannelRows(rowRange(rowAnchor_, next), next);
}

void MainWindow::selectAllChannels() {
    cellEditors->closeEditor();
    selectChannelRows(rowRange(1, kChannelCount), std::max(1, channelTable->currentRow()));
    rowAnchor_ = 1;
}

void MainWindow::showTableMenu(const QPoint& position) {
    // A right press on a row outside the chosen ones chooses that row, as in a spreadsheet.
    const QModelIndex index = channelTable->indexAt(position);
    if (index.isValid() && index.row() >= 1 && !contains(selectedChannelRows(), index.row()))
        chooseChannelRow(index.row(), {});
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addActions({undoAction, redoAction});
    menu->addSeparator();
    menu->addActions({cutAction, copyAction, pasteAction});
    menu->addSeparator();
    menu->addActions({deleteChannelsAction, insertChannelAction, moveUpAction, moveDownAction});
    menu->popup(channelTable->viewport()->mapToGlobal(position));
}

// ---- Clipboard ---------------------------------------------------------------------------

void MainWindow::copyChannels() {
    cellEditors->closeEditor();
    QGuiApplication::clipboard()->setText(
        QString::fromStdString(ChannelRowsText(state_, selectedChannelRows())));
}

void MainWindow::cutChannels() {
    if (!startChange()) return;
    copyChannels();
    DeleteChannels(state_, selectedChannelRows());
    refreshFromState();
}

void MainWindow::pasteChannels() {
    if (!startChange()) return;
    const std::vector<int> rows = selectedChannelRows();
    const int first = rows.empty() ? 1 : rows.front();
    const PasteOutcome pasted =
        PasteChannelRows(state_, first, QGuiApplication::clipboard()->text().toStdString());
    if (!pasted.problem.empty()) {
        ShowMessage(WindowMessageBox(*this), state_.languageState, msg::PasteRefused,
                    pasted.problem);
        return;
    }
    if (pasted.rows == 0) {
        ShowMessage(WindowMessageBox(*this), state_.languageState, msg::NoChannelRows);
        return;
    }
    refreshFromState();
    selectChannelRows(rowRange(first, first + pasted.rows - 1));
}

// ---- Row commands ------------------------------------------------------------------------

void MainWindow::deleteChannels() {
    if (!startChange()) return;
    DeleteChannels(state_, selectedChannelRows());
    refreshFromState();
}

void MainWindow::insertChannel() {
    if (!startChange()) return;
    const std::vector<int> rows = selectedChannelRows();
    if (rows.empty()) return;
    if (!InsertEmptyChannel(state_, rows.front())) {
        ShowMessage(WindowMessageBox(*this), state_.languageState, msg::InsertRefused);
        return;
    }
    refreshFromState();
    selectChannelRows({rows.front()});
}

void MainWindow::moveChannelsUp() {
    moveChosenChannels(-1);
}

void MainWindow::moveChannelsDown() {
    moveChosenChannels(1);
}

void MainWindow::moveChosenChannels(int step) {
    if (!startChange()) return;
    const std::vector<int> moved = MoveChannels(state_, selectedChannelRows(), step);
    if (moved.empty()) return;
    refreshFromState();
    selectChannelRows(moved, step < 0 ? moved.front() : moved.back());
    rowAnchor_ = step < 0 ? moved.back() : moved.front();
}

// ---- Import and export ------------------------------------------------------------------

namespace {

// Findings shown in one message box; the rest are counted.
constexpr std::size_t kIssuesShown = 20;

} // namespace

void MainWindow::importFile() {
    if (services_.msgBox == nullptr || services_.fileDialogs == nullptr || transferRunning_) return;
    cellEditors->closeEditor();
    const std::optional<std::string> path = services_.fileDialogs->ShowOpenFor(FileKind::Exchange);
    if (!path || path->empty()) return;
    MessageBoxService& box = *services_.msgBox;
    const int language = state_.languageState;
    const ExchangeFormat format = ExchangeFormatOf(*path);
    if (format == ExchangeFormat::Unknown) {
        ShowMessage(box, language, msg::ImportRefused,
                    *path + ": " + Localise(language, text::UnknownFormat));
        return;
    }
    std::string text;
    if (const FileStatus read = ReadImportFile(*path, text); !read.ok) {
        ShowMessage(box, language, msg::OpenFailed, read.reason);
        return;
    }
    const ImportReport report = ImportIntoEditor(text, format, language, state_);
    if (!report.ok()) {
        std::string detail = IssueLines(report.errors, language, kIssuesShown);
        if (format == ExchangeFormat::Csv && report.hinted(ImportHint::Band))
            detail += "\n" + Localise(language, text::CsvUsesWindowBand);
        ShowMessage(box, language, msg::ImportRefused, detail);
        return;
    }
    refreshFromState();
    if (!report.notes.empty())
        ShowMessage(box, language, msg::ImportNotes,
                    IssueLines(report.notes, language, kIssuesShown));
}

void MainWindow::exportFile() {
    const std::optional<std::string> path = chooseExportPath(FileKind::Exchange);
    if (!path) return;
    const ExchangeFormat format = ExchangeFormatOf(*path);
    if (format == ExchangeFormat::Unknown) {
        ShowMessage(*services_.msgBox, state_.languageState, msg::SaveFailed,
                    *path + ": " + Localise(state_.languageState, text::UnknownFormat));
        return;
    }
    writeExportedFile(*path, ExportText(state_, format));
}

std::optional<std::string> MainWindow::chooseExportPath(FileKind kind) {
    if (services_.msgBox == nullptr || services_.fileDialogs == nullptr || transferRunning_)
        return std::nullopt;
    // A value still being typed in a cell is part of what is exported.
    cellEditors->closeEditor();
    return FileCommands(state_, *services_.msgBox, *services_.fileDialogs).ChooseSavePath(kind);
}

void MainWindow::writeExportedFile(const std::string& path, const std::string& bytes) {
    const FileStatus written = WriteFileAtomically(path, bytes);
    if (!written.ok)
        ShowMessage(*services_.msgBox, state_.languageState, msg::SaveFailed, written.reason);
}

// ---- Channel card ------------------------------------------------------------------------

void MainWindow::printChannelCard() {
    if (transferRunning_) return;
    cellEditors->closeEditor();
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromLatin1(kAppTitle));
    // The same margins as the PDF card, not the printer's narrow default.
    printer.setPageMargins(kChannelCardMargins, QPageLayout::Millimeter);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    QPainter painter(&printer);
    PaintChannelCard(painter, QRectF(0, 0, printer.width(), printer.height()),
                     MakeChannelCard(state_));
}

void MainWindow::exportChannelCardPdf() {
    const std::optional<std::string> path = chooseExportPath(FileKind::Pdf);
    if (!path) return;
    writeExportedFile(*path, ChannelCardPdf(MakeChannelCard(state_)).toStdString());
}

} // namespace tlv
