// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as people see and reach it: a smaller or larger window, the editing lock as it
// looks, the standard shortcuts and the tooltips in each language.
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

using Window = test::ShownWindow;

// Whether two widgets of the window overlap on the screen.
bool overlap(QWidget* a, QWidget* b) {
    const QRect ra(a->mapToGlobal(QPoint()), a->size());
    const QRect rb(b->mapToGlobal(QPoint()), b->size());
    return ra.intersects(rb);
}

} // namespace

class WindowLookTest : public QObject {
    Q_OBJECT

  private slots:
    void windowNeverOverlapsAndScrollsWhenSmall();
    void lockedTableLooksDisabled();
    void standardShortcutsReachTheFileCommands();
    void tooltipsInTheThreeLanguages();
};

void WindowLookTest::windowNeverOverlapsAndScrollsWhenSmall() {
    Window w;
    MainWindow& form = w.form;
    const QSize start = form.size();
    QWidget* client = w.ui.clientArea->widget();
    const QSize smallest = client->minimumSizeHint();
    const QList<QSize> sizes{start, QSize(420, 260), QSize(start.width() - 60, start.height()),
                             QSize(start.width() + 400, start.height() + 200)};
    for (const QSize& size : sizes) {
        form.resize(size);
        QTRY_COMPARE(form.size(), size);
        QCoreApplication::processEvents();
        const QString at = QStringLiteral("%1 x %2").arg(size.width()).arg(size.height());
        // Sixteen rows inside the table; table, frames and the rights line apart.
        const int rows = w.table->rowViewportPosition(16) + w.table->rowHeight(16);
        QVERIFY2(rows <= w.table->viewport()->height(), qPrintable(at));
        QVERIFY2(!overlap(w.table, w.ui.bandFrame), qPrintable(at));
        QVERIFY2(!overlap(w.table, w.ui.functionPanel), qPrintable(at));
        QVERIFY2(!overlap(w.ui.bandFrame, w.ui.functionPanel), qPrintable(at));
        QVERIFY2(!overlap(w.ui.rightsLine, w.ui.functionPanel), qPrintable(at));
        QVERIFY2(!overlap(w.ui.rightsLine, w.table), qPrintable(at));
        QVERIFY2(client->width() >= smallest.width() && client->height() >= smallest.height(),
                 qPrintable(at));
        // Scroll bars only below the smallest client area.
        const QSize view = w.ui.clientArea->size();
        QCOMPARE(w.ui.clientArea->horizontalScrollBar()->isVisible() ||
                     w.ui.clientArea->verticalScrollBar()->isVisible(),
                 view.width() < smallest.width() || view.height() < smallest.height());
    }
    // Extra width goes to the table's columns; the frames keep their width.
    form.resize(start.width() + 400, start.height());
    QTRY_VERIFY(w.table->columnWidth(col::RxFrequency) > 89);
    int columns = 0;
    for (int column = 0; column < kTableCols; ++column)
        columns += w.table->columnWidth(column);
    QCOMPARE(columns, w.table->viewport()->width());
    QCOMPARE(w.ui.functionPanel->width(), w.ui.bandFrame->width());
    // Extra height goes to the channel rows: nothing is left below channel 16.
    const int designedRow = w.table->rowHeight(1);
    const int headerRow = w.table->rowHeight(0);
    form.resize(start.width(), start.height() + 300);
    QTRY_COMPARE(form.size(), QSize(start.width(), start.height() + 300));
    QCoreApplication::processEvents();
    QCOMPARE(w.table->rowViewportPosition(16) + w.table->rowHeight(16),
             w.table->viewport()->height());
    QVERIFY(w.table->rowHeight(1) > designedRow);
    QCOMPARE(w.table->rowHeight(0), headerRow);
}

void WindowLookTest::lockedTableLooksDisabled() {
    Window w;
    w.startChannel(1, "438.125");
    w.startChannel(2, "446.00625");
    auto picture = [&](int row) {
        QCoreApplication::processEvents();
        return w.table->viewport()->grab(w.cellRect(row, col::TxFrequency)).toImage();
    };
    const QImage odd = picture(1);
    const QImage even = picture(2);
    w.ui.lockAction->trigger();
    QVERIFY(!w.table->isEnabled());
    QVERIFY(picture(1) != odd);
    QVERIFY(picture(2) != even);
    QCOMPARE(w.cell(1, col::RxFrequency), QStringLiteral("438.12500"));
    // The text turns grey, not invisible.
    const QPalette palette = w.table->palette();
    QVERIFY(palette.color(QPalette::Disabled, QPalette::Text) !=
            palette.color(QPalette::Active, QPalette::Text));
    QVERIFY(palette.color(QPalette::Disabled, QPalette::Text) !=
            w.table->item(1, col::RxFrequency)->background().color());
    w.ui.lockAction->trigger();
    QCOMPARE(picture(1), odd);
    QCOMPARE(picture(2), even);
}

void WindowLookTest::standardShortcutsReachTheFileCommands() {
    Window w;
    w.table->setFocus();
    // New asks its question, Open and Save show their file dialogs (cancelled here).
    Window::key(Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(w.box.shown.size(), std::size_t(1));
    QCOMPARE(w.box.shown[0].text, std::string(msg::NewConfirm.text.zh));
    Window::key(Qt::Key_O, Qt::ControlModifier);
    Window::key(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(w.dialogs.opensShown, 1);
    QCOMPARE(w.dialogs.savesShown, 1);
    QCOMPARE(w.ui.newAction->shortcut(), QKeySequence(QKeySequence::New));
    QSignalSpy unloaded(&w.form, &MainWindow::unloaded);
    Window::key(Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(unloaded.count(), 1);
    QVERIFY(!w.form.isVisible());
}

void WindowLookTest::tooltipsInTheThreeLanguages() {
    Window w;
    struct Expected {
        QAction* language;
        QString readButton;
        QString receiveColumn;
    };
    const QList<Expected> languages{
        {w.ui.englishAction, "Read frequency: read the whole memory from the radio",
         "Receive frequency in MHz, such as 438.12500; empty: the channel is not in use"},
        {w.ui.traditionalChineseAction, "讀頻：從對講機讀出全部數據",
         "接收頻率 (MHz)，例如 438.12500；空白表示該信道未使用"},
        {w.ui.simplifiedChineseAction, "读频：从对讲机读出全部数据",
         "接收频率 (MHz)，例如 438.12500；空白表示该信道未使用"},
    };
    for (const Expected& e : languages) {
        e.language->trigger();
        QCOMPARE(w.ui.toolbarButton(ToolbarButton::Read)->toolTip(), e.readButton);
        QCOMPARE(w.table->item(0, col::RxFrequency)->toolTip(), e.receiveColumn);
        for (QWidget* list : std::initializer_list<QWidget*>{
                 w.ui.bandList, w.ui.voicePromptList, w.ui.timeOutList, w.ui.timeOutWarningList,
                 w.ui.squelchList, w.ui.batterySaveList, w.ui.beepList})
            QVERIFY2(!list->toolTip().isEmpty(), qPrintable(list->objectName()));
        for (int column = 0; column < kTableCols; ++column)
            QVERIFY(!w.table->item(0, column)->toolTip().isEmpty());
    }
}

QTEST_MAIN(WindowLookTest)
#include "window_look_test.moc"
