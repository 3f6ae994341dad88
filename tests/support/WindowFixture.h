#pragma once
// The main window for tests: what it is built with (an editor state, a scripted message box and
// file dialogs, a fixed clock), and a window shown and active with the user's mouse and keys on
// its table.
#include "FixedClock.h"
#include "ScriptedFileDialog.h"
#include "ScriptedMessageBox.h"
#include "editor/gui/CellEditors.h"
#include "editor/gui/MainWindow.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QtTest>

namespace tlv::test {

struct WindowServices {
    EditorState state;
    ScriptedMessageBox box;
    FixedClock clock;
    ScriptedFileDialog dialogs;
    AppServices services = [this] {
        AppServices s{&box, &clock};
        s.fileDialogs = &dialogs;
        return s;
    }();
};

// `Form` is the main window or a subclass that records commands instead of running them.
template <typename Form = MainWindow> struct ShownWindow : WindowServices {
    Form form{state, services};
    CellEditors& editors = *form.cellEditors;
    QTableWidget* table = form.channelTable;

    ShownWindow() {
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
    }

    QRect cellRect(int row, int column) const {
        return table->visualRect(table->model()->index(row, column));
    }
    QString cell(int row, int column) const { return table->item(row, column)->text(); }
    void press(int row, int column, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(table->viewport(), button, {}, cellRect(row, column).center());
    }
    // A receive frequency typed into a channel's cell, then Enter.
    void startChannel(int row, const QString& frequency) {
        press(row, col::RxFrequency);
        QTest::keyClicks(editors.frequencyEditor, frequency);
        QTest::keyClick(editors.frequencyEditor, Qt::Key_Return);
    }
    // The same with the keyboard alone: Enter on the cell, the frequency, Enter.
    void typeChannel(int row, const QString& frequency) {
        table->setFocus();
        table->setCurrentCell(row, col::RxFrequency);
        QTest::keyClick(table, Qt::Key_Return);
        QTest::keyClicks(editors.frequencyEditor, frequency);
        QTest::keyClick(editors.frequencyEditor, Qt::Key_Return);
    }
    // Keys go wherever the focus is, as typed keys do.
    static void type(const QString& keys) { QTest::keyClicks(QApplication::focusWidget(), keys); }
    static void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    // Picks `position` from the open drop-down of `list`: highlight the entry, then Enter.
    static void pickFromPopup(QComboBox* list, int position) {
        QAbstractItemView* view = list->view();
        QTRY_VERIFY(view->isVisible());
        view->setCurrentIndex(view->model()->index(position, 0));
        QTest::keyClick(view, Qt::Key_Return);
    }
};

} // namespace tlv::test
