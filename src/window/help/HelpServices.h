// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opening the user manual and the maker's web page with the desktop's programs. The opener can
// be replaced (tests record the addresses instead of starting a browser).
#include "language/Language.h"

#include <QString>
#include <QUrl>
#include <functional>
#include <string>

namespace tlv {

class MessageBoxService;

using UrlOpener = std::function<bool(const QUrl&)>;

// Replaces the opener; an empty one restores the desktop's (QDesktopServices::openUrl).
void SetUrlOpener(UrlOpener opener);

// Opens the start page of the user manual in the language in force with the desktop's browser:
// the installed manual, or the build folder's for a program of the build tree (`programFolder`
// is the program's folder). A missing manual, or one the desktop cannot open, is reported in a
// message box in the user's language.
void OpenUserManual(MessageBoxService& box, Language language, const QString& programFolder);

// Opens the maker's web page; a failure is reported in a message box.
void OpenMakerWebPage(MessageBoxService& box, Language language);

// Opens the folder of the automatic backups in the desktop's file manager, creating it first
// so that it opens before the first backup too; a failure is reported in a message box.
void OpenBackupFolder(MessageBoxService& box, Language language, const std::string& folder);

} // namespace tlv
