// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/main/EditCommands.h"

#include "editor/ChannelRows.h"
#include "window/main/CellEditors.h"
#include "window/main/ChannelTable.h"
#include "window/main/EditorModel.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>

namespace tlv {

EditCommands::EditCommands(EditorModel& model, ChannelTable& table, CellEditors& editors,
                           const MainMenus& menus, QWidget& window)
    : QObject(&window), model_(model), table_(table), editors_(editors), menus_(menus),
      window_(window) {
    // The row commands' keys reach them while the table or one of its editors has the focus.
    table.addActions(menus.rowCommands());
    table.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&table, &QWidget::customContextMenuRequested, this, &EditCommands::showTableMenu);

    const std::pair<QAction*, void (EditCommands::*)()> commands[] = {
        {menus.undo, &EditCommands::undo},
        {menus.redo, &EditCommands::redo},
        {menus.cut, &EditCommands::cut},
        {menus.copy, &EditCommands::copy},
        {menus.paste, &EditCommands::paste},
        {menus.selectAllChannels, &EditCommands::selectAll},
        {menus.deleteChannels, &EditCommands::deleteRows},
        {menus.insertChannel, &EditCommands::insertRow},
    };
    for (const auto& [action, command] : commands)
        connect(action, &QAction::triggered, this, command);
    connect(menus.moveUp, &QAction::triggered, this, [this] { moveRows(-1); });
    connect(menus.moveDown, &QAction::triggered, this, [this] { moveRows(1); });
    connect(&model, &EditorModel::changed, this, &EditCommands::update);
    connect(&model, &EditorModel::transferRunningChanged, this, &EditCommands::update);
    update();
}

void EditCommands::update() {
    const bool editable = model_.dataMayChange();
    menus_.undo->setEnabled(editable && model_.history().canUndo());
    menus_.redo->setEnabled(editable && model_.history().canRedo());
    for (QAction* action : {menus_.cut, menus_.paste, menus_.deleteChannels, menus_.insertChannel,
                            menus_.moveUp, menus_.moveDown})
        action->setEnabled(editable);
}

bool EditCommands::startChange() {
    if (!model_.dataMayChange()) return false;
    editors_.closeEditor();
    return true;
}

// ---- Undo --------------------------------------------------------------------------------

void EditCommands::undo() {
    if (!startChange()) return;
    model_.undo();
    update();
}

void EditCommands::redo() {
    if (!startChange()) return;
    model_.redo();
    update();
}

// ---- Clipboard ---------------------------------------------------------------------------

void EditCommands::copy() {
    editors_.closeEditor();
    QGuiApplication::clipboard()->setText(
        QString::fromStdString(ChannelRowsText(model_.state(), table_.selectedChannelRows())));
}

void EditCommands::cut() {
    if (!startChange()) return;
    copy();
    model_.document().deleteChannels(table_.selectedChannelRows());
    model_.refresh();
}

void EditCommands::paste() {
    if (!startChange()) return;
    const std::vector<int> rows = table_.selectedChannelRows();
    const int first = rows.empty() ? 1 : rows.front();
    const EditOutcome pasted =
        model_.document().pasteRows(first, QGuiApplication::clipboard()->text().toStdString());
    model_.show(pasted.notices);
    if (pasted.rows.empty()) return;
    model_.refresh();
    table_.selectChannelRows(pasted.rows);
}

// ---- Row commands ------------------------------------------------------------------------

void EditCommands::selectAll() {
    editors_.closeEditor();
    table_.chooseAllChannelRows();
}

void EditCommands::deleteRows() {
    if (!startChange()) return;
    model_.document().deleteChannels(table_.selectedChannelRows());
    model_.refresh();
}

void EditCommands::insertRow() {
    if (!startChange()) return;
    const std::vector<int> rows = table_.selectedChannelRows();
    if (rows.empty()) return;
    const EditOutcome inserted = model_.document().insertEmptyChannel(rows.front());
    model_.show(inserted.notices);
    if (inserted.rows.empty()) return;
    model_.refresh();
    table_.selectChannelRows(inserted.rows);
}

void EditCommands::moveRows(int step) {
    if (!startChange()) return;
    const std::vector<int> moved =
        model_.document().moveChannels(table_.selectedChannelRows(), step).rows;
    if (moved.empty()) return;
    model_.refresh();
    table_.selectChannelRows(moved, step < 0 ? moved.front() : moved.back());
    table_.setRowAnchor(step < 0 ? moved.back() : moved.front());
}

void EditCommands::showTableMenu(const QPoint& position) {
    // A right press on a row outside the chosen ones chooses that row, as in a spreadsheet.
    const QModelIndex index = table_.indexAt(position);
    const std::vector<int> chosen = table_.selectedChannelRows();
    if (index.isValid() && index.row() >= 1 &&
        std::find(chosen.begin(), chosen.end(), index.row()) == chosen.end())
        table_.chooseChannelRow(index.row(), {});
    auto* menu = new QMenu(&window_);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addActions({menus_.undo, menus_.redo});
    menu->addSeparator();
    menu->addActions({menus_.cut, menus_.copy, menus_.paste});
    menu->addSeparator();
    menu->addActions({menus_.deleteChannels, menus_.insertChannel, menus_.moveUp, menus_.moveDown});
    menu->popup(table_.viewport()->mapToGlobal(position));
}

} // namespace tlv
