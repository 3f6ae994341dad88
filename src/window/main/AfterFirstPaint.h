// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Work that the first sight of a window need not wait for: it runs right after the window's
// first paint, once, from the event loop (so the paint itself reaches the screen first).

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <utility>

namespace tlv {

class AfterFirstPaint : public QObject {
  public:
    // Watches `window`; the watcher belongs to `owner`, so the work never outlives it.
    AfterFirstPaint(QWidget& window, QObject& owner, std::function<void()> work)
        : QObject(&owner), work_(std::move(work)) {
        window.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                work_();
                deleteLater();
            });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<void()> work_;
};

} // namespace tlv
