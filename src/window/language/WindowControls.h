// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finding windows and their controls by name (objectName), the way the caption tables
// address them.
#include <QHash>
#include <QList>
#include <QString>

class QObject;
class QWidget;

namespace tlv {

// The top-level window named `name`, or null.
QWidget* FindWindowByName(const QString& name);

// The window an object belongs to: a widget's window, an action's or other object's nearest
// widget ancestor's window. Null for an object outside any widget.
QWidget* WindowOf(const QObject* object);

// The objects of `window` (its own controls, menus and actions, not those of other windows
// parented to it), in creation order.
QList<QObject*> ControlsOf(QWidget* window);

// The control of `window` named `name`, or null. A widget is preferred to a non-widget of the
// same name (a menu to the action that shows its title).
QObject* FindControl(QWidget* window, const QString& name);

// Every named control of `window` by its name, each name standing for what FindControl finds.
QHash<QString, QObject*> ControlsByName(QWidget* window);

} // namespace tlv
