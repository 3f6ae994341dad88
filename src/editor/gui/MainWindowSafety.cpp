// The main window keeps the user's work: the modified state and the title that shows it, the
// "Save changes?" question before the editor is replaced or the program ends, the commands
// disabled while a transfer runs, the question when the window is closed during one, and the
// automatic backups of the transfers.
#include "editor/gui/MainWindow.h"

#include "dialogs/gui/EmbeddedTextsDialog.h"
#include "dialogs/gui/KeysDialog.h"
#include "dialogs/gui/OptionalFunctionsDialog.h"
#include "dialogs/gui/PowerLevelDialog.h"
#include "dialogs/gui/TestFrequencyDialog.h"
#include "editor/gui/CellEditors.h"
#include "editor/gui/DropDownComboBox.h"
#include "help/gui/HelpServices.h"
#include "image/FileCommands.h"
#include "link/gui/PortDialog.h"
#include "link/gui/RadioLinkWiring.h"
#include "link/qt/SerialLink.h"
#include "link/qt/TransferController.h"
#include "localisation/CaptionTables.h"
#include "localisation/Messages.h"

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>

namespace tlv {

bool MainWindow::modified() const {
    return baseline_.Modified(state_);
}

void MainWindow::editorMatches(const std::string& path) {
    baseline_.Reset(state_);
    documentPath_ = path;
}

void MainWindow::showTitle() {
    QString title;
    if (!documentPath_.empty()) {
        title = QFile::decodeName(QByteArray::fromStdString(SavedCaption(documentPath_)));
    } else if (const CaptionRow* row =
                   FindCaption(objectName().toStdString(), {}, CaptionItem::WindowTitle)) {
        // The title is not converted to Traditional Chinese: it keeps the Simplified text.
        title = QString::fromStdString(row->text(state_.languageState));
    }
    if (modified()) title.prepend(QLatin1Char('*'));
    if (windowTitle() != title) setWindowTitle(title);
}

bool MainWindow::settleUnsavedChanges(bool& asked) {
    asked = false;
    // A value still being typed in a cell is one of the changes.
    if (cellEditors != nullptr) cellEditors->closeEditor();
    if (services_.msgBox == nullptr || services_.fileDialogs == nullptr || !modified()) return true;
    asked = true;
    FileCommands files(state_, *services_.msgBox, *services_.fileDialogs);
    const SaveChangesOutcome outcome = files.AskToSaveChanges();
    if (outcome.answer == SaveChangesAnswer::Saved) {
        editorMatches(outcome.savedPath);
        showTitle();
    }
    return outcome.answer != SaveChangesAnswer::Cancelled;
}

bool MainWindow::stopTransferToClose() {
    if (radioLink_ == nullptr || !radioLink_->transfer().running()) return true;
    const bool writing = radioLink_->transfer().engine().state().transferDirection == "W";
    if (services_.msgBox != nullptr &&
        ShowMessage(*services_.msgBox, state_.languageState,
                    writing ? msg::StopWriteAndQuit : msg::StopReadAndQuit) != IdYes)
        return false;
    // The transfer may have ended while the question was open; then there is nothing to stop.
    radioLink_->transfer().stop();
    return true;
}

bool MainWindow::mayClose() {
    if (!stopTransferToClose()) return false;
    bool asked = false;
    return settleUnsavedChanges(asked);
}

void MainWindow::setTransferRunning(bool running) {
    transferRunning_ = running;
    for (QAction* command : {newAction, openAction, saveAction, importAction, exportAction,
                             printAction, exportPdfAction, quitAction, lockAction, portAction})
        command->setEnabled(!running);
    fileMenu->menuAction()->setEnabled(!running);
    editMenu->menuAction()->setEnabled(!running);
    updateEditCommands();
    // The band frame keeps the state the transfer gave it; the list in it takes no pick.
    bandList->setEnabled(!running);
    functionPanel->setEnabled(!running && !state_.editingLock);
    channelTable->setEnabled(!running && !state_.editingLock);
    for (QPushButton* ok :
         {optionalFunctionsDialog->okButton, keysDialog->okButton, embeddedTextsDialog->okButton,
          powerLevelDialog->okButton, testFrequencyDialog->okButton})
        ok->setEnabled(!running);
    // Another port picked now would cut the transfer off.
    radioLink_->portDialog()->setEnabled(!running);
}

void MainWindow::connectTransferGuard() {
    TransferController& transfer = radioLink_->transfer();
    transfer.setBackupFolder(services_.backupFolder);
    connect(&transfer, &TransferController::controlsEnabledChanged, this,
            [this](bool enabled) { setTransferRunning(!enabled); });
    // A read has replaced the editor (the wiring has shown it already).
    connect(&transfer, &TransferController::finished, this, [this](TransferOutcome outcome) {
        if (outcome != TransferOutcome::Success ||
            radioLink_->transfer().engine().state().transferDirection != "R")
            return;
        editorMatches({});
        showTitle();
    });
    connect(&transfer, &TransferController::backupSaved, this,
            [this] { backupNotice->setVisible(false); });
    connect(&transfer, &TransferController::backupFailed, this, [this](const QString& reason) {
        backupNotice->setText(
            QString::fromStdString(Localise(state_.languageState, status::BackupFailed)) +
            QLatin1Char(' ') + reason);
        backupNotice->setToolTip(
            QFile::decodeName(QByteArray::fromStdString(services_.backupFolder)));
        backupNotice->setVisible(true);
    });
    // The dialogs store their values into the editor on OK.
    for (QPushButton* ok :
         {optionalFunctionsDialog->okButton, keysDialog->okButton, embeddedTextsDialog->okButton,
          powerLevelDialog->okButton, testFrequencyDialog->okButton})
        connect(ok, &QPushButton::clicked, this, &MainWindow::showTitle);
}

void MainWindow::openBackupFolder() {
    if (services_.msgBox != nullptr)
        OpenBackupFolder(*services_.msgBox, state_.languageState, services_.backupFolder);
}

} // namespace tlv
