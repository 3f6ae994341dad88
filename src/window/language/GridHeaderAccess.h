// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the language code reads and writes the header row of a grid. A QTableWidget's header
// items and any other item view's model header are found by themselves; a window whose grid
// shows its header from somewhere else (the main window's channel table shows row 0 of the editor's
// channel table) attaches its own access to the grid.
#include <QString>

#include <functional>

class QObject;

namespace tlv {

struct GridHeaderAccess {
    std::function<int()> columnCount;
    std::function<QString(int column)> text;
    std::function<void(int column, const QString& text)> setText;
};

// Attaches `access` to `grid` for as long as the grid lives (replacing an earlier one).
void SetGridHeaderAccess(QObject* grid, GridHeaderAccess access);

// The access for `grid`: the attached one, else one over a QTableWidget's header items or a
// QTableView's model header. Empty functions when `grid` is no grid.
GridHeaderAccess GridHeaderAccessFor(QObject* grid);

} // namespace tlv
