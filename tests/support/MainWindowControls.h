// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's controls as a test drives them, found as a user's program would find them:
// by their names (objectNames), within the window they belong to.
#include "window/language/WindowControls.h"
#include "window/main/CellEditors.h"
#include "window/main/ChannelTable.h"
#include "window/main/EditorModel.h"
#include "window/main/MainWindow.h"
#include "window/main/MainWindowNames.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QScrollArea>
#include <QToolBar>

#include <array>

namespace tlv::test {

// The control of `window` named `name`, as a T; null when there is none.
template <typename T> T* Control(QWidget* window, const char* name) {
    return qobject_cast<T*>(FindControl(window, QString::fromLatin1(name)));
}

// The one window of type T that `owner` owns (a dialog of the main window).
template <typename T> T* OwnedWindow(QWidget& owner) {
    return owner.findChild<T*>();
}

struct MainWindowControls {
    explicit MainWindowControls(MainWindow& window) : form(window), model(window.model()) {}

    QAction* toolbarButton(ToolbarButton button) const {
        return toolbar->actions().value(static_cast<int>(button) - 1);
    }
    QAction* action(const char* objectName) const { return Control<QAction>(&form, objectName); }

    MainWindow& form;
    EditorModel& model;
    bool built = (form.finishDeferredBuild(), true);
    ChannelTable* table = Control<ChannelTable>(&form, mainwindow_names::ChannelTable);
    CellEditors* editors = table->findChild<CellEditors*>();
    QLineEdit* frequencyEditor = Control<QLineEdit>(&form, mainwindow_names::FrequencyEditor);
    QComboBox* toneList = Control<QComboBox>(&form, mainwindow_names::ToneList);
    std::array<QComboBox*, kTableCols> optionLists = [this] {
        std::array<QComboBox*, kTableCols> lists{};
        for (int column = col::Power; column <= col::Scan; ++column)
            lists[column] = Control<QComboBox>(
                &form, (mainwindow_names::OptionListPrefix + std::to_string(column)).c_str());
        return lists;
    }();
    QGroupBox* bandFrame = Control<QGroupBox>(&form, mainwindow_names::BandFrame);
    QComboBox* bandList = Control<QComboBox>(&form, mainwindow_names::BandList);
    QLabel* bandLabel = Control<QLabel>(&form, mainwindow_names::BandLabel);
    QGroupBox* functionPanel = Control<QGroupBox>(&form, mainwindow_names::FunctionPanel);
    QComboBox* voicePromptList = Control<QComboBox>(&form, mainwindow_names::VoicePromptList);
    QComboBox* timeOutList = Control<QComboBox>(&form, mainwindow_names::TimeOutList);
    QComboBox* timeOutWarningList = Control<QComboBox>(&form, mainwindow_names::TimeOutWarningList);
    QComboBox* squelchList = Control<QComboBox>(&form, mainwindow_names::SquelchList);
    QComboBox* batterySaveList = Control<QComboBox>(&form, mainwindow_names::BatterySaveList);
    QComboBox* beepList = Control<QComboBox>(&form, mainwindow_names::BeepList);
    QLabel* timeOutLabel = Control<QLabel>(&form, mainwindow_names::TimeOutLabel);
    QLabel* editingHint = Control<QLabel>(&form, mainwindow_names::EditingHint);
    QLabel* transferStatus = Control<QLabel>(&form, mainwindow_names::TransferStatus);
    QProgressBar* transferProgress =
        Control<QProgressBar>(&form, mainwindow_names::TransferProgress);
    QLabel* backupNotice = Control<QLabel>(&form, mainwindow_names::BackupNotice);
    QLabel* rightsLine = Control<QLabel>(&form, mainwindow_names::RightsLine);
    QScrollArea* clientArea = qobject_cast<QScrollArea*>(form.centralWidget());
    QToolBar* toolbar = Control<QToolBar>(&form, mainwindow_names::Toolbar);
    QMenu* fileMenu = Control<QMenu>(&form, mainwindow_names::FileMenu);
    QMenu* editMenu = Control<QMenu>(&form, mainwindow_names::EditMenu);
    QMenu* programmingMenu = Control<QMenu>(&form, mainwindow_names::ProgrammingMenu);
    QMenu* languageMenu = Control<QMenu>(&form, mainwindow_names::LanguageMenu);
    QMenu* helpMenu = Control<QMenu>(&form, mainwindow_names::HelpMenu);
    QAction* newAction = action(mainwindow_names::NewAction);
    QAction* openAction = action(mainwindow_names::OpenAction);
    QAction* saveAction = action(mainwindow_names::SaveAction);
    QAction* importAction = action(mainwindow_names::ImportAction);
    QAction* exportAction = action(mainwindow_names::ExportAction);
    QAction* printAction = action(mainwindow_names::PrintAction);
    QAction* exportPdfAction = action(mainwindow_names::ExportPdfAction);
    QAction* quitAction = action(mainwindow_names::QuitAction);
    QAction* undoAction = action(mainwindow_names::UndoAction);
    QAction* redoAction = action(mainwindow_names::RedoAction);
    QAction* cutAction = action(mainwindow_names::CutAction);
    QAction* copyAction = action(mainwindow_names::CopyAction);
    QAction* pasteAction = action(mainwindow_names::PasteAction);
    QAction* deleteChannelsAction = action(mainwindow_names::DeleteChannelsAction);
    QAction* insertChannelAction = action(mainwindow_names::InsertChannelAction);
    QAction* moveUpAction = action(mainwindow_names::MoveUpAction);
    QAction* moveDownAction = action(mainwindow_names::MoveDownAction);
    QAction* readAction = action(mainwindow_names::ReadAction);
    QAction* writeAction = action(mainwindow_names::WriteAction);
    QAction* optionalFunctionsAction = action(mainwindow_names::OptionalFunctionsAction);
    QAction* keysAction = action(mainwindow_names::KeysAction);
    QAction* embeddedTextsAction = action(mainwindow_names::EmbeddedTextsAction);
    QAction* powerLevelsAction = action(mainwindow_names::PowerLevelsAction);
    QAction* testFrequenciesAction = action(mainwindow_names::TestFrequenciesAction);
    QAction* lockAction = action(mainwindow_names::LockAction);
    QAction* portAction = action(mainwindow_names::PortAction);
    QAction* simplifiedChineseAction = action(mainwindow_names::SimplifiedChineseAction);
    QAction* traditionalChineseAction = action(mainwindow_names::TraditionalChineseAction);
    QAction* englishAction = action(mainwindow_names::EnglishAction);
    QAction* helpTopicsAction = action(mainwindow_names::HelpTopicsAction);
    QAction* userManualAction = action(mainwindow_names::UserManualAction);
    QAction* backupFolderAction = action(mainwindow_names::BackupFolderAction);
    QAction* aboutAction = action(mainwindow_names::AboutAction);
};

} // namespace tlv::test
