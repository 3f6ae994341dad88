// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The verbs of tlv6200-cli. Each returns the exit code.
#include "CommandLine.h"
#include "editor/EditorState.h"

#include <string>

namespace tlv::cli {

int RunNew(const CommandLine& line);
int RunShow(const CommandLine& line);
int RunExport(const CommandLine& line);
int RunImport(const CommandLine& line);
int RunDiff(const CommandLine& line);
int RunRead(const CommandLine& line, int argc, char** argv);
int RunWrite(const CommandLine& line, int argc, char** argv);
int RunPorts(const CommandLine& line, int argc, char** argv);
int RunLine(const CommandLine& line, int argc, char** argv);

// Opens a data file as the window's Open does: the start-up editor, then the image loaded into
// it. Its messages go to standard error; returns kExitOk or kExitFile.
int OpenDataFile(const std::string& path, Language language, EditorState& state);

// Saves the radio data as a data file, replacing the file atomically. kExitOk or kExitFile.
int SaveDataFile(const std::string& path, const RadioData& radio, Language language);
// Before a read: the folder of `path` must exist, so that a radio is not read for nothing. kExitOk,
// or the save message with the system's reason and kExitFile.
int CheckOutputFolder(const std::string& path, Language language);

} // namespace tlv::cli
