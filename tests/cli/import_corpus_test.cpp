// SPDX-License-Identifier: GPL-3.0-or-later
// The import corpus through tlv6200-cli import: every file gives the findings (notes first, then
// errors, each on its line after the file's name) and the image expected.txt holds, as the core
// and the web edition's core give them.
#include "CliProcess.h"
#include "ImportCorpus.h"
#include "TemporaryFolder.h"

#include "image/DataFile.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace tlv;

TEST(ImportCorpus, TheCommandLineGivesTheExpectedResults) {
    test::TemporaryFolder folder;
    const auto expected = test::ExpectedImportResults();
    std::map<std::string, std::string> found;
    for (const test::CorpusFile& file : test::ImportCorpus()) {
        const std::string output = folder.file(file.name + ".DAT");
        std::vector<std::string> arguments{"import", file.path, "-o", output, "--lang", "en"};
        if (file.options.renumber) arguments.push_back("--renumber");
        if (file.options.band) {
            arguments.push_back("--band");
            arguments.push_back(std::to_string(*file.options.band));
        }
        const test::ProcessResult result = test::RunCli(arguments);
        // The findings are the lines that name the file; the command line's advice follows them.
        std::vector<ImportIssue> findings;
        std::istringstream lines(result.err);
        for (std::string line; std::getline(lines, line);)
            if (line.rfind(file.path + ": ", 0) == 0)
                findings.push_back({{}, line.substr(file.path.size() + 2)});
        std::optional<MemoryImage> image;
        if (result.exitCode == 0) image = DataFileImage(test::ReadBytes(output));
        // The command line does not tell notes from errors: the expected lines are compared
        // without their kind.
        std::string block = test::ImportResultBlock(findings, {}, image);
        std::string want;
        std::istringstream wanted(expected.count(file.name) ? expected.at(file.name) : "");
        for (std::string line; std::getline(wanted, line);)
            want += (line.rfind("error: ", 0) == 0 ? "note: " + line.substr(7) : line) + "\n";
        EXPECT_EQ(block, want) << file.name << "\n" << result.err;
        EXPECT_EQ(result.exitCode, want.find("image:") != std::string::npos ? 0 : 4) << file.name;
    }
}
