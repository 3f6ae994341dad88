#include "editor/gui/Form1.h"

#include "dialogs/gui/Form2.h"
#include "dialogs/gui/Form4.h"
#include "dialogs/gui/Form5.h"
#include "dialogs/gui/Form6.h"
#include "dialogs/gui/Form7.h"
#include "editor/EditingRules.h"
#include "editor/EditorOps.h"
#include "editor/ParameterFile.h"
#include "editor/Startup.h"
#include "editor/gui/CellEditors.h"
#include "editor/gui/DropDownComboBox.h"
#include "help/gui/HelpServices.h"
#include "help/gui/frmAbout.h"
#include "image/FileCommands.h"
#include "image/ImageLayout.h"
#include "link/gui/RadioLinkWiring.h"
#include "localisation/LanguageState.h"
#include "localisation/StartupLanguage.h"
#include "localisation/gui/DesignText.h"
#include "localisation/gui/LanguageCommands.h"

#include <QAction>
#include <QBrush>
#include <QCloseEvent>
#include <QColor>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QShortcut>
#include <QTableWidget>
#include <QToolBar>
#include <QVBoxLayout>
#include <cmath>
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

namespace {

// The layout is drawn in twips; the screen has 15 twips to the pixel.
constexpr int twips(int t) {
    return (t + 7) / 15;
}

constexpr std::array<int, kTableCols> kColumnTwips{500, 1330, 1000, 1330, 1000,
                                                   800, 850,  1000, 900};
constexpr int kChannelRowTwips = 300;
constexpr int kHeaderRowPixels = 24;
constexpr int kProgressMaximum = 460;

const QColor kEvenRowColour(192, 192, 255);
const QColor kGridLineColour(192, 192, 192);
const QColor kBelowRowsColour(128, 128, 128);

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

// The main window's design texts: the Simplified captions, list entries and toolbar button
// captions of the caption table.
QString designCaption(std::string_view control) {
    return DesignText("Form1", control);
}

QStringList designEntries(std::string_view list, int count) {
    return DesignEntries("Form1", list, count);
}

QString toolbarText(int button) {
    return DesignText("Form1", "Toolbar1", CaptionItem::ToolbarButton, button);
}

QAction* makeAction(QObject* parent, const char* name) {
    auto* action = new QAction(designCaption(name), parent);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QMenu* makeMenu(QMenuBar* bar, const char* name) {
    QMenu* menu = bar->addMenu(designCaption(name));
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QLabel* designLabel(QWidget* parent, const char* name) {
    return makeLabel(parent, name, designCaption(name));
}

// Shows a modeless dialog, or brings it to the front when it is already shown.
void showDialog(QWidget* dialog) {
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

QComboBox* makeList(QWidget* parent, const char* name, const QStringList& entries) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setEditable(false);
    list->addItems(entries);
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    list->setMinimumWidth(std::max(twips(1335), list->sizeHint().width()));
    list->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return list;
}

} // namespace

Form1::Form1(EditorState& state, AppServices& services, QWidget* parent)
    : QMainWindow(parent), state_(state), services_(services) {
    initTlvResources();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(DesignText("Form1", {}, CaptionItem::WindowTitle));
    buildMenus();
    buildToolbar();
    buildGrid();
    buildBandFrame();
    buildFunctionPanel();
    buildLayout();
    connectPanelLists();
    Form_Load();
    cellEditors = new CellEditors(*this);
}

Form1::~Form1() {
    // The editors stop watching the table before the widgets go.
    delete cellEditors;
}

// ---------------------------------------------------------------------------------------------
// Widgets

void Form1::buildMenus() {
    QMenuBar* bar = menuBar();

    mnuFile = makeMenu(bar, "mnuFile");
    mnuNew = makeAction(this, "mnuNew");
    mnuOpen = makeAction(this, "mnuOpen");
    mnuAssave = makeAction(this, "mnuAssave");
    mnuQuit = makeAction(this, "mnuQuit");
    mnuFile->addAction(mnuNew);
    mnuFile->addAction(mnuOpen);
    mnuFile->addAction(mnuAssave);
    mnuFile->addSeparator();
    mnuFile->addAction(mnuQuit);

    mnupro = makeMenu(bar, "mnupro");
    mnureadFre = makeAction(this, "mnureadFre");
    mnureadFre->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    mnuwriteFre = makeAction(this, "mnuwriteFre");
    mnuwriteFre->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    mnudtmf = makeAction(this, "mnudtmf");
    Key_enactment = makeAction(this, "Key_enactment");
    mnusetin = makeAction(this, "mnusetin");
    mnudebug = makeAction(this, "mnudebug");
    mnutestfre = makeAction(this, "mnutestfre");
    mnupro->addAction(mnureadFre);
    mnupro->addAction(mnuwriteFre);
    mnupro->addSeparator();
    for (QAction* item : {mnudtmf, Key_enactment, mnusetin, mnudebug, mnutestfre})
        mnupro->addAction(item);

    mnuset = makeMenu(bar, "mnuset");
    mnulock = makeAction(this, "mnulock");
    mnulock->setCheckable(true);
    mnucom = makeAction(this, "mnucom");
    mnuset->addAction(mnulock);
    mnuset->addAction(mnucom);
    mnuLanguage = mnuset->addMenu(designCaption("mnuLanguage"));
    mnuLanguage->setObjectName(QStringLiteral("mnuLanguage"));
    mnuChineseJ = makeAction(this, "mnuChineseJ");
    mnuChineseF = makeAction(this, "mnuChineseF");
    mnuEnglish = makeAction(this, "mnuEnglish");
    mnuLanguage->addAction(mnuChineseJ);
    mnuLanguage->addAction(mnuChineseF);
    mnuLanguage->addAction(mnuEnglish);

    mnuhelp = makeMenu(bar, "mnuhelp");
    mnumainhelp = makeAction(this, "mnumainhelp");
    mnumainhelp->setShortcut(QKeySequence(Qt::Key_F1));
    mnumainhelp->setVisible(false);
    mnuabout = makeAction(this, "mnuabout");
    mnuhelp->addAction(mnumainhelp);
    mnuhelp->addAction(mnuabout);
    // The help item stays out of the menu, but F1 still opens the help.
    auto* helpKey = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(helpKey, &QShortcut::activated, this, &Form1::mnumainhelp_Click);

    connect(mnuNew, &QAction::triggered, this, &Form1::onNew);
    connect(mnuOpen, &QAction::triggered, this, &Form1::onOpen);
    connect(mnuAssave, &QAction::triggered, this, &Form1::onSave);
    connect(mnuQuit, &QAction::triggered, this, &QWidget::close);
    connect(mnureadFre, &QAction::triggered, this, &Form1::onRead);
    connect(mnuwriteFre, &QAction::triggered, this, &Form1::onWrite);
    connect(mnudtmf, &QAction::triggered, this, &Form1::mnudtmf_Click);
    connect(Key_enactment, &QAction::triggered, this, &Form1::Key_enactment_Click);
    connect(mnusetin, &QAction::triggered, this, &Form1::mnusetin_Click);
    connect(mnudebug, &QAction::triggered, this, &Form1::mnudebug_Click);
    connect(mnutestfre, &QAction::triggered, this, &Form1::mnutestfre_Click);
    connect(mnulock, &QAction::triggered, this, &Form1::mnulock_Click);
    connect(mnucom, &QAction::triggered, this, &Form1::mnucom_Click);
    connect(mnuChineseJ, &QAction::triggered, this, &Form1::mnuChineseJ_Click);
    connect(mnuChineseF, &QAction::triggered, this, &Form1::mnuChineseF_Click);
    connect(mnuEnglish, &QAction::triggered, this, &Form1::mnuEnglish_Click);
    connect(mnumainhelp, &QAction::triggered, this, &Form1::mnumainhelp_Click);
    connect(mnuabout, &QAction::triggered, this, &Form1::mnuabout_Click);
}

void Form1::buildToolbar() {
    Toolbar1 = addToolBar(QStringLiteral("Toolbar1"));
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setFloatable(false);
    Toolbar1->setContextMenuPolicy(Qt::PreventContextMenu);
    Toolbar1->setIconSize(QSize(24, 24));
    Toolbar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    Toolbar1->toggleViewAction()->setVisible(false);

    struct ButtonDesign {
        const char* key;
        const char* icon;
        QString text;
    };
    const std::array<ButtonDesign, 7> design{{
        {"new", "new", toolbarText(1)},
        {"open", "open", toolbarText(2)},
        {"save", "save", toolbarText(3)},
        {nullptr, nullptr, {}},
        {"read", "read", toolbarText(5)},
        {"write", "write", toolbarText(6)},
        {"TAnMa", "service", {}},
    }};
    for (std::size_t i = 0; i < design.size(); ++i) {
        if (design[i].key == nullptr) {
            toolbarButtons_[i] = Toolbar1->addSeparator();
            continue;
        }
        const QString key = QString::fromLatin1(design[i].key);
        QAction* button = Toolbar1->addAction(
            QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(design[i].icon))),
            design[i].text);
        button->setObjectName(QStringLiteral("Toolbar1_") + key);
        button->setData(key);
        button->setToolTip(design[i].text);
        connect(button, &QAction::triggered, this, [this, key] { Toolbar1_ButtonClick(key); });
        toolbarButtons_[i] = button;
    }
    // Button 7 stays hidden until the service mode is switched on.
    toolbarButtons_[6]->setVisible(false);
}

void Form1::buildGrid() {
    Grid1 = new QTableWidget(kTableRows, kTableCols, this);
    Grid1->setObjectName(QStringLiteral("Grid1"));
    Grid1->horizontalHeader()->hide();
    Grid1->verticalHeader()->hide();
    Grid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid1->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid1->setSelectionBehavior(QAbstractItemView::SelectItems);
    Grid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Grid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Grid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Grid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Grid1->setWordWrap(false);
    Grid1->setCornerButtonEnabled(false);
    // Grid lines and the area beyond the cells; the cells paint their own backgrounds.
    Grid1->setStyleSheet(
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
            Grid1->setItem(row, column, item);
        }
    }
    Grid1->setRowHeight(0, kHeaderRowPixels);
    // A locked table stops taking input but keeps its texts readable.
    QPalette gridPalette = Grid1->palette();
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        gridPalette.setColor(QPalette::Disabled, role, gridPalette.color(QPalette::Active, role));
    Grid1->setPalette(gridPalette);
    Grid1->viewport()->installEventFilter(this);
}

void Form1::buildBandFrame() {
    Frame1 = new QGroupBox(designCaption("Frame1"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Combo1 = new DropDownComboBox(Frame1);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(false);
    for (const Band& band : kBands)
        Combo1->addItem(QString::fromLatin1(band.text.data(), qsizetype(band.text.size())));
    Combo1->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    Combo1->setMinimumWidth(std::max(twips(1335), Combo1->sizeHint().width()));
    Combo1->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    Label3 = designLabel(Frame1, "Label3");

    auto* grid = new QGridLayout(Frame1);
    grid->setContentsMargins(twips(120), twips(240), twips(120), twips(180));
    grid->setColumnMinimumWidth(0, twips(1560));
    grid->addWidget(Label3, 0, 0);
    grid->addWidget(Combo1, 0, 1);
    grid->setColumnStretch(1, 1);
    Frame1->setMinimumHeight(twips(1080));
    Frame1->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void Form1::buildFunctionPanel() {
    Frame2 = new QGroupBox(designCaption("Frame2"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Combo2 = makeList(Frame2, "Combo2", designEntries("Combo2", 3));
    // The time-out list is filled during start-up.
    Combo3 = makeList(Frame2, "Combo3", {});
    Combo4 = makeList(Frame2, "Combo4", designEntries("Combo4", 11));
    Combo9 = makeList(Frame2, "Combo9", designEntries("Combo9", 10));
    Combo6 = makeList(Frame2, "Combo6", designEntries("Combo6", 2));
    Combo7 = makeList(Frame2, "Combo7", designEntries("Combo7", 2));
    Label4 = designLabel(Frame2, "Label4");
    Label5 = designLabel(Frame2, "Label5");
    Label1 = designLabel(Frame2, "Label1");
    Label6 = designLabel(Frame2, "Label6");
    Label7 = designLabel(Frame2, "Label7");
    Label8 = designLabel(Frame2, "Label8");

    auto* grid = new QGridLayout(Frame2);
    grid->setContentsMargins(twips(120), twips(240), twips(120), twips(240));
    grid->setVerticalSpacing(twips(480) - Combo2->sizeHint().height());
    grid->setColumnMinimumWidth(0, twips(1560));
    const std::array<std::pair<QLabel*, QComboBox*>, 6> rows{{{Label4, Combo2},
                                                              {Label5, Combo3},
                                                              {Label1, Combo4},
                                                              {Label6, Combo9},
                                                              {Label7, Combo6},
                                                              {Label8, Combo7}}};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        grid->addWidget(rows[i].first, int(i), 0);
        grid->addWidget(rows[i].second, int(i), 1);
    }
    grid->setColumnStretch(1, 1);
    Frame2->setMinimumHeight(twips(3240));
    Frame2->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void Form1::buildLayout() {
    Label = makeLabel(this, "Label", {});
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, kProgressMaximum);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    Label2 = designLabel(this, "Label2");
    Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QPalette rightsPalette = Label2->palette();
    rightsPalette.setColor(QPalette::WindowText,
                           palette().color(QPalette::Disabled, QPalette::WindowText));
    Label2->setPalette(rightsPalette);

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("Form1Client"));
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(twips(120), twips(120), twips(120), twips(90));
    outer->setSpacing(twips(90));

    auto* top = new QHBoxLayout;
    top->setSpacing(twips(90));
    top->addWidget(Grid1, 1);
    auto* side = new QVBoxLayout;
    side->setSpacing(twips(120));
    // The frames start a little below the table's top and stay at the top when the window
    // grows.
    side->addSpacing(twips(300));
    side->addWidget(Frame1);
    side->addWidget(Frame2);
    side->addStretch(1);
    top->addLayout(side);
    outer->addLayout(top, 1);

    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(twips(120));
    bottom->addWidget(Label);
    bottom->addWidget(ProgressBar1, 1);
    bottom->addStretch(0);
    bottom->addWidget(Label2);
    outer->addLayout(bottom);
    setCentralWidget(central);
}

void Form1::connectPanelLists() {
    const std::array<std::pair<QComboBox*, int EditorState::*>, 6> lists{{
        {Combo2, &EditorState::combo2},
        {Combo3, &EditorState::combo3},
        {Combo4, &EditorState::combo4},
        {Combo9, &EditorState::combo9},
        {Combo6, &EditorState::combo6},
        {Combo7, &EditorState::combo7},
    }};
    for (const auto& [list, member] : lists) {
        connect(list, &QComboBox::currentIndexChanged, this, [this, member](int index) {
            if (!refreshing_) state_.*member = index;
        });
    }
    connect(Combo1, &QComboBox::currentIndexChanged, this, [this] {
        if (!refreshing_) Combo1_Click();
    });
    connect(Combo1, &DropDownComboBox::dropDownOpened, this, &Form1::Combo1_DropDown);
}

// ---------------------------------------------------------------------------------------------
// Start-up

void Form1::Form_Load() {
    createDialogs();
    setColumnWidths();
    centreColumns();
    setRowHeights();
    shadeEvenRows();
    readParameterFile();
    // Step 6, the default power levels, is part of the core start-up below.
    decideLanguage();
    applyLanguageCaptions();
    loadPortWindow();
    fillTimeOutList();
    runCoreStartup();
    hideTransferControls();
    refreshFromState();
    Grid1->setCurrentCell(-1, -1);

    // Default size: the designed client area, grown by the menu bar and the toolbar.
    resize(std::max(twips(12225), minimumSizeHint().width()), sizeHint().height());
    setMinimumSize(minimumSizeHint());
}

// Every dialog is created once, hidden, before the captions are applied; each shows the editor
// state and follows it through the refreshed() signal.
void Form1::createDialogs() {
    form2 = new Form2(*this);
    form4 = new Form4(*this);
    form5 = new Form5(*this);
    form6 = new Form6(*this);
    form7 = new Form7(*this);
    about = new frmAbout(*this);
    Label2->setCursor(Qt::PointingHandCursor);
    Label2->installEventFilter(this);
}

// The designed column widths. Where a header text (in the language in force) would not fit
// its column, the column is widened and the width is taken from columns with room to spare,
// so that no header is cut short and the table keeps its designed width.
std::array<int, kTableCols> Form1::designedColumnWidths() const {
    std::array<int, kTableCols> width{};
    std::array<int, kTableCols> room{};
    int deficit = 0;
    int roomTotal = 0;
    for (int column = 0; column < kTableCols; ++column) {
        width[column] = twips(kColumnTwips[column]);
        const QTableWidgetItem* header = Grid1->item(0, column);
        const int text = header ? Grid1->fontMetrics().horizontalAdvance(header->text()) + 8 : 0;
        if (text > width[column]) {
            deficit += text - width[column];
            width[column] = text;
        } else {
            room[column] = width[column] - text;
            roomTotal += room[column];
        }
    }
    int remaining = deficit;
    for (int column = 0; column < kTableCols && remaining > 0; ++column) {
        if (room[column] == 0) continue;
        const int share = (deficit * room[column] + roomTotal - 1) / roomTotal;
        const int take = std::min({room[column], remaining, share});
        width[column] -= take;
        remaining -= take;
    }
    return width;
}

void Form1::setColumnWidths() {
    const auto designed = designedColumnWidths();
    for (int column = 0; column < kTableCols; ++column)
        Grid1->setColumnWidth(column, designed[column]);
    int total = 0;
    for (int column = 0; column < kTableCols; ++column)
        total += Grid1->columnWidth(column);
    const int frame = 2 * Grid1->frameWidth();
    Grid1->setMinimumWidth(std::max(total + frame, twips(8835)));
}

void Form1::centreColumns() {
    for (int row = 0; row < kTableRows; ++row)
        for (int column = 0; column < kTableCols; ++column)
            Grid1->item(row, column)->setTextAlignment(Qt::AlignCenter);
}

void Form1::setRowHeights() {
    for (int row = 1; row < kTableRows; ++row)
        Grid1->setRowHeight(row, twips(kChannelRowTwips));
    int total = 0;
    for (int row = 0; row < kTableRows; ++row)
        total += Grid1->rowHeight(row);
    Grid1->setMinimumHeight(std::max(total + 2 * Grid1->frameWidth(), twips(5190)));
}

void Form1::shadeEvenRows() {
    for (int row = 2; row < kTableRows; row += 2)
        for (int column = 0; column < kTableCols; ++column)
            Grid1->item(row, column)->setBackground(kEvenRowColour);
}

std::string Form1::parameterFilePath() const {
    if (services_.settingsFolder.empty()) return {};
    return (std::filesystem::path(services_.settingsFolder) / kParameterFileName).string();
}

void Form1::readParameterFile() {
    const std::string path = parameterFilePath();
    if (path.empty()) return;
    const ParameterBytes bytes = ReadParameterFile(path);
    startup_.lockByte = bytes.lock;
    startup_.portNumber = bytes.portNumber;
    startup_.languageState = bytes.language;
}

void Form1::decideLanguage() {
    // The saved language, unless a start-up request says otherwise (once).
    NoLanguageRequest noRequest;
    startup_.languageState = LoadStartupLanguage(
        services_.languageRequest ? *services_.languageRequest : noRequest, startup_.languageState);
    state_.languageState = startup_.languageState;
    state_.serviceMode = 0;
}

void Form1::applyLanguageCaptions() {
    ApplyStartupCaptions(*this);
}

void Form1::loadPortWindow() {
    // The port window is created hidden and its scan opens the remembered port (or the only
    // one, which then becomes PortNumber).
    state_.portNumber = startup_.portNumber;
    std::string folder = services_.settingsFolder.empty()
                             ? QCoreApplication::applicationDirPath().toStdString()
                             : services_.settingsFolder;
    radioLink_ = new RadioLinkWiring(*this, folder);
    startup_.portNumber = state_.portNumber;
}

void Form1::fillTimeOutList() {
    Combo3->clear();
    for (int n = 1; n <= 40; ++n)
        Combo3->addItem(QString::number(n * 15) + QStringLiteral(" S"));
}

void Form1::runCoreStartup() {
    RunStartup(state_, startup_);
}

void Form1::hideTransferControls() {
    ProgressBar1->setVisible(false);
    Label->setVisible(false);
}

// ---------------------------------------------------------------------------------------------
// Rendering

void Form1::refreshFromState() {
    refreshing_ = true;
    for (int row = 0; row < kTableRows; ++row)
        for (int column = 0; column < kTableCols; ++column)
            Grid1->item(row, column)->setText(qs(state_.table.at(row, column)));
    // The header texts may have changed language: keep every header readable.
    setColumnWidths();
    fitColumnsToWidth();

    const std::array<std::pair<QComboBox*, int>, 6> lists{{
        {Combo2, state_.combo2},
        {Combo3, state_.combo3},
        {Combo4, state_.combo4},
        {Combo9, state_.combo9},
        {Combo6, state_.combo6},
        {Combo7, state_.combo7},
    }};
    for (const auto& [list, position] : lists)
        list->setCurrentIndex(position >= 0 && position < list->count() ? position : -1);
    Combo1->setCurrentIndex(
        state_.currentBand >= 0 && state_.currentBand < Combo1->count() ? state_.currentBand : -1);
    applyEditingLock();
    refreshing_ = false;
    emit refreshed();
}

void Form1::applyEditingLock() {
    mnulock->setChecked(state_.editingLock);
    Frame1->setEnabled(!state_.editingLock);
    Frame2->setEnabled(!state_.editingLock);
    Grid1->setEnabled(!state_.editingLock);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Grid1->viewport() && event->type() == QEvent::Resize) fitColumnsToWidth();
    // The rights line opens the maker's web page.
    if (watched == Label2 && event->type() == QEvent::MouseButtonPress && services_.msgBox)
        OpenMakerWebPage(*services_.msgBox, state_.languageState);
    return QMainWindow::eventFilter(watched, event);
}

// Shares the width of an enlarged table among the columns in their designed proportions.
void Form1::fitColumnsToWidth() {
    const int available = Grid1->viewport()->width();
    const auto widths = designedColumnWidths();
    int designed = 0;
    for (int width : widths)
        designed += width;
    if (available <= designed) {
        for (int column = 0; column < kTableCols; ++column)
            Grid1->setColumnWidth(column, widths[column]);
        return;
    }
    int used = 0;
    for (int column = 0; column < kTableCols; ++column) {
        const int width = column + 1 < kTableCols
                              ? int(std::lround(double(widths[column]) * available / designed))
                              : available - used;
        Grid1->setColumnWidth(column, width);
        used += width;
    }
}

// ---------------------------------------------------------------------------------------------
// Toolbar and menus

void Form1::Toolbar1_ButtonClick(const QString& key) {
    if (key == QLatin1String("new"))
        onNew();
    else if (key == QLatin1String("open"))
        onOpen();
    else if (key == QLatin1String("save"))
        onSave();
    else if (key == QLatin1String("write"))
        onWrite();
    else if (key == QLatin1String("read"))
        onRead();
    else if (key == QLatin1String("TAnMa"))
        onTAnMa();
}

QAction* Form1::toolbarButton(int n) const {
    return n >= 1 && n <= int(toolbarButtons_.size()) ? toolbarButtons_[n - 1] : nullptr;
}

void Form1::onNew() {
    if (services_.msgBox == nullptr || services_.fileDialogs == nullptr) return;
    FileCommands files(state_, *services_.msgBox, *services_.fileDialogs);
    if (files.New()) refreshFromState();
}

void Form1::onOpen() {
    if (services_.msgBox == nullptr || services_.fileDialogs == nullptr) return;
    FileCommands files(state_, *services_.msgBox, *services_.fileDialogs);
    if (files.Open() == OpenOutcome::Loaded) refreshFromState();
}

void Form1::onSave() {
    if (services_.msgBox == nullptr || services_.fileDialogs == nullptr) return;
    FileCommands files(state_, *services_.msgBox, *services_.fileDialogs);
    if (std::optional<std::string> path = files.Save())
        setWindowTitle(QFile::decodeName(QByteArray::fromStdString(SavedCaption(*path))));
}

void Form1::onRead() {
    if (radioLink_ != nullptr) radioLink_->startRead();
}

void Form1::onWrite() {
    if (radioLink_ != nullptr) radioLink_->startWrite();
}

void Form1::onTAnMa() {
    if (services_.clock == nullptr) return;
    const ServiceClick click =
        ServiceButtonClick(state_, buttonStamp_, services_.clock->secondsSinceMidnight());
    if (click != ServiceClick::SwitchedOff) return;
    toolbarButton(7)->setVisible(false);
    emit serviceModeSwitchedOff();
}

void Form1::serviceModeOn() {
    ServiceModeOn(state_);
    toolbarButton(7)->setVisible(true);
    emit serviceModeSwitchedOn();
}

void Form1::mnulock_Click() {
    state_.editingLock = !state_.editingLock;
    applyEditingLock();
}

void Form1::mnudtmf_Click() {
    showDialog(form5);
}

void Form1::Key_enactment_Click() {
    showDialog(form6);
}

void Form1::mnusetin_Click() {
    showDialog(form7);
}

void Form1::mnudebug_Click() {
    showDialog(form2);
}

void Form1::mnutestfre_Click() {
    showDialog(form4);
}

void Form1::mnucom_Click() {
    if (radioLink_ != nullptr) radioLink_->showPortWindow();
}

void Form1::mnuChineseJ_Click() {
    SwitchLanguage(*this, lang::Simplified);
}

void Form1::mnuChineseF_Click() {
    SwitchLanguage(*this, lang::Traditional);
}

void Form1::mnuEnglish_Click() {
    SwitchLanguage(*this, lang::English);
}

void Form1::mnumainhelp_Click() {
    if (services_.msgBox)
        OpenHelpFile(*services_.msgBox, state_.languageState,
                     QCoreApplication::applicationDirPath());
}

void Form1::mnuabout_Click() {
    showDialog(about);
}

void Form1::Combo1_Click() {
    BandSelected(state_, FormMessageBox(*this), Combo1->currentIndex());
    refreshFromState();
}

void Form1::Combo1_DropDown() {
    state_.previousBand = state_.currentBand;
}

// ---------------------------------------------------------------------------------------------
// The end of the program

void Form1::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void Form1::Form_Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    writeParameterFile();
    // Every other window belongs to this one and closes with it.
    for (QWidget* child : findChildren<QWidget*>())
        if (child->isWindow()) child->close();
    emit unloaded();
}

void Form1::writeParameterFile() {
    // A file that cannot be written is skipped: the program ends all the same.
    const std::string path = parameterFilePath();
    if (path.empty()) return;
    WriteParameterFile(
        path, MakeParameterBytes(state_.editingLock, state_.portNumber, state_.languageState));
}

} // namespace tlv
