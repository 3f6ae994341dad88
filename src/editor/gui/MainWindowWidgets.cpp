// Building the main window's widgets: menus, toolbar, channel table, band frame, function panel
// and the status line. Nothing here is connected to a command (MainWindowCommands.cpp) or
// filled from the state (MainWindowView.cpp).
#include "editor/gui/MainWindow.h"

#include "dialogs/gui/DialogWidgets.h"
#include "editor/gui/DropDownComboBox.h"
#include "image/ImageLayout.h"
#include "link/TransferEngine.h"
#include "localisation/gui/DesignText.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QScrollArea>
#include <QTableWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace tlv {

// The designer's names of the main window and its widgets. They are each widget's objectName:
// the caption table addresses the texts by them, and the language code and the tests find the
// widgets by them. Code uses the members named by what they are.
namespace mainwindow_names {
constexpr char Window[] = "Form1";
constexpr char Client[] = "Form1Client";
constexpr char ChannelTable[] = "Grid1";
constexpr char BandFrame[] = "Frame1";
constexpr char BandList[] = "Combo1";
constexpr char BandLabel[] = "Label3";
constexpr char FunctionPanel[] = "Frame2";
constexpr char VoicePromptList[] = "Combo2";
constexpr char TimeOutList[] = "Combo3";
constexpr char TimeOutWarningList[] = "Combo4";
constexpr char SquelchList[] = "Combo9";
constexpr char BatterySaveList[] = "Combo6";
constexpr char BeepList[] = "Combo7";
constexpr char VoicePromptLabel[] = "Label4";
constexpr char TimeOutLabel[] = "Label5";
constexpr char TimeOutWarningLabel[] = "Label1";
constexpr char SquelchLabel[] = "Label6";
constexpr char BatterySaveLabel[] = "Label7";
constexpr char BeepLabel[] = "Label8";
constexpr char TransferStatus[] = "Label";
constexpr char TransferProgress[] = "ProgressBar1";
constexpr char RightsLine[] = "Label2";
constexpr char Toolbar[] = "Toolbar1";
constexpr char ToolbarButtonPrefix[] = "Toolbar1_";
constexpr char FileMenu[] = "mnuFile";
constexpr char NewAction[] = "mnuNew";
constexpr char OpenAction[] = "mnuOpen";
constexpr char SaveAction[] = "mnuAssave";
constexpr char QuitAction[] = "mnuQuit";
constexpr char ImportAction[] = "mnuImport";
constexpr char ExportAction[] = "mnuExport";
constexpr char PrintAction[] = "mnuPrint";
constexpr char ExportPdfAction[] = "mnuPdf";
constexpr char EditMenu[] = "mnuEdit";
constexpr char UndoAction[] = "mnuUndo";
constexpr char RedoAction[] = "mnuRedo";
constexpr char CutAction[] = "mnuCut";
constexpr char CopyAction[] = "mnuCopy";
constexpr char PasteAction[] = "mnuPaste";
constexpr char SelectAllChannelsAction[] = "mnuSelectAll";
constexpr char DeleteChannelsAction[] = "mnuDelete";
constexpr char InsertChannelAction[] = "mnuInsert";
constexpr char MoveUpAction[] = "mnuMoveUp";
constexpr char MoveDownAction[] = "mnuMoveDown";
constexpr char ProgrammingMenu[] = "mnupro";
constexpr char ReadAction[] = "mnureadFre";
constexpr char WriteAction[] = "mnuwriteFre";
constexpr char OptionalFunctionsAction[] = "mnudtmf";
constexpr char KeysAction[] = "Key_enactment";
constexpr char EmbeddedTextsAction[] = "mnusetin";
constexpr char PowerLevelsAction[] = "mnudebug";
constexpr char TestFrequenciesAction[] = "mnutestfre";
constexpr char SettingsMenu[] = "mnuset";
constexpr char LockAction[] = "mnulock";
constexpr char PortAction[] = "mnucom";
constexpr char LanguageMenu[] = "mnuLanguage";
constexpr char SimplifiedChineseAction[] = "mnuChineseJ";
constexpr char TraditionalChineseAction[] = "mnuChineseF";
constexpr char EnglishAction[] = "mnuEnglish";
constexpr char HelpMenu[] = "mnuhelp";
constexpr char HelpTopicsAction[] = "mnumainhelp";
constexpr char BackupFolderAction[] = "mnuBackupFolder";
constexpr char UserManualAction[] = "mnumanual";
constexpr char AboutAction[] = "mnuabout";
constexpr char BackupNotice[] = "BackupNotice";
} // namespace mainwindow_names

namespace {

namespace name = mainwindow_names;

constexpr int kChannelRowHeaderPixels = 24;
const QColor kGridLineColour(192, 192, 192);
const QColor kBelowRowsColour(128, 128, 128);

// The main window's design texts: the Simplified captions, list entries and toolbar button
// captions of the caption table.
QString designCaption(std::string_view control) {
    return DesignText(name::Window, control);
}

QStringList designEntries(std::string_view list, int count) {
    return DesignEntries(name::Window, list, count);
}

QString toolbarText(ToolbarButton button) {
    return DesignText(name::Window, name::Toolbar, CaptionItem::ToolbarButton, int(button));
}

QAction* makeAction(QObject* parent, const char* objectName) {
    auto* action = new QAction(designCaption(objectName), parent);
    action->setObjectName(QString::fromLatin1(objectName));
    return action;
}

QMenu* makeMenu(QMenuBar* bar, const char* objectName) {
    QMenu* menu = bar->addMenu(designCaption(objectName));
    menu->setObjectName(QString::fromLatin1(objectName));
    return menu;
}

QLabel* designLabel(QWidget* parent, const char* objectName) {
    return makeLabel(parent, objectName, designCaption(objectName));
}

// A pick-only list as wide as its longest entry, and never narrower than the design.
template <typename List = QComboBox>
List* makePanelList(QWidget* parent, const char* objectName, const QStringList& entries) {
    auto* list = new List(parent);
    list->setObjectName(QString::fromLatin1(objectName));
    list->setEditable(false);
    list->addItems(entries);
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    list->setMinimumWidth(std::max(twips(1335), list->sizeHint().width()));
    list->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return list;
}

} // namespace

void MainWindow::buildMenus() {
    setObjectName(QString::fromLatin1(name::Window));
    setWindowTitle(DesignText(name::Window, {}, CaptionItem::WindowTitle));
    QMenuBar* bar = menuBar();

    fileMenu = makeMenu(bar, name::FileMenu);
    newAction = makeAction(this, name::NewAction);
    openAction = makeAction(this, name::OpenAction);
    saveAction = makeAction(this, name::SaveAction);
    quitAction = makeAction(this, name::QuitAction);
    newAction->setShortcut(QKeySequence::New);
    openAction->setShortcut(QKeySequence::Open);
    saveAction->setShortcut(QKeySequence::Save);
    // Quit has no standard key under every keyboard scheme (Windows' has none): Ctrl+Q then.
    quitAction->setShortcuts(QKeySequence::Quit);
    if (quitAction->shortcuts().isEmpty()) quitAction->setShortcut(Qt::CTRL | Qt::Key_Q);
    importAction = makeAction(this, name::ImportAction);
    exportAction = makeAction(this, name::ExportAction);
    printAction = makeAction(this, name::PrintAction);
    printAction->setShortcut(QKeySequence::Print);
    exportPdfAction = makeAction(this, name::ExportPdfAction);
    fileMenu->addAction(newAction);
    fileMenu->addAction(openAction);
    fileMenu->addAction(saveAction);
    fileMenu->addSeparator();
    fileMenu->addAction(importAction);
    fileMenu->addAction(exportAction);
    fileMenu->addSeparator();
    fileMenu->addAction(printAction);
    fileMenu->addAction(exportPdfAction);
    fileMenu->addSeparator();
    fileMenu->addAction(quitAction);

    buildEditMenu();

    programmingMenu = makeMenu(bar, name::ProgrammingMenu);
    readAction = makeAction(this, name::ReadAction);
    readAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    writeAction = makeAction(this, name::WriteAction);
    writeAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    optionalFunctionsAction = makeAction(this, name::OptionalFunctionsAction);
    keysAction = makeAction(this, name::KeysAction);
    embeddedTextsAction = makeAction(this, name::EmbeddedTextsAction);
    powerLevelsAction = makeAction(this, name::PowerLevelsAction);
    testFrequenciesAction = makeAction(this, name::TestFrequenciesAction);
    programmingMenu->addAction(readAction);
    programmingMenu->addAction(writeAction);
    programmingMenu->addSeparator();
    for (QAction* item : {optionalFunctionsAction, keysAction, embeddedTextsAction,
                          powerLevelsAction, testFrequenciesAction})
        programmingMenu->addAction(item);

    settingsMenu = makeMenu(bar, name::SettingsMenu);
    lockAction = makeAction(this, name::LockAction);
    lockAction->setCheckable(true);
    portAction = makeAction(this, name::PortAction);
    settingsMenu->addAction(lockAction);
    settingsMenu->addAction(portAction);
    languageMenu = settingsMenu->addMenu(designCaption(name::LanguageMenu));
    languageMenu->setObjectName(QString::fromLatin1(name::LanguageMenu));
    simplifiedChineseAction = makeAction(this, name::SimplifiedChineseAction);
    traditionalChineseAction = makeAction(this, name::TraditionalChineseAction);
    englishAction = makeAction(this, name::EnglishAction);
    languageMenu->addAction(simplifiedChineseAction);
    languageMenu->addAction(traditionalChineseAction);
    languageMenu->addAction(englishAction);

    helpMenu = makeMenu(bar, name::HelpMenu);
    // The designed help item stays hidden, and with it its F1; the user manual item shows F1 and
    // takes it.
    helpTopicsAction = makeAction(this, name::HelpTopicsAction);
    helpTopicsAction->setShortcut(QKeySequence(Qt::Key_F1));
    helpTopicsAction->setVisible(false);
    userManualAction = makeAction(this, name::UserManualAction);
    userManualAction->setShortcut(QKeySequence(Qt::Key_F1));
    backupFolderAction = makeAction(this, name::BackupFolderAction);
    aboutAction = makeAction(this, name::AboutAction);
    helpMenu->addAction(helpTopicsAction);
    helpMenu->addAction(userManualAction);
    helpMenu->addAction(backupFolderAction);
    helpMenu->addAction(aboutAction);
}

// The Edit menu. Undo and Redo work anywhere in the window; the row commands only while the
// channel table has the focus (an in-cell editor keeps its own keys for its text), and they
// are the table's right-click menu too.
void MainWindow::buildEditMenu() {
    editMenu = makeMenu(menuBar(), name::EditMenu);
    const auto add = [this](QAction*& action, const char* objectName,
                            const QList<QKeySequence>& keys, bool tableOnly) {
        action = makeAction(this, objectName);
        action->setShortcuts(keys);
        if (tableOnly) action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        editMenu->addAction(action);
    };
    const auto standard = [](QKeySequence::StandardKey key) {
        return QKeySequence::keyBindings(key);
    };
    add(undoAction, name::UndoAction, standard(QKeySequence::Undo), false);
    // Ctrl+Y as well, which spreadsheet users reach for whatever the desktop's own Redo key is.
    QList<QKeySequence> redoKeys = standard(QKeySequence::Redo);
    if (!redoKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_Y)))
        redoKeys << QKeySequence(Qt::CTRL | Qt::Key_Y);
    add(redoAction, name::RedoAction, redoKeys, false);
    editMenu->addSeparator();
    add(cutAction, name::CutAction, standard(QKeySequence::Cut), true);
    add(copyAction, name::CopyAction, standard(QKeySequence::Copy), true);
    add(pasteAction, name::PasteAction, standard(QKeySequence::Paste), true);
    editMenu->addSeparator();
    add(selectAllChannelsAction, name::SelectAllChannelsAction, standard(QKeySequence::SelectAll),
        true);
    add(deleteChannelsAction, name::DeleteChannelsAction, {QKeySequence(Qt::Key_Delete)}, true);
    add(insertChannelAction, name::InsertChannelAction, {QKeySequence(Qt::Key_Insert)}, true);
    add(moveUpAction, name::MoveUpAction, {QKeySequence(Qt::CTRL | Qt::Key_Up)}, true);
    add(moveDownAction, name::MoveDownAction, {QKeySequence(Qt::CTRL | Qt::Key_Down)}, true);
}

void MainWindow::buildToolbar() {
    mainToolbar = addToolBar(QString::fromLatin1(name::Toolbar));
    mainToolbar->setObjectName(QString::fromLatin1(name::Toolbar));
    mainToolbar->setMovable(false);
    mainToolbar->setFloatable(false);
    mainToolbar->setContextMenuPolicy(Qt::PreventContextMenu);
    mainToolbar->setIconSize(QSize(24, 24));
    mainToolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    mainToolbar->toggleViewAction()->setVisible(false);

    // Each button carries its design key as data and in its objectName.
    struct ButtonDesign {
        ToolbarButton button;
        const char* key;
        const char* icon;
    };
    const std::array<ButtonDesign, 7> design{{
        {ToolbarButton::New, "new", "new"},
        {ToolbarButton::Open, "open", "open"},
        {ToolbarButton::Save, "save", "save"},
        {ToolbarButton::Separator, nullptr, nullptr},
        {ToolbarButton::Read, "read", "read"},
        {ToolbarButton::Write, "write", "write"},
        {ToolbarButton::Service, "TAnMa", "service"},
    }};
    for (std::size_t i = 0; i < design.size(); ++i) {
        if (design[i].key == nullptr) {
            toolbarButtons_[i] = mainToolbar->addSeparator();
            continue;
        }
        const QString key = QString::fromLatin1(design[i].key);
        // The service button has no caption.
        const QString text =
            design[i].button == ToolbarButton::Service ? QString() : toolbarText(design[i].button);
        QAction* button = mainToolbar->addAction(
            QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(design[i].icon))), text);
        button->setObjectName(QString::fromLatin1(name::ToolbarButtonPrefix) + key);
        button->setData(key);
        toolbarButtons_[i] = button;
    }
    // The service button stays hidden until the service mode is switched on.
    toolbarButton(ToolbarButton::Service)->setVisible(false);
}

void MainWindow::buildChannelTable() {
    channelTable = new QTableWidget(kTableRows, kTableCols, this);
    channelTable->setObjectName(QString::fromLatin1(name::ChannelTable));
    channelTable->horizontalHeader()->hide();
    channelTable->verticalHeader()->hide();
    channelTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    channelTable->setSelectionMode(QAbstractItemView::SingleSelection);
    channelTable->setSelectionBehavior(QAbstractItemView::SelectItems);
    channelTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    channelTable->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    channelTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    channelTable->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    channelTable->setWordWrap(false);
    channelTable->setCornerButtonEnabled(false);
    // Grid lines and the area beyond the cells; the cells paint their own backgrounds.
    channelTable->setStyleSheet(
        QStringLiteral("QTableWidget { gridline-color: %1; background-color: %2; }")
            .arg(kGridLineColour.name(), kBelowRowsColour.name()));

    const QColor fixedColour = palette().color(QPalette::Button);
    const QColor cellColour = palette().color(QPalette::Base);
    for (int row = 0; row < kTableRows; ++row) {
        for (int column = 0; column < kTableCols; ++column) {
            auto* item = new QTableWidgetItem;
            const bool fixed = row == 0 || column == 0;
            item->setFlags(fixed ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            item->setBackground(fixed ? fixedColour : cellColour);
            channelTable->setItem(row, column, item);
        }
    }
    channelTable->setRowHeight(0, kChannelRowHeaderPixels);
    // A locked table shows its texts in grey, dark enough to stay readable on its grey cells.
    QPalette tablePalette = channelTable->palette();
    const QColor text = tablePalette.color(QPalette::Active, QPalette::Text);
    const QColor window = tablePalette.color(QPalette::Active, QPalette::Window);
    const QColor lockedText((text.red() + window.red()) * 9 / 20,
                            (text.green() + window.green()) * 9 / 20,
                            (text.blue() + window.blue()) * 9 / 20);
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        tablePalette.setColor(QPalette::Disabled, role, lockedText);
    channelTable->setPalette(tablePalette);
    channelTable->viewport()->installEventFilter(this);
}

void MainWindow::buildBandFrame() {
    bandFrame = new QGroupBox(designCaption(name::BandFrame), this);
    bandFrame->setObjectName(QString::fromLatin1(name::BandFrame));
    QStringList bands;
    for (const Band& band : kBands)
        bands << QString::fromLatin1(band.text.data(), qsizetype(band.text.size()));
    bandList = makePanelList<DropDownComboBox>(bandFrame, name::BandList, bands);
    bandLabel = designLabel(bandFrame, name::BandLabel);

    auto* grid = new QGridLayout(bandFrame);
    grid->setContentsMargins(twips(120), twips(240), twips(120), twips(180));
    grid->setColumnMinimumWidth(0, twips(1560));
    grid->addWidget(bandLabel, 0, 0);
    grid->addWidget(bandList, 0, 1);
    grid->setColumnStretch(1, 1);
    bandFrame->setMinimumHeight(twips(1080));
    bandFrame->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void MainWindow::buildFunctionPanel() {
    functionPanel = new QGroupBox(designCaption(name::FunctionPanel), this);
    functionPanel->setObjectName(QString::fromLatin1(name::FunctionPanel));
    voicePromptList = makePanelList(functionPanel, name::VoicePromptList,
                                    designEntries(name::VoicePromptList, 3));
    // The time-out list is filled during start-up.
    timeOutList = makePanelList(functionPanel, name::TimeOutList, {});
    timeOutWarningList = makePanelList(functionPanel, name::TimeOutWarningList,
                                       designEntries(name::TimeOutWarningList, 11));
    squelchList =
        makePanelList(functionPanel, name::SquelchList, designEntries(name::SquelchList, 10));
    batterySaveList = makePanelList(functionPanel, name::BatterySaveList,
                                    designEntries(name::BatterySaveList, 2));
    beepList = makePanelList(functionPanel, name::BeepList, designEntries(name::BeepList, 2));
    voicePromptLabel = designLabel(functionPanel, name::VoicePromptLabel);
    timeOutLabel = designLabel(functionPanel, name::TimeOutLabel);
    timeOutWarningLabel = designLabel(functionPanel, name::TimeOutWarningLabel);
    squelchLabel = designLabel(functionPanel, name::SquelchLabel);
    batterySaveLabel = designLabel(functionPanel, name::BatterySaveLabel);
    beepLabel = designLabel(functionPanel, name::BeepLabel);

    auto* grid = new QGridLayout(functionPanel);
    grid->setContentsMargins(twips(120), twips(240), twips(120), twips(240));
    grid->setVerticalSpacing(twips(480) - voicePromptList->sizeHint().height());
    grid->setColumnMinimumWidth(0, twips(1560));
    const std::array<std::pair<QLabel*, QComboBox*>, 6> rows{{
        {voicePromptLabel, voicePromptList},
        {timeOutLabel, timeOutList},
        {timeOutWarningLabel, timeOutWarningList},
        {squelchLabel, squelchList},
        {batterySaveLabel, batterySaveList},
        {beepLabel, beepList},
    }};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        grid->addWidget(rows[i].first, int(i), 0);
        grid->addWidget(rows[i].second, int(i), 1);
    }
    grid->setColumnStretch(1, 1);
    functionPanel->setMinimumHeight(twips(3240));
    functionPanel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

namespace {

// The client area's scroller, as large as what it holds would like to be: the window starts
// at the size of its content, and only a smaller window scrolls.
class ClientScrollArea : public QScrollArea {
  public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override {
        const int frame = 2 * frameWidth();
        return widget() ? widget()->sizeHint() + QSize(frame, frame) : QScrollArea::sizeHint();
    }
};

} // namespace

void MainWindow::buildLayout() {
    editingHint = new QLabel(this);
    editingHint->hide();
    transferStatus = makeLabel(this, name::TransferStatus, {});
    transferProgress = new QProgressBar(this);
    transferProgress->setObjectName(QString::fromLatin1(name::TransferProgress));
    transferProgress->setRange(0, kProgressMaximum);
    transferProgress->setValue(0);
    transferProgress->setTextVisible(false);
    // Shown only while the last automatic backup could not be saved.
    backupNotice = makeLabel(this, name::BackupNotice, {});
    backupNotice->setVisible(false);
    rightsLine = designLabel(this, name::RightsLine);
    rightsLine->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QPalette rightsPalette = rightsLine->palette();
    rightsPalette.setColor(QPalette::WindowText,
                           palette().color(QPalette::Disabled, QPalette::WindowText));
    rightsLine->setPalette(rightsPalette);

    auto* central = new QWidget(this);
    central->setObjectName(QString::fromLatin1(name::Client));
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(twips(120), twips(120), twips(120), twips(90));
    outer->setSpacing(twips(90));

    auto* top = new QHBoxLayout;
    top->setSpacing(twips(90));
    top->addWidget(channelTable, 1);
    auto* side = new QVBoxLayout;
    side->setSpacing(twips(120));
    // The frames start a little below the table's top and stay at the top when the window
    // grows.
    side->addSpacing(twips(300));
    side->addWidget(bandFrame);
    side->addWidget(functionPanel);
    side->addStretch(1);
    top->addLayout(side);
    outer->addLayout(top, 1);

    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(twips(120));
    bottom->addWidget(editingHint);
    bottom->addWidget(transferStatus);
    bottom->addWidget(transferProgress, 1);
    bottom->addWidget(backupNotice);
    bottom->addStretch(0);
    bottom->addWidget(rightsLine);
    // The progress bar is no taller than the line of text it replaces, so that showing it during
    // a transfer never makes the client area taller than the window (which would scroll it).
    transferProgress->setMaximumHeight(rightsLine->sizeHint().height());
    outer->addLayout(bottom);

    // The client area never shrinks below what shows all sixteen channels and both panels;
    // a smaller window scrolls it.
    clientArea = new ClientScrollArea(this);
    clientArea->setFrameShape(QFrame::NoFrame);
    clientArea->setWidgetResizable(true);
    clientArea->setFocusPolicy(Qt::NoFocus);
    clientArea->setWidget(central);
    setCentralWidget(clientArea);
}

// Tab goes from the channel table through the band list and the six panel lists to the
// toolbar's buttons and back to the table; the arrows stay inside the table.
void MainWindow::setKeyboardOrder() {
    QList<QWidget*> order{channelTable,       bandList,    voicePromptList, timeOutList,
                          timeOutWarningList, squelchList, batterySaveList, beepList};
    for (ToolbarButton button :
         {ToolbarButton::New, ToolbarButton::Open, ToolbarButton::Save, ToolbarButton::Read,
          ToolbarButton::Write, ToolbarButton::Service}) {
        if (QWidget* widget = mainToolbar->widgetForAction(toolbarButton(button))) {
            widget->setFocusPolicy(Qt::TabFocus);
            order << widget;
        }
    }
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
}

} // namespace tlv
