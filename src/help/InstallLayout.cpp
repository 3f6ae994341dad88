// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/InstallLayout.h"

#include "help/InstallPaths.h"

#include <filesystem>
#include <system_error>

namespace tlv {

namespace fs = std::filesystem;

namespace {

fs::path resolved(const std::string& folder) {
    std::error_code error;
    fs::path path = fs::weakly_canonical(fs::path(folder), error);
    return error ? fs::path(folder).lexically_normal() : path;
}

} // namespace

bool IsInstalledProgramFolder(const std::string& programFolder,
                              const std::string& installedProgramFolder) {
    if (programFolder.empty()) return false;
    const fs::path folder = resolved(programFolder);
    if (!installedProgramFolder.empty() && folder == resolved(installedProgramFolder)) return true;
    std::error_code error;
    return fs::is_regular_file(InstalledMetainfoFile(folder.string()), error);
}

bool IsInstalledProgramFolder(const std::string& programFolder) {
    return IsInstalledProgramFolder(programFolder, install_paths::kProgramFolder);
}

std::string InstalledDocumentFolder(const std::string& programFolder) {
    return (fs::path(programFolder) / install_paths::kProgramsToDocuments)
        .lexically_normal()
        .string();
}

std::string InstalledMetainfoFile(const std::string& programFolder) {
    return (fs::path(programFolder) / install_paths::kProgramsToMetainfo)
        .lexically_normal()
        .string();
}

} // namespace tlv
