// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/HelpLinks.h"

#include "help/InstallLayout.h"
#include "language/Language.h"

#include <filesystem>

namespace tlv {

const char* ManualLanguageFolder(Language language) {
    switch (language) {
    case Language::English:
        return "en";
    case Language::Traditional:
        return "zh-TW";
    default:
        return "zh-CN";
    }
}

std::string ManualStartPage(const std::string& programFolder, Language language) {
    namespace fs = std::filesystem;
    // The build tree keeps every program one folder below the build folder (app/, cli/,
    // tests/), and the manual in the build folder's "manual".
    const fs::path manual = IsInstalledProgramFolder(programFolder)
                                ? fs::path(InstalledDocumentFolder(programFolder)) / "manual"
                                : fs::path(programFolder) / ".." / "manual";
    return (manual / ManualLanguageFolder(language) / "index.html").lexically_normal().string();
}

} // namespace tlv
