// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/ParameterLocation.h"

#include "editor/ParameterFile.h"
#include "help/InstallLayout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <sys/stat.h>
#include <unistd.h>

namespace tlv {

namespace {

std::string LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

bool WritableFolder(const std::string& folder) {
    struct stat info {};
    return !folder.empty() && ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
           ::access(folder.c_str(), W_OK) == 0;
}

} // namespace

std::string ChooseParameterFolder(const std::string& programFolder,
                                  const std::string& userConfigFolder, bool installed) {
    return !installed && WritableFolder(programFolder) ? programFolder : userConfigFolder;
}

std::string ParameterFolder() {
    std::string programFolder = LocalPath(QCoreApplication::applicationDirPath());
    QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    std::string chosen = ChooseParameterFolder(programFolder, LocalPath(userFolder),
                                               IsInstalledProgramFolder(programFolder));
    if (chosen != programFolder && !userFolder.isEmpty()) QDir().mkpath(userFolder);
    return chosen;
}

std::string ParameterFilePath() {
    return ParameterFolder() + "/" + kParameterFileName;
}

} // namespace tlv
