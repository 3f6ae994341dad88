// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/gui/ApplicationIdentity.h"

#include "help/ProgramVersion.h"

#include <QGuiApplication>
#include <QIcon>

namespace tlv {

QString ApplicationId() {
    return QStringLiteral(TLV_APP_ID);
}

void SetApplicationIdentity() {
    QCoreApplication::setApplicationName(QStringLiteral("TLV6200"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kProgramVersion));
    QGuiApplication::setDesktopFileName(ApplicationId());
    // The scalable icon of the desktop entry, compiled in, so that the window has it wherever
    // the program runs from.
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/application.svg")));
}

} // namespace tlv
