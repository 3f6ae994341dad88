// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick of the start-up benchmark: a bare Qt window of the main window's shape - a
// 17x9 table, a menu bar, a toolbar and a status bar - with nothing behind it. It starts as
// the program does and reports the same probe (app/StartupProbe.h). With TLV_BARE_CHINESE set,
// its menus and buttons carry the program's Simplified Chinese captions: what showing Chinese
// text costs a bare window (a CJK font) is then in its figures too.
#include "StartupProbe.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolBar>

#include <array>
#include <cstdlib>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const bool chinese = std::getenv("TLV_BARE_CHINESE") != nullptr;
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("bare"));
    const std::array<const char*, 6> english{"File",     "Edit",     "Programming",
                                             "Settings", "Language", "Help"};
    const std::array<const char*, 6> simplified{"文件", "编辑", "编程", "设置", "语言选择", "帮助"};
    for (const char* menu : chinese ? simplified : english)
        window.menuBar()->addMenu(QString::fromUtf8(menu))->addAction(QStringLiteral("Item"));
    QToolBar* bar = window.addToolBar(QStringLiteral("Tools"));
    const std::array<const char*, 5> englishButtons{"New", "Open", "Save", "Read", "Write"};
    const std::array<const char*, 5> simplifiedButtons{"新建", "打开", "保存", "读频", "写频"};
    for (const char* button : chinese ? simplifiedButtons : englishButtons)
        bar->addAction(QString::fromUtf8(button));
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
