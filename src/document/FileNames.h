// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The names of the files the program saves: the extension a chosen name without one gets, and
// the main window's caption for the file the editor matches.
#include "document/FileKind.h"

#include <string>

namespace tlv {

// The chosen save path with `extension` (".DAT") added when its file name has none.
std::string WithExtension(const std::string& path, const std::string& extension);
std::string WithDataExtension(const std::string& path);
// What a chosen name of `kind` without an extension gets: ".DAT", ".pdf", ".csv".
const char* DefaultExtension(FileKind kind);

// The main window's caption after a save: the application title, "-" and the path.
std::string SavedCaption(const std::string& path);

// The last part of a path: the name a file dialog offers for the file the editor matches.
std::string FileNameOf(const std::string& path);

} // namespace tlv
