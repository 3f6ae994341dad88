// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The data files of the verbs: opened as the window's Open opens them, saved atomically, their
// messages on standard error. Each returns the exit code.
#include "editor/EditorState.h"
#include "language/Messages.h"

#include <string>

namespace tlv::cli {

// "<message> <path>[: <reason>]" on standard error.
void FileMessage(Language language, const Message& message, const std::string& path,
                 const std::string& reason = {});

// Opens a data file as the window's Open does: the start-up editor, then the image loaded into
// it. Its messages go to standard error; returns kExitOk or kExitFile.
int OpenDataFile(const std::string& path, Language language, EditorState& state);

// Saves the radio data as a data file, replacing the file atomically. kExitOk or kExitFile.
int SaveDataFile(const std::string& path, const RadioData& radio, Language language);

// Before a read: the folder of `path` must exist, so that a radio is not read for nothing. kExitOk,
// or the save message with the system's reason and kExitFile.
int CheckOutputFolder(const std::string& path, Language language);

} // namespace tlv::cli
