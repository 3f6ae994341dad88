// SPDX-License-Identifier: GPL-3.0-or-later
// The include rules of docs/architecture.md, checked on the source tree: the core includes no
// Qt and nothing of the serial adapter or the windows, the serial adapter nothing of the
// windows, nothing under src/ a program's folder, the command-line program no window, the
// simulated radio only the frames and the image layout, the manual builder only the core;
// inside the core every file includes its own level or lower.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kSource = TLV_SOURCE_DIR;

enum class Layer { Core, SerialAdapter, Windows, Program };

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
        if (entry.path().extension() == ".h" || entry.path().extension() == ".cpp")
            files.push_back(entry.path());
    return files;
}

// The layer of a project include written relative to src/ ("link/qt/SerialLink.h").
Layer layerOf(const std::string& include) {
    if (include.find("/gui/") != std::string::npos) return Layer::Windows;
    if (include.find("/qt/") != std::string::npos) return Layer::SerialAdapter;
    return Layer::Core;
}

// Levels inside the core; a file not named here is on level 2, the editor model.
int coreLevel(const std::string& pathFromSrc) {
    const std::string stem = pathFromSrc.substr(0, pathFromSrc.rfind('.'));
    // 1: the radio's data, its image and its frames, texts and formats.
    for (const char* folder : {"radio/", "help/"})
        if (stem.rfind(folder, 0) == 0) return 1;
    static const std::map<std::string, int> levels{
        {"image/MemoryImage", 1},
        {"image/ImageLayout", 1},
        {"image/ImageCodec", 1},
        {"image/ImageFields", 1},
        {"image/DataFile", 1},
        {"image/Conversions", 1},
        {"image/FileIo", 1},
        {"image/FileDialogService", 1},
        {"link/RadioFrames", 1},
        {"link/RadioProtocol", 1},
        {"link/ParmrkDecoder", 1},
        {"link/PortTable", 1},
        {"link/PortLock", 1},
        {"localisation/Language", 1},
        {"localisation/LocalMsgBox", 1},
        {"localisation/Messages", 1},
        {"localisation/ButtonTexts", 1},
        {"localisation/Traditional", 1},
        {"localisation/StartupLanguage", 1},
        {"localisation/OpenccCharactersConfig", 1},
        {"dialogs/DialogDrafts", 1},
        {"editor/Clock", 1},
        {"exchange/ExchangeTexts", 1},
        {"line/LineRows", 1},
        {"line/LineTexts", 1},
        // 3: whole-image operations over the editor.
        {"image/EditorImage", 3},
        {"image/FileCommands", 3},
        {"image/EditorBaseline", 3},
        {"image/Backups", 3},
        {"localisation/LanguageSwitch", 3},
        {"exchange/SettingNames", 3},
        {"exchange/ImportPatch", 3},
        {"exchange/ChannelCsv", 3},
        {"exchange/JsonExport", 3},
        {"exchange/ExchangeFormat", 3},
        {"exchange/EditorComparison", 3},
        {"line/UnitsList", 3},
        {"line/LineRecord", 3},
        // 4: the transfer session, which loads what it reads into the editor.
        {"link/TransferSession", 4},
    };
    const auto level = levels.find(stem);
    return level == levels.end() ? 2 : level->second;
}

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

TEST(Layering, SourceFolderHoldsTheLibraries) {
    int includes = 0;
    for (const fs::path& file : sourcesUnder("src")) {
        const std::string relative = fs::relative(file, kSource / "src").generic_string();
        const Layer own = layerOf("/" + relative);
        for (const Include& include : includesOf(file)) {
            ++includes;
            if (own == Layer::Core) {
                EXPECT_FALSE(isQtHeader(include)) << relative << " includes " << include.path;
            }
            if (!include.angled) {
                EXPECT_TRUE(include.path.find('/') == std::string::npos ||
                            inSourceFolder(include.path))
                    << relative << " includes " << include.path << " from outside src/";
            }
            if (!isProjectInclude(include)) continue;
            EXPECT_LE(int(layerOf(include.path)), int(own))
                << relative << " includes " << include.path << " from a higher layer";
            if (own == Layer::Core && layerOf(include.path) == Layer::Core) {
                EXPECT_LE(coreLevel(include.path), coreLevel(relative))
                    << relative << " includes " << include.path << " from a higher level";
            }
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
        for (const std::string& header : includedProjectHeaders(file))
            for (const char* folder : {"editor/", "dialogs/", "localisation/", "exchange/"})
                EXPECT_NE(header.rfind(folder, 0), 0u) << file.filename() << " needs " << header;
}

TEST(Layering, ProgramsUseOnlyTheLayersTheyNeed) {
    for (const auto& [folder, highest] :
         {std::pair{"cli", Layer::SerialAdapter}, std::pair{"tools/radio-sim", Layer::Core},
          std::pair{"tools/manual", Layer::Core}}) {
        for (const fs::path& file : sourcesUnder(folder))
            for (const Include& include : includesOf(file))
                if (isProjectInclude(include)) {
                    EXPECT_LE(int(layerOf(include.path)), int(highest))
                        << file.filename() << " includes " << include.path;
                }
    }
}
