// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/gui/ApplicationIdentity.h"

#include "help/ProgramVersion.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QTimer>
#include <QWidget>

namespace tlv {

QString ApplicationId() {
    return QStringLiteral(TLV_APP_ID);
}

void SetApplicationIdentity() {
    QCoreApplication::setApplicationName(QStringLiteral("TLV6200"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kProgramVersion));
    QGuiApplication::setDesktopFileName(ApplicationId());
}

namespace {

void setIcon() {
    // The scalable icon of the desktop entry, compiled in, so that the window has it wherever
    // the program runs from.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/application.svg")));
}

// Sets the icon once the watched window has painted for the first time.
class IconAfterFirstPaint : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                setIcon();
                deleteLater();
            });
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void SetApplicationIcon(QWidget* firstWindow) {
    if (firstWindow == nullptr) {
        setIcon();
        return;
    }
    firstWindow->installEventFilter(new IconAfterFirstPaint(firstWindow));
}

} // namespace tlv
