// The Edit menu, the table's right-click menu and the channel card, driven with the keyboard and
// the mouse on the main window, with scripted message boxes and file dialogs and real files.
#include "FixedClock.h"
#include "ScriptedFileDialog.h"
#include "ScriptedMessageBox.h"
#include "TemporaryFolder.h"
#include "dialogs/gui/KeysDialog.h"
#include "editor/gui/CellEditors.h"
#include "editor/gui/DropDownComboBox.h"
#include "editor/gui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QtTest>

using namespace tlv;

namespace {

struct Window {
    test::TemporaryFolder folder;
    EditorState state;
    test::ScriptedMessageBox box;
    test::FixedClock clock;
    test::ScriptedFileDialog dialogs;
    AppServices services = [this] {
        AppServices s{&box, &clock};
        s.fileDialogs = &dialogs;
        return s;
    }();
    MainWindow form{state, services};
    QTableWidget* table = form.channelTable;

    Window() {
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        table->setFocus();
    }

    QPoint centre(int row, int column) const {
        return table->visualRect(table->model()->index(row, column)).center();
    }
    QString cell(int row, int column) const { return table->item(row, column)->text(); }
    // Types a receive frequency into a channel with the keyboard.
    void typeChannel(int row, const QString& frequency) {
        table->setFocus();
        table->setCurrentCell(row, col::RxFrequency);
        QTest::keyClick(table, Qt::Key_Return);
        QTest::keyClicks(form.cellEditors->frequencyEditor, frequency);
        QTest::keyClick(form.cellEditors->frequencyEditor, Qt::Key_Return);
    }
    // A press on the channel number of `row`.
    void chooseRow(int row, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(table->viewport(), Qt::LeftButton, modifiers, centre(row, 0));
    }
    void keys(QKeySequence::StandardKey key, QWidget* to = nullptr) {
        QTest::keySequence(to ? to : table, QKeySequence(key));
    }
    std::array<std::string, kTableCols> rowCells(int row) const {
        auto cells = state.table.cell[row];
        cells[col::Number].clear();
        return cells;
    }
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
    void theLockOffersNothingThatChanges();
    void pdfExportWritesTheChannelCard();
};

void MainWindowEditTest::undoAndRedoStepsMadeWithKeysAndMouse() {
    Window w;
    QVERIFY(!w.form.undoAction->isEnabled());
    w.typeChannel(2, "438.125");
    QCOMPARE(w.cell(2, col::RxFrequency), QString("438.12500"));
    QVERIFY(w.form.undoAction->isEnabled());

    // A pick in a panel list.
    w.form.squelchList->setFocus();
    QTest::keyClick(w.form.squelchList, Qt::Key_Down);
    QCOMPARE(w.state.squelchLevel, 6);
    // A band change that clears the channels (the box answers OK).
    w.form.bandList->setFocus();
    QTest::keyClick(w.form.bandList, Qt::Key_Down);
    QCOMPARE(w.state.currentBand, 1);
    QCOMPARE(w.cell(2, col::RxFrequency), QString());
    // A dialog's OK.
    w.form.showKeys();
    QComboBox* pf2 = w.form.keysDialog->pf2List;
    pf2->setFocus();
    QTest::keyClick(pf2, Qt::Key_Down);
    QTest::mouseClick(w.form.keysDialog->okButton, Qt::LeftButton);
    QCOMPARE(w.state.stores.keyFunction2, 1);

    w.form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w.form));
    w.table->setFocus();
    w.keys(QKeySequence::Undo);
    QCOMPARE(w.state.stores.keyFunction2, 0);
    QCOMPARE(pf2->currentIndex(), 0);
    w.keys(QKeySequence::Undo);
    QCOMPARE(w.state.currentBand, 0);
    QCOMPARE(w.form.bandList->currentIndex(), 0);
    QCOMPARE(w.cell(2, col::RxFrequency), QString("438.12500"));
    w.keys(QKeySequence::Undo);
    QCOMPARE(w.form.squelchList->currentIndex(), 5);
    w.keys(QKeySequence::Undo);
    QCOMPARE(w.cell(2, col::RxFrequency), QString());
    QVERIFY(!w.form.undoAction->isEnabled());

    // Redo from the Edit menu, all the way.
    for (int step = 0; step < 4; ++step)
        w.form.redoAction->trigger();
    QCOMPARE(w.state.stores.keyFunction2, 1);
    QCOMPARE(w.state.currentBand, 1);
    QVERIFY(!w.form.redoAction->isEnabled());

    // New asks "Save changes?" first: Cancel changes nothing, not even the undo history;
    // Discard empties the channels, and undo brings them back.
    w.form.bandList->setCurrentIndex(0);
    w.typeChannel(4, "440");
    const std::size_t steps = w.form.undoHistory.undoSteps();
    w.box.answers = {IdCancel};
    w.form.newAction->trigger();
    QCOMPARE(w.cell(4, col::RxFrequency), QString("440.00000"));
    QCOMPARE(w.form.undoHistory.undoSteps(), steps);
    w.box.answers = {IdDiscard};
    w.form.newAction->trigger();
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
    QCOMPARE(w.form.selectedChannelRows(), (std::vector{2, 3}));
    w.keys(QKeySequence::Copy);
    const QStringList lines = QApplication::clipboard()->text().split('\n');
    QCOMPARE(lines.size(), 4); // header, two rows, the end of the last line
    QCOMPARE(lines[0].split('\t').size(), 9);
    QCOMPARE(lines[1], QString("02\t438.12500\t关闭\t438.12500\t关闭\t高\t关闭\t宽带\t有"));

    w.chooseRow(9);
    w.keys(QKeySequence::Paste);
    QCOMPARE(w.rowCells(9), w.rowCells(2));
    QCOMPARE(w.rowCells(10), w.rowCells(3));
    QCOMPARE(w.state.optionIndex.entry[8], w.state.optionIndex.entry[1]);
    QCOMPARE(w.form.selectedChannelRows(), (std::vector{9, 10}));

    // Cut: the rows are empty and on the clipboard; one undo brings them back.
    w.keys(QKeySequence::Cut);
    QVERIFY(!w.state.table.inUse(9) && !w.state.table.inUse(10));
    QVERIFY(QApplication::clipboard()->text().contains("\n09\t438.12500\t"));
    w.keys(QKeySequence::Undo);
    QCOMPARE(w.cell(10, col::RxFrequency), QString("446.00625"));

    w.keys(QKeySequence::SelectAll);
    w.keys(QKeySequence::Copy);
    QCOMPARE(QApplication::clipboard()->text().count('\n'), 17);
}

void MainWindowEditTest::aBadPasteChangesNothingAndSaysWhere() {
    Window w;
    w.form.chooseEnglish();
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
    QVERIFY(w.state.table == before.table);
    QCOMPARE(w.cell(4, col::RxFrequency), QString());

    QApplication::clipboard()->setText("just some words");
    w.keys(QKeySequence::Paste);
    QCOMPARE(w.box.shown.back().text, std::string("The clipboard holds no channel rows."));
    QVERIFY(w.state.table == before.table);
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
    QCOMPARE(w.form.selectedChannelRows(), (std::vector{2, 3}));
    QTest::keyClick(w.table, Qt::Key_Up, Qt::ControlModifier);
    QCOMPARE(w.cell(1, col::RxFrequency), QString("433.00000"));
    QCOMPARE(w.cell(2, col::RxFrequency), QString("432.00000"));
    QCOMPARE(w.cell(3, col::RxFrequency), QString("431.00000"));
    QCOMPARE(w.form.selectedChannelRows(), (std::vector{1, 2}));

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
    QVERIFY(menu->actions().contains(w.form.moveUpAction));
    QCOMPARE(w.form.selectedChannelRows(), (std::vector{3}));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(w.form.moveUpAction).center());
    QCOMPARE(w.cell(2, col::RxFrequency), QString("432.00000"));
    QCOMPARE(w.cell(3, col::RxFrequency), QString("433.00000"));

    // Insert is refused while channel 16 is in use.
    w.typeChannel(16, "440");
    w.chooseRow(5);
    QTest::keyClick(w.table, Qt::Key_Insert);
    QCOMPARE(w.box.shown.back().text, std::string("信道16已在使用，不能插入空行。"));
    QCOMPARE(w.cell(16, col::RxFrequency), QString("440.00000"));
}

void MainWindowEditTest::theLockOffersNothingThatChanges() {
    Window w;
    w.typeChannel(1, "431");
    w.form.lockAction->trigger();
    for (QAction* action :
         {w.form.undoAction, w.form.cutAction, w.form.pasteAction, w.form.deleteChannelsAction,
          w.form.insertChannelAction, w.form.moveUpAction, w.form.moveDownAction})
        QVERIFY2(!action->isEnabled(), qPrintable(action->objectName()));
    QVERIFY(w.form.copyAction->isEnabled());
    w.form.lockAction->trigger();
    QVERIFY(w.form.undoAction->isEnabled());
}

void MainWindowEditTest::pdfExportWritesTheChannelCard() {
    Window w;
    w.form.chooseEnglish();
    w.typeChannel(3, "438.125");
    w.dialogs.saveAnswers = {w.folder.file("card")};
    w.form.exportPdfAction->trigger();
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
