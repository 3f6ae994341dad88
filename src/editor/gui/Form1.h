#pragma once
// The main window: channel table, band frame, function panel, toolbar and menus. A view over
// the editor state; every rule lives in the core and the window re-renders after each change.
#include "editor/EditorState.h"
#include "editor/ServiceSwitch.h"
#include "editor/Startup.h"
#include "editor/gui/AppServices.h"

#include <QMainWindow>
#include <QString>
#include <array>

class QAction;
class QCloseEvent;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QProgressBar;
class QTableWidget;
class QToolBar;

namespace tlv {

class CellEditors;
class DropDownComboBox;
class Form2;
class Form4;
class Form5;
class Form6;
class Form7;
class frmAbout;
class RadioLinkWiring;

class Form1 : public QMainWindow {
    Q_OBJECT
  public:
    // Builds the window and runs the start-up sequence; the window is not shown.
    Form1(EditorState& state, AppServices& services, QWidget* parent = nullptr);
    ~Form1() override;

    EditorState& state() { return state_; }
    AppServices& services() { return services_; }

    // Re-renders every cell of Grid1 (header row included), the six panel lists, the band list
    // and the editing lock from the state. Cheap: call after any core operation.
    void refreshFromState();

    // Runs the action of the toolbar button with this key; the comparison is exact and
    // case-sensitive, and any other key does nothing.
    void Toolbar1_ButtonClick(const QString& key);
    // The serial port, the port window and the transfers (created by start-up step 9).
    RadioLinkWiring* radioLink() const { return radioLink_; }

    // Toolbar button n (1..7; 4 is the separator).
    QAction* toolbarButton(int n) const;

    // The service mode on: state, debug sliders, and toolbar button 7 shown.
    void serviceModeOn();

    // Channel table: 17 x 9 cells, row 0 the header row, column 0 the channel numbers.
    QTableWidget* Grid1 = nullptr;
    // The in-cell editors over Grid1: Text1, Combo8 and Combo5(5..8).
    CellEditors* cellEditors = nullptr;
    // Band frame and list.
    QGroupBox* Frame1 = nullptr;
    DropDownComboBox* Combo1 = nullptr;
    QLabel* Label3 = nullptr;
    // Function panel.
    QGroupBox* Frame2 = nullptr;
    QComboBox* Combo2 = nullptr; // VoicePrompt
    QComboBox* Combo3 = nullptr; // TimeOutTimer
    QComboBox* Combo4 = nullptr; // TimeOutWarning
    QComboBox* Combo9 = nullptr; // SquelchLevel
    QComboBox* Combo6 = nullptr; // BatterySave
    QComboBox* Combo7 = nullptr; // Beep
    QLabel* Label4 = nullptr;    // beside Combo2
    QLabel* Label5 = nullptr;    // beside Combo3
    QLabel* Label1 = nullptr;    // beside Combo4
    QLabel* Label6 = nullptr;    // beside Combo9
    QLabel* Label7 = nullptr;    // beside Combo6
    QLabel* Label8 = nullptr;    // beside Combo7
    // Transfer status, progress and the rights line.
    QLabel* Label = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QLabel* Label2 = nullptr;
    // Toolbar and menus.
    QToolBar* Toolbar1 = nullptr;
    QMenu* mnuFile = nullptr;
    QAction* mnuNew = nullptr;
    QAction* mnuOpen = nullptr;
    QAction* mnuAssave = nullptr;
    QAction* mnuQuit = nullptr;
    QMenu* mnupro = nullptr;
    QAction* mnureadFre = nullptr;
    QAction* mnuwriteFre = nullptr;
    QAction* mnudtmf = nullptr;
    QAction* Key_enactment = nullptr;
    QAction* mnusetin = nullptr;
    QAction* mnudebug = nullptr;
    QAction* mnutestfre = nullptr;
    QMenu* mnuset = nullptr;
    QAction* mnulock = nullptr;
    QAction* mnucom = nullptr;
    QMenu* mnuLanguage = nullptr;
    QAction* mnuChineseJ = nullptr;
    QAction* mnuChineseF = nullptr;
    QAction* mnuEnglish = nullptr;
    QMenu* mnuhelp = nullptr;
    QAction* mnumainhelp = nullptr;
    QAction* mnuabout = nullptr;

    // The dialogs, created with the window and living as long as it does.
    Form2* form2 = nullptr; // debug (power levels)
    Form4* form4 = nullptr; // test frequencies
    Form5* form5 = nullptr; // optional functions
    Form6* form6 = nullptr; // keys
    Form7* form7 = nullptr; // embedded texts
    frmAbout* about = nullptr;

  public slots:
    // Toolbar and menu commands.
    virtual void onNew();
    virtual void onOpen();
    virtual void onSave();
    virtual void onRead();
    virtual void onWrite();
    virtual void onTAnMa();
    void mnulock_Click();
    void mnudtmf_Click();
    void Key_enactment_Click();
    void mnusetin_Click();
    void mnudebug_Click();
    void mnutestfre_Click();
    void mnucom_Click();
    void mnuChineseJ_Click();
    void mnuChineseF_Click();
    void mnuEnglish_Click();
    void mnumainhelp_Click();
    void mnuabout_Click();
    // The user picked a band in Combo1.
    void Combo1_Click();
    // The user opened the band list.
    void Combo1_DropDown();

  signals:
    // The service mode was switched off by button 7: the optional-functions dialog resets its
    // hidden click sequence and the debug dialog disables its sliders.
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
    void buildMenus();
    void buildToolbar();
    void buildGrid();
    void buildBandFrame();
    void buildFunctionPanel();
    void buildLayout();
    void connectPanelLists();

    // Start-up, one step each, in order.
    void Form_Load();
    void setColumnWidths();       // 1
    void centreColumns();         // 2
    void setRowHeights();         // 3
    void shadeEvenRows();         // 4
    void readParameterFile();     // 5
    void decideLanguage();        // 7
    void applyLanguageCaptions(); // 8
    void loadPortWindow();        // 9
    void fillTimeOutList();       // 10
    void runCoreStartup();        // 5, 6, 7, 11, 12, 13: the state
    void createDialogs();
    void hideTransferControls(); // 13.4
    // The end of the program.
    void Form_Unload();
    void writeParameterFile();
    // The parameter file in the settings folder; empty when there is none.
    std::string parameterFilePath() const;

    void applyEditingLock();
    void fitColumnsToWidth();
    std::array<int, kTableCols> designedColumnWidths() const;

    EditorState& state_;
    AppServices& services_;
    StartupParameters startup_; // what the parameter file and the language request say
    ServiceButtonStamp buttonStamp_;
    std::array<QAction*, 7> toolbarButtons_{};
    bool refreshing_ = false;
    bool unloaded_ = false;
    RadioLinkWiring* radioLink_ = nullptr;
};

} // namespace tlv
