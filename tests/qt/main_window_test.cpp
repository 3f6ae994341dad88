// The main window driven through its widgets, with a scripted message box and a fixed clock.
#include "RecordingMainWindow.h"
#include "WindowFixture.h"
#include "dialogs/gui/KeysDialog.h"
#include "editor/EditorOps.h"
#include "editor/gui/ApplicationIdentity.h"
#include "editor/gui/DropDownComboBox.h"
#include "editor/gui/MainWindow.h"
#include "localisation/gui/QtMessageBox.h"

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

using test::RecordingMainWindow;

using Fixture = test::WindowServices;

QString cellText(const MainWindow& form, int row, int column) {
    return form.channelTable->item(row, column)->text();
}

QColor cellColour(const MainWindow& form, int row, int column) {
    return form.channelTable->item(row, column)->background().color();
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
    MainWindow form(f.state, f.services);
    const QColor shade(192, 192, 255);
    for (int row = 1; row <= 16; ++row) {
        QCOMPARE(cellText(form, row, 0), QString::asprintf("%02d", row));
        for (int column = 0; column < kTableCols; ++column) {
            QVERIFY(column == 0 || cellText(form, row, column).isEmpty());
            QCOMPARE(cellColour(form, row, column) == shade, row % 2 == 0);
        }
    }
    QCOMPARE(cellColour(form, 0, 4), form.palette().color(QPalette::Button));
    QCOMPARE(cellColour(form, 3, 0), form.palette().color(QPalette::Button));
    // Fixed cells cannot be selected; channel cells can, but are edited by their own editors.
    QVERIFY(!(form.channelTable->item(0, 3)->flags() & Qt::ItemIsSelectable));
    QVERIFY(!(form.channelTable->item(5, 0)->flags() & Qt::ItemIsSelectable));
    QVERIFY(form.channelTable->item(5, 3)->flags() & Qt::ItemIsSelectable);
    QVERIFY(!(form.channelTable->item(5, 3)->flags() & Qt::ItemIsEditable));
}

void MainWindowTest::startupHidesTransferControlsAndServiceButton() {
    Fixture f;
    MainWindow form(f.state, f.services);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY(!form.transferProgress->isVisible());
    QCOMPARE(form.transferProgress->minimum(), 0);
    QCOMPARE(form.transferProgress->maximum(), 460);
    QVERIFY(!form.transferStatus->isVisible());
    QVERIFY(form.rightsLine->isVisible());
    QVERIFY(!form.toolbarButton(ToolbarButton::Service)->isVisible());
    QVERIFY(form.channelTable->isEnabled());
    QVERIFY(form.bandFrame->isEnabled());
    QCOMPARE(f.state.serviceMode, 0);
}

void MainWindowTest::everyMenuItemWithItsShortcut() {
    Fixture f;
    MainWindow form(f.state, f.services);
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
          "mnutestfre"}},
        {"mnuset", {"mnulock", "mnucom", "mnuLanguage"}},
        {"mnuLanguage", {"mnuChineseJ", "mnuChineseF", "mnuEnglish"}},
        {"mnuhelp", {"mnumainhelp", "mnumanual", "mnuBackupFolder", "mnuabout"}},
    };
    for (const Item& menu : menus) {
        auto* qmenu = form.findChild<QMenu*>(menu.menu);
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
    QCOMPARE(form.readAction->shortcut(), QKeySequence("Ctrl+R"));
    QCOMPARE(form.writeAction->shortcut(), QKeySequence("Ctrl+W"));
    QCOMPARE(form.helpTopicsAction->shortcut(), QKeySequence("F1"));
    QVERIFY(form.lockAction->isCheckable());
    QVERIFY(!form.lockAction->isChecked());
    QCOMPARE(form.fileMenu->title(), QString("文件(&F)"));
    QCOMPARE(form.menuBar()->actions().size(), 5);
    QCOMPARE(form.undoAction->shortcut(), QKeySequence(QKeySequence::Undo));
    QCOMPARE(form.moveUpAction->shortcut(), QKeySequence("Ctrl+Up"));
    QVERIFY(!form.findChild<QObject*>("mnuchannel"));
}

void MainWindowTest::toolbarButtonsInOrder() {
    Fixture f;
    MainWindow form(f.state, f.services);
    const QStringList keys{"new", "open", "save", "", "read", "write", "TAnMa"};
    const QStringList tips{"新建", "打开", "保存", "", "读频", "写频", ""};
    QCOMPARE(form.mainToolbar->actions().size(), 7);
    for (int n = 1; n <= 7; ++n) {
        QAction* button = form.toolbarButton(ToolbarButton(n));
        QCOMPARE(form.mainToolbar->actions()[n - 1], button);
        QCOMPARE(button->isSeparator(), n == 4);
        QCOMPARE(button->data().toString(), keys[n - 1]);
        // The tooltip names the button as its caption does, then says what it does.
        QCOMPARE(button->toolTip().section(QStringLiteral("："), 0, 0), tips[n - 1]);
        if (n != 4) QVERIFY2(!button->icon().isNull(), qPrintable(keys[n - 1]));
    }
    QVERIFY(!form.toolbarButton(ToolbarButton::Service)->icon().pixmap(24, 24).isNull());
}

void MainWindowTest::panelListsAndTheStateFollowEachOther() {
    Fixture f;
    MainWindow form(f.state, f.services);
    QCOMPARE(form.bandList->currentText(), QString("400-470MHz"));
    QCOMPARE(form.squelchList->currentIndex(), 5);
    form.squelchList->setCurrentIndex(8);
    form.timeOutList->setCurrentIndex(39);
    form.timeOutWarningList->setCurrentIndex(10);
    QCOMPARE(f.state.squelchLevel, 8);
    QCOMPARE(f.state.timeOutTimer, 39);
    QCOMPARE(f.state.timeOutWarning, 10);
    // A decoded or opened editor shows in the lists.
    f.state.voicePrompt = 2;
    f.state.beep = 0;
    f.state.batterySave = 0;
    f.state.currentBand = 5;
    form.refreshFromState();
    QCOMPARE(form.voicePromptList->currentIndex(), 2);
    QCOMPARE(form.beepList->currentIndex(), 0);
    QCOMPARE(form.batterySaveList->currentIndex(), 0);
    QCOMPARE(form.bandList->currentIndex(), 5);
    // Opening the band list remembers the band a new pick is compared with.
    f.state.previousBand = 3;
    form.bandList->showPopup();
    QCOMPARE(f.state.previousBand, 5);
    form.bandList->hidePopup();
}

// (What clearing and relabelling do to the state is tested in the core.)
void MainWindowTest::refreshRendersEveryCellAndKeepsTheStripes() {
    Fixture f;
    MainWindow form(f.state, f.services);
    f.state.table.at(2, 1) = "438.12500";
    f.state.table.at(4, 3) = "439.00000";
    form.refreshFromState();
    QCOMPARE(cellText(form, 2, 1), QString("438.12500"));
    QCOMPARE(cellText(form, 4, 3), QString("439.00000"));
    ClearAllChannels(f.state);
    form.refreshFromState();
    QVERIFY(cellText(form, 2, 1).isEmpty());
    QVERIFY(cellText(form, 4, 3).isEmpty());
    QCOMPARE(cellText(form, 4, 0), QString("04"));
    QCOMPARE(cellColour(form, 4, 3), QColor(192, 192, 255));
}

void MainWindowTest::toolbarButtonsAndMenusReachTheCommands() {
    Fixture f;
    RecordingMainWindow form(f.state, f.services);
    for (int n : {1, 2, 3, 5, 6})
        form.toolbarButton(ToolbarButton(n))->trigger();
    QCOMPARE(form.ran, QStringList({"new", "open", "save", "read", "write"}));
    form.ran.clear();
    for (QAction* item :
         {form.newAction, form.openAction, form.saveAction, form.readAction, form.writeAction})
        item->trigger();
    QCOMPARE(form.ran, QStringList({"new", "open", "save", "read", "write"}));
}

void MainWindowTest::lockToggleDisablesOnlyTableAndFrames() {
    Fixture f;
    MainWindow form(f.state, f.services);
    form.lockAction->trigger();
    QVERIFY(f.state.editingLock);
    QVERIFY(form.lockAction->isChecked());
    QVERIFY(!form.channelTable->isEnabled());
    QVERIFY(!form.bandFrame->isEnabled());
    QVERIFY(!form.functionPanel->isEnabled());
    QVERIFY(!form.bandList->isEnabled());
    QVERIFY(!form.beepList->isEnabled());
    QVERIFY(form.mainToolbar->isEnabled());
    QVERIFY(form.programmingMenu->isEnabled());
    QVERIFY(form.openAction->isEnabled());
    // Decoding while locked still fills the table.
    f.state.table.at(1, 1) = "446.00625";
    form.refreshFromState();
    QCOMPARE(cellText(form, 1, 1), QString("446.00625"));
    QVERIFY(!form.channelTable->isEnabled());

    form.lockAction->trigger();
    QVERIFY(!f.state.editingLock);
    QVERIFY(!form.lockAction->isChecked());
    QVERIFY(form.channelTable->isEnabled());
    QVERIFY(form.bandFrame->isEnabled());
    QVERIFY(form.functionPanel->isEnabled());
    // A lock in the state shows at the next refresh.
    f.state.editingLock = true;
    form.refreshFromState();
    QVERIFY(form.lockAction->isChecked());
    QVERIFY(!form.functionPanel->isEnabled());
}

void MainWindowTest::closingEndsWithTheDialogs() {
    Fixture f;
    MainWindow form(f.state, f.services);
    form.show();
    QSignalSpy unloaded(&form, &MainWindow::unloaded);
    auto* dialog = new QDialog(&form);
    dialog->show();
    QVERIFY(dialog->isVisible());
    form.quitAction->trigger();
    QVERIFY(!form.isVisible());
    QVERIFY(!dialog->isVisible());
    QCOMPARE(unloaded.count(), 1);
    QVERIFY(f.box.shown.empty()); // nothing is asked

    // The close box does the same, with the editing lock on.
    Fixture g;
    MainWindow locked(g.state, g.services);
    QSignalSpy lockedUnloaded(&locked, &MainWindow::unloaded);
    locked.lockAction->trigger();
    locked.show();
    QVERIFY(locked.close());
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
    int language = 0;
    QtMessageBox service([&language] { return language; });
    for (const Case& c : cases) {
        language = c.language;
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
    for (QWidget* window : std::initializer_list<QWidget*>{&form, form.keysDialog}) {
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
