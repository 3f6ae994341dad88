#pragma once
// The main window: channel table, band frame, function panel, toolbar and menus. A view over
// the editor state; every rule lives in the core and the window re-renders after each change.
//
// The window is written in six files: MainWindow.cpp (start-up and the end of the program),
// MainWindowWidgets.cpp (building the widgets, with the table of their object names),
// MainWindowView.cpp (rendering the state), MainWindowCommands.cpp (the menu and toolbar
// commands), MainWindowSafety.cpp (the user's work: unsaved changes, the title, the guard
// during transfers, the backups) and MainWindowEdit.cpp (undo, the clipboard, the row
// commands, import and export, printing).
#include "editor/EditorState.h"
#include "editor/ServiceSwitch.h"
#include "editor/Startup.h"
#include "editor/UndoHistory.h"
#include "editor/gui/AppServices.h"
#include "image/EditorBaseline.h"
#include "image/FileDialogService.h"

#include <QColor>
#include <QMainWindow>
#include <QString>
#include <array>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QCloseEvent;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPoint;
class QProgressBar;
class QScrollArea;
class QTableWidget;
class QToolBar;

namespace tlv {

class AboutDialog;
class CellEditors;
class DropDownComboBox;
class EmbeddedTextsDialog;
class KeysDialog;
class OptionalFunctionsDialog;
class PowerLevelDialog;
class RadioLinkWiring;
class TestFrequencyDialog;

// The toolbar's buttons, in their order on the bar (the separator counts as a button).
enum class ToolbarButton { New = 1, Open, Save, Separator, Read, Write, Service };

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    // Builds the window and runs the start-up sequence; the window is not shown.
    MainWindow(EditorState& state, AppServices& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    EditorState& state() { return state_; }
    AppServices& services() { return services_; }

    // Re-renders every cell of the channel table (header row included), the six panel lists,
    // the band list and the editing lock from the state. Cheap: call after any core operation.
    void refreshFromState();

    // The serial port, the port dialog and the transfers (created during start-up).
    RadioLinkWiring* radioLink() const { return radioLink_; }

    QAction* toolbarButton(ToolbarButton button) const;

    // The service mode on: state, power-level sliders, and the service button shown.
    void serviceModeOn();

    // Whether the editor differs from the last file opened or saved, the last read from the
    // radio, the last New or the start-up state. The title shows it with a leading "*".
    bool modified() const;
    // The file the editor was last opened from or saved to; empty after New, a read or the
    // start-up.
    const std::string& documentPath() const { return documentPath_; }
    // Shows `text` in the status line while a cell is edited (the band's limits while a
    // frequency is typed); an empty text hides it.
    void showEditingHint(const QString& text);

    // Channel table: 17 x 9 cells, row 0 the header row, column 0 the channel numbers.
    QTableWidget* channelTable = nullptr;
    // The in-cell editors over the channel table.
    CellEditors* cellEditors = nullptr;
    // Band frame and list.
    QGroupBox* bandFrame = nullptr;
    DropDownComboBox* bandList = nullptr;
    QLabel* bandLabel = nullptr;
    // Function panel: six lists, each with its label.
    QGroupBox* functionPanel = nullptr;
    QComboBox* voicePromptList = nullptr;
    QComboBox* timeOutList = nullptr;
    QComboBox* timeOutWarningList = nullptr;
    QComboBox* squelchList = nullptr;
    QComboBox* batterySaveList = nullptr;
    QComboBox* beepList = nullptr;
    QLabel* voicePromptLabel = nullptr;
    QLabel* timeOutLabel = nullptr;
    QLabel* timeOutWarningLabel = nullptr;
    QLabel* squelchLabel = nullptr;
    QLabel* batterySaveLabel = nullptr;
    QLabel* beepLabel = nullptr;
    // Everything below the toolbar; it scrolls when the window is smaller than its content.
    QScrollArea* clientArea = nullptr;
    // The hint shown while a cell is edited, transfer status, progress and the rights line.
    QLabel* editingHint = nullptr;
    QLabel* transferStatus = nullptr;
    QProgressBar* transferProgress = nullptr;
    QLabel* rightsLine = nullptr;
    // Toolbar and menus.
    QToolBar* mainToolbar = nullptr;
    QMenu* fileMenu = nullptr;
    QAction* newAction = nullptr;
    QAction* openAction = nullptr;
    QAction* saveAction = nullptr;
    QAction* importAction = nullptr;
    QAction* exportAction = nullptr;
    QAction* printAction = nullptr;
    QAction* exportPdfAction = nullptr;
    QAction* quitAction = nullptr;
    // Edit menu; the same commands on the channel table's right-click menu.
    QMenu* editMenu = nullptr;
    QAction* undoAction = nullptr;
    QAction* redoAction = nullptr;
    QAction* cutAction = nullptr;
    QAction* copyAction = nullptr;
    QAction* pasteAction = nullptr;
    QAction* selectAllChannelsAction = nullptr;
    QAction* deleteChannelsAction = nullptr;
    QAction* insertChannelAction = nullptr;
    QAction* moveUpAction = nullptr;
    QAction* moveDownAction = nullptr;
    QMenu* programmingMenu = nullptr;
    QAction* readAction = nullptr;
    QAction* writeAction = nullptr;
    QAction* optionalFunctionsAction = nullptr;
    QAction* keysAction = nullptr;
    QAction* embeddedTextsAction = nullptr;
    QAction* powerLevelsAction = nullptr;
    QAction* testFrequenciesAction = nullptr;
    QMenu* settingsMenu = nullptr;
    QAction* lockAction = nullptr;
    QAction* portAction = nullptr;
    QMenu* languageMenu = nullptr;
    QAction* simplifiedChineseAction = nullptr;
    QAction* traditionalChineseAction = nullptr;
    QAction* englishAction = nullptr;
    QMenu* helpMenu = nullptr;
    QAction* helpTopicsAction = nullptr;
    QAction* backupFolderAction = nullptr;
    QAction* userManualAction = nullptr;
    QAction* aboutAction = nullptr;
    // The note beside the progress bar that the last automatic backup could not be saved.
    QLabel* backupNotice = nullptr;

    // The dialogs, created with the window and living as long as it does.
    PowerLevelDialog* powerLevelDialog = nullptr;
    TestFrequencyDialog* testFrequencyDialog = nullptr;
    OptionalFunctionsDialog* optionalFunctionsDialog = nullptr;
    KeysDialog* keysDialog = nullptr;
    EmbeddedTextsDialog* embeddedTextsDialog = nullptr;
    AboutDialog* aboutDialog = nullptr;

    // The undo steps of the editor's data: every refresh after a change records one.
    UndoHistory undoHistory;

    // The channel rows the row commands act on: the selected rows, else the current cell's
    // row; ascending, 1..16.
    std::vector<int> selectedChannelRows() const;
    // Selects whole channel rows as a press on their number does: alone, extended from the
    // last row chosen (Shift) or toggled (Ctrl).
    void chooseChannelRow(int row, Qt::KeyboardModifiers modifiers);
    // Shift+Up/Down: extends the chosen rows by one row up (-1) or down (+1).
    void extendChannelRows(int step);

  public slots:
    // Toolbar and menu commands.
    virtual void onNew();
    virtual void onOpen();
    virtual void onSave();
    virtual void onRead();
    virtual void onWrite();
    virtual void onServiceButton();
    void onLock();
    void showOptionalFunctions();
    void showKeys();
    void showEmbeddedTexts();
    void showPowerLevels();
    void showTestFrequencies();
    void showPortDialog();
    void chooseSimplifiedChinese();
    void chooseTraditionalChinese();
    void chooseEnglish();
    void openHelp();
    void showAbout();
    // Help > Open backup folder: the folder of the automatic backups in the file manager.
    void openBackupFolder();
    // Edit menu and the table's right-click menu (MainWindowEdit.cpp).
    void undo();
    void redo();
    void cutChannels();
    void copyChannels();
    void pasteChannels();
    void selectAllChannels();
    void deleteChannels();
    void insertChannel();
    void moveChannelsUp();
    void moveChannelsDown();
    // File menu: channel lists and settings from and to CHIRP's CSV and JSON; the channel card
    // on paper or as a PDF file.
    void importFile();
    void exportFile();
    void printChannelCard();
    void exportChannelCardPdf();
    // The user picked a band in the band list.
    void onBandPicked();
    // The user opened the band list.
    void onBandListOpened();

  signals:
    // The service mode was switched off by the service button: the optional-functions dialog
    // resets its hidden click sequence and the power-level dialog disables its sliders.
    void serviceModeSwitchedOff();
    // The service mode was switched on.
    void serviceModeSwitchedOn();
    // refreshFromState has run: the dialogs show the state again.
    void refreshed();
    // The window has been closed and its unload step has run: the program ends.
    void unloaded();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Building (MainWindowWidgets.cpp).
    void buildMenus();
    void buildToolbar();
    void buildChannelTable();
    void buildBandFrame();
    void buildFunctionPanel();
    void buildLayout();
    void setKeyboardOrder();
    // Wiring the commands (MainWindowCommands.cpp).
    void connectCommands();
    void connectPanelLists();
    // The Edit menu and its commands (MainWindowEdit.cpp).
    void buildEditMenu();
    void connectEditCommands();
    void showTableMenu(const QPoint& position);
    void moveChosenChannels(int step);
    // False under the editing lock and during a transfer: the data hold still.
    bool dataMayChange() const;
    // Before an Edit command: false when the data may not change; else commits an open
    // in-cell editor.
    bool startChange();
    // Asks for the path of an exported file of `kind` (nothing during a transfer), after an open
    // in-cell editor has committed its value.
    std::optional<std::string> chooseExportPath(FileKind kind);
    // Writes an exported file atomically; a failure is shown with the system's reason.
    void writeExportedFile(const std::string& path, const std::string& bytes);
    // Records an undo step when the data changed, and updates the Edit commands.
    void recordUndoStep();
    void updateEditCommands();
    // Selects exactly `rows` (channel rows); `current` (else the first) becomes the current row.
    void selectChannelRows(const std::vector<int>& rows, int current = 0);

    // Start-up, one step each, in order.
    void runStartup();
    void setColumnWidths();
    void centreColumns();
    void setRowHeights();
    void shadeEvenRows();
    void readParameterFile();
    void decideLanguage();
    void applyLanguageCaptions();
    void loadPortDialog();
    void fillTimeOutList();
    void runCoreStartup();
    void createDialogs();
    void hideTransferControls();
    // The end of the program.
    void unload();
    void writeParameterFile();
    // The parameter file in the settings folder; empty when there is none.
    std::string parameterFilePath() const;

    // The user's work (MainWindowSafety.cpp).
    void connectTransferGuard();
    // A transfer starts (true) or has ended and its controls came back (false): every command
    // that could change the editor or end the program is disabled meanwhile.
    void setTransferRunning(bool running);
    // Before New, Open, a read and the end of the program: when the editor holds unsaved
    // changes, asks whether to save them. False when the user cancelled (the command must not
    // go on); `asked` tells whether the question was shown.
    bool settleUnsavedChanges(bool& asked);
    // Asked by the close box during a transfer; true when the transfer was stopped or ended.
    bool stopTransferToClose();
    // The close box and Quit: stopTransferToClose, then settleUnsavedChanges.
    bool mayClose();
    // The editor now matches `path` (empty: no file): the baseline of the modified state.
    void editorMatches(const std::string& path);
    // The title: "*" when modified, then the caption of the language or "TLV6200-" and the file.
    void showTitle();

    // Rendering (MainWindowView.cpp).
    void applyEditingLock();
    void applyToolTips();
    QColor cellBackground(int row, int column, bool locked) const;
    void fitColumnsToWidth();
    std::array<int, kTableCols> designedColumnWidths() const;

    EditorState& state_;
    AppServices& services_;
    StartupParameters startup_; // what the parameter file and the language request say
    ServiceButtonStamp buttonStamp_;
    std::array<QAction*, 7> toolbarButtons_{};
    bool refreshing_ = false;
    int toolTipLanguage_ = -1;  // the language the tooltips are written in
    int cellsShownLocked_ = -1; // whether the cells are painted as locked (-1 not yet)
    int rowAnchor_ = 0;         // the row a Shift press or Shift+Up/Down extends from
    bool unloaded_ = false;
    RadioLinkWiring* radioLink_ = nullptr;
    EditorBaseline baseline_;
    std::string documentPath_;
    bool transferRunning_ = false;
};

} // namespace tlv
