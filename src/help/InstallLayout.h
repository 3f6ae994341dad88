// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a program tells an installed copy of itself from one run in its build folder, and where
// an installed copy keeps its documentation. An installed program keeps the user's files in the
// per-user configuration folder and opens the manual from the documentation folder; a program
// of the build tree keeps them in its own folder and opens the manual of the build folder.
#include <string>

namespace tlv {

// True when `programFolder` is the programs' folder of an installation: it is
// `installedProgramFolder` (the configured one), or the metainfo file of an installation lies at
// its place relative to it (a copy installed under another prefix, such as a package's /usr
// or a staging folder). Both are compared after resolving links and "..".
bool IsInstalledProgramFolder(const std::string& programFolder,
                              const std::string& installedProgramFolder);

// The same for the configured installation.
bool IsInstalledProgramFolder(const std::string& programFolder);

// The documentation folder, and the metainfo file, of the installation whose programs are in
// `programFolder`.
std::string InstalledDocumentFolder(const std::string& programFolder);
std::string InstalledMetainfoFile(const std::string& programFolder);

} // namespace tlv
