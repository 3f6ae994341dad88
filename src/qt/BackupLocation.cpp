// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/BackupLocation.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace tlv {

std::string BackupFolder() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (data.isEmpty()) return {};
    return QFile::encodeName(QDir(data).filePath(QStringLiteral("backups"))).toStdString();
}

} // namespace tlv
