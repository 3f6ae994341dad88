#pragma once
// The effects the main window reaches through interfaces: the program passes the real ones,
// tests pass scripted ones.
#include "editor/Clock.h"
#include "localisation/LocalMsgBox.h"

namespace tlv {

struct AppServices {
    MessageBoxService* msgBox = nullptr;
    Clock* clock = nullptr;
};

} // namespace tlv
