// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The memory image of the editor, an image loaded into the editor (the radio data, the
// tone-list entries of the table and the dialogs follow it), and the editor's channel data
// files. Shared by the main window's File commands, the transfer and the command-line program.
#include "editor/EditorState.h"
#include "image/FileIo.h"
#include "image/MemoryImage.h"
#include "language/Messages.h"

#include <string>
#include <vector>

namespace tlv {

// The image of the editor's radio data.
MemoryImage EditorImage(const EditorState& state);

// Loads `image` into the editor: DecodeImage into the radio data, the service mode off, the
// tone-list entries of the channels in use, the band without a question, and the dialogs'
// loads. Returns what the user is to be told, in order: the priority rules' messages, then the
// damaged frequencies (msg::DamagedFrequencies, one field a line).
std::vector<Notice> LoadImage(EditorState& state, const MemoryImage& image);

// The 853 bytes of a data file holding the radio data's image.
std::string BuildDataFile(const RadioData& radio);

// Replaces the file at `path` with the radio data's file, atomically.
FileStatus SaveDataFile(const std::string& path, const RadioData& radio,
                        const WriteFault& fault = {});

enum class LoadStatus {
    Loaded,     // the image went into the editor
    ReadFailed, // the file could not be read (reason given); the editor is unchanged
    WrongType,  // not a channel data file; the editor is unchanged
};

struct LoadResult {
    LoadStatus status;
    std::string reason;          // the system's reason for ReadFailed
    std::vector<Notice> notices; // Loaded: what LoadImage has to tell
};

// Reads the file at `path` (at most kDataFileReadLimit bytes) and loads its image into `state`
// with LoadImage. The caller chooses the editor the image goes into: the window's own, or a
// start-up editor (MakeStartupEditor).
LoadResult LoadDataFile(const std::string& path, EditorState& state);

} // namespace tlv
