// SPDX-License-Identifier: GPL-3.0-or-later
// The import corpus through the core with Qt's JSON parser, as the window program and the command
// line import: every file gives the findings and the image expected.txt holds (the command line
// and the web edition's core check the same file).
#include "document/EditorImage.h"
#include "editor/Startup.h"
#include "exchange/ImportText.h"
#include "qt/QtJsonParser.h"

#include "ImportCorpus.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

using namespace tlv;

TEST(ImportCorpus, TheCoreWithQtsJsonParserGivesTheExpectedResults) {
    const auto expected = test::ExpectedImportResults();
    std::map<std::string, std::string> found;
    const auto files = test::ImportCorpus();
    ASSERT_GE(files.size(), 40u);
    for (const test::CorpusFile& file : files) {
        EditorState editor = MakeStartupEditor(Language::English);
        const ImportReport report =
            ImportText(test::ReadBytes(file.path), file.format, file.options, Language::English,
                       editor, QtJsonParser());
        found[file.name] = test::ImportResultBlock(
            report.notes, report.errors,
            report.ok() ? std::optional<MemoryImage>(EditorImage(editor)) : std::nullopt);
        const auto block = expected.find(file.name);
        EXPECT_EQ(found[file.name],
                  block == expected.end() ? "(not in expected.txt)\n" : block->second)
            << file.name;
    }
    EXPECT_EQ(found.size(), expected.size()) << "expected.txt names a file the folder lacks";
    test::WriteImportResults(found);
}
