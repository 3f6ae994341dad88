// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The open and save file dialogs of the channel data files, behind an interface: the program
// shows real dialogs, tests hand over paths from a script.
#include "document/FileKind.h"

#include <optional>
#include <string>

namespace tlv {

class FileDialogService {
  public:
    virtual ~FileDialogService() = default;
    // The chosen path, or nothing when the dialog was cancelled. The dialogs offer the one
    // filter "TLV6200(*.DAT)", matching the extension in any letter case, and do not ask
    // about overwriting themselves.
    virtual std::optional<std::string> ShowOpen() = 0;
    virtual std::optional<std::string> ShowSave() = 0;
    // The same dialogs for a kind of file, with its filter. A service that knows only the
    // channel data files answers with ShowOpen and ShowSave.
    virtual std::optional<std::string> ShowOpenFor(FileKind) { return ShowOpen(); }
    virtual std::optional<std::string> ShowSaveFor(FileKind) { return ShowSave(); }
};

} // namespace tlv
