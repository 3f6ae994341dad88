// SPDX-License-Identifier: GPL-3.0-or-later
// The main window driven through its widgets, with a scripted message box and a fixed clock.
#include "WindowFixture.h"
#include "editor/EditorOps.h"
#include "window/dialogs/KeysDialog.h"
#include "window/language/QtMessageBox.h"
#include "window/main/ApplicationIdentity.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

using namespace tlv;

namespace {

using Fixture = test::Window;

QString cellText(const Fixture& f, int row, int column) {
    return f.ui.table->item(row, column)->text();
}

QColor cellColour(const Fixture& f, int row, int column) {
    return f.ui.table->item(row, column)->background().color();
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void startupShowsNumberedEmptyStripedChannels();
    void startupHidesTransferControlsAndServiceButton();
    void everyMenuItemWithItsShortcut();
    void toolbarButtonsInOrder();
    void panelListsAndTheStateFollowEachOther();
    void refreshRendersEveryCellAndKeepsTheStripes();
    void toolbarButtonsAndMenusReachTheCommands();
    void lockToggleDisablesOnlyTableAndFrames();
    void closingEndsWithTheDialogs();
    void messageBoxesFollowTheirFlagsAndTheLanguage();
    void windowsCarryTheDesktopIdentity();
};

void MainWindowTest::startupShowsNumberedEmptyStripedChannels() {
    Fixture f;
    const QColor shade(192, 192, 255);
    for (int row = 1; row <= 16; ++row) {
        QCOMPARE(cellText(f, row, 0), QString::asprintf("%02d", row));
        for (int column = 0; column < kTableCols; ++column) {
            QVERIFY(column == 0 || cellText(f, row, column).isEmpty());
            QCOMPARE(cellColour(f, row, column) == shade, row % 2 == 0);
        }
    }
    QCOMPARE(cellColour(f, 0, 4), f.form.palette().color(QPalette::Button));
    QCOMPARE(cellColour(f, 3, 0), f.form.palette().color(QPalette::Button));
    // Fixed cells cannot be selected; channel cells can, but are edited by their own editors.
    QVERIFY(!(f.ui.table->item(0, 3)->flags() & Qt::ItemIsSelectable));
    QVERIFY(!(f.ui.table->item(5, 0)->flags() & Qt::ItemIsSelectable));
    QVERIFY(f.ui.table->item(5, 3)->flags() & Qt::ItemIsSelectable);
    QVERIFY(!(f.ui.table->item(5, 3)->flags() & Qt::ItemIsEditable));
}

void MainWindowTest::startupHidesTransferControlsAndServiceButton() {
    Fixture f;
    f.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.form));
    QVERIFY(!f.ui.transferProgress->isVisible());
    QCOMPARE(f.ui.transferProgress->minimum(), 0);
    QCOMPARE(f.ui.transferProgress->maximum(), 460);
    QVERIFY(!f.ui.transferStatus->isVisible());
    QVERIFY(f.ui.rightsLine->isVisible());
    QVERIFY(!f.ui.toolbarButton(ToolbarButton::Service)->isVisible());
    QVERIFY(f.ui.table->isEnabled());
    QVERIFY(f.ui.bandFrame->isEnabled());
    QVERIFY(!f.state.session.serviceMode);
}

void MainWindowTest::everyMenuItemWithItsShortcut() {
    Fixture f;
    struct Item {
        const char* menu;
        QList<const char*> items;
    };
    const QList<Item> menus{
        {"mnuFile",
         {"mnuNew", "mnuOpen", "mnuAssave", nullptr, "mnuImport", "mnuExport", nullptr, "mnuPrint",
          "mnuPdf", nullptr, "mnuQuit"}},
        {"mnuEdit",
         {"mnuUndo", "mnuRedo", nullptr, "mnuCut", "mnuCopy", "mnuPaste", nullptr, "mnuSelectAll",
          "mnuDelete", "mnuInsert", "mnuMoveUp", "mnuMoveDown"}},
        {"mnupro",
         {"mnureadFre", "mnuwriteFre", nullptr, "mnudtmf", "Key_enactment", "mnusetin", "mnudebug",
          "mnutestfre", nullptr, "productionLineAction"}},
        {"mnuset", {"mnulock", "mnucom", "mnuLanguage"}},
        {"mnuLanguage", {"mnuChineseJ", "mnuChineseF", "mnuEnglish"}},
        {"mnuhelp", {"mnumainhelp", "mnumanual", "mnuBackupFolder", "mnuabout"}},
    };
    for (const Item& menu : menus) {
        auto* qmenu = f.form.findChild<QMenu*>(menu.menu);
        QVERIFY2(qmenu, menu.menu);
        const QList<QAction*> actions = qmenu->actions();
        QCOMPARE(actions.size(), menu.items.size());
        for (int i = 0; i < actions.size(); ++i) {
            if (menu.items[i] == nullptr) {
                QVERIFY(actions[i]->isSeparator());
                continue;
            }
            const QString name = QString::fromLatin1(menu.items[i]);
            const QString actual =
                actions[i]->menu() ? actions[i]->menu()->objectName() : actions[i]->objectName();
            QCOMPARE(actual, name);
            // A hidden item counts as disabled; F1 still reaches the help command.
            QCOMPARE(actions[i]->isVisible(), name != "mnumainhelp");
            // Nothing to undo or redo yet.
            QCOMPARE(actions[i]->isEnabled(),
                     name != "mnumainhelp" && name != "mnuUndo" && name != "mnuRedo");
        }
    }
    QCOMPARE(f.ui.readAction->shortcut(), QKeySequence("Ctrl+R"));
    QCOMPARE(f.ui.writeAction->shortcut(), QKeySequence("Ctrl+W"));
    QCOMPARE(f.ui.helpTopicsAction->shortcut(), QKeySequence("F1"));
    QVERIFY(f.ui.lockAction->isCheckable());
    QVERIFY(!f.ui.lockAction->isChecked());
    QCOMPARE(f.ui.fileMenu->title(), QString("文件(&F)"));
    QCOMPARE(f.form.menuBar()->actions().size(), 5);
    QCOMPARE(f.ui.undoAction->shortcut(), QKeySequence(QKeySequence::Undo));
    QCOMPARE(f.ui.moveUpAction->shortcut(), QKeySequence("Ctrl+Up"));
    QVERIFY(!f.form.findChild<QObject*>("mnuchannel"));
}

void MainWindowTest::toolbarButtonsInOrder() {
    Fixture f;
    const QStringList keys{"new", "open", "save", "", "read", "write", "TAnMa"};
    const QStringList tips{"新建", "打开", "保存", "", "读频", "写频", ""};
    QCOMPARE(f.ui.toolbar->actions().size(), 7);
    for (int n = 1; n <= 7; ++n) {
        QAction* button = f.ui.toolbarButton(ToolbarButton(n));
        QCOMPARE(f.ui.toolbar->actions()[n - 1], button);
        QCOMPARE(button->isSeparator(), n == 4);
        QCOMPARE(button->data().toString(), keys[n - 1]);
        // The tooltip names the button as its caption does, then says what it does.
        QCOMPARE(button->toolTip().section(QStringLiteral("："), 0, 0), tips[n - 1]);
        if (n != 4) QVERIFY2(!button->icon().isNull(), qPrintable(keys[n - 1]));
    }
    QVERIFY(!f.ui.toolbarButton(ToolbarButton::Service)->icon().pixmap(24, 24).isNull());
}

void MainWindowTest::panelListsAndTheStateFollowEachOther() {
    Fixture f;
    QCOMPARE(f.ui.bandList->currentText(), QString("400-470MHz"));
    QCOMPARE(f.ui.squelchList->currentIndex(), 5);
    f.ui.squelchList->setCurrentIndex(8);
    f.ui.timeOutList->setCurrentIndex(39);
    f.ui.timeOutWarningList->setCurrentIndex(10);
    FunctionSettings& functions = f.state.radio().functions;
    QCOMPARE(functions.squelchLevel, 8);
    QCOMPARE(functions.timeOutTimer, 39);
    QCOMPARE(functions.timeOutWarning, 10);
    // A decoded or opened editor shows in the lists.
    functions.voicePrompt = 2;
    functions.beep = 0;
    functions.batterySave = 0;
    f.state.radio().band = 5;
    f.ui.model.refresh();
    QCOMPARE(f.ui.voicePromptList->currentIndex(), 2);
    QCOMPARE(f.ui.beepList->currentIndex(), 0);
    QCOMPARE(f.ui.batterySaveList->currentIndex(), 0);
    QCOMPARE(f.ui.bandList->currentIndex(), 5);
    // Opening the band list remembers the band a new pick is compared with.
    f.state.bandBeforeChange = 3;
    f.ui.bandList->showPopup();
    QCOMPARE(f.state.bandBeforeChange, 5);
    f.ui.bandList->hidePopup();
}

// (What clearing does to the state and what each cell shows are tested in the core.)
void MainWindowTest::refreshRendersEveryCellAndKeepsTheStripes() {
    Fixture f;
    f.state.radio().channel(2).rx = Frequency{43812500};
    f.state.radio().channel(4).rx = f.state.radio().channel(4).tx = Frequency{43900000};
    f.ui.model.refresh();
    QCOMPARE(cellText(f, 2, 1), QString("438.12500"));
    QCOMPARE(cellText(f, 4, 3), QString("439.00000"));
    ClearAllChannels(f.state);
    f.ui.model.refresh();
    QVERIFY(cellText(f, 2, 1).isEmpty());
    QVERIFY(cellText(f, 4, 3).isEmpty());
    QCOMPARE(cellText(f, 4, 0), QString("04"));
    QCOMPARE(cellColour(f, 4, 3), QColor(192, 192, 255));
}

// Each command shows what it shows first: New its question, Open and Save their file dialogs
// (cancelled), Read and Write the message that no port is open.
void MainWindowTest::toolbarButtonsAndMenusReachTheCommands() {
    for (bool toolbar : {true, false}) {
        test::PortlessWindow f;
        f.box.fallback = IdCancel;
        const QList<QAction*> commands =
            toolbar ? QList<QAction*>{f.ui.toolbarButton(ToolbarButton::New),
                                      f.ui.toolbarButton(ToolbarButton::Open),
                                      f.ui.toolbarButton(ToolbarButton::Save),
                                      f.ui.toolbarButton(ToolbarButton::Read),
                                      f.ui.toolbarButton(ToolbarButton::Write)}
                    : QList<QAction*>{f.ui.newAction, f.ui.openAction, f.ui.saveAction,
                                      f.ui.readAction, f.ui.writeAction};
        for (QAction* command : commands)
            command->trigger();
        QCOMPARE(f.dialogs.opensShown, 1);
        QCOMPARE(f.dialogs.savesShown, 1);
        QStringList shown;
        for (const test::ShownMessage& message : f.box.shown)
            shown << QString::fromStdString(message.text);
        QCOMPARE(shown, QStringList({msg::NewConfirm.text.zh, msg::PortNotOpen.text.zh,
                                     msg::PortNotOpen.text.zh}));
    }
}

void MainWindowTest::lockToggleDisablesOnlyTableAndFrames() {
    Fixture f;
    f.ui.lockAction->trigger();
    QVERIFY(f.state.session.editingLock);
    QVERIFY(f.ui.lockAction->isChecked());
    QVERIFY(!f.ui.table->isEnabled());
    QVERIFY(!f.ui.bandFrame->isEnabled());
    QVERIFY(!f.ui.functionPanel->isEnabled());
    QVERIFY(!f.ui.bandList->isEnabled());
    QVERIFY(!f.ui.beepList->isEnabled());
    QVERIFY(f.ui.toolbar->isEnabled());
    QVERIFY(f.ui.programmingMenu->isEnabled());
    QVERIFY(f.ui.openAction->isEnabled());
    // Decoding while locked still fills the table.
    f.state.radio().channel(1).rx = Frequency{44600625};
    f.ui.model.refresh();
    QCOMPARE(cellText(f, 1, 1), QString("446.00625"));
    QVERIFY(!f.ui.table->isEnabled());

    f.ui.lockAction->trigger();
    QVERIFY(!f.state.session.editingLock);
    QVERIFY(!f.ui.lockAction->isChecked());
    QVERIFY(f.ui.table->isEnabled());
    QVERIFY(f.ui.bandFrame->isEnabled());
    QVERIFY(f.ui.functionPanel->isEnabled());
    // A lock in the state shows at the next refresh.
    f.state.session.editingLock = true;
    f.ui.model.refresh();
    QVERIFY(f.ui.lockAction->isChecked());
    QVERIFY(!f.ui.functionPanel->isEnabled());
}

void MainWindowTest::closingEndsWithTheDialogs() {
    Fixture f;
    f.form.show();
    QSignalSpy unloaded(&f.form, &MainWindow::unloaded);
    auto* dialog = new QDialog(&f.form);
    dialog->show();
    QVERIFY(dialog->isVisible());
    f.ui.quitAction->trigger();
    QVERIFY(!f.form.isVisible());
    QVERIFY(!dialog->isVisible());
    QCOMPARE(unloaded.count(), 1);
    QVERIFY(f.box.shown.empty()); // nothing is asked

    // The close box does the same, with the editing lock on.
    Fixture g;
    QSignalSpy lockedUnloaded(&g.form, &MainWindow::unloaded);
    g.ui.lockAction->trigger();
    g.form.show();
    QVERIFY(g.form.close());
    QCOMPARE(lockedUnloaded.count(), 1);
    QVERIFY(g.box.shown.empty());
}

// The Qt message box for each set of flags in use: buttons in the language in force, icon,
// default button, the item id each button and Escape give back.
void MainWindowTest::messageBoxesFollowTheirFlagsAndTheLanguage() {
    struct Case {
        int flags, language;
        QStringList texts; // in the order of the ids
        QList<int> ids;
        QMessageBox::Icon icon;
        int defaultId, escapeId;
    };
    const int saveChanges = mb::SaveDiscardCancel | mb::IconQuestion;
    const QList<Case> cases{
        {0, 2, {"確定"}, {IdOk}, QMessageBox::NoIcon, IdOk, IdOk},
        {16, 1, {"OK"}, {IdOk}, QMessageBox::Critical, IdOk, IdOk},
        {64, 0, {"确定"}, {IdOk}, QMessageBox::Information, IdOk, IdOk},
        {36, 1, {"Yes", "No"}, {IdYes, IdNo}, QMessageBox::Question, IdYes, IdNo},
        {36, 0, {"是", "否"}, {IdYes, IdNo}, QMessageBox::Question, IdYes, IdNo},
        {68, 2, {"是", "否"}, {IdYes, IdNo}, QMessageBox::Information, IdYes, IdNo},
        {305, 0, {"确定", "取消"}, {IdOk, IdCancel}, QMessageBox::Warning, IdCancel, IdCancel},
        {305, 2, {"確定", "取消"}, {IdOk, IdCancel}, QMessageBox::Warning, IdCancel, IdCancel},
        {4385, 1, {"OK", "Cancel"}, {IdOk, IdCancel}, QMessageBox::Question, IdCancel, IdCancel},
        {saveChanges,
         1,
         {"Save", "Discard", "Cancel"},
         {IdSave, IdDiscard, IdCancel},
         QMessageBox::Question,
         IdSave,
         IdCancel},
        {saveChanges,
         0,
         {"保存", "不保存", "取消"},
         {IdSave, IdDiscard, IdCancel},
         QMessageBox::Question,
         IdSave,
         IdCancel},
    };
    Language language = Language::Simplified;
    QtMessageBox service([&language] { return language; });
    for (const Case& c : cases) {
        language = *LanguageOfCode(c.language);
        const QString at = QStringLiteral("flags %1, language %2").arg(c.flags).arg(c.language);
        auto box = service.buildBox("text", c.flags, "");
        QCOMPARE(box->windowTitle(), QString("TLV6200"));
        QVERIFY2(box->icon() == c.icon, qPrintable(at));
        QCOMPARE(box->buttons().size(), c.texts.size());
        for (QAbstractButton* button : box->buttons()) {
            const int id = QtMessageBox::resultOf(*box, button);
            QVERIFY2(c.ids.contains(id), qPrintable(at));
            QCOMPARE(button->text(), c.texts[c.ids.indexOf(id)]);
            QCOMPARE(box->defaultButton() == button, id == c.defaultId);
        }
        QVERIFY2(QtMessageBox::resultOf(*box, nullptr) == c.escapeId, qPrintable(at));
    }
    auto titled = service.buildBox("text", 4385, "注意！");
    QCOMPARE(titled->windowTitle(), QString("注意！"));
    QVERIFY(titled->windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(titled->windowModality(), Qt::ApplicationModal);

    // The shown box answers with the pressed button's id.
    QTimer presser;
    connect(&presser, &QTimer::timeout, [&presser] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(window);
            if (box && box->isVisible()) {
                presser.stop();
                box->button(QMessageBox::No)->click();
            }
        }
    });
    presser.start(10);
    QCOMPARE(service.LocalMsgBox("Question?", 36, ""), int(IdNo));
}

// The icon of the desktop entry on every window, and the app id naming the desktop entry that
// is installed (on Wayland the desktop finds the icon and the name through it).
void MainWindowTest::windowsCarryTheDesktopIdentity() {
    SetApplicationIdentity();
    EditorState state;
    test::ScriptedMessageBox box;
    AppServices services{&box};
    MainWindow form(state, services);
    // The icon comes right after the window's first paint, as the program sets it.
    SetApplicationIcon(&form);
    QVERIFY(form.windowIcon().pixmap(48, 48).isNull());
    form.show();
    QTRY_VERIFY(!form.windowIcon().pixmap(48, 48).isNull());
    for (QWidget* window :
         std::initializer_list<QWidget*>{&form, test::OwnedWindow<KeysDialog>(form)}) {
        const QPixmap icon = window->windowIcon().pixmap(48, 48);
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.size(), QSize(48, 48));
    }
    QCOMPARE(QGuiApplication::desktopFileName(), ApplicationId());
    QVERIFY(QFile::exists(QStringLiteral(TLV_SOURCE_DIR "/packaging/") + ApplicationId() +
                          QStringLiteral(".desktop")));
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("TLV6200"));
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
