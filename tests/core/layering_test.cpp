// SPDX-License-Identifier: GPL-3.0-or-later
// The include rules of docs/architecture.md, checked on the source tree. Every folder of src/ is
// one level: the core's folders in the order of src/CoreFolders.cmake, then qt/ (the serial
// adapter) and window/ (the windows). A file includes files of its own level or lower ones; a
// file in a folder that has no level fails. The core includes no Qt; programs use only the levels
// they need.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kSource = TLV_SOURCE_DIR;

struct Include {
    std::string path; // as written
    bool angled;      // <...>
};

std::vector<Include> includesOf(const fs::path& file) {
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    const std::string source = text.str();
    static const std::regex include(R"(#include\s*([<"])([^>"]+)[>"])");
    std::vector<Include> found;
    for (std::sregex_iterator it(source.begin(), source.end(), include), end; it != end; ++it)
        found.push_back({(*it)[2], (*it)[1] == "<"});
    return found;
}

std::vector<fs::path> sourcesUnder(const fs::path& folder) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(kSource / folder))
        if (entry.path().extension() == ".h" || entry.path().extension() == ".cpp" ||
            entry.path().extension() == ".in")
            files.push_back(entry.path());
    return files;
}

// The folders with their levels, lowest first: the core's, the serial adapter, the windows.
std::vector<std::string> levelFolders() {
    std::vector<std::string> folders;
    std::stringstream list(TLV_CORE_FOLDERS);
    for (std::string folder; std::getline(list, folder, ',');)
        folders.push_back(folder);
    folders.push_back("qt");
    folders.push_back("window");
    return folders;
}

// The level of a file or include written relative to src/ ("link/RadioProtocol.h"): the place
// of its first folder; nothing for a file outside every listed folder.
std::optional<int> levelOf(const std::string& pathFromSrc) {
    static const std::vector<std::string> folders = levelFolders();
    const std::string folder = pathFromSrc.substr(0, pathFromSrc.find('/'));
    const auto found = std::find(folders.begin(), folders.end(), folder);
    if (found == folders.end() || folder == pathFromSrc) return std::nullopt;
    return static_cast<int>(found - folders.begin());
}

const int kSerialAdapter = *levelOf("qt/x");
const int kWindows = *levelOf("window/x");

bool isQtHeader(const Include& include) {
    return include.angled && include.path.size() > 1 && include.path[0] == 'Q' &&
           std::isupper(static_cast<unsigned char>(include.path[1]));
}

// A file of src/, or one generated from a template there ("X.h" from "X.h.in").
bool inSourceFolder(const std::string& path) {
    return fs::exists(kSource / "src" / path) || fs::exists(kSource / "src" / (path + ".in"));
}

bool isProjectInclude(const Include& include) {
    return !include.angled && include.path.find('/') != std::string::npos &&
           inSourceFolder(include.path);
}

TEST(Layering, EveryFileIncludesItsOwnLevelOrLower) {
    int includes = 0;
    for (const fs::path& file : sourcesUnder("src")) {
        const std::string relative = fs::relative(file, kSource / "src").generic_string();
        if (relative.find('/') == std::string::npos) continue; // src/'s own build files
        const std::optional<int> own = levelOf(relative);
        ASSERT_TRUE(own) << relative << " lies in a folder without a level (src/CoreFolders.cmake)";
        for (const Include& include : includesOf(file)) {
            ++includes;
            if (*own < kSerialAdapter) {
                EXPECT_FALSE(isQtHeader(include)) << relative << " includes " << include.path;
            }
            if (!include.angled) {
                EXPECT_TRUE(include.path.find('/') == std::string::npos ||
                            inSourceFolder(include.path))
                    << relative << " includes " << include.path << " from outside src/";
            }
            if (!isProjectInclude(include)) continue;
            const std::optional<int> level = levelOf(include.path);
            ASSERT_TRUE(level) << relative << " includes " << include.path;
            EXPECT_LE(*level, *own)
                << relative << " includes " << include.path << " from a higher level";
        }
    }
    EXPECT_GT(includes, 100);
}

// The project headers a file includes, and the ones they include, and so on.
std::set<std::string> includedProjectHeaders(const fs::path& file) {
    std::set<std::string> seen;
    std::vector<fs::path> pending{file};
    while (!pending.empty()) {
        const fs::path next = pending.back();
        pending.pop_back();
        for (const Include& include : includesOf(next))
            if (isProjectInclude(include) && fs::exists(kSource / "src" / include.path) &&
                seen.insert(include.path).second)
                pending.push_back(kSource / "src" / include.path);
    }
    return seen;
}

} // namespace

// The simulated radio speaks the protocol and keeps an image: it needs the frame bytes and the
// image's layout, nothing of the editor, its texts or its rules.
TEST(Layering, TheSimulatedRadioNeedsOnlyFramesAndTheLayout) {
    for (const fs::path& file : sourcesUnder("tools/radio-sim"))
        for (const std::string& header : includedProjectHeaders(file)) {
            const std::string folder = header.substr(0, header.find('/'));
            EXPECT_TRUE(folder == "radio" || folder == "image" || folder == "link")
                << file.filename() << " needs " << header;
        }
}

TEST(Layering, ProgramsUseOnlyTheLayersTheyNeed) {
    for (const auto& [folder, highest] :
         {std::pair{"cli", kSerialAdapter}, std::pair{"tools/radio-sim", kSerialAdapter - 1},
          std::pair{"tools/manual", kSerialAdapter - 1}, std::pair{"app", kWindows}}) {
        for (const fs::path& file : sourcesUnder(folder))
            for (const Include& include : includesOf(file))
                if (isProjectInclude(include)) {
                    EXPECT_LE(levelOf(include.path).value_or(kWindows + 1), highest)
                        << file.filename() << " includes " << include.path;
                }
    }
}
