// The include rules of docs/architecture.md, checked on the source tree: the core includes no
// Qt and nothing of the serial adapter or the windows, the serial adapter nothing of the
// windows, nothing under src/ a program's folder, the command-line program no window, the
// simulated radio and the manual builder only the core; inside the core every file includes its
// own level or lower.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
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
    static const std::map<std::string, int> levels{
        {"image/Conversions", 1},
        {"image/ImageLayout", 1},
        {"image/Stores", 1},
        {"image/ImageFields", 1},
        {"image/FileIo", 1},
        {"image/FileDialogService", 1},
        {"localisation/LocalMsgBox", 1},
        {"localisation/Messages", 1},
        {"localisation/ButtonTexts", 1},
        {"localisation/LanguageState", 1},
        {"localisation/Traditional", 1},
        {"localisation/StartupLanguage", 1},
        {"editor/Clock", 1},
        {"help/HelpLinks", 1},
        {"help/InstallLayout", 1},
        {"help/InstallPaths", 1},
        {"link/ParmrkDecoder", 1},
        {"link/PortTable", 1},
        {"link/PortLock", 1},
        {"localisation/OpenccCharactersConfig", 1},
        {"exchange/ExchangeTexts", 1},
        {"help/ProgramVersion", 1},
        {"image/ImageCodec", 3},
        {"image/DataFile", 3},
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
        {"link/TransferEngine", 4},
    };
    const std::string stem = pathFromSrc.substr(0, pathFromSrc.rfind('.'));
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

} // namespace

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
