// The main window's start-up sequence and the end of the program.
#include "editor/gui/MainWindow.h"

#include "dialogs/gui/DialogWidgets.h"
#include "dialogs/gui/EmbeddedTextsDialog.h"
#include "dialogs/gui/KeysDialog.h"
#include "dialogs/gui/OptionalFunctionsDialog.h"
#include "dialogs/gui/PowerLevelDialog.h"
#include "dialogs/gui/TestFrequencyDialog.h"
#include "editor/ParameterFile.h"
#include "editor/Startup.h"
#include "editor/gui/CellEditors.h"
#include "help/gui/AboutDialog.h"
#include "link/gui/RadioLinkWiring.h"
#include "localisation/StartupLanguage.h"
#include "localisation/gui/LanguageCommands.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLayout>
#include <QProgressBar>
#include <QScrollArea>
#include <QTableWidget>
#include <filesystem>

// The icons live in the resources of the static window library, which the linker would drop
// unless they are registered by name once.
static void initTlvResources() {
    static bool registered = false;
    if (registered) return;
    Q_INIT_RESOURCE(resources);
    registered = true;
}

namespace tlv {

MainWindow::MainWindow(EditorState& state, AppServices& services, QWidget* parent)
    : QMainWindow(parent), state_(state), services_(services) {
    initTlvResources();
    buildMenus();
    buildToolbar();
    buildChannelTable();
    buildBandFrame();
    buildFunctionPanel();
    buildLayout();
    setKeyboardOrder();
    connectCommands();
    connectPanelLists();
    runStartup();
    cellEditors = new CellEditors(*this);
    connectEditCommands();
}

MainWindow::~MainWindow() {
    // The editors stop watching the table before the widgets go.
    delete cellEditors;
}

// ---------------------------------------------------------------------------------------------
// Start-up

void MainWindow::runStartup() {
    createDialogs();
    setColumnWidths();
    centreColumns();
    setRowHeights();
    shadeEvenRows();
    readParameterFile();
    // The default power levels are part of the core start-up below.
    decideLanguage();
    applyLanguageCaptions();
    loadPortDialog();
    connectTransferGuard();
    fillTimeOutList();
    runCoreStartup();
    hideTransferControls();
    editorMatches({});
    refreshFromState();
    channelTable->setCurrentCell(-1, -1);
    channelTable->setFocus();

    // Default size: the designed client area, grown by the menu bar and the toolbar. A smaller
    // window scrolls its client area.
    // The client's layout computed its sizes before the table was given its size: again.
    clientArea->widget()->layout()->activate();
    resize(std::max(twips(12225), clientArea->widget()->minimumSizeHint().width()),
           sizeHint().height());
}

// Every dialog is created once, hidden, before the captions are applied; each shows the editor
// state and follows it through the refreshed() signal.
void MainWindow::createDialogs() {
    powerLevelDialog = new PowerLevelDialog(*this);
    testFrequencyDialog = new TestFrequencyDialog(*this);
    optionalFunctionsDialog = new OptionalFunctionsDialog(*this);
    keysDialog = new KeysDialog(*this);
    embeddedTextsDialog = new EmbeddedTextsDialog(*this);
    aboutDialog = new AboutDialog(*this);
    rightsLine->setCursor(Qt::PointingHandCursor);
    rightsLine->installEventFilter(this);
}

std::string MainWindow::parameterFilePath() const {
    if (services_.settingsFolder.empty()) return {};
    return (std::filesystem::path(services_.settingsFolder) / kParameterFileName).string();
}

void MainWindow::readParameterFile() {
    const std::string path = parameterFilePath();
    if (path.empty()) return;
    const ParameterBytes bytes = ReadParameterFile(path);
    startup_.lockByte = bytes.lock;
    startup_.portNumber = bytes.portNumber;
    startup_.languageState = bytes.language;
}

void MainWindow::decideLanguage() {
    // The saved language, unless a start-up request says otherwise (once).
    NoLanguageRequest noRequest;
    startup_.languageState = LoadStartupLanguage(
        services_.languageRequest ? *services_.languageRequest : noRequest, startup_.languageState);
    state_.languageState = startup_.languageState;
    state_.serviceMode = 0;
}

void MainWindow::applyLanguageCaptions() {
    ApplyStartupCaptions(*this);
}

void MainWindow::loadPortDialog() {
    // The port dialog is created hidden and its scan opens the remembered port (or the only
    // one, which then becomes the port number).
    state_.portNumber = startup_.portNumber;
    std::string folder = services_.settingsFolder.empty()
                             ? QCoreApplication::applicationDirPath().toStdString()
                             : services_.settingsFolder;
    radioLink_ = new RadioLinkWiring(*this, folder);
    startup_.portNumber = state_.portNumber;
}

void MainWindow::fillTimeOutList() {
    timeOutList->clear();
    for (int n = 1; n <= 40; ++n)
        timeOutList->addItem(QString::number(n * 15) + QStringLiteral(" S"));
}

void MainWindow::runCoreStartup() {
    RunStartup(state_, startup_);
}

void MainWindow::hideTransferControls() {
    transferProgress->setVisible(false);
    transferStatus->setVisible(false);
}

// ---------------------------------------------------------------------------------------------
// The end of the program

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!unloaded_ && !mayClose()) {
        event->ignore();
        return;
    }
    unload();
    event->accept();
}

void MainWindow::unload() {
    if (unloaded_) return;
    unloaded_ = true;
    writeParameterFile();
    // Every other window belongs to this one and closes with it.
    for (QWidget* child : findChildren<QWidget*>())
        if (child->isWindow()) child->close();
    emit unloaded();
}

void MainWindow::writeParameterFile() {
    // A file that cannot be written is skipped: the program ends all the same.
    const std::string path = parameterFilePath();
    if (path.empty()) return;
    WriteParameterFile(
        path, MakeParameterBytes(state_.editingLock, state_.portNumber, state_.languageState));
}

} // namespace tlv
