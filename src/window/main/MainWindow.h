// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: the channel table with its in-cell editors, the band frame, the function
// panel, the toolbar, the menus and the status line, and the windows it owns (the five radio
// dialogs, the about box, the port dialog). A view over the editor model (EditorModel); every
// rule lives in the core, every command in its own class (EditCommands, DocumentCommands,
// RadioLinkWiring), and the window shows the state whenever the model says so. Its widgets are
// its own: other code reaches the window through the model.
//
// The window is written in two files: MainWindow.cpp (start-up, layout, the end of the program)
// and MainWindowView.cpp (the commands, showing the state, the title, the editing lock and the
// transfer's hold on the commands).
#include "editor/Startup.h"
#include "window/main/AppServices.h"
#include "window/main/MainMenus.h"

#include <QMainWindow>

#include <optional>
#include <vector>

class QCloseEvent;
class QDialog;
class QLabel;
class QProgressBar;
class QScrollArea;

namespace tlv {

class BandFrame;
class CellEditors;
class ChannelTable;
class DocumentCommands;
class EditCommands;
class EditorModel;
class FunctionPanel;
class RadioLinkWiring;
enum class TransferOutcome;

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    // Builds the window and runs the start-up sequence; the window is not shown.
    MainWindow(EditorState& state, AppServices& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The editor the window shows, for the program and its tests.
    EditorModel& model() { return *model_; }

    // Creates what the first paint does not show: the radio dialogs, the about box, the port
    // window and the in-cell editors, hidden, with the captions of the language in force. Runs by
    // itself right after the window's first paint (a window that is never shown: as soon as the
    // program waits for events), and before any command that opens one of them; once.
    void finishDeferredBuild();

  signals:
    // The window has been closed and its unload step has run: the program ends.
    void unloaded();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Building and start-up (MainWindow.cpp), in order.
    void buildLayout();
    void setKeyboardOrder();
    void connectRightsLine();
    void readParameterFile();
    void decideLanguage();
    void startRadioLink();
    void finishStartup();
    // The client area's size the status line of a transfer needs in each of `languages`.
    QSize transferLineSize(const std::vector<Language>& languages);
    // After a language switch: the window grows when the status line of a transfer in the
    // language now in force would not fit (it never shrinks).
    void holdTransferLine();
    // The end of the program.
    bool mayClose();
    void unload();
    void writeParameterFile();
    // The parameter file in the settings folder; empty when there is none.
    std::string parameterFilePath() const;

    // Commands and views (MainWindowView.cpp).
    void connectCommands();
    void connectTransfer();
    void showState();
    void showTitle();
    void applyEditingLock();
    void toggleEditingLock();
    void applyToolTips();
    void readFromRadio();
    void openHelp();
    void showDialog(QDialog* dialog);
    void showBackupFailure(const QString& reason);
    // A transfer starts (true) or has ended and its controls came back (false): every command
    // that could change the editor or end the program is disabled meanwhile.
    void setTransferRunning(bool running);
    // The toolbar, its Read and Write buttons and the programming menu, as the transfer asks.
    void setTransferControlsEnabled(bool enabled);
    void transferFinished(TransferOutcome outcome);

    EditorModel* model_;
    StartupParameters startup_; // what the parameter file and the language request say
    MainMenus menus_;
    MainToolbar toolbar_;
    ChannelTable* table_ = nullptr;
    CellEditors* editors_ = nullptr;
    BandFrame* bandFrame_ = nullptr;
    FunctionPanel* functionPanel_ = nullptr;
    // Everything below the toolbar; it scrolls when the window is smaller than its content.
    QScrollArea* clientArea_ = nullptr;
    // The status line: the hint shown while a cell is edited, transfer status, progress, the
    // note that the last automatic backup could not be saved, and the rights line.
    QLabel* editingHint_ = nullptr;
    QLabel* transferStatus_ = nullptr;
    QProgressBar* transferProgress_ = nullptr;
    QLabel* backupNotice_ = nullptr;
    QLabel* rightsLine_ = nullptr;
    // The windows the menus show, created after the first paint (finishDeferredBuild) and living
    // as long as the window does.
    QDialog* optionalFunctionsDialog_ = nullptr;
    QDialog* keysDialog_ = nullptr;
    QDialog* embeddedTextsDialog_ = nullptr;
    QDialog* powerLevelDialog_ = nullptr;
    QDialog* testFrequencyDialog_ = nullptr;
    QDialog* aboutDialog_ = nullptr;
    RadioLinkWiring* radioLink_ = nullptr;
    EditCommands* editCommands_ = nullptr;
    DocumentCommands* documents_ = nullptr;
    std::optional<Language> toolTipLanguage_; // the language of the toolbar's tooltips
    bool unloaded_ = false;
    bool deferredBuildDone_ = false;
    // Traditional Chinese has been in force: its conversion has reached the texts of every
    // window, also those no caption row rewrites when the language changes again.
    bool traditionalShown_ = false;
};

} // namespace tlv
