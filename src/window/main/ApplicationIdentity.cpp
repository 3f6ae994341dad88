// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/main/ApplicationIdentity.h"

#include "help/ProgramVersion.h"
#include "window/main/AfterFirstPaint.h"

#include <QApplication>
#include <QIcon>
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

} // namespace

void SetApplicationIcon(QWidget* firstWindow) {
    if (firstWindow == nullptr) {
        setIcon();
        return;
    }
    new AfterFirstPaint(*firstWindow, *firstWindow, setIcon);
}

} // namespace tlv
