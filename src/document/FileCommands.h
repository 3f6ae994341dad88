// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The File commands of the main window - New, Open and Save of channel data files - as plain
// flows over the editor state, the message box and the file dialogs. The window calls them and
// refreshes itself afterwards.
#include "document/FileDialogService.h"
#include "editor/EditorState.h"
#include "image/FileIo.h"
#include "language/LocalMsgBox.h"
#include "language/Messages.h"

#include <optional>
#include <string>

namespace tlv {

enum class OpenOutcome {
    Cancelled, // the dialog was cancelled: nothing shown, nothing changed
    Loaded,    // the file's image is in the editor
    WrongType, // the wrong-type message was shown; the editor is unchanged
    Failed,    // the read-failure message was shown; the editor is unchanged
};

// The chosen save path with `extension` (".DAT") added when its file name has none.
std::string WithExtension(const std::string& path, const std::string& extension);
std::string WithDataExtension(const std::string& path);

// The main window's caption after a save: the application title, "-" and the path.
std::string SavedCaption(const std::string& path);

// The answer to "Save changes?".
enum class SaveChangesAnswer {
    Saved,     // Save, and the file was written
    Discarded, // Discard: the changes may go
    Cancelled, // Cancel, the close box, or a save that was cancelled or failed: keep everything
};

struct SaveChangesOutcome {
    SaveChangesAnswer answer;
    std::string savedPath; // the file written, for Saved
};

class FileCommands {
  public:
    FileCommands(EditorState& state, MessageBoxService& box, FileDialogService& dialogs)
        : state_(state), box_(box), dialogs_(dialogs) {}

    // New: asks the confirmation (unless the user has just answered "Save changes?"); on OK
    // empties every channel in use (ClearChannelsInUse). The settings and the band keep their
    // values; the dialogs show them again, so a value typed but never confirmed is gone. True
    // when the channels were cleared.
    bool New(bool alreadyConfirmed = false);

    // Open: asks for a file and loads it into the editor; `openedPath` gets its path.
    OpenOutcome Open(std::string* openedPath = nullptr);

    // Asks "Save changes?" (or `question`, with the same three answers) with Save, Discard and
    // Cancel; Save runs Save(). Call it only when the editor holds unsaved changes.
    SaveChangesOutcome AskToSaveChanges(const Message& question = msg::SaveChanges);

    // Save: asks for a path (again after "No" to the overwrite question) and replaces the file
    // with the editor's data file. The saved path, or nothing when cancelled or failed (the
    // failure message has been shown and the old file is intact).
    std::optional<std::string> Save();

    // Asks for the path of a new file of `kind` as Save does: the extension added when the name
    // has none (".DAT", ".pdf", ".csv" for the exchange formats), a folder refused with the failure
    // message, and an existing file replaced only after "Yes" to the overwrite question (the dialog
    // comes again after "No"). Nothing when cancelled.
    std::optional<std::string> ChooseSavePath(FileKind kind = FileKind::ChannelData);

    // Injected failures of the file replacement, for tests.
    WriteFault writeFault;

  private:
    EditorState& state_;
    MessageBoxService& box_;
    FileDialogService& dialogs_;
};

} // namespace tlv
