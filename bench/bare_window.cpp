// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick of the start-up benchmark: a bare Qt window of the main window's shape - a
// 17x9 table, a menu bar, a toolbar and a status bar - with nothing behind it. It starts as
// the program does and reports the same probe (app/StartupProbe.h).
#include "StartupProbe.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolBar>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("bare"));
    for (const char* menu : {"File", "Edit", "Programming", "Settings", "Language", "Help"})
        window.menuBar()->addMenu(QString::fromLatin1(menu))->addAction(QStringLiteral("Item"));
    QToolBar* bar = window.addToolBar(QStringLiteral("Tools"));
    for (const char* button : {"New", "Open", "Save", "Read", "Write"})
        bar->addAction(QString::fromLatin1(button));
    auto* table = new QTableWidget(17, 9, &window);
    for (int row = 0; row < 17; ++row)
        for (int column = 0; column < 9; ++column)
            table->setItem(row, column, new QTableWidgetItem(QString::number(row * 9 + column)));
    window.setCentralWidget(table);
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    window.resize(849, 456);
    window.show();
    tlv::StartupProbe::watch(window);
    return app.exec();
}
