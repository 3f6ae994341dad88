#pragma once
// The main window: channel table, band frame, function panel, toolbar and menus. A view over
// the editor state; every rule lives in the core and the window re-renders after each change.
//
// The window is written in five files: MainWindow.cpp (start-up and the end of the program),
// MainWindowWidgets.cpp (building the widgets, with the table of their object names),
// MainWindowView.cpp (rendering the state), MainWindowCommands.cpp (the menu and toolbar
// commands) and MainWindowEdit.cpp (undo, the clipboard, the row commands and printing).
#include "editor/EditorState.h"
#include "editor/ServiceSwitch.h"
#include "editor/Startup.h"
#include "editor/UndoHistory.h"
#include "editor/gui/AppServices.h"

#include <QMainWindow>
#include <QString>
#include <array>
#include <vector>

class QAction;
class QCloseEvent;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPoint;
class QProgressBar;
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
    // Transfer status, progress and the rights line.
    QLabel* transferStatus = nullptr;
    QProgressBar* transferProgress = nullptr;
    QLabel* rightsLine = nullptr;
    // Toolbar and menus.
    QToolBar* mainToolbar = nullptr;
    QMenu* fileMenu = nullptr;
    QAction* newAction = nullptr;
    QAction* openAction = nullptr;
    QAction* saveAction = nullptr;
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
    QAction* aboutAction = nullptr;

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
    // File menu: the channel card on paper or as a PDF file.
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
    // Wiring the commands (MainWindowCommands.cpp).
    void connectCommands();
    void connectPanelLists();
    // The Edit menu and its commands (MainWindowEdit.cpp).
    void buildEditMenu();
    void connectEditCommands();
    void showTableMenu(const QPoint& position);
    void moveChosenChannels(int step);
    // Before a command that changes rows: false under the editing lock; else commits an open
    // in-cell editor.
    bool startChangeOfRows();
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

    // Rendering (MainWindowView.cpp).
    void applyEditingLock();
    void fitColumnsToWidth();
    std::array<int, kTableCols> designedColumnWidths() const;

    EditorState& state_;
    AppServices& services_;
    StartupParameters startup_; // what the parameter file and the language request say
    ServiceButtonStamp buttonStamp_;
    std::array<QAction*, 7> toolbarButtons_{};
    bool refreshing_ = false;
    int rowAnchor_ = 0; // the row a Shift press or Shift+Up/Down extends from
    bool unloaded_ = false;
    RadioLinkWiring* radioLink_ = nullptr;
};

} // namespace tlv
