// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/help/HelpServices.h"

#include "help/HelpLinks.h"
#include "language/Messages.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tlv {

namespace {

UrlOpener& opener() {
    static UrlOpener current;
    return current;
}

bool open(const QUrl& url) {
    return opener() ? opener()(url) : QDesktopServices::openUrl(url);
}

} // namespace

void SetUrlOpener(UrlOpener replacement) {
    opener() = std::move(replacement);
}

void OpenUserManual(MessageBoxService& box, Language language, const QString& programFolder) {
    const QString path = QFile::decodeName(QByteArray::fromStdString(
        ManualStartPage(QFile::encodeName(programFolder).toStdString(), language)));
    if (!QFileInfo(path).isFile()) {
        ShowMessage(box, language, msg::HelpFileMissing, path.toStdString());
        return;
    }
    // The page is there: what failed is the program to show it.
    if (!open(QUrl::fromLocalFile(path)))
        ShowMessage(box, language, msg::NoOpeningProgram, path.toStdString());
}

void OpenBackupFolder(MessageBoxService& box, Language language, const std::string& folder) {
    const QString path = QFile::decodeName(QByteArray::fromStdString(folder));
    if (path.isEmpty() || !QDir().mkpath(path)) {
        ShowMessage(box, language, msg::BackupFolderFailed, folder);
        return;
    }
    if (!open(QUrl::fromLocalFile(path))) ShowMessage(box, language, msg::NoOpeningProgram, folder);
}

void OpenMakerWebPage(MessageBoxService& box, Language language) {
    const QUrl url(QString::fromLatin1(kMakerWebPage));
    if (!open(url)) ShowMessage(box, language, msg::NoOpeningProgram, kMakerWebPage);
}

} // namespace tlv
