// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The effects the main window reaches through interfaces: the program passes the real ones,
// tests pass scripted ones.
#include "document/FileDialogService.h"
#include "editor/Clock.h"
#include "language/LocalMsgBox.h"
#include "language/StartupLanguage.h"

#include <string>

namespace tlv {

struct AppServices {
    MessageBoxService* msgBox = nullptr;
    Clock* clock = nullptr;
    // Folder of the parameter file and of the "ports" file; the program passes
    // ParameterFolder(). Empty (tests): no parameter file is read or written, and the ports
    // table is read from the program's folder.
    std::string settingsFolder = {};
    // The one-shot start-up language request; none when null.
    LanguageRequestStore* languageRequest = nullptr;
    // The open and save dialogs of the channel data files; without them the File commands do
    // nothing.
    FileDialogService* fileDialogs = nullptr;
    // Folder of the automatic backups of every read and write; the program passes
    // BackupFolder(). Empty (tests): no backups are kept.
    std::string backupFolder = {};
};

} // namespace tlv
