// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's menus and toolbar: every command as an action, named by its designer's name
// (MainWindowNames.h), captioned with its Simplified design text and given its keys. Built here,
// connected by the window.
#include <QList>

#include <array>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

namespace tlv {

// The toolbar's buttons, in their order on the bar (the separator counts as a button).
enum class ToolbarButton { New = 1, Open, Save, Separator, Read, Write, Service };

struct MainMenus {
    QMenu* file = nullptr;
    QAction* newFile = nullptr;
    QAction* open = nullptr;
    QAction* save = nullptr;
    QAction* importFile = nullptr;
    QAction* exportFile = nullptr;
    QAction* print = nullptr;
    QAction* exportPdf = nullptr;
    QAction* quit = nullptr;
    // The Edit menu; the same commands on the channel table's right-click menu.
    QMenu* edit = nullptr;
    QAction* undo = nullptr;
    QAction* redo = nullptr;
    QAction* cut = nullptr;
    QAction* copy = nullptr;
    QAction* paste = nullptr;
    QAction* selectAllChannels = nullptr;
    QAction* deleteChannels = nullptr;
    QAction* insertChannel = nullptr;
    QAction* moveUp = nullptr;
    QAction* moveDown = nullptr;
    QMenu* programming = nullptr;
    QAction* read = nullptr;
    QAction* write = nullptr;
    QAction* optionalFunctions = nullptr;
    QAction* keys = nullptr;
    QAction* embeddedTexts = nullptr;
    QAction* powerLevels = nullptr;
    QAction* testFrequencies = nullptr;
    QAction* productionLine = nullptr;
    QMenu* settings = nullptr;
    QAction* lock = nullptr;
    QAction* port = nullptr;
    QMenu* language = nullptr;
    QAction* simplifiedChinese = nullptr;
    QAction* traditionalChinese = nullptr;
    QAction* english = nullptr;
    QMenu* help = nullptr;
    QAction* helpTopics = nullptr;
    QAction* userManual = nullptr;
    QAction* backupFolder = nullptr;
    QAction* about = nullptr;

    // The Edit commands that act on the channel table's rows; their keys work while the table or
    // one of its editors has the focus.
    QList<QAction*> rowCommands() const {
        return {cut,           copy,   paste,   selectAllChannels, deleteChannels,
                insertChannel, moveUp, moveDown};
    }
};

struct MainToolbar {
    QToolBar* bar = nullptr;
    std::array<QAction*, 7> buttons{};

    QAction* button(ToolbarButton which) const {
        const int n = static_cast<int>(which);
        return n >= 1 && n <= static_cast<int>(buttons.size()) ? buttons[n - 1] : nullptr;
    }
};

// The menu bar of `window` with every menu and item.
MainMenus BuildMainMenus(QMainWindow& window);

// The toolbar of `window`; the service button stays hidden until the service mode is on.
MainToolbar BuildMainToolbar(QMainWindow& window);

} // namespace tlv
