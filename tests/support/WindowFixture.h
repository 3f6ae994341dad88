// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window for tests: what it is built with (an editor state, a scripted message box and
// file dialogs, a fixed clock), and a window shown and active with the user's mouse and keys on
// its table.
#include "FixedClock.h"
#include "MainWindowControls.h"
#include "ScriptedFileDialog.h"
#include "ScriptedMessageBox.h"
#include "TemporaryFolder.h"
#include "editor/CellTexts.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
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

// A main window of its own, not shown, with its controls.
struct Window : WindowServices {
    MainWindow form{state, services};
    MainWindowControls ui{form};
};

// Services whose settings folder (parameter file, ports) is a folder of the test's own, where
// every COM number stands for a device that does not exist: the start-up's port scan neither
// finds this machine's ports nor changes the port number.
struct PortlessServices : WindowServices {
    TemporaryFolder folder;
    std::string parameterFile = folder.file("parameter");

    PortlessServices() {
        services.settingsFolder = folder.path().string();
        std::string ports;
        for (int n = 1; n <= 20; ++n)
            ports += "COM" + std::to_string(n) + "=" + folder.file("no-device") + "\n";
        WriteBytes(folder.file("ports"), ports);
    }
};

struct PortlessWindow : PortlessServices {
    MainWindow form{state, services};
    MainWindowControls ui{form};
};

// The text cell (row, column) shows, as CellText renders it.
inline QString CellString(const EditorState& state, int row, int column) {
    return QString::fromStdString(CellText(state, row, column));
}

struct ShownWindow : Window {
    CellEditors& editors = *ui.editors;
    ChannelTable* table = ui.table;

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
        QTest::keyClicks(ui.frequencyEditor, frequency);
        QTest::keyClick(ui.frequencyEditor, Qt::Key_Return);
    }
    // The same with the keyboard alone: Enter on the cell, the frequency, Enter.
    void typeChannel(int row, const QString& frequency) {
        table->setFocus();
        table->setCurrentCell(row, col::RxFrequency);
        QTest::keyClick(table, Qt::Key_Return);
        QTest::keyClicks(ui.frequencyEditor, frequency);
        QTest::keyClick(ui.frequencyEditor, Qt::Key_Return);
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
