// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's commands joined to what they run, and the window as a view: the state shown
// in the table, the frames and the title, the editing lock, and the commands a transfer holds.
#include "window/main/MainWindow.h"

#include "document/FileNames.h"
#include "line/LineTexts.h"
#include "qt/SerialLink.h"
#include "qt/TransferController.h"
#include "texts/CaptionTables.h"
#include "texts/WindowTexts.h"
#include "window/help/HelpServices.h"
#include "window/language/LanguageCommands.h"
#include "window/line/ProductionLineWindow.h"
#include "window/link/PortDialog.h"
#include "window/link/RadioLinkWiring.h"
#include "window/main/CellEditors.h"
#include "window/main/ChannelTable.h"
#include "window/main/DocumentCommands.h"
#include "window/main/EditCommands.h"
#include "window/main/EditorModel.h"
#include "window/main/SettingsPanels.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QToolBar>

namespace tlv {

void MainWindow::connectCommands() {
    const auto on = [this](QAction* action, auto command) {
        connect(action, &QAction::triggered, this, command);
    };
    for (QAction* action : {menus_.newFile, toolbar_.button(ToolbarButton::New)})
        on(action, [this] { documents_->newDocument(); });
    for (QAction* action : {menus_.open, toolbar_.button(ToolbarButton::Open)})
        on(action, [this] { documents_->open(); });
    for (QAction* action : {menus_.save, toolbar_.button(ToolbarButton::Save)})
        on(action, [this] { documents_->save(); });
    for (QAction* action : {menus_.read, toolbar_.button(ToolbarButton::Read)})
        on(action, [this] { readFromRadio(); });
    for (QAction* action : {menus_.write, toolbar_.button(ToolbarButton::Write)})
        on(action, [this] { radioLink_->startWrite(); });
    on(toolbar_.button(ToolbarButton::Service), [this] { model_->serviceButtonClicked(); });
    on(menus_.importFile, [this] { documents_->importFile(); });
    on(menus_.exportFile, [this] { documents_->exportFile(); });
    on(menus_.print, [this] { documents_->printChannelCard(); });
    on(menus_.exportPdf, [this] { documents_->exportChannelCardPdf(); });
    connect(menus_.quit, &QAction::triggered, this, &QWidget::close);

    const std::pair<QAction*, QDialog * MainWindow::*> dialogs[] = {
        {menus_.optionalFunctions, &MainWindow::optionalFunctionsDialog_},
        {menus_.keys, &MainWindow::keysDialog_},
        {menus_.embeddedTexts, &MainWindow::embeddedTextsDialog_},
        {menus_.powerLevels, &MainWindow::powerLevelDialog_},
        {menus_.testFrequencies, &MainWindow::testFrequencyDialog_},
        {menus_.about, &MainWindow::aboutDialog_},
    };
    for (const auto& [action, dialog] : dialogs)
        on(action, [this, dialog = dialog] {
            finishDeferredBuild();
            showDialog(this->*dialog);
        });
    on(menus_.lock, [this] { toggleEditingLock(); });
    on(menus_.port, [this] { radioLink_->showPortDialog(); });
    on(menus_.productionLine, [this] {
        auto* window = findChild<ProductionLineWindow*>();
        if (!window)
            window = new ProductionLineWindow(model_->language(), model_->messageBox(), this);
        window->show();
        window->raise();
    });
    const auto nameProductionLine = [this] {
        menus_.productionLine->setText(
            QString::fromStdString(Localise(model_->language(), text::LineWindowTitle) + "..."));
    };
    nameProductionLine();
    connect(model_, &EditorModel::refreshed, this, nameProductionLine);
    const std::pair<QAction*, Language> languages[] = {
        {menus_.simplifiedChinese, Language::Simplified},
        {menus_.traditionalChinese, Language::Traditional},
        {menus_.english, Language::English},
    };
    for (const auto& [action, language] : languages)
        on(action, [this, language = language] {
            SwitchLanguage(*this, *model_, language);
            if (language == Language::Traditional) traditionalShown_ = true;
            holdTransferLine();
        });
    on(menus_.helpTopics, [this] { openHelp(); });
    on(menus_.userManual, [this] { openHelp(); });
    on(menus_.backupFolder, [this] {
        if (model_->services().msgBox != nullptr)
            OpenBackupFolder(*model_->services().msgBox, model_->language(),
                             model_->services().backupFolder);
    });
    connect(model_, &EditorModel::serviceModeChanged, this,
            [this](bool on) { toolbar_.button(ToolbarButton::Service)->setVisible(on); });
}

// Shows a modeless dialog, or brings it to the front when it is already shown.
void MainWindow::showDialog(QDialog* dialog) {
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void MainWindow::readFromRadio() {
    if (model_->transferRunning()) return;
    // What the read needs comes first: a port that does not open gets its message from the
    // transfer, and nothing would replace the editor, so "Save changes?" is not asked.
    if (radioLink_->takeBackPort() && !documents_->settleUnsavedChanges()) return;
    radioLink_->startRead();
}

void MainWindow::openHelp() {
    if (model_->services().msgBox != nullptr)
        OpenUserManual(*model_->services().msgBox, model_->language(),
                       QCoreApplication::applicationDirPath());
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // The rights line opens the maker's web page.
    if (watched == rightsLine_ && event->type() == QEvent::MouseButtonPress &&
        model_->services().msgBox != nullptr)
        OpenMakerWebPage(*model_->services().msgBox, model_->language());
    return QMainWindow::eventFilter(watched, event);
}

// ---- Showing the state -------------------------------------------------------------------

void MainWindow::showState() {
    const EditorState& state = model_->state();
    table_->showState(state);
    functionPanel_->showState(state);
    bandFrame_->showState(state);
    applyEditingLock();
    applyToolTips();
    showTitle();
}

void MainWindow::applyEditingLock() {
    const bool locked = model_->state().session.editingLock;
    const bool transfer = model_->transferRunning();
    menus_.lock->setChecked(locked);
    bandFrame_->setEnabled(!locked);
    // A transfer keeps them disabled whatever the lock (setTransferRunning).
    functionPanel_->setEnabled(!locked && !transfer);
    table_->setEnabled(!locked && !transfer);
    table_->showLock(locked);
}

void MainWindow::toggleEditingLock() {
    bool& locked = model_->state().session.editingLock;
    locked = !locked;
    applyEditingLock();
    editCommands_->update();
}

// The tooltips of the toolbar's buttons in the language in force (written again only when the
// language changed).
void MainWindow::applyToolTips() {
    const Language language = model_->language();
    if (toolTipLanguage_ == language) return;
    toolTipLanguage_ = language;
    for (int n = 1; n <= int(tip::ToolbarButtons.size()); ++n)
        if (ToolbarButton(n) != ToolbarButton::Separator)
            toolbar_.button(ToolbarButton(n))
                ->setToolTip(
                    QString::fromStdString(Localise(language, tip::ToolbarButtons[n - 1])));
}

// The title: "*" when modified, then the caption of the language or "TLV6200-" and the file.
void MainWindow::showTitle() {
    QString title;
    if (!model_->documentPath().empty()) {
        title = QFile::decodeName(QByteArray::fromStdString(SavedCaption(model_->documentPath())));
    } else if (const CaptionRow* row =
                   FindCaption(objectName().toStdString(), {}, CaptionItem::WindowTitle)) {
        // The title is not converted to Traditional Chinese: it keeps the Simplified text.
        title = QString::fromStdString(row->text(model_->language()));
    }
    if (model_->modified()) title.prepend(QLatin1Char('*'));
    if (windowTitle() != title) setWindowTitle(title);
}

// ---- Transfers ---------------------------------------------------------------------------

void MainWindow::connectTransfer() {
    TransferController& transfer = radioLink_->transfer();
    connect(&transfer, &TransferController::statusTextChanged, transferStatus_, &QLabel::setText);
    connect(&transfer, &TransferController::statusVisibleChanged, transferStatus_,
            &QWidget::setVisible);
    connect(&transfer, &TransferController::progressChanged, this, [this](bool visible, int value) {
        transferProgress_->setValue(value);
        transferProgress_->setVisible(visible);
    });
    connect(&transfer, &TransferController::controlsEnabledChanged, this, [this](bool enabled) {
        setTransferControlsEnabled(enabled);
        setTransferRunning(!enabled);
    });
    // A transfer's start enables the band frame, also under the editing lock, and gives the
    // focus to the band list.
    connect(&transfer, &TransferController::started, this, [this] {
        bandFrame_->setEnabled(true);
        bandFrame_->bandList()->setFocus();
    });
    connect(&transfer, &TransferController::finished, this, &MainWindow::transferFinished);
    connect(&transfer, &TransferController::backupSaved, this,
            [this] { backupNotice_->setVisible(false); });
    connect(&transfer, &TransferController::backupFailed, this, &MainWindow::showBackupFailure);
}

void MainWindow::setTransferControlsEnabled(bool enabled) {
    toolbar_.bar->setEnabled(enabled);
    toolbar_.button(ToolbarButton::Read)->setEnabled(enabled);
    toolbar_.button(ToolbarButton::Write)->setEnabled(enabled);
    menus_.programming->setEnabled(enabled);
    menus_.programming->menuAction()->setEnabled(enabled);
}

void MainWindow::setTransferRunning(bool running) {
    for (QAction* command :
         {menus_.newFile, menus_.open, menus_.save, menus_.importFile, menus_.exportFile,
          menus_.print, menus_.exportPdf, menus_.quit, menus_.lock, menus_.port})
        command->setEnabled(!running);
    menus_.file->menuAction()->setEnabled(!running);
    menus_.edit->menuAction()->setEnabled(!running);
    // The model tells the Edit commands and the dialogs' OK buttons.
    model_->setTransferRunning(running);
    // The band frame keeps the state the transfer gave it; the list in it takes no pick.
    bandFrame_->bandList()->setEnabled(!running);
    const bool locked = model_->state().session.editingLock;
    functionPanel_->setEnabled(!running && !locked);
    table_->setEnabled(!running && !locked);
    // Another port picked now would cut the transfer off.
    radioLink_->portDialog()->setEnabled(!running);
}

// A read has filled the editor (the link has shown it): the band frame the read's start enabled
// stays enabled, also under the editing lock, until the lock is toggled; a successful read is
// what the editor now matches.
void MainWindow::transferFinished(TransferOutcome outcome) {
    if (radioLink_->transfer().direction() != TransferDirection::Read) return;
    bandFrame_->setEnabled(true);
    if (outcome == TransferOutcome::Success) model_->matchDocument({});
}

void MainWindow::showBackupFailure(const QString& reason) {
    backupNotice_->setText(
        QString::fromStdString(Localise(model_->language(), status::BackupFailed)) +
        QLatin1Char(' ') + reason);
    backupNotice_->setToolTip(
        QFile::decodeName(QByteArray::fromStdString(model_->services().backupFolder)));
    backupNotice_->setVisible(true);
}

} // namespace tlv
