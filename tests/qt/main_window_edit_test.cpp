// SPDX-License-Identifier: GPL-3.0-or-later
// The Edit menu, the table's right-click menu and the channel card, driven with the keyboard and
// the mouse on the main window, with scripted message boxes and file dialogs and real files.
#include "TemporaryFolder.h"
#include "WindowFixture.h"
#include "image/ImageCodec.h"
#include "window/dialogs/KeysDialog.h"
#include "window/dialogs/RadioDialog.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QtTest>

using namespace tlv;

namespace {

struct Window : test::ShownWindow {
    test::TemporaryFolder folder;

    Window() { table->setFocus(); }

    QPoint centre(int row, int column) const { return cellRect(row, column).center(); }
    // A press on the channel number of `row`.
    void chooseRow(int row, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(table->viewport(), Qt::LeftButton, modifiers, centre(row, 0));
    }
    void keys(QKeySequence::StandardKey key, QWidget* to = nullptr) {
        QTest::keySequence(to ? to : table, QKeySequence(key));
    }
    // Opens a menu of the menu bar with a click and clicks one of its commands.
    void choose(QMenu* menu, QAction* command) {
        QMenuBar* bar = form.menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(menu->menuAction()).center());
        QTRY_VERIFY(menu->isVisible());
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(command).center());
    }
    // File > Import of `path` (the file dialog answers with it).
    void import(const std::string& path) {
        dialogs.openAnswers = {path};
        choose(ui.fileMenu, ui.importAction);
    }
    // File > Save to `path`, by its key.
    void save(const std::string& path) {
        dialogs.saveAnswers = {path};
        keys(QKeySequence::Save);
    }
    const Channel& channel(int row) const { return state.radio().channel(row); }
};

} // namespace

class MainWindowEditTest : public QObject {
    Q_OBJECT

  private slots:
    void undoAndRedoStepsMadeWithKeysAndMouse();
    void undoPastASaveMarksTheEditorModified();
    void rowsGoOnTheClipboardAndComeBackElsewhere();
    void aBadPasteChangesNothingAndSaysWhere();
    void rowCommandsByKeysAndByTheRightClickMenu();
    void rowCommandKeysInAnOpenDropDownLeaveTheChannel();
    void theLockOffersNothingThatChanges();
    void importOfChirpFilesMatchesTheCommandLine();
    void aBadImportChangesNothingAndExportComesBack();
    void pdfExportWritesTheChannelCard();
};

void MainWindowEditTest::undoAndRedoStepsMadeWithKeysAndMouse() {
    Window w;
    QVERIFY(!w.ui.undoAction->isEnabled());
    w.typeChannel(2, "438.125");
    QCOMPARE(w.cell(2, col::RxFrequency), QString("438.12500"));
    QVERIFY(w.ui.undoAction->isEnabled());

    // A pick in a panel list.
    w.ui.squelchList->setFocus();
    QTest::keyClick(w.ui.squelchList, Qt::Key_Down);
    QCOMPARE(w.state.radio().functions.squelchLevel, 6);
    // A band change that clears the channels (the box answers OK).
    w.ui.bandList->setFocus();
    QTest::keyClick(w.ui.bandList, Qt::Key_Down);
    QCOMPARE(w.state.radio().band, 1);
    QCOMPARE(w.cell(2, col::RxFrequency), QString());
    // A dialog's OK.
    w.ui.keysAction->trigger();
    auto* keys = test::OwnedWindow<KeysDialog>(w.form);
    QComboBox* pf2 = test::Control<QComboBox>(keys, keys_names::Pf2List);
    pf2->setFocus();
    QTest::keyClick(pf2, Qt::Key_Down);
    QTest::mouseClick(test::Control<QPushButton>(keys, radio_dialog_names::OkButton),
                      Qt::LeftButton);
    QCOMPARE(w.state.radio().keys.pf2, 1);

    w.form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w.form));
    w.table->setFocus();
    w.keys(QKeySequence::Undo);
    QCOMPARE(w.state.radio().keys.pf2, 0);
    QCOMPARE(pf2->currentIndex(), 0);
    w.keys(QKeySequence::Undo);
    QCOMPARE(w.state.radio().band, 0);
    QCOMPARE(w.ui.bandList->currentIndex(), 0);
    QCOMPARE(w.cell(2, col::RxFrequency), QString("438.12500"));
    w.keys(QKeySequence::Undo);
    QCOMPARE(w.ui.squelchList->currentIndex(), 5);
    w.keys(QKeySequence::Undo);
    QCOMPARE(w.cell(2, col::RxFrequency), QString());
    QVERIFY(!w.ui.undoAction->isEnabled());

    // Redo from the Edit menu, all the way.
    for (int step = 0; step < 4; ++step)
        w.ui.redoAction->trigger();
    QCOMPARE(w.state.radio().keys.pf2, 1);
    QCOMPARE(w.state.radio().band, 1);
    QVERIFY(!w.ui.redoAction->isEnabled());

    // New asks "Save changes?" first: Cancel changes nothing, not even the undo history;
    // Discard empties the channels, and undo brings them back.
    w.ui.bandList->setCurrentIndex(0);
    w.typeChannel(4, "440");
    const std::size_t steps = w.ui.model.history().undoSteps();
    w.box.answers = {IdCancel};
    w.ui.newAction->trigger();
    QCOMPARE(w.cell(4, col::RxFrequency), QString("440.00000"));
    QCOMPARE(w.ui.model.history().undoSteps(), steps);
    w.box.answers = {IdDiscard};
    w.ui.newAction->trigger();
    QCOMPARE(w.cell(4, col::RxFrequency), QString());
    w.keys(QKeySequence::Undo);
    QCOMPARE(w.cell(4, col::RxFrequency), QString("440.00000"));
}

void MainWindowEditTest::undoPastASaveMarksTheEditorModified() {
    Window w;
    w.typeChannel(2, "438.125");
    w.dialogs.saveAnswers = {w.folder.file("saved.DAT")};
    w.keys(QKeySequence::Save);
    const QString saved = w.form.windowTitle();
    QVERIFY(!saved.startsWith('*'));
    w.keys(QKeySequence::Undo);
    QCOMPARE(w.form.windowTitle(), "*" + saved);
    w.keys(QKeySequence::Redo);
    QCOMPARE(w.form.windowTitle(), saved);
    // A step made after the save is modified, and undoing it is the saved state again.
    w.typeChannel(3, "439");
    QCOMPARE(w.form.windowTitle(), "*" + saved);
    w.keys(QKeySequence::Undo);
    QCOMPARE(w.form.windowTitle(), saved);
}

void MainWindowEditTest::rowsGoOnTheClipboardAndComeBackElsewhere() {
    Window w;
    w.typeChannel(2, "438.125");
    w.typeChannel(3, "446.00625");

    w.chooseRow(2);
    w.chooseRow(3, Qt::ShiftModifier);
    QCOMPARE(w.table->selectedChannelRows(), (std::vector{2, 3}));
    w.keys(QKeySequence::Copy);
    const QStringList lines = QApplication::clipboard()->text().split('\n');
    QCOMPARE(lines.size(), 4); // header, two rows, the end of the last line
    QCOMPARE(lines[0].split('\t').size(), 9);
    QCOMPARE(lines[1], QString("02\t438.12500\t关闭\t438.12500\t关闭\t高\t关闭\t宽带\t有"));

    w.chooseRow(9);
    w.keys(QKeySequence::Paste);
    QCOMPARE(w.channel(9), w.channel(2));
    QCOMPARE(w.channel(10), w.channel(3));
    QCOMPARE(w.state.data.tones.position[8], w.state.data.tones.position[1]);
    QCOMPARE(w.table->selectedChannelRows(), (std::vector{9, 10}));

    // Cut: the rows are empty and on the clipboard; one undo brings them back.
    w.keys(QKeySequence::Cut);
    QVERIFY(!w.state.radio().inUse(9) && !w.state.radio().inUse(10));
    QVERIFY(QApplication::clipboard()->text().contains("\n09\t438.12500\t"));
    w.keys(QKeySequence::Undo);
    QCOMPARE(w.cell(10, col::RxFrequency), QString("446.00625"));

    w.keys(QKeySequence::SelectAll);
    w.keys(QKeySequence::Copy);
    QCOMPARE(QApplication::clipboard()->text().count('\n'), 17);
}

void MainWindowEditTest::aBadPasteChangesNothingAndSaysWhere() {
    Window w;
    w.ui.englishAction->trigger();
    w.typeChannel(5, "438");
    const EditorState before = w.state;
    QApplication::clipboard()->setText(
        "Channel\tRX\n01\t438\tOff\t438\tOff\tHight\tOff\tWide\tHave\n"
        "02\t438\tOff\t500\tOff\tHight\tOff\tWide\tHave\n");
    w.chooseRow(4);
    w.keys(QKeySequence::Paste);
    QCOMPARE(w.box.shown.size(), std::size_t(1));
    QCOMPARE(QString::fromStdString(w.box.shown[0].text),
             QString("Nothing was pasted:\nRow 2 (channel 05), TX frequency: Beyond the "
                     "frequency range"));
    QVERIFY(w.state.data == before.data);
    QCOMPARE(w.cell(4, col::RxFrequency), QString());

    QApplication::clipboard()->setText("just some words");
    w.keys(QKeySequence::Paste);
    QCOMPARE(w.box.shown.back().text, std::string("The clipboard holds no channel rows."));
    QVERIFY(w.state.data == before.data);
}

void MainWindowEditTest::rowCommandsByKeysAndByTheRightClickMenu() {
    Window w;
    w.typeChannel(1, "431");
    w.typeChannel(2, "432");
    w.typeChannel(3, "433");
    w.table->setCurrentCell(2, col::Power);

    // Ctrl+Down moves the current row; Shift+Up chooses two rows, Ctrl+Up moves both.
    QTest::keyClick(w.table, Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(w.cell(3, col::RxFrequency), QString("432.00000"));
    QCOMPARE(w.cell(2, col::RxFrequency), QString("433.00000"));
    QTest::keyClick(w.table, Qt::Key_Up, Qt::ShiftModifier);
    QCOMPARE(w.table->selectedChannelRows(), (std::vector{2, 3}));
    QTest::keyClick(w.table, Qt::Key_Up, Qt::ControlModifier);
    QCOMPARE(w.cell(1, col::RxFrequency), QString("433.00000"));
    QCOMPARE(w.cell(2, col::RxFrequency), QString("432.00000"));
    QCOMPARE(w.cell(3, col::RxFrequency), QString("431.00000"));
    QCOMPARE(w.table->selectedChannelRows(), (std::vector{1, 2}));

    // Insert shifts the chosen row down; Delete empties rows.
    QTest::keyClick(w.table, Qt::Key_Insert);
    QCOMPARE(w.cell(1, col::RxFrequency), QString());
    QCOMPARE(w.cell(2, col::RxFrequency), QString("433.00000"));
    QCOMPARE(w.cell(4, col::RxFrequency), QString("431.00000"));
    w.chooseRow(4);
    QTest::keyClick(w.table, Qt::Key_Delete);
    QCOMPARE(w.cell(4, col::RxFrequency), QString());
    QCOMPARE(w.cell(4, col::Power), QString());

    // A right press on a row opens the menu of the row commands for that row (QTest sends the
    // press; the context-menu event that the window system sends with it is sent here).
    const QPoint press = w.centre(3, col::RxTone);
    QTest::mouseClick(w.table->viewport(), Qt::RightButton, {}, press);
    QContextMenuEvent rightPress(QContextMenuEvent::Mouse, press,
                                 w.table->viewport()->mapToGlobal(press));
    QApplication::sendEvent(w.table->viewport(), &rightPress);
    QMenu* menu = nullptr;
    QTRY_VERIFY((menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())));
    QVERIFY(menu->actions().contains(w.ui.moveUpAction));
    QCOMPARE(w.table->selectedChannelRows(), (std::vector{3}));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(w.ui.moveUpAction).center());
    QCOMPARE(w.cell(2, col::RxFrequency), QString("432.00000"));
    QCOMPARE(w.cell(3, col::RxFrequency), QString("433.00000"));

    // Insert is refused while channel 16 is in use.
    w.typeChannel(16, "440");
    w.chooseRow(5);
    QTest::keyClick(w.table, Qt::Key_Insert);
    QCOMPARE(w.box.shown.back().text, std::string("信道16已在使用，不能插入空行。"));
    QCOMPARE(w.cell(16, col::RxFrequency), QString("440.00000"));
}

void MainWindowEditTest::rowCommandKeysInAnOpenDropDownLeaveTheChannel() {
    Window w;
    w.typeChannel(1, "431");
    // The tone list opened by a click: Delete and Ctrl+A act on the tone's text.
    w.press(1, col::RxTone);
    QTRY_VERIFY(w.ui.toneList->view()->isVisible());
    w.key(Qt::Key_Delete);
    QCOMPARE(w.cell(1, col::RxFrequency), QString("431.00000"));
    QCOMPARE(w.ui.toneList->lineEdit()->text(), QString());
    w.type("D023N");
    w.key(Qt::Key_Return);
    QCOMPARE(w.cell(1, col::RxTone), QString("D023N"));
    // A pick-only list opened by a click: Delete and Ctrl+A choose and empty no rows.
    w.press(1, col::Power);
    QTRY_VERIFY(w.ui.optionLists[col::Power]->view()->isVisible());
    w.key(Qt::Key_A, Qt::ControlModifier);
    w.key(Qt::Key_Delete);
    QCOMPARE(w.cell(1, col::RxFrequency), QString("431.00000"));
    QCOMPARE(w.table->selectedChannelRows(), (std::vector{1}));
}

void MainWindowEditTest::theLockOffersNothingThatChanges() {
    Window w;
    w.typeChannel(1, "431");
    w.ui.lockAction->trigger();
    for (QAction* action :
         {w.ui.undoAction, w.ui.cutAction, w.ui.pasteAction, w.ui.deleteChannelsAction,
          w.ui.insertChannelAction, w.ui.moveUpAction, w.ui.moveDownAction})
        QVERIFY2(!action->isEnabled(), qPrintable(action->objectName()));
    QVERIFY(w.ui.copyAction->isEnabled());
    w.ui.lockAction->trigger();
    QVERIFY(w.ui.undoAction->isEnabled());
}

void MainWindowEditTest::importOfChirpFilesMatchesTheCommandLine() {
    const struct {
        const char* file;
        const char* note; // a note shown after the import, or nothing
    } cases[] = {
        {"sixteen-channels-5W.csv", nullptr},
        {"new-file-with-location-0.csv", "skipped the memory CHIRP's File > New keeps"},
        {"named-channel.csv", "\"Repeater A\" not kept"},
    };
    for (const auto& c : cases) {
        Window w;
        w.ui.englishAction->trigger();
        const std::string csv = std::string(TLV_TEST_DATA_DIR) + "/chirp/" + c.file;
        w.import(csv);
        QVERIFY2(w.state.radio().inUse(1), c.file);
        QVERIFY(w.form.windowTitle().startsWith('*'));
        if (c.note) {
            QCOMPARE(w.box.shown.size(), std::size_t(1));
            QVERIFY2(w.box.shown[0].text.starts_with("Imported. Please note:\n"), c.file);
            QVERIFY2(w.box.shown[0].text.find(c.note) != std::string::npos, c.file);
        } else {
            QVERIFY2(w.box.shown.empty(), c.file);
        }
        w.save(w.folder.file("window.DAT"));

        QProcess cli;
        cli.start(TLV_CLI, {"import", QString::fromStdString(csv), "-o",
                            QString::fromStdString(w.folder.file("cli.DAT"))});
        QVERIFY(cli.waitForFinished(10000));
        QCOMPARE(cli.exitCode(), 0);
        QVERIFY2(test::ReadBytes(w.folder.file("window.DAT")) ==
                     test::ReadBytes(w.folder.file("cli.DAT")),
                 c.file);

        // The import is one step: one undo empties the table again.
        w.keys(QKeySequence::Undo);
        for (int row = 1; row <= kChannelCount; ++row)
            QVERIFY(!w.state.radio().inUse(row));
    }
}

void MainWindowEditTest::aBadImportChangesNothingAndExportComesBack() {
    Window w;
    w.ui.englishAction->trigger();
    w.typeChannel(5, "438");
    w.save(w.folder.file("base.DAT"));
    const EditorState before = w.state;
    const QString title = w.form.windowTitle();
    const std::size_t steps = w.ui.model.history().undoSteps();
    const std::string header = "Location,Frequency,Duplex,Offset,Mode\n";

    // A bad row: the message names it, and nothing changes, not even the undo history.
    const struct {
        const char* rows;
        const char* message;
    } bad[] = {
        {"1,446.00625,,0,FM\n2,446.0125,,0,AM\n",
         "channel 2 (line 3) Mode: the radio cannot do mode AM (FM wide and NFM narrow only)"},
        {"1,446.00625,,0,FM\n3,999,,0,FM\n", "channel 3 (line 3) Frequency (column 2): "},
        // Every error in one pass, each at its line and column.
        {"1,446.00625,,0,FM\n2,146.52,,0,FM\n3,446.1,,0,AM\n",
         "channel 3 (line 4) Mode: the radio cannot do mode AM (FM wide and NFM narrow only)\n"
         "channel 2 (line 3) Frequency (column 2): Beyond the frequency range: 146.52000 is not "
         "in the band 400-470MHz"},
    };
    for (const auto& b : bad) {
        w.box.shown.clear();
        test::WriteBytes(w.folder.file("bad.csv"), header + b.rows);
        w.import(w.folder.file("bad.csv"));
        QCOMPARE(w.box.shown.size(), std::size_t(1));
        QVERIFY2(w.box.shown[0].text.starts_with("The file has errors; nothing was imported:\n" +
                                                 std::string(b.message)),
                 w.box.shown[0].text.c_str());
        QVERIFY(w.state == before);
        QCOMPARE(w.form.windowTitle(), title);
        QCOMPARE(w.ui.model.history().undoSteps(), steps);
    }
    // A frequency outside the band: the band in force is the one to change.
    QVERIFY(w.box.shown[0].text.ends_with("the import uses the band chosen in the window. Choose "
                                          "the band first."));

    // Locations beyond 16 go on channels 1..N in their order, with a note saying so.
    test::WriteBytes(w.folder.file("far.csv"), header + "31,446.0125,,0,NFM\n30,446.00625,,0,FM\n");
    w.import(w.folder.file("far.csv"));
    QCOMPARE(w.cell(1, col::RxFrequency), QString("446.00625"));
    QCOMPARE(w.cell(2, col::RxFrequency), QString("446.01250"));
    QCOMPARE(w.cell(5, col::RxFrequency), QString("438.00000"));
    QVERIFY(w.box.shown.back().text.find("placed on channels 1, 2, 3") != std::string::npos);

    // Export in both formats, by the menu; a name without extension is CSV. Importing them into
    // the editor of the start gives the exported data back.
    const EditorState exported = w.state;
    for (const char* name : {"list", "all.json"}) {
        w.dialogs.saveAnswers = {w.folder.file(name)};
        w.choose(w.ui.fileMenu, w.ui.exportAction);
    }
    QVERIFY(test::ReadBytes(w.folder.file("list.csv")).starts_with("Location,Name,Frequency"));
    for (const char* name : {"list.csv", "all.json"}) {
        w.box.answers = {IdDiscard};
        w.ui.newAction->trigger();
        QVERIFY(!w.state.radio().inUse(1));
        w.import(w.folder.file(name));
        QVERIFY2(w.state.radio().channels == exported.radio().channels, name);
        QVERIFY2(w.state.data.tones == exported.data.tones, name);
    }
    QVERIFY(EncodeImage(w.state.radio()) == EncodeImage(exported.radio()));
}

void MainWindowEditTest::pdfExportWritesTheChannelCard() {
    Window w;
    w.ui.englishAction->trigger();
    w.typeChannel(3, "438.125");
    w.dialogs.saveAnswers = {w.folder.file("card")};
    w.ui.exportPdfAction->trigger();
    const std::string pdf = test::ReadBytes(w.folder.file("card.pdf"));
    QVERIFY(pdf.rfind("%PDF-", 0) == 0);
    QVERIFY(pdf.size() > 2000);
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty()) QSKIP("pdftotext is not installed: the text was not checked");
    QProcess process;
    process.start(pdftotext, {QString::fromStdString(w.folder.file("card.pdf")), "-"});
    QVERIFY(process.waitForFinished(10000));
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    for (const char* expected : {"TLV6200", "RX frequency", "438.12500",
                                 "Squelch Grade:", "5 Group", "Keys Set", "400-470MHz"})
        QVERIFY2(text.contains(expected), expected);
}

QTEST_MAIN(MainWindowEditTest)
#include "main_window_edit_test.moc"
