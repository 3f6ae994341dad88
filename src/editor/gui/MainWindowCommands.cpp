// The main window's commands: menus, toolbar, panel lists, band list and the rights line, each
// joined to the core operation it runs.
#include "editor/gui/MainWindow.h"

#include "dialogs/gui/EmbeddedTextsDialog.h"
#include "dialogs/gui/KeysDialog.h"
#include "dialogs/gui/OptionalFunctionsDialog.h"
#include "dialogs/gui/PowerLevelDialog.h"
#include "dialogs/gui/TestFrequencyDialog.h"
#include "editor/EditingRules.h"
#include "editor/gui/CellEditors.h"
#include "editor/gui/DropDownComboBox.h"
#include "help/gui/AboutDialog.h"
#include "help/gui/HelpServices.h"
#include "image/FileCommands.h"
#include "link/gui/RadioLinkWiring.h"
#include "link/qt/SerialLink.h"
#include "localisation/LanguageState.h"
#include "localisation/gui/LanguageCommands.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QTableWidget>

namespace tlv {

namespace {

// Shows a modeless dialog, or brings it to the front when it is already shown.
void showDialog(QWidget* dialog) {
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

} // namespace

void MainWindow::connectCommands() {
    const std::pair<QAction*, void (MainWindow::*)()> commands[] = {
        {newAction, &MainWindow::onNew},
        {openAction, &MainWindow::onOpen},
        {saveAction, &MainWindow::onSave},
        {readAction, &MainWindow::onRead},
        {writeAction, &MainWindow::onWrite},
        {optionalFunctionsAction, &MainWindow::showOptionalFunctions},
        {keysAction, &MainWindow::showKeys},
        {embeddedTextsAction, &MainWindow::showEmbeddedTexts},
        {powerLevelsAction, &MainWindow::showPowerLevels},
        {testFrequenciesAction, &MainWindow::showTestFrequencies},
        {lockAction, &MainWindow::onLock},
        {portAction, &MainWindow::showPortDialog},
        {simplifiedChineseAction, &MainWindow::chooseSimplifiedChinese},
        {traditionalChineseAction, &MainWindow::chooseTraditionalChinese},
        {englishAction, &MainWindow::chooseEnglish},
        {helpTopicsAction, &MainWindow::openHelp},
        {backupFolderAction, &MainWindow::openBackupFolder},
        {userManualAction, &MainWindow::openHelp},
        {aboutAction, &MainWindow::showAbout},
        {importAction, &MainWindow::importFile},
        {exportAction, &MainWindow::exportFile},
        {printAction, &MainWindow::printChannelCard},
        {exportPdfAction, &MainWindow::exportChannelCardPdf},
        {undoAction, &MainWindow::undo},
        {redoAction, &MainWindow::redo},
        {cutAction, &MainWindow::cutChannels},
        {copyAction, &MainWindow::copyChannels},
        {pasteAction, &MainWindow::pasteChannels},
        {selectAllChannelsAction, &MainWindow::selectAllChannels},
        {deleteChannelsAction, &MainWindow::deleteChannels},
        {insertChannelAction, &MainWindow::insertChannel},
        {moveUpAction, &MainWindow::moveChannelsUp},
        {moveDownAction, &MainWindow::moveChannelsDown},
        {toolbarButton(ToolbarButton::New), &MainWindow::onNew},
        {toolbarButton(ToolbarButton::Open), &MainWindow::onOpen},
        {toolbarButton(ToolbarButton::Save), &MainWindow::onSave},
        {toolbarButton(ToolbarButton::Read), &MainWindow::onRead},
        {toolbarButton(ToolbarButton::Write), &MainWindow::onWrite},
        {toolbarButton(ToolbarButton::Service), &MainWindow::onServiceButton},
    };
    // Commands are virtual (tests record them), so each connection calls through the object.
    for (const auto& [action, command] : commands)
        connect(action, &QAction::triggered, this,
                [this, command = command] { (this->*command)(); });
    connect(quitAction, &QAction::triggered, this, &QWidget::close);
}

void MainWindow::connectPanelLists() {
    const std::array<std::pair<QComboBox*, int EditorState::*>, 6> lists{{
        {voicePromptList, &EditorState::voicePrompt},
        {timeOutList, &EditorState::timeOutTimer},
        {timeOutWarningList, &EditorState::timeOutWarning},
        {squelchList, &EditorState::squelchLevel},
        {batterySaveList, &EditorState::batterySave},
        {beepList, &EditorState::beep},
    }};
    for (const auto& [list, member] : lists) {
        connect(list, &QComboBox::currentIndexChanged, this, [this, member = member](int index) {
            if (refreshing_) return;
            state_.*member = index;
            showTitle();
        });
    }
    connect(bandList, &QComboBox::currentIndexChanged, this, [this] {
        if (!refreshing_) onBandPicked();
    });
    connect(bandList, &DropDownComboBox::dropDownOpened, this, &MainWindow::onBandListOpened);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == channelTable->viewport() && event->type() == QEvent::Resize) fitColumnsToWidth();
    // The rights line opens the maker's web page.
    if (watched == rightsLine && event->type() == QEvent::MouseButtonPress && services_.msgBox)
        OpenMakerWebPage(*services_.msgBox, state_.languageState);
    return QMainWindow::eventFilter(watched, event);
}

QAction* MainWindow::toolbarButton(ToolbarButton button) const {
    const int n = int(button);
    return n >= 1 && n <= int(toolbarButtons_.size()) ? toolbarButtons_[n - 1] : nullptr;
}

void MainWindow::onNew() {
    if (services_.msgBox == nullptr || services_.fileDialogs == nullptr || transferRunning_) return;
    // Answering "Save changes?" stands in for the New confirmation.
    bool asked = false;
    if (!settleUnsavedChanges(asked)) return;
    FileCommands files(state_, *services_.msgBox, *services_.fileDialogs);
    if (!files.New(asked)) return;
    editorMatches({});
    refreshFromState();
}

void MainWindow::onOpen() {
    if (services_.msgBox == nullptr || services_.fileDialogs == nullptr || transferRunning_) return;
    bool asked = false;
    if (!settleUnsavedChanges(asked)) return;
    FileCommands files(state_, *services_.msgBox, *services_.fileDialogs);
    std::string path;
    if (files.Open(&path) != OpenOutcome::Loaded) return;
    editorMatches(path);
    refreshFromState();
}

void MainWindow::onSave() {
    if (services_.msgBox == nullptr || services_.fileDialogs == nullptr || transferRunning_) return;
    FileCommands files(state_, *services_.msgBox, *services_.fileDialogs);
    if (std::optional<std::string> path = files.Save()) {
        editorMatches(*path);
        showTitle();
    }
}

void MainWindow::onRead() {
    if (radioLink_ == nullptr || transferRunning_) return;
    // A closed port gets its message from the transfer: nothing would replace the editor.
    bool asked = false;
    if (radioLink_->link().isOpen() && !settleUnsavedChanges(asked)) return;
    radioLink_->startRead();
}

void MainWindow::onWrite() {
    if (radioLink_ != nullptr) radioLink_->startWrite();
}

void MainWindow::onServiceButton() {
    if (services_.clock == nullptr) return;
    const ServiceClick click =
        ServiceButtonClick(state_, buttonStamp_, services_.clock->secondsSinceMidnight());
    if (click != ServiceClick::SwitchedOff) return;
    toolbarButton(ToolbarButton::Service)->setVisible(false);
    emit serviceModeSwitchedOff();
}

void MainWindow::serviceModeOn() {
    ServiceModeOn(state_);
    toolbarButton(ToolbarButton::Service)->setVisible(true);
    emit serviceModeSwitchedOn();
}

void MainWindow::onLock() {
    state_.editingLock = !state_.editingLock;
    applyEditingLock();
}

void MainWindow::showOptionalFunctions() {
    showDialog(optionalFunctionsDialog);
}

void MainWindow::showKeys() {
    showDialog(keysDialog);
}

void MainWindow::showEmbeddedTexts() {
    showDialog(embeddedTextsDialog);
}

void MainWindow::showPowerLevels() {
    showDialog(powerLevelDialog);
}

void MainWindow::showTestFrequencies() {
    showDialog(testFrequencyDialog);
}

void MainWindow::showPortDialog() {
    if (radioLink_ != nullptr) radioLink_->showPortDialog();
}

void MainWindow::chooseSimplifiedChinese() {
    SwitchLanguage(*this, lang::Simplified);
}

void MainWindow::chooseTraditionalChinese() {
    SwitchLanguage(*this, lang::Traditional);
}

void MainWindow::chooseEnglish() {
    SwitchLanguage(*this, lang::English);
}

void MainWindow::openHelp() {
    if (services_.msgBox)
        OpenUserManual(*services_.msgBox, state_.languageState,
                       QCoreApplication::applicationDirPath());
}

void MainWindow::showAbout() {
    showDialog(aboutDialog);
}

void MainWindow::onBandPicked() {
    BandSelected(state_, WindowMessageBox(*this), bandList->currentIndex());
    refreshFromState();
}

void MainWindow::onBandListOpened() {
    BandDropDownOpened(state_);
}

} // namespace tlv
