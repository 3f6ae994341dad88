#pragma once
// The open and save file dialogs of the channel data files, behind an interface: the program
// shows real dialogs, tests hand over paths from a script.
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
};

} // namespace tlv
