// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's start-up sequence, its layout and the end of the program.
#include "window/main/MainWindow.h"

#include "editor/ParameterFile.h"
#include "language/StartupLanguage.h"
#include "qt/TransferController.h"
#include "texts/CaptionTables.h"
#include "texts/TransferStatusLine.h"
#include "window/dialogs/DialogWidgets.h"
#include "window/dialogs/EmbeddedTextsDialog.h"
#include "window/dialogs/KeysDialog.h"
#include "window/dialogs/OptionalFunctionsDialog.h"
#include "window/dialogs/PowerLevelDialog.h"
#include "window/dialogs/TestFrequencyDialog.h"
#include "window/help/AboutDialog.h"
#include "window/language/ConvertFormToTraditional.h"
#include "window/language/DesignText.h"
#include "window/language/LanguageCommands.h"
#include "window/link/RadioLinkWiring.h"
#include "window/main/AfterFirstPaint.h"
#include "window/main/CellEditors.h"
#include "window/main/ChannelTable.h"
#include "window/main/DocumentCommands.h"
#include "window/main/EditCommands.h"
#include "window/main/EditorModel.h"
#include "window/main/MainWindowNames.h"
#include "window/main/SettingsPanels.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QScrollArea>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>
#include <vector>

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

namespace name = mainwindow_names;

// The client area's scroller, as large as what it holds would like to be: the window starts at
// the size of its content, and only a smaller window scrolls.
class ClientScrollArea : public QScrollArea {
  public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override {
        const int frame = 2 * frameWidth();
        return widget() ? widget()->sizeHint() + QSize(frame, frame) : QScrollArea::sizeHint();
    }
};

} // namespace

MainWindow::MainWindow(EditorState& state, AppServices& services, QWidget* parent)
    : QMainWindow(parent), model_(new EditorModel(state, services, this)) {
    initTlvResources();
    setObjectName(QString::fromLatin1(name::Window));
    setWindowTitle(DesignText(name::Window, {}, CaptionItem::WindowTitle));
    menus_ = BuildMainMenus(*this);
    toolbar_ = BuildMainToolbar(*this);
    table_ = new ChannelTable(this);
    bandFrame_ = new BandFrame(*model_, this);
    functionPanel_ = new FunctionPanel(*model_, this);
    buildLayout();
    setKeyboardOrder();
    connect(model_, &EditorModel::refreshed, this, &MainWindow::showState);
    connect(model_, &EditorModel::changed, this, &MainWindow::showTitle);

    // The start-up, one step each, in order.
    connectRightsLine();
    readParameterFile();
    ApplyStartupCaptions(*this, *model_);
    traditionalShown_ = model_->language() == Language::Traditional;
    startRadioLink();
    functionPanel_->fillTimeOutList();
    RunStartup(state, startup_);
    transferProgress_->setVisible(false);
    transferStatus_->setVisible(false);
    model_->matchDocument({});
    model_->refresh();
    table_->setCurrentCell(-1, -1);
    table_->setFocus();
    finishStartup();
}

MainWindow::~MainWindow() {
    // The editors stop watching their widgets before the widgets go.
    delete editors_;
}

// ---- Building ----------------------------------------------------------------------------

void MainWindow::buildLayout() {
    editingHint_ = makeLabel(this, name::EditingHint, {});
    editingHint_->hide();
    transferStatus_ = makeLabel(this, name::TransferStatus, {});
    transferProgress_ = new QProgressBar(this);
    transferProgress_->setObjectName(QString::fromLatin1(name::TransferProgress));
    transferProgress_->setRange(0, kProgressMaximum);
    transferProgress_->setValue(0);
    transferProgress_->setTextVisible(false);
    // Wide enough to be read as a bar, also beside the longest status text.
    transferProgress_->setMinimumWidth(twips(2400));
    // Shown only while the last automatic backup could not be saved.
    backupNotice_ = makeLabel(this, name::BackupNotice, {});
    backupNotice_->setVisible(false);
    rightsLine_ = makeLabel(this, name::RightsLine, DesignText(name::Window, name::RightsLine));
    rightsLine_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QPalette rightsPalette = rightsLine_->palette();
    rightsPalette.setColor(QPalette::WindowText,
                           palette().color(QPalette::Disabled, QPalette::WindowText));
    rightsLine_->setPalette(rightsPalette);

    auto* central = new QWidget(this);
    central->setObjectName(QString::fromLatin1(name::Client));
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(twips(120), twips(120), twips(120), twips(90));
    outer->setSpacing(twips(90));

    auto* top = new QHBoxLayout;
    top->setSpacing(twips(90));
    top->addWidget(table_, 1);
    auto* side = new QVBoxLayout;
    side->setSpacing(twips(120));
    // The frames start a little below the table's top and stay at the top when the window grows.
    side->addSpacing(twips(300));
    side->addWidget(bandFrame_);
    side->addWidget(functionPanel_);
    side->addStretch(1);
    top->addLayout(side);
    outer->addLayout(top, 1);

    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(twips(120));
    bottom->addWidget(editingHint_);
    bottom->addWidget(transferStatus_);
    bottom->addWidget(transferProgress_, 1);
    bottom->addWidget(backupNotice_);
    bottom->addStretch(0);
    bottom->addWidget(rightsLine_);
    // The progress bar is no taller than the line of text it replaces, so that showing it during
    // a transfer never makes the client area taller than the window (which would scroll it).
    transferProgress_->setMaximumHeight(rightsLine_->sizeHint().height());
    outer->addLayout(bottom);

    // The client area never shrinks below what shows all sixteen channels and both panels; a
    // smaller window scrolls it.
    clientArea_ = new ClientScrollArea(this);
    clientArea_->setFrameShape(QFrame::NoFrame);
    clientArea_->setWidgetResizable(true);
    clientArea_->setFocusPolicy(Qt::NoFocus);
    clientArea_->setWidget(central);
    setCentralWidget(clientArea_);
}

// Tab goes from the channel table through the band list and the six panel lists to the
// toolbar's buttons and back to the table; the arrows stay inside the table.
void MainWindow::setKeyboardOrder() {
    QList<QWidget*> order{table_, bandFrame_->bandList()};
    for (QComboBox* list : functionPanel_->lists())
        order << list;
    for (ToolbarButton button :
         {ToolbarButton::New, ToolbarButton::Open, ToolbarButton::Save, ToolbarButton::Read,
          ToolbarButton::Write, ToolbarButton::Service}) {
        if (QWidget* widget = toolbar_.bar->widgetForAction(toolbar_.button(button))) {
            widget->setFocusPolicy(Qt::TabFocus);
            order << widget;
        }
    }
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
}

// ---- Start-up ----------------------------------------------------------------------------

void MainWindow::connectRightsLine() {
    // The rights line opens the maker's web page.
    rightsLine_->setCursor(Qt::PointingHandCursor);
    rightsLine_->installEventFilter(this);
    // The first paint of the window means it is on the screen: what it does not show is built
    // right after it. A window that is not shown by the time the program waits for events is
    // finished then.
    new AfterFirstPaint(*this, *this, [this] { finishDeferredBuild(); });
    QTimer::singleShot(0, this, [this] {
        if (!isVisible()) finishDeferredBuild();
    });
}

// Every dialog is created once, hidden, with the captions the start-up or the last language
// switch would have written into it; each shows its draft of the editor now and whenever the
// model shows the state again.
void MainWindow::finishDeferredBuild() {
    if (deferredBuildDone_) return;
    deferredBuildDone_ = true;
    const Language language = model_->language();
    const auto captioned = [this, language](QDialog* dialog) {
        // A window made at start would have been converted when Traditional Chinese was in
        // force, and its texts outside the caption rows would have stayed so.
        if (traditionalShown_ && language != Language::Traditional)
            ConvertFormToTraditional(dialog);
        ApplyCaptionsToWindow(dialog, language);
    };
    const auto made = [&captioned](RadioDialog* dialog) {
        captioned(dialog);
        dialog->load();
        return dialog;
    };
    powerLevelDialog_ = made(new PowerLevelDialog(*model_, this));
    testFrequencyDialog_ = made(new TestFrequencyDialog(*model_, this));
    optionalFunctionsDialog_ = made(new OptionalFunctionsDialog(*model_, this));
    keysDialog_ = made(new KeysDialog(*model_, this));
    embeddedTextsDialog_ = made(new EmbeddedTextsDialog(*model_, this));
    aboutDialog_ = new AboutDialog(*model_, this);
    captioned(aboutDialog_);
    radioLink_->portDialog();
    editors_->make();
}

std::string MainWindow::parameterFilePath() const {
    const std::string& folder = model_->services().settingsFolder;
    if (folder.empty()) return {};
    return (std::filesystem::path(folder) / kParameterFileName).string();
}

// The lock and the port of the last run, and the language: the saved one, unless a start-up
// request says otherwise (once).
void MainWindow::readParameterFile() {
    const std::string path = parameterFilePath();
    const ParameterBytes saved = path.empty() ? ParameterBytes{} : ReadParameterFile(path);
    startup_.editingLock = saved.lockOn();
    startup_.portNumber = saved.portNumber;
    NoLanguageRequest noRequest;
    LanguageRequestStore* request = model_->services().languageRequest;
    startup_.language = LoadStartupLanguage(request ? *request : noRequest, saved.language);
    EditorState& state = model_->state();
    state.session.language = startup_.language;
    state.session.serviceMode = false;
}

// The link to the radio. Its look at the ports, once the window is on the screen, opens the
// remembered port (or the only one, which then becomes the port number).
void MainWindow::startRadioLink() {
    EditorState& state = model_->state();
    state.session.portNumber = startup_.portNumber;
    const std::string& settings = model_->services().settingsFolder;
    const std::string folder =
        settings.empty() ? QCoreApplication::applicationDirPath().toStdString() : settings;
    radioLink_ = new RadioLinkWiring(*model_, folder, *this);
    connectTransfer();
}

// The in-cell editors and the commands, the undo history from the start-up state, and the
// window's first size.
void MainWindow::finishStartup() {
    editors_ = new CellEditors(*table_, *model_);
    table_->setEditors(editors_);
    connect(editors_, &CellEditors::editingHint, this, [this](const QString& text) {
        editingHint_->setText(text);
        editingHint_->setVisible(!text.isEmpty());
    });
    editCommands_ = new EditCommands(*model_, *table_, *editors_, menus_, *this);
    documents_ = new DocumentCommands(*model_, *editors_, *this);
    connectCommands();
    model_->startHistory();
    // The model outlives every window and widget that shows it (an editor still open when the
    // window goes commits into it): it goes last of the window's children.
    model_->setParent(nullptr);
    model_->setParent(this);

    // Default size: the designed client area, grown by the menu bar and the toolbar. A smaller
    // window scrolls its client area. The client's layout computed its sizes before the table
    // was given its size: again.
    clientArea_->widget()->layout()->activate();
    // Wide enough for what a transfer shows in the status line in English and Chinese (the
    // Traditional texts are measured when Traditional Chinese is in force or chosen).
    std::vector<Language> languages{Language::Simplified, Language::English};
    if (model_->language() == Language::Traditional) languages.push_back(Language::Traditional);
    const QSize client = clientArea_->widget()->minimumSizeHint();
    const QSize transfer = transferLineSize(languages);
    resize(std::max({twips(12225), client.width(), transfer.width()}),
           sizeHint().height() + std::max(0, transfer.height() - client.height()));
}

// The client area's size that shows the status line of a transfer whole in each of
// `languages`: the status text with the progress bar beside it while the transfer runs, an end
// text alone, and the rights line of that language. A text may need a taller line than the
// window's own font gives (the ellipsis of the English status text comes from a CJK font).
QSize MainWindow::transferLineSize(const std::vector<Language>& languages) {
    QWidget* client = clientArea_->widget();
    const QString shownStatus = transferStatus_->text();
    const QString shownRights = rightsLine_->text();
    const bool statusShown = !transferStatus_->isHidden();
    const bool progressShown = !transferProgress_->isHidden();
    QSize size;
    const auto measure = [&](const std::string& status, bool progress) {
        transferStatus_->setText(QString::fromStdString(status));
        transferProgress_->setVisible(progress);
        client->layout()->activate();
        size = size.expandedTo(client->minimumSizeHint());
    };
    transferStatus_->setVisible(true);
    for (Language language : languages) {
        rightsLine_->setText(
            QString::fromStdString(language == model_->language()
                                       ? shownRights.toStdString()
                                       : CaptionText(language, name::Window, name::RightsLine)));
        measure(Localise(language, status::Communicating), true);
        for (const LocalText& end :
             {status::ReadSuccess, status::WriteSuccess, msg::BandMismatch.text})
            measure(Localise(language, end), false);
    }
    transferStatus_->setText(shownStatus);
    rightsLine_->setText(shownRights);
    transferStatus_->setVisible(statusShown);
    transferProgress_->setVisible(progressShown);
    client->layout()->activate();
    // The texts measured may have made the client area wider than the window for a moment:
    // the scroll area looks again at what it holds now.
    clientArea_->setWidgetResizable(true);
    return size;
}

void MainWindow::holdTransferLine() {
    // Once the window has laid out the new texts (the menu bar and the toolbar may have grown
    // with them), the space the client area gets is compared with what it needs.
    QTimer::singleShot(0, this, [this] {
        const QSize space = clientArea_->size(); // the client area without scroll bars
        const QSize needed = transferLineSize({model_->language()});
        const QSize grow(std::max(0, needed.width() - space.width()),
                         std::max(0, needed.height() - space.height()));
        if (!grow.isNull()) resize(size() + grow);
    });
}

// ---- The end of the program --------------------------------------------------------------

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!unloaded_ && !mayClose()) {
        event->ignore();
        return;
    }
    unload();
    event->accept();
}

// The close box and Quit: every question first (stop the running transfer? save the changes?),
// and only when the user has confirmed all of them is the transfer stopped. A Cancel or No
// anywhere leaves everything as it was: the transfer goes on.
bool MainWindow::mayClose() {
    TransferController& transfer = radioLink_->transfer();
    std::optional<TransferDirection> running;
    if (transfer.running()) running = transfer.direction();
    if (!documents_->mayQuit(running)) return false;
    // The transfer may have ended while a question was open; then there is nothing to stop.
    transfer.stop();
    return true;
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
    const EditorSession& session = model_->state().session;
    WriteParameterFile(
        path, MakeParameterBytes(session.editingLock, session.portNumber, session.language));
}

} // namespace tlv
