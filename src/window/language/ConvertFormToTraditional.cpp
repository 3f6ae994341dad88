// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/language/ConvertFormToTraditional.h"

#include "language/Traditional.h"
#include "window/language/GridHeaderAccess.h"
#include "window/language/WindowControls.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QToolBar>

namespace tlv {

namespace {

QString traditional(const QString& text) {
    return QString::fromStdString(ToTraditional(text.toStdString()));
}

void convertMenu(QMenu* menu, QSet<QAction*>& done) {
    menu->setTitle(traditional(menu->title()));
    for (QAction* action : menu->actions()) {
        // Submenus convert their own title; an item shown in two menus is converted once.
        if (action->menu() != nullptr || done.contains(action)) continue;
        done.insert(action);
        action->setText(traditional(action->text()));
    }
}

void convertList(QComboBox* list) {
    const int count = list->count(); // read once, before the loop
    for (int i = 0; i < count; ++i)
        list->setItemText(i, traditional(list->itemText(i)));
}

void convertGridHeader(QObject* grid) {
    const GridHeaderAccess access = GridHeaderAccessFor(grid);
    if (!access.columnCount) return;
    const int columns = access.columnCount();
    for (int column = 0; column < columns; ++column)
        access.setText(column, traditional(access.text(column)));
}

} // namespace

void ConvertFormToTraditional(QWidget* window) {
    if (window == nullptr) return;
    QSet<QAction*> menuItems;
    for (QObject* control : ControlsOf(window)) {
        if (auto* label = qobject_cast<QLabel*>(control)) {
            label->setText(traditional(label->text()));
        } else if (qobject_cast<QRadioButton*>(control) || qobject_cast<QPushButton*>(control) ||
                   qobject_cast<QCheckBox*>(control)) {
            auto* button = static_cast<QAbstractButton*>(control);
            button->setText(traditional(button->text()));
        } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
            frame->setTitle(traditional(frame->title()));
        } else if (auto* menu = qobject_cast<QMenu*>(control)) {
            convertMenu(menu, menuItems);
        } else if (auto* list = qobject_cast<QComboBox*>(control)) {
            convertList(list);
        } else if (auto* toolbar = qobject_cast<QToolBar*>(control)) {
            toolbar->setToolTip(traditional(toolbar->toolTip()));
        } else {
            convertGridHeader(control); // grids; anything else has no header access
        }
    }
}

} // namespace tlv
