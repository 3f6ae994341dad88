// The main window driven through its widgets, with a scripted message box and a fixed clock.
#include "FixedClock.h"
#include "RecordingMainWindow.h"
#include "ScriptedMessageBox.h"
#include "dialogs/gui/KeysDialog.h"
#include "editor/EditorOps.h"
#include "editor/gui/ApplicationIdentity.h"
#include "editor/gui/DropDownComboBox.h"
#include "editor/gui/MainWindow.h"
#include "localisation/CellTexts.h"
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

struct Fixture {
    EditorState state;
    test::ScriptedMessageBox box;
    test::FixedClock clock;
    AppServices services{&box, &clock};
};

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
    void startupShowsNumberedEmptyChannels();
    void startupShadesEvenRowsAndSizesTheTable();
    void startupSelectsBandAndPanelStartValues();
    void startupHidesTransferControlsAndServiceButton();
    void everyMenuItemWithItsShortcut();
    void toolbarButtonsInOrder();
    void panelPicksReachTheState();
    void refreshRendersClearingAndRelabelling();
    void toolbarButtonsAndMenusReachTheCommands();
    void lockToggleDisablesOnlyTableAndFrames();
    void lockFromStateAtRefresh();
    void serviceButtonSwitchOffTiming();
    void tableColumnsGrowWithTheWindow();
    void closingEndsWithTheDialogs();
    void messageBoxButtonsFollowTheLanguage();
    void messageBoxTitleIconAndDefault();
    void messageBoxReturnsItemIds();
    void windowsCarryTheDesktopIdentity();
};

void MainWindowTest::startupShowsNumberedEmptyChannels() {
    Fixture f;
    MainWindow form(f.state, f.services);
    const QStringList headers{"信道", "接收频率", "亚音频",   "发射频率", "亚音频",
                              "功率", "禁发",     "宽\\窄带", "扫描添加"};
    for (int column = 0; column < kTableCols; ++column)
        QCOMPARE(cellText(form, 0, column), headers[column]);
    for (int row = 1; row <= 16; ++row) {
        QCOMPARE(cellText(form, row, 0), QString::asprintf("%02d", row));
        for (int column = 1; column < kTableCols; ++column)
            QVERIFY2(cellText(form, row, column).isEmpty(), qPrintable(QString::number(row)));
    }
    QCOMPARE(form.channelTable->rowCount(), 17);
    QCOMPARE(form.channelTable->columnCount(), 9);
    // Fixed cells cannot be selected; channel cells can.
    QVERIFY(!(form.channelTable->item(0, 3)->flags() & Qt::ItemIsSelectable));
    QVERIFY(!(form.channelTable->item(5, 0)->flags() & Qt::ItemIsSelectable));
    QVERIFY(form.channelTable->item(5, 3)->flags() & Qt::ItemIsSelectable);
    QVERIFY(!(form.channelTable->item(5, 3)->flags() & Qt::ItemIsEditable));
}

void MainWindowTest::startupShadesEvenRowsAndSizesTheTable() {
    Fixture f;
    MainWindow form(f.state, f.services);
    const QColor shade(192, 192, 255);
    for (int row = 1; row <= 16; ++row)
        for (int column = 0; column < kTableCols; ++column)
            QCOMPARE(cellColour(form, row, column) == shade, row % 2 == 0);
    QCOMPARE(cellColour(form, 0, 4), form.palette().color(QPalette::Button));
    QCOMPARE(cellColour(form, 3, 0), form.palette().color(QPalette::Button));

    const int widths[kTableCols]{33, 89, 67, 89, 67, 53, 57, 67, 60};
    for (int column = 0; column < kTableCols; ++column)
        QCOMPARE(form.channelTable->columnWidth(column), widths[column]);
    for (int row = 1; row <= 16; ++row)
        QCOMPARE(form.channelTable->rowHeight(row), 20);
    for (int column = 0; column < kTableCols; ++column)
        QCOMPARE(form.channelTable->item(7, column)->textAlignment(), int(Qt::AlignCenter));
}

void MainWindowTest::startupSelectsBandAndPanelStartValues() {
    Fixture f;
    MainWindow form(f.state, f.services);
    QCOMPARE(form.bandList->count(), 7);
    QCOMPARE(form.bandList->currentText(), QString("400-470MHz"));
    QCOMPARE(f.state.bandLow, 400);
    QCOMPARE(f.state.bandHigh, 470);

    const std::array<QComboBox*, 6> lists{form.voicePromptList,    form.timeOutList,
                                          form.timeOutWarningList, form.squelchList,
                                          form.batterySaveList,    form.beepList};
    const std::array<int, 6> positions{1, 1, 0, 5, 1, 1};
    for (std::size_t i = 0; i < lists.size(); ++i)
        QCOMPARE(lists[i]->currentIndex(), positions[i]);
    QCOMPARE(f.state.voicePrompt, 1);
    QCOMPARE(f.state.squelchLevel, 5);

    // The time-out list is filled after the captions, with the unit " S".
    QCOMPARE(form.timeOutList->count(), 40);
    QCOMPARE(form.timeOutList->itemText(0), QString("15 S"));
    QCOMPARE(form.timeOutList->itemText(39), QString("600 S"));
    QCOMPARE(form.timeOutList->currentText(), QString("30 S"));
    QCOMPARE(form.timeOutWarningList->itemText(10), QString("10 秒"));
    QCOMPARE(form.squelchList->itemText(5), QString("5 级"));
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

void MainWindowTest::panelPicksReachTheState() {
    Fixture f;
    MainWindow form(f.state, f.services);
    form.squelchList->setCurrentIndex(8);
    form.timeOutList->setCurrentIndex(39);
    form.timeOutWarningList->setCurrentIndex(10);
    QCOMPARE(f.state.squelchLevel, 8);
    QCOMPARE(f.state.timeOutTimer, 39);
    QCOMPARE(f.state.timeOutWarning, 10);
    // Opening the band list remembers the band a new pick is compared with.
    f.state.previousBand = 3;
    form.bandList->showPopup();
    QCOMPARE(f.state.previousBand, 0);
    form.bandList->hidePopup();
}

void MainWindowTest::refreshRendersClearingAndRelabelling() {
    Fixture f;
    MainWindow form(f.state, f.services);
    auto& table = f.state.table;
    table.at(2, 1) = "438.12500";
    table.at(2, 2) = "D023N";
    table.at(2, 4) = "关闭";
    table.at(2, 5) = "高";
    f.state.optionIndex.at(2, 5) = 1;
    table.at(4, 3) = "439.00000"; // receive frequency empty: not in use
    form.refreshFromState();
    QCOMPARE(cellText(form, 2, 1), QString("438.12500"));

    f.state.languageState = 1;
    SetCellListTexts(f.state.lists, 1);
    RelabelChannels(f.state);
    form.refreshFromState();
    QCOMPARE(cellText(form, 2, 2), QString("D023N"));
    QCOMPARE(cellText(form, 2, 4), QString("Off"));
    QCOMPARE(cellText(form, 2, 5), QString("Hight"));

    ClearChannelsInUse(f.state);
    form.refreshFromState();
    QVERIFY(cellText(form, 2, 1).isEmpty());
    QVERIFY(cellText(form, 2, 5).isEmpty());
    QCOMPARE(f.state.optionIndex.at(2, 5), int16_t(1));
    QCOMPARE(cellText(form, 4, 3), QString("439.00000"));
    QCOMPARE(cellText(form, 4, 0), QString("04"));

    ClearChannel(f.state, 4);
    form.refreshFromState();
    QVERIFY(cellText(form, 4, 3).isEmpty());
    QCOMPARE(cellText(form, 4, 0), QString("04"));
    // Shading survives every refresh.
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
}

void MainWindowTest::lockFromStateAtRefresh() {
    Fixture f;
    MainWindow form(f.state, f.services);
    f.state.editingLock = true;
    form.refreshFromState();
    QVERIFY(form.lockAction->isChecked());
    QVERIFY(!form.channelTable->isEnabled());
    QVERIFY(!form.functionPanel->isEnabled());
}

void MainWindowTest::serviceButtonSwitchOffTiming() {
    Fixture f;
    MainWindow form(f.state, f.services);
    QSignalSpy switchedOff(&form, &MainWindow::serviceModeSwitchedOff);
    form.serviceModeOn();
    QAction* serviceButton = form.toolbarButton(ToolbarButton::Service);
    QVERIFY(serviceButton->isVisible());
    QCOMPARE(f.state.serviceMode, 1);
    QVERIFY(f.state.powerLevels.slidersEnabled);

    f.clock.now = 50000.2;
    serviceButton->trigger();
    QCOMPARE(f.state.serviceMode, 1);
    QVERIFY(serviceButton->isVisible());
    f.clock.now = 50003.2; // three seconds later: the timing starts again
    serviceButton->trigger();
    QCOMPARE(f.state.serviceMode, 1);
    QVERIFY(serviceButton->isVisible());
    QCOMPARE(switchedOff.count(), 0);
    f.clock.now = 50003.6; // 0.4 s later: off
    serviceButton->trigger();
    QCOMPARE(f.state.serviceMode, 0);
    QVERIFY(!f.state.powerLevels.slidersEnabled);
    QVERIFY(!serviceButton->isVisible());
    QCOMPARE(switchedOff.count(), 1);
}

void MainWindowTest::tableColumnsGrowWithTheWindow() {
    Fixture f;
    MainWindow form(f.state, f.services);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QSize designed = form.size();
    QVERIFY(designed.width() >= 800);
    const int gridWidth = form.channelTable->width();
    form.resize(designed.width() + 300, designed.height() + 100);
    QTRY_VERIFY(form.channelTable->width() > gridWidth);
    int total = 0;
    for (int column = 0; column < kTableCols; ++column)
        total += form.channelTable->columnWidth(column);
    QCOMPARE(total, form.channelTable->viewport()->width());
    QVERIFY(form.channelTable->columnWidth(1) > 89);
    QCOMPARE(form.channelTable->rowHeight(5), 20);
    // The panels keep their size next to the table.
    QVERIFY(form.functionPanel->geometry().left() > form.channelTable->geometry().right());
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

void MainWindowTest::messageBoxButtonsFollowTheLanguage() {
    int language = 1;
    QtMessageBox service([&language] { return language; });
    struct Case {
        int language;
        int flags;
        QStringList texts;
    };
    const QList<Case> cases{
        {1, 36, {"Yes", "No"}},     {0, 36, {"是", "否"}},       {2, 305, {"確定", "取消"}},
        {0, 305, {"确定", "取消"}}, {1, 4385, {"OK", "Cancel"}}, {2, 68, {"是", "否"}},
        {2, 0, {"確定"}},
    };
    for (const Case& c : cases) {
        language = c.language;
        auto box = service.buildBox("text", c.flags, "");
        const QList<QAbstractButton*> buttons = box->buttons();
        QStringList texts;
        for (QAbstractButton* button : buttons)
            texts << button->text();
        texts.sort();
        QStringList expected = c.texts;
        expected.sort();
        QCOMPARE(texts, expected);
    }
}

void MainWindowTest::messageBoxTitleIconAndDefault() {
    QtMessageBox service([] { return 0; });
    auto untitled = service.buildBox("所有信道的数据将被清除！", 305, "");
    QCOMPARE(untitled->windowTitle(), QString("TLV6200"));
    QCOMPARE(untitled->text(), QString("所有信道的数据将被清除！"));
    QCOMPARE(untitled->icon(), QMessageBox::Warning);
    QCOMPARE(untitled->defaultButton(), untitled->button(QMessageBox::Cancel));

    auto titled = service.buildBox("text", 4385, "注意！");
    QCOMPARE(titled->windowTitle(), QString("注意！"));
    QCOMPARE(titled->icon(), QMessageBox::Question);
    QCOMPARE(titled->defaultButton(), titled->button(QMessageBox::Cancel));
    QVERIFY(titled->windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(titled->windowModality(), Qt::ApplicationModal);

    QCOMPARE(service.buildBox("t", 16, "")->icon(), QMessageBox::Critical);
    QCOMPARE(service.buildBox("t", 64, "")->icon(), QMessageBox::Information);
    QCOMPARE(service.buildBox("t", 0, "")->icon(), QMessageBox::NoIcon);
    auto question = service.buildBox("t", 36, "");
    QCOMPARE(question->defaultButton(), question->button(QMessageBox::Yes));
}

void MainWindowTest::messageBoxReturnsItemIds() {
    for (int language : {0, 1, 2}) {
        QtMessageBox service([language] { return language; });
        auto okCancel = service.buildBox("t", 305, "");
        QCOMPARE(QtMessageBox::resultOf(*okCancel, okCancel->button(QMessageBox::Cancel)), 2);
        QCOMPARE(QtMessageBox::resultOf(*okCancel, okCancel->button(QMessageBox::Ok)), 1);
        QCOMPARE(QtMessageBox::resultOf(*okCancel, nullptr), 2); // Escape or close box
        auto yesNo = service.buildBox("t", 68, "");
        QCOMPARE(QtMessageBox::resultOf(*yesNo, yesNo->button(QMessageBox::No)), 7);
        QCOMPARE(QtMessageBox::resultOf(*yesNo, yesNo->button(QMessageBox::Yes)), 6);
        QCOMPARE(QtMessageBox::resultOf(*yesNo, nullptr), 7);
        auto saveChanges = service.buildBox("t", mb::SaveDiscardCancel | mb::IconQuestion, "");
        QCOMPARE(saveChanges->defaultButton(), saveChanges->button(QMessageBox::Save));
        QCOMPARE(QtMessageBox::resultOf(*saveChanges, saveChanges->button(QMessageBox::Save)),
                 int(IdSave));
        QCOMPARE(QtMessageBox::resultOf(*saveChanges, saveChanges->button(QMessageBox::Discard)),
                 int(IdDiscard));
        QCOMPARE(QtMessageBox::resultOf(*saveChanges, nullptr), int(IdCancel));
        QCOMPARE(saveChanges->button(QMessageBox::Discard)->text(),
                 QString::fromUtf8(language == 1 ? "Discard" : "不保存"));
    }
    // The shown box answers with the pressed button's id.
    QtMessageBox service([] { return 1; });
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
    QCOMPARE(service.LocalMsgBox("Question?", 36, ""), 7);
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
