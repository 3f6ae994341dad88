// SPDX-License-Identifier: GPL-3.0-or-later
// The main window and the test-frequency dialog as people use them: keys and clicks on the real
// widgets of the table, its editors and the test-frequency grid.
#include "WindowFixture.h"
#include "window/dialogs/RadioDialog.h"
#include "window/dialogs/TestFrequencyDialog.h"

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableWidget>
#include <QToolBar>
#include <QtTest>

using namespace tlv;

namespace {

using test::Control;

struct Window : test::ShownWindow {
    // A click as the window system delivers it: the release goes to whatever popup the press
    // opened, not to the widget that was pressed.
    void clickThroughTheWindow(int row, int column) {
        const QPoint at = table->viewport()->mapTo(&form, cellRect(row, column).center());
        QTest::mousePress(form.windowHandle(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(form.windowHandle(), Qt::LeftButton, {}, at);
    }
};

QLineEdit* gridEditor() {
    return qobject_cast<QLineEdit*>(QApplication::focusWidget());
}

void clickGridCell(QTableWidget* grid, int row, int column) {
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualItemRect(grid->item(row, column)).center());
}

} // namespace

class WindowUseTest : public QObject {
    Q_OBJECT

  private slots:
    void testFrequencyRefusedCellTakesNoKeysAndRetypingOverwrites();
    void tabLeavesTheTestFrequencyGridAndEnterPressesOk();
    void dropDownsOpenOnAClickAsTheWindowSystemDeliversIt();
    void tabCommitsTheOpenEditorAndLeavesTheTable();
    void editingCommandsReachTheEditors();
    void keyboardReachesEveryControlAndArrowsStayOnTheChannels();
    void f2OrTypingOpensAnEditorAndEscapeKeepsTheCell();
    void bandLimitsShownWhileAFrequencyIsTyped();
};

// The test-frequency dialog opened from the menu, shown and active; null when it never showed.
TestFrequencyDialog* openTestFrequencies(Window& w) {
    w.ui.testFrequenciesAction->trigger();
    auto* dialog = test::OwnedWindow<TestFrequencyDialog>(w.form);
    if (!QTest::qWaitForWindowExposed(dialog)) return nullptr;
    dialog->activateWindow();
    return dialog;
}

QTableWidget* gridOf(TestFrequencyDialog* dialog) {
    return Control<QTableWidget>(dialog, test_frequency_names::Grid);
}

QPushButton* okOf(QDialog* dialog) {
    return Control<QPushButton>(dialog, radio_dialog_names::OkButton);
}

void WindowUseTest::testFrequencyRefusedCellTakesNoKeysAndRetypingOverwrites() {
    Window w;
    TestFrequencyDialog* dialog = openTestFrequencies(w);
    QVERIFY(dialog);
    QTableWidget* grid = gridOf(dialog);

    // Channel 7 gets a receive frequency; channel 6 has none, so its transmit cell is refused.
    clickGridCell(grid, 6, 1);
    QTRY_VERIFY(gridEditor() != nullptr);
    Window::type("146.52");
    Window::key(Qt::Key_Return);
    QTRY_COMPARE(grid->item(6, 2)->text(), QStringLiteral("146.52000"));
    clickGridCell(grid, 5, 2);
    Window::type("1450");
    Window::key(Qt::Key_Return);
    QCOMPARE(grid->currentRow(), 5);
    QCOMPARE(grid->currentColumn(), 2);
    QVERIFY(grid->item(5, 2)->text().isEmpty());
    QCOMPARE(grid->item(6, 2)->text(), QStringLiteral("146.52000"));

    // A changed transmit frequency is overwritten by the receive frequency typed again, also
    // when the text stays exactly as it was.
    clickGridCell(grid, 6, 2);
    QTRY_VERIFY(gridEditor() != nullptr);
    Window::type("147");
    Window::key(Qt::Key_Return);
    QTRY_COMPARE(grid->item(6, 2)->text(), QStringLiteral("147.00000"));
    clickGridCell(grid, 6, 1);
    QTRY_VERIFY(gridEditor() != nullptr);
    QCOMPARE(gridEditor()->text(), QStringLiteral("146.52000"));
    Window::key(Qt::Key_Return);
    QTRY_COMPARE(grid->item(6, 2)->text(), QStringLiteral("146.52000"));

    QTest::mouseClick(okOf(dialog), Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    const auto& stored = w.state.radio().testFrequencies;
    QCOMPARE(stored[6], (TestFrequency{Frequency{14652000}, Frequency{14652000}}));
    QCOMPARE(stored[5], TestFrequency{});
}

void WindowUseTest::tabLeavesTheTestFrequencyGridAndEnterPressesOk() {
    Window w;
    TestFrequencyDialog* dialog = openTestFrequencies(w);
    QVERIFY(dialog);
    QTableWidget* grid = gridOf(dialog);
    clickGridCell(grid, 15, 1);
    QTRY_VERIFY(gridEditor() != nullptr);
    Window::type("146.52");
    Window::key(Qt::Key_Return);
    QTRY_COMPARE(grid->item(15, 2)->text(), QStringLiteral("146.52000"));
    // Tab goes on from the grid to the buttons instead of round its cells.
    Window::key(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), okOf(dialog));
    Window::key(Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), grid);
    Window::key(Qt::Key_Tab);
    Window::key(Qt::Key_Return);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(w.state.radio().testFrequencies[15].rx, Frequency{14652000});
}

void WindowUseTest::dropDownsOpenOnAClickAsTheWindowSystemDeliversIt() {
    Window w;
    w.startChannel(4, "440");
    for (int column : {col::RxTone, col::Bandwidth}) {
        w.clickThroughTheWindow(4, column);
        QComboBox* list = column == col::RxTone ? w.ui.toneList : w.ui.optionLists[col::Bandwidth];
        QVERIFY(list->isVisible());
        QTRY_VERIFY(list->view()->isVisible());
        QTest::qWait(QApplication::doubleClickInterval());
        QVERIFY2(list->view()->isVisible(), "the release closed the drop-down again");
        Window::key(Qt::Key_Escape);
        QCOMPARE(w.editors.shown(), CellEditor::None);
    }
    QCOMPARE(w.cell(4, col::RxTone), QStringLiteral("关闭"));
    QCOMPARE(w.cell(4, col::Bandwidth), QStringLiteral("宽带"));
}

void WindowUseTest::tabCommitsTheOpenEditorAndLeavesTheTable() {
    Window w;
    w.press(3, col::RxFrequency);
    Window::type("438.5");
    Window::key(Qt::Key_Tab);
    QCOMPARE(w.editors.shown(), CellEditor::None);
    QVERIFY(!w.ui.frequencyEditor->isVisible());
    QCOMPARE(w.cell(3, col::RxFrequency), QStringLiteral("438.50000"));
    QCOMPARE(QApplication::focusWidget(), w.ui.bandList);
    // Keys typed next go where the focus went, not into the channel.
    Window::type("9");
    QCOMPARE(w.cell(3, col::RxFrequency), QStringLiteral("438.50000"));

    // Shift+Tab from the tone list, its drop-down open: committed, and back past the table.
    w.press(3, col::TxTone);
    QTRY_VERIFY(w.ui.toneList->view()->isVisible());
    Window::type("88.5");
    Window::key(Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(w.editors.shown(), CellEditor::None);
    QCOMPARE(w.cell(3, col::TxTone), QStringLiteral("88.5"));
    QCOMPARE(QApplication::focusWidget(),
             w.ui.toolbar->widgetForAction(w.ui.toolbarButton(ToolbarButton::Write)));

    // An option list is left without a pick: nothing changes.
    w.press(3, col::Power);
    Window::key(Qt::Key_Tab);
    QCOMPARE(w.editors.shown(), CellEditor::None);
    QCOMPARE(w.cell(3, col::Power), QStringLiteral("高"));
    QCOMPARE(QApplication::focusWidget(), w.ui.bandList);
}

void WindowUseTest::editingCommandsReachTheEditors() {
    Window w;
    w.startChannel(2, "438.125");
    w.press(2, col::RxFrequency);
    QLineEdit* editor = w.ui.frequencyEditor;
    QCOMPARE(editor->text(), QStringLiteral("438.12500"));
    Window::key(Qt::Key_End);
    Window::type("7"); // nine characters already
    QCOMPARE(editor->text(), QStringLiteral("438.12500"));
    Window::key(Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(editor->selectedText(), QStringLiteral("438.12500"));
    Window::type("446");
    QCOMPARE(editor->text(), QStringLiteral("446"));
    // A paste passes the filter of typed keys: text that no key could give is refused whole.
    QGuiApplication::clipboard()->setText(QStringLiteral("D023N"));
    Window::key(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(editor->text(), QStringLiteral("446"));
    QGuiApplication::clipboard()->setText(QStringLiteral(".5"));
    Window::key(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(editor->text(), QStringLiteral("446.5"));
    Window::key(Qt::Key_Return);
    QCOMPARE(w.cell(2, col::RxFrequency), QStringLiteral("446.50000"));

    w.press(2, col::RxTone);
    QTRY_VERIFY(w.ui.toneList->view()->isVisible());
    w.ui.toneList->hidePopup();
    Window::key(Qt::Key_End);
    Window::key(Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(w.ui.toneList->lineEdit()->selectedText(), QStringLiteral("关闭"));
    Window::type("d23n");
    QCOMPARE(w.ui.toneList->currentText(), QStringLiteral("D23N"));
}

void WindowUseTest::keyboardReachesEveryControlAndArrowsStayOnTheChannels() {
    Window w;
    w.table->setFocus();
    w.table->setCurrentCell(5, col::TxFrequency);
    auto button = [&](ToolbarButton b) {
        return w.ui.toolbar->widgetForAction(w.ui.toolbarButton(b));
    };
    const QList<QWidget*> order{w.ui.bandList,
                                w.ui.voicePromptList,
                                w.ui.timeOutList,
                                w.ui.timeOutWarningList,
                                w.ui.squelchList,
                                w.ui.batterySaveList,
                                w.ui.beepList,
                                button(ToolbarButton::New),
                                button(ToolbarButton::Open),
                                button(ToolbarButton::Save),
                                button(ToolbarButton::Read),
                                button(ToolbarButton::Write),
                                w.table};
    for (QWidget* next : order) {
        Window::key(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
    QCOMPARE(w.table->currentRow(), 5);
    QCOMPARE(w.table->currentColumn(), col::TxFrequency);
    Window::key(Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), button(ToolbarButton::Write));
    w.table->setFocus();
    Window::key(Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(QApplication::focusWidget(), w.ui.bandList);
    w.table->setFocus();
    Window::key(Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), button(ToolbarButton::Write));

    // The arrows never reach the header row or the number column.
    w.table->setFocus();
    w.table->setCurrentCell(1, col::RxFrequency);
    for (Qt::Key arrow : {Qt::Key_Up, Qt::Key_Left, Qt::Key_Home, Qt::Key_PageUp})
        Window::key(arrow);
    QCOMPARE(w.table->currentRow(), 1);
    QCOMPARE(w.table->currentColumn(), col::RxFrequency);
    Window::key(Qt::Key_Down);
    Window::key(Qt::Key_Right);
    QCOMPARE(w.table->currentRow(), 2);
    QCOMPARE(w.table->currentColumn(), col::RxTone);
    QCOMPARE(w.editors.shown(), CellEditor::None);
}

void WindowUseTest::f2OrTypingOpensAnEditorAndEscapeKeepsTheCell() {
    Window w;
    w.startChannel(5, "440");
    w.table->setFocus();

    // A digit on a transmit frequency starts its text.
    w.table->setCurrentCell(5, col::TxFrequency);
    Window::type("4");
    QCOMPARE(w.editors.shown(), CellEditor::Frequency);
    QCOMPARE(w.ui.frequencyEditor->text(), QStringLiteral("4"));
    Window::type("45");
    Window::key(Qt::Key_Return);
    QCOMPARE(w.cell(5, col::TxFrequency), QStringLiteral("445.00000"));

    // A tone letter starts the tone's text, without the drop-down.
    w.table->setCurrentCell(5, col::RxTone);
    Window::type("d");
    QCOMPARE(w.editors.shown(), CellEditor::Tone);
    QVERIFY(!w.ui.toneList->view()->isVisible());
    Window::type("23n");
    Window::key(Qt::Key_Return);
    QCOMPARE(w.cell(5, col::RxTone), QStringLiteral("D023N"));

    // A character the cell's editor would refuse opens nothing; on a channel not in use a digit
    // starts its receive frequency.
    w.table->setCurrentCell(5, col::RxFrequency);
    Window::type("x ");
    QCOMPARE(w.editors.shown(), CellEditor::None);
    w.table->setCurrentCell(9, col::Power);
    Window::type("4");
    QCOMPARE(w.editors.shown(), CellEditor::Frequency);
    QCOMPARE(w.editors.cursor().cell, (ChannelCell{9, col::RxFrequency}));
    Window::key(Qt::Key_Escape);
    QVERIFY(w.cell(9, col::RxFrequency).isEmpty());

    // F2 opens the editor as Enter does; Escape closes it and the cell stays as it was.
    w.table->setCurrentCell(5, col::RxFrequency);
    Window::key(Qt::Key_F2);
    QCOMPARE(w.editors.shown(), CellEditor::Frequency);
    Window::type("450");
    Window::key(Qt::Key_Escape);
    QCOMPARE(w.editors.shown(), CellEditor::None);
    QCOMPARE(w.cell(5, col::RxFrequency), QStringLiteral("440.00000"));
    QCOMPARE(QApplication::focusWidget(), w.table);
    for (int column : {col::TxTone, col::Forbid}) {
        w.table->setCurrentCell(5, column);
        Window::key(Qt::Key_F2);
        QComboBox* list = column == col::TxTone ? w.ui.toneList : w.ui.optionLists[column];
        QTRY_VERIFY(list->view()->isVisible());
        Window::key(Qt::Key_Down);
        Window::key(Qt::Key_Escape); // one Escape, in the open drop-down
        QCOMPARE(w.editors.shown(), CellEditor::None);
        QVERIFY(!list->isVisible());
    }
    QCOMPARE(w.cell(5, col::TxTone), QStringLiteral("关闭"));
    QCOMPARE(w.cell(5, col::Forbid), QStringLiteral("关闭"));
    QVERIFY(w.box.shown.empty());
}

void WindowUseTest::bandLimitsShownWhileAFrequencyIsTyped() {
    Window w;
    w.press(1, col::RxFrequency);
    QVERIFY(w.ui.editingHint->isVisible());
    QCOMPARE(w.ui.editingHint->text(),
             QStringLiteral("频率范围：400 至 470 MHz（不含 470），最多 9 个字符"));
    QCOMPARE(w.ui.frequencyEditor->toolTip(), w.ui.editingHint->text());
    Window::key(Qt::Key_Escape);
    QVERIFY(!w.ui.editingHint->isVisible());

    w.ui.englishAction->trigger();
    w.box.fallback = IdOk;
    w.ui.bandList->showPopup();
    w.ui.bandList->hidePopup();
    w.ui.bandList->setCurrentIndex(5);
    w.press(1, col::RxFrequency);
    QCOMPARE(w.ui.editingHint->text(),
             QStringLiteral("Frequency range: 136 to 174 MHz (174 not included), at most 9 "
                            "characters"));
    Window::type("175");
    Window::key(Qt::Key_Return);
    QVERIFY(!w.ui.editingHint->isVisible());
    QCOMPARE(w.box.shown.back().text, std::string("Beyond the frequency range"));
}

QTEST_MAIN(WindowUseTest)
#include "window_use_test.moc"
