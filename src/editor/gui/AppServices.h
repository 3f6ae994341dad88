#pragma once
// The effects the main window reaches through interfaces: the program passes the real ones,
// tests pass scripted ones.
#include "editor/Clock.h"
#include "localisation/LocalMsgBox.h"
#include "localisation/StartupLanguage.h"

#include <string>

namespace tlv {

struct AppServices {
    MessageBoxService* msgBox = nullptr;
    Clock* clock = nullptr;
    // Folder of the parameter file and of the "ports" file; empty: the program's folder.
    std::string settingsFolder = {};
    // The one-shot start-up language request; none when null.
    LanguageRequestStore* languageRequest = nullptr;
};

} // namespace tlv
