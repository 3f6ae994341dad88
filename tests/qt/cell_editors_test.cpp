// SPDX-License-Identifier: GPL-3.0-or-later
// The in-cell editors of the channel table, driven with the mouse and the keyboard.
#include "WindowFixture.h"
#include "editor/EditorOps.h"

using namespace tlv;

using Window = tlv::test::ShownWindow;

class CellEditorsTest : public QObject {
    Q_OBJECT

  private slots:
    void pressOnEmptyChannelOpensItsReceiveFrequency();
    void pressOnUsedPowerCellOpensListWithItsEntryAndPickWrites();
    void leavingAnOptionListWithoutPickChangesNothing();
    void frequencyEditorFiltersKeysAndCoversItsCell();
    void keyboardAloneFillsAChannel();
    void outOfBandShowsTheMessageAndKeepsTheCell();
    void toneListTypingAndPicking();
    void oneEditorAtATimeAndPressesThatOpenNothing();
    void bandPickAsksAndClearsOnOk();
    void lockedTableOpensNothing();
    void tableRewrittenUnderAnOpenEditorIsNotWritten();
};

void CellEditorsTest::pressOnEmptyChannelOpensItsReceiveFrequency() {
    Window w;
    w.press(3, col::Power);
    QCOMPARE(w.editors.shown(), CellEditor::Frequency);
    QVERIFY(w.ui.frequencyEditor->isVisible());
    QCOMPARE(w.editors.cursor().cell, (ChannelCell{3, col::RxFrequency}));
    QCOMPARE(w.table->currentRow(), 3);
    QCOMPARE(w.table->currentColumn(), col::RxFrequency);
    QCOMPARE(w.ui.frequencyEditor->geometry(), w.cellRect(3, col::RxFrequency));
    QVERIFY(!w.ui.optionLists[col::Power]->isVisible());
    QVERIFY(!w.editors.cursor().clickArmed);
}

void CellEditorsTest::pressOnUsedPowerCellOpensListWithItsEntryAndPickWrites() {
    Window w;
    w.startChannel(2, "438.125");
    QCOMPARE(w.cell(2, col::Power), QString("高"));

    w.press(2, col::Power);
    QComboBox* power = w.ui.optionLists[col::Power];
    QCOMPARE(w.editors.shown(), CellEditor::Option);
    QVERIFY(power->isVisible());
    QCOMPARE(power->currentIndex(), 1);
    QCOMPARE(power->currentText(), QString("高"));
    const QRect cell = w.cellRect(2, col::Power);
    QCOMPARE(power->geometry().topLeft(), cell.topLeft());
    QCOMPARE(power->width(), cell.width());
    // Selecting the cell's entry on opening is not a pick.
    QCOMPARE(w.state.radio().channel(2).power, Power::High);

    Window::pickFromPopup(power, 0);
    QCOMPARE(w.cell(2, col::Power), QString("低"));
    QCOMPARE(w.state.radio().channel(2).power, Power::Low);
    QVERIFY(!power->isVisible());
    QCOMPARE(w.editors.shown(), CellEditor::None);
}

void CellEditorsTest::leavingAnOptionListWithoutPickChangesNothing() {
    Window w;
    w.startChannel(4, "440");
    w.press(4, col::Scan);
    QComboBox* scan = w.ui.optionLists[col::Scan];
    QTRY_VERIFY(scan->view()->isVisible());
    scan->hidePopup();
    // Browsing the closed list is not committed either until an entry is picked.
    w.press(4, col::Number);
    QVERIFY(!scan->isVisible());
    QCOMPARE(w.cell(4, col::Scan), QString("有"));
    QVERIFY(w.state.radio().channel(4).scan);
    QVERIFY(w.box.shown.empty());
}

void CellEditorsTest::frequencyEditorFiltersKeysAndCoversItsCell() {
    Window w;
    w.press(7, col::RxFrequency);
    QLineEdit* editor = w.ui.frequencyEditor;
    QCOMPARE(editor->geometry(), w.cellRect(7, col::RxFrequency));
    QTest::keyClicks(editor, "4a3");
    QCOMPARE(editor->text(), QString("43"));
    QTest::keyClicks(editor, " -e,D");
    QTest::keyClick(editor, Qt::Key_Backspace);
    QCOMPARE(editor->text(), QString("4"));
    QTest::keyClick(editor, Qt::Key_Down);
    QTest::keyClick(editor, Qt::Key_PageUp);
    QCOMPARE(w.table->currentRow(), 7);
    QCOMPARE(w.editors.shown(), CellEditor::Frequency);
    QTest::keyClicks(editor, "38.1234567");
    QCOMPARE(editor->text(), QString("438.12345"));
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(w.cell(7, col::RxFrequency), QString("438.12000"));
}

void CellEditorsTest::keyboardAloneFillsAChannel() {
    Window w;
    w.typeChannel(1, "446.0062");
    QCOMPARE(w.editors.shown(), CellEditor::None);
    QVERIFY(w.table->hasFocus());
    QCOMPARE(w.table->currentRow(), 1);
    QCOMPARE(w.table->currentColumn(), col::RxFrequency);
    const QStringList expected{"01", "446.00500", "关闭", "446.00500", "关闭",
                               "高", "关闭",      "宽带", "有"};
    for (int column = 0; column < kTableCols; ++column)
        QCOMPARE(w.cell(1, column), expected[column]);

    // Transmit frequency: arrow, Enter, type, Enter.
    QTest::keyClick(w.table, Qt::Key_Right);
    QTest::keyClick(w.table, Qt::Key_Right);
    QTest::keyClick(w.table, Qt::Key_Return);
    QCOMPARE(w.editors.shown(), CellEditor::Frequency);
    QCOMPARE(w.ui.frequencyEditor->text(), QString("446.00500"));
    QTest::keyClicks(w.ui.frequencyEditor, "450.0125");
    QTest::keyClick(w.ui.frequencyEditor, Qt::Key_Return);
    QCOMPARE(w.cell(1, col::TxFrequency), QString("450.01250"));
    QCOMPARE(w.cell(1, col::RxFrequency), QString("446.00500"));

    // Transmit tone: the list opens with its drop-down, typing goes into its text.
    QTest::keyClick(w.table, Qt::Key_Right);
    QTest::keyClick(w.table, Qt::Key_Return);
    QCOMPARE(w.editors.shown(), CellEditor::Tone);
    QTRY_VERIFY(w.ui.toneList->view()->isVisible());
    QTest::keyClicks(QApplication::focusWidget(), "d23n");
    QCOMPARE(w.ui.toneList->currentText(), QString("D23N"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(w.editors.shown(), CellEditor::None);
    QCOMPARE(w.cell(1, col::TxTone), QString("D023N"));
    QCOMPARE(w.table->currentColumn(), col::TxTone);

    // Arrows only move the current cell; Enter on an option opens its list at the cell's entry.
    QTest::keyClick(w.table, Qt::Key_Down);
    QTest::keyClick(w.table, Qt::Key_Up);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(w.table, Qt::Key_Right);
    QCOMPARE(w.editors.shown(), CellEditor::None);
    QCOMPARE(w.table->currentColumn(), col::Bandwidth);
    QTest::keyClick(w.table, Qt::Key_Return);
    QComboBox* bandwidth = w.ui.optionLists[col::Bandwidth];
    QTRY_VERIFY(bandwidth->view()->isVisible());
    QCOMPARE(bandwidth->currentIndex(), 1);
    QCOMPARE(w.editors.cursor().cell.column, col::Bandwidth);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);

    // Deleting the channel: open its receive frequency, empty it, Enter.
    w.table->setCurrentCell(1, col::RxFrequency);
    QTest::keyClick(w.table, Qt::Key_Return);
    QTest::keyClick(w.ui.frequencyEditor, Qt::Key_Backspace);
    QTest::keyClick(w.ui.frequencyEditor, Qt::Key_Return);
    for (int column = 1; column < kTableCols; ++column)
        QVERIFY(w.cell(1, column).isEmpty());
    QCOMPARE(w.cell(1, 0), QString("01"));
}

void CellEditorsTest::outOfBandShowsTheMessageAndKeepsTheCell() {
    Window w;
    w.startChannel(8, "469.99999");
    QCOMPARE(w.cell(8, col::RxFrequency), QString("469.99500"));
    w.press(8, col::RxFrequency);
    QTest::keyClicks(w.ui.frequencyEditor, "470");
    // Leaving the editor with a press elsewhere commits as Enter does.
    w.press(9, col::Power);
    QCOMPARE(w.box.shown.size(), std::size_t(1));
    QCOMPARE(QString::fromStdString(w.box.shown[0].text), QString("超出频段范围"));
    QCOMPARE(w.cell(8, col::RxFrequency), QString("469.99500"));
    // The press still opened the editor it asked for.
    QCOMPARE(w.editors.shown(), CellEditor::Frequency);
    QCOMPARE(w.editors.cursor().cell.row, 9);
}

void CellEditorsTest::toneListTypingAndPicking() {
    Window w;
    w.startChannel(10, "440");
    w.press(10, col::RxTone);
    QComboBox* tones = w.ui.toneList;
    QCOMPARE(tones->currentIndex(), 0);
    QCOMPARE(tones->geometry().topLeft(), w.cellRect(10, col::RxTone).topLeft());
    QCOMPARE(tones->width(), w.cellRect(10, col::RxTone).width());
    Window::pickFromPopup(tones, 260);
    QCOMPARE(w.cell(10, col::RxTone), QString("D754I"));
    QCOMPARE(w.state.radio().channel(10).rxTone, Tone::Dcs(0754, true));
    QCOMPARE(w.state.data.tones.at(10, ChannelField::RxTone), 260);
    QCOMPARE(w.editors.shown(), CellEditor::None);

    // A typed value out of range brings back the last pick; letters other than D N I stay out.
    w.press(10, col::RxTone);
    QCOMPARE(tones->currentText(), QString("D754I"));
    tones->hidePopup();
    QTest::keyClicks(tones, "3x0 0");
    QCOMPARE(tones->currentText(), QString("300"));
    QTest::keyClick(tones, Qt::Key_Return);
    QCOMPARE(w.cell(10, col::RxTone), QString("D754I"));
    // The status line says why, in the language in force.
    QVERIFY(w.ui.editingHint->isVisible());
    QCOMPARE(w.ui.editingHint->text(),
             QString("300: ") + QString::fromUtf8(status::ToneNotCtcss.zh));

    w.ui.englishAction->trigger();
    w.press(10, col::RxTone);
    QVERIFY(!w.ui.editingHint->isVisible()); // the next edit starts without the note
    tones->hidePopup();
    QTest::keyClicks(tones, "D089N");
    QTest::keyClick(tones, Qt::Key_Return);
    QCOMPARE(w.cell(10, col::RxTone), QString("D754I"));
    QCOMPARE(w.ui.editingHint->text(),
             QString("D089N: not a DCS code of three octal digits; not taken."));
    w.ui.traditionalChineseAction->trigger();
    w.press(10, col::RxTone);
    tones->hidePopup();
    QTest::keyClicks(tones, "66.9");
    QTest::keyClick(tones, Qt::Key_Return);
    QCOMPARE(w.ui.editingHint->text(),
             QString::fromUtf8("66.9: 不是 67.0 至 254.1 之間的 CTCSS 值，未採用。"));

    w.press(10, col::RxTone);
    tones->hidePopup();
    QTest::keyClicks(tones, "88.5");
    w.press(10, col::Power); // focus elsewhere commits
    QCOMPARE(w.cell(10, col::RxTone), QString("88.5"));
    QVERIFY(!w.ui.editingHint->isVisible());
    QCOMPARE(w.editors.shown(), CellEditor::Option);
}

void CellEditorsTest::oneEditorAtATimeAndPressesThatOpenNothing() {
    Window w;
    w.startChannel(11, "440");
    w.press(11, col::TxFrequency);
    QCOMPARE(w.editors.shown(), CellEditor::Frequency);
    w.press(11, col::TxTone);
    QCOMPARE(w.editors.shown(), CellEditor::Tone);
    QVERIFY(!w.ui.frequencyEditor->isVisible());
    QCOMPARE(w.cell(11, col::TxFrequency), QString("440.00000"));
    w.press(11, col::Forbid);
    QVERIFY(!w.ui.toneList->isVisible());
    QCOMPARE(w.editors.shown(), CellEditor::Option);

    // A right press only focuses the table; header row and number column open nothing.
    w.press(12, col::RxFrequency, Qt::RightButton);
    QCOMPARE(w.editors.shown(), CellEditor::None);
    QVERIFY(w.table->hasFocus());
    w.press(0, col::RxFrequency);
    w.press(12, col::Number);
    QCOMPARE(w.editors.shown(), CellEditor::None);
    for (QWidget* editor : std::initializer_list<QWidget*>{
             w.ui.frequencyEditor, w.ui.toneList, w.ui.optionLists[5], w.ui.optionLists[6],
             w.ui.optionLists[7], w.ui.optionLists[8]})
        QVERIFY(!editor->isVisible());
    QVERIFY(w.box.shown.empty());
}

void CellEditorsTest::bandPickAsksAndClearsOnOk() {
    Window w;
    w.startChannel(1, "440");
    // Cancel: the band and its limits change, the channels stay.
    w.box.answers = {IdCancel};
    w.ui.bandList->showPopup();
    w.ui.bandList->hidePopup();
    w.ui.bandList->setCurrentIndex(5);
    QCOMPARE(w.box.shown.size(), std::size_t(1));
    QCOMPARE(w.box.shown[0].flags, 4385);
    QCOMPARE(w.cell(1, col::RxFrequency), QString("440.00000"));
    QCOMPARE(LimitsOfBand(w.state.radio().band).low, 136);
    QCOMPARE(w.state.bandBeforeChange, 0);

    // OK after opening the list again: asked once more, and the channels are cleared.
    w.box.answers = {IdOk};
    w.ui.bandList->showPopup();
    w.ui.bandList->hidePopup();
    QCOMPARE(w.state.bandBeforeChange, 5);
    w.ui.bandList->setCurrentIndex(6);
    QCOMPARE(w.box.shown.size(), std::size_t(2));
    QVERIFY(w.cell(1, col::RxFrequency).isEmpty());
    QCOMPARE(w.cell(1, col::Number), QString("01"));
    QCOMPARE(LimitsOfBand(w.state.radio().band).low, 600);
    QCOMPARE(w.state.bandBeforeChange, 6);

    // With no channel in use there is nothing to clear: stepping through the closed list
    // changes the band without a question.
    w.box.fallback = IdCancel;
    w.ui.bandList->setFocus();
    QTest::keyClick(w.ui.bandList, Qt::Key_Up);
    QTest::keyClick(w.ui.bandList, Qt::Key_Up);
    QCOMPARE(w.box.shown.size(), std::size_t(2));
    QCOMPARE(w.state.radio().band, 4);
    QCOMPARE(w.state.bandBeforeChange, 4);

    // With a channel in use, every band other than the one compared with asks.
    w.startChannel(2, "360");
    w.ui.bandList->setFocus();
    QTest::keyClick(w.ui.bandList, Qt::Key_Down);
    QTest::keyClick(w.ui.bandList, Qt::Key_Down);
    QCOMPARE(w.box.shown.size(), std::size_t(4));
    QCOMPARE(w.state.radio().band, 6);
}

void CellEditorsTest::lockedTableOpensNothing() {
    Window w;
    w.state.session.editingLock = true;
    w.ui.model.refresh();
    w.press(1, col::RxFrequency);
    QTest::keyClick(w.table, Qt::Key_Return);
    QCOMPARE(w.editors.shown(), CellEditor::None);
    QVERIFY(!w.ui.frequencyEditor->isVisible());
}

void CellEditorsTest::tableRewrittenUnderAnOpenEditorIsNotWritten() {
    Window w;
    w.startChannel(3, "440");
    // The transmit frequency is being typed when New clears the list.
    w.press(3, col::TxFrequency);
    QTest::keyClicks(w.ui.frequencyEditor, "450");
    ClearChannelsInUse(w.state);
    w.ui.model.refresh();
    QTest::keyClick(w.ui.frequencyEditor, Qt::Key_Return);
    QCOMPARE(w.editors.shown(), CellEditor::None);
    for (int column = 1; column < kTableCols; ++column)
        QVERIFY(w.cell(3, column).isEmpty());

    // The same for a pick from the power list.
    w.startChannel(4, "440");
    w.press(4, col::Power);
    ClearChannelsInUse(w.state);
    w.ui.model.refresh();
    Window::pickFromPopup(w.ui.optionLists[col::Power], 0);
    QVERIFY(w.cell(4, col::Power).isEmpty());
    QVERIFY(!w.ui.optionLists[col::Power]->isVisible());
}

QTEST_MAIN(CellEditorsTest)
#include "cell_editors_test.moc"
