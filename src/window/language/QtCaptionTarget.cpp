// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/language/QtCaptionTarget.h"

#include "window/language/GridHeaderAccess.h"
#include "window/language/WindowControls.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QToolBar>

namespace tlv {

namespace {

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QtCaptionTarget::QtCaptionTarget() : QtCaptionTarget(FindWindowByName) {}

QtCaptionTarget::QtCaptionTarget(WindowFinder findWindow) : findWindow_(std::move(findWindow)) {}

QWidget* QtCaptionTarget::window(std::string_view name) {
    const QString key = qs(name);
    const auto found = windows_.constFind(key);
    if (found != windows_.constEnd()) return found.value();
    QWidget* window = findWindow_(key);
    windows_.insert(key, window);
    return window;
}

QObject* QtCaptionTarget::control(std::string_view windowName, std::string_view name) {
    QWidget* found = window(windowName);
    if (found == nullptr || name.empty()) return nullptr;
    auto controls = controls_.find(found);
    if (controls == controls_.end()) controls = controls_.insert(found, ControlsByName(found));
    return controls->value(qs(name));
}

void QtCaptionTarget::setWindowTitle(std::string_view name, const std::string& text) {
    if (QWidget* widget = window(name)) widget->setWindowTitle(qs(text));
}

void QtCaptionTarget::setCaption(std::string_view window, std::string_view name,
                                 const std::string& text) {
    QObject* object = control(window, name);
    const QString caption = qs(text);
    if (auto* menu = qobject_cast<QMenu*>(object))
        menu->setTitle(caption);
    else if (auto* action = qobject_cast<QAction*>(object))
        action->setText(caption);
    else if (auto* label = qobject_cast<QLabel*>(object))
        label->setText(caption);
    else if (auto* button = qobject_cast<QAbstractButton*>(object))
        button->setText(caption);
    else if (auto* frame = qobject_cast<QGroupBox*>(object))
        frame->setTitle(caption);
}

void QtCaptionTarget::setListEntry(std::string_view window, std::string_view name, int entry,
                                   const std::string& text) {
    // Written in place: a list without that entry stays as it is.
    if (auto* list = qobject_cast<QComboBox*>(control(window, name)))
        if (entry >= 0 && entry < list->count()) list->setItemText(entry, qs(text));
}

void QtCaptionTarget::setGridHeader(std::string_view window, std::string_view name, int column,
                                    const std::string& text) {
    const GridHeaderAccess access = GridHeaderAccessFor(control(window, name));
    if (access.columnCount && column >= 0 && column < access.columnCount())
        access.setText(column, qs(text));
}

void QtCaptionTarget::setToolbarButton(std::string_view window, std::string_view name, int button,
                                       const std::string& text) {
    auto* toolbar = qobject_cast<QToolBar*>(control(window, name));
    if (toolbar == nullptr) return;
    // Buttons are counted from 1, separators included.
    QAction* action = toolbar->actions().value(button - 1);
    if (action == nullptr || action->isSeparator()) return;
    action->setText(qs(text));
    action->setToolTip(qs(text));
}

} // namespace tlv
