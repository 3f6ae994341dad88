#pragma once
// The effects the main window reaches through interfaces: the program passes the real ones,
// tests pass scripted ones.
#include "editor/Clock.h"
#include "image/FileDialogService.h"
#include "localisation/LocalMsgBox.h"

#include <string>

namespace tlv {

struct AppServices {
    MessageBoxService* msgBox = nullptr;
    Clock* clock = nullptr;
    // The open and save dialogs of the channel data files; without them the File commands do
    // nothing.
    FileDialogService* fileDialogs = nullptr;
    // The parameter file read at start-up and written at the end; empty: start with zeros and
    // write nothing.
    std::string parameterFile{};
};

} // namespace tlv
