// SPDX-License-Identifier: GPL-3.0-or-later
// Where the user manual opens from, and how a program tells an installed copy of itself from
// one in its build folder.
#include "TemporaryFolder.h"
#include "help/HelpLinks.h"
#include "help/InstallLayout.h"

#include <gtest/gtest.h>

using namespace tlv;
namespace fs = std::filesystem;

namespace {

// A build tree and two installations: one at the configured folder ("opt/bin"), one elsewhere
// that carries its metainfo file ("usr/bin").
struct Layouts {
    test::TemporaryFolder root;
    std::string build = root.file("build/app");
    std::string configured = root.file("opt/bin");
    std::string packaged = root.file("usr/bin");
    Layouts() {
        for (const std::string& folder : {build, configured, packaged})
            fs::create_directories(folder);
        fs::create_directories(fs::path(InstalledMetainfoFile(packaged)).parent_path());
        test::WriteBytes(InstalledMetainfoFile(packaged), "<component/>");
    }
};

} // namespace

TEST(InstalledProgram, TheConfiguredFolderOrAnyFolderBesideAnInstallation) {
    Layouts l;
    const struct {
        std::string folder;
        bool installed;
    } cases[] = {
        {l.configured, true},
        {l.configured + "/../bin", true},
        {l.packaged, true},
        {l.build, false},
        {l.root.file("opt"), false}, // inside the prefix, but not the programs' folder
        {l.root.file("missing/bin"), false},
        {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsInstalledProgramFolder(c.folder, l.configured), c.installed) << c.folder;
}

TEST(UserManual, StartPageOfTheLanguageInTheInstalledDocumentsOrTheBuildFolder) {
    Layouts l;
    const std::string documents = InstalledDocumentFolder(l.packaged);
    EXPECT_EQ(documents.rfind(l.root.file("usr/share/"), 0), 0u) << documents;
    EXPECT_EQ(ManualStartPage(l.packaged, Language::English), documents + "/manual/en/index.html");
    const struct {
        Language language;
        const char* page;
    } builds[] = {
        {Language::Simplified, "build/manual/zh-CN/index.html"},
        {Language::English, "build/manual/en/index.html"},
        {Language::Traditional, "build/manual/zh-TW/index.html"},
    };
    for (const auto& b : builds)
        EXPECT_EQ(ManualStartPage(l.build, b.language), l.root.file(b.page));
}
