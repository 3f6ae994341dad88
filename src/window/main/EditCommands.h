// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Edit menu and the channel table's right-click menu: undo and redo over the undo history,
// channel rows on the clipboard and the row commands. The rules and texts are the core's
// (UndoHistory, ChannelRows); these commands map the menus and keys to them and show the result.
#include "window/main/MainMenus.h"

#include <QObject>

class QPoint;
class QWidget;

namespace tlv {

class CellEditors;
class ChannelTable;
class EditorModel;

class EditCommands : public QObject {
    Q_OBJECT
  public:
    // Joins the Edit menu's commands of `menus` to the table; the right-click menu opens over
    // `window`.
    EditCommands(EditorModel& model, ChannelTable& table, CellEditors& editors,
                 const MainMenus& menus, QWidget& window);

    // Offers only what may run now: nothing that changes the data under the editing lock or
    // during a transfer, Undo and Redo only with a step to take.
    void update();

  private:
    // Before a command that changes the data: false when they may not change; else an open
    // in-cell editor commits first, as leaving it does (its change is then part of the step).
    bool startChange();
    void undo();
    void redo();
    void cut();
    void copy();
    void paste();
    void selectAll();
    void deleteRows();
    void insertRow();
    void moveRows(int step);
    void showTableMenu(const QPoint& position);

    EditorModel& model_;
    ChannelTable& table_;
    CellEditors& editors_;
    MainMenus menus_;
    QWidget& window_;
};

} // namespace tlv
