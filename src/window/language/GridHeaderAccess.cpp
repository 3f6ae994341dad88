// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/language/GridHeaderAccess.h"

#include <QTableWidget>

namespace tlv {

namespace {

// Carries an attached access; a child of the grid, so it goes with it.
class GridHeaderAccessHolder : public QObject {
  public:
    GridHeaderAccessHolder(QObject* grid, GridHeaderAccess access)
        : QObject(grid), access(std::move(access)) {}
    GridHeaderAccess access;
};

GridHeaderAccessHolder* holderOf(QObject* grid) {
    for (QObject* child : grid->children())
        if (auto* holder = dynamic_cast<GridHeaderAccessHolder*>(child)) return holder;
    return nullptr;
}

} // namespace

void SetGridHeaderAccess(QObject* grid, GridHeaderAccess access) {
    if (grid == nullptr) return;
    delete holderOf(grid);
    new GridHeaderAccessHolder(grid, std::move(access));
}

GridHeaderAccess GridHeaderAccessFor(QObject* grid) {
    if (grid == nullptr) return {};
    if (GridHeaderAccessHolder* holder = holderOf(grid)) return holder->access;
    if (auto* table = qobject_cast<QTableWidget*>(grid)) {
        return {[table] { return table->columnCount(); },
                [table](int column) {
                    QTableWidgetItem* item = table->horizontalHeaderItem(column);
                    return item ? item->text() : QString();
                },
                [table](int column, const QString& text) {
                    if (column < 0 || column >= table->columnCount()) return;
                    if (QTableWidgetItem* item = table->horizontalHeaderItem(column))
                        item->setText(text);
                    else
                        table->setHorizontalHeaderItem(column, new QTableWidgetItem(text));
                }};
    }
    if (auto* view = qobject_cast<QTableView*>(grid)) {
        return {[view] { return view->model() ? view->model()->columnCount() : 0; },
                [view](int column) {
                    return view->model()
                               ? view->model()->headerData(column, Qt::Horizontal).toString()
                               : QString();
                },
                [view](int column, const QString& text) {
                    QAbstractItemModel* model = view->model();
                    if (model && column >= 0 && column < model->columnCount())
                        model->setHeaderData(column, Qt::Horizontal, text);
                }};
    }
    return {};
}

} // namespace tlv
