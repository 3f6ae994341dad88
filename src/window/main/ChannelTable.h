// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The channel table: 17 x 9 cells, row 0 the header row, column 0 the channel numbers, even rows
// shaded. It shows the editor state in the language in force (every cell rendered from the
// typed data), looks disabled under the editing lock, keeps its columns readable in every
// language, chooses whole rows for the row commands, and takes the user's presses and keys:
// those that open an in-cell editor go to the CellEditors, the arrows move the current cell
// among the channels' cells.
#include "editor/EditorState.h"

#include <QColor>
#include <QTableWidget>

#include <array>
#include <optional>
#include <vector>

namespace tlv {

class CellEditors;

class ChannelTable : public QTableWidget {
    Q_OBJECT
  public:
    explicit ChannelTable(QWidget* parent);

    // The editors the presses and keys open; set once, before the table is used.
    void setEditors(CellEditors* editors) { editors_ = editors; }

    // Every cell (header row included), the column widths and the tooltips of the columns, from
    // the state.
    void showState(const EditorState& state);
    // A locked table looks it: grey cells (the stripes kept) and grey text.
    void showLock(bool locked);

    // The channel rows the row commands act on: the selected rows, else the current cell's row;
    // ascending, 1..16.
    std::vector<int> selectedChannelRows() const;
    // Selects exactly `rows` (channel rows); `current` (else the first) becomes the current row.
    void selectChannelRows(const std::vector<int>& rows, int current = 0);
    // Selects whole channel rows as a press on their number does: alone, extended from the last
    // row chosen (Shift) or toggled (Ctrl).
    void chooseChannelRow(int row, Qt::KeyboardModifiers modifiers);
    // Shift+Up/Down: extends the chosen rows by one row up (-1) or down (+1).
    void extendChannelRows(int step);
    // Every channel row, as Select all does.
    void chooseAllChannelRows();
    // After rows moved: the row a Shift press or Shift+Up/Down extends from.
    void setRowAnchor(int row) { rowAnchor_ = row; }

    // Gives the focus to the control after (or before) the table, as Tab (Shift+Tab) does.
    void leave(bool forward);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void centreCells();
    void setRowHeights();
    void setColumnWidths();
    void fitColumnsToWidth();
    void fitRowsToHeight();
    std::array<int, kTableCols> designedColumnWidths() const;
    QColor cellBackground(int row, int column, bool locked) const;
    void showToolTips(Language language);
    // Keeps the current cell on the channels' cells (rows 1..16, columns 1..8).
    void keepCurrentCellOnChannels(int row, int column);
    void press(QMouseEvent* event);
    // The table's own keys while no editor is shown; true when the key was used.
    bool tableKey(QKeyEvent* event);

    CellEditors* editors_ = nullptr;
    int rowAnchor_ = 0;                       // the row a Shift press or Shift+Up/Down extends from
    std::optional<bool> cellsShownLocked_;    // whether the cells are painted as locked
    std::optional<Language> toolTipLanguage_; // the language the tooltips are written in
};

} // namespace tlv
