// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/dialogs/DialogWidgets.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace tlv {

namespace {

// Presses a button that has the focus when Enter is typed, as Space does: none of the dialogs'
// buttons is a default button, so Enter would otherwise do nothing at all.
class EnterPressesButton : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            auto* button = qobject_cast<QPushButton*>(watched);
            if (button != nullptr && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
                button->click();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QComboBox* makeList(QWidget* parent, const char* name, const QStringList& entries) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setEditable(false);
    list->addItems(entries);
    return list;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    button->installEventFilter(new EnterPressesButton(button));
    return button;
}

void place(QWidget* widget, int left, int top, int width, int height) {
    const int h = height > 0 ? twips(height) : widget->sizeHint().height();
    widget->setGeometry(twips(left), twips(top), twips(width), h);
}

void selectPosition(QComboBox* list, int position) {
    list->setCurrentIndex(position >= 0 && position < list->count() ? position : -1);
}

ClickWatcher* ClickWatcher::watch(QWidget* widget) {
    auto* watcher = new ClickWatcher(widget);
    widget->installEventFilter(watcher);
    return watcher;
}

bool ClickWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        emit clicked();
    return QObject::eventFilter(watched, event);
}

} // namespace tlv
