// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/language/WindowControls.h"

#include <QApplication>
#include <QWidget>

namespace tlv {

QWidget* FindWindowByName(const QString& name) {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == name) return widget;
    return nullptr;
}

QWidget* WindowOf(const QObject* object) {
    for (const QObject* o = object; o != nullptr; o = o->parent()) {
        if (!o->isWidgetType()) continue;
        // A menu or a list's drop-down is a popup window of its own, but part of the window
        // that owns it.
        QWidget* window = static_cast<const QWidget*>(o)->window();
        while (window->windowType() == Qt::Popup && window->parentWidget() != nullptr)
            window = window->parentWidget()->window();
        return window;
    }
    return nullptr;
}

QList<QObject*> ControlsOf(QWidget* window) {
    QList<QObject*> controls;
    if (window == nullptr) return controls;
    for (QObject* object : window->findChildren<QObject*>())
        if (WindowOf(object) == window) controls.append(object);
    return controls;
}

QHash<QString, QObject*> ControlsByName(QWidget* window) {
    QHash<QString, QObject*> controls;
    if (window == nullptr) return controls;
    for (QObject* object : window->findChildren<QObject*>()) {
        const QString name = object->objectName();
        if (name.isEmpty() || WindowOf(object) != window) continue;
        // As FindControl: the first widget of the name, else the first object.
        QObject*& kept = controls[name];
        if (kept == nullptr || (!kept->isWidgetType() && object->isWidgetType())) kept = object;
    }
    return controls;
}

QObject* FindControl(QWidget* window, const QString& name) {
    if (window == nullptr || name.isEmpty()) return nullptr;
    QObject* found = nullptr;
    for (QObject* object : window->findChildren<QObject*>(name)) {
        if (WindowOf(object) != window) continue;
        if (object->isWidgetType()) return object;
        if (found == nullptr) found = object;
    }
    return found;
}

} // namespace tlv
