// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The import corpus (tests/data/imports): good and bad CSV and JSON files, each imported onto
// the start-up editor in English, and one file of what each import gives (expected.txt). Each
// front end's check - the core with Qt's JSON parser, tlv6200-cli, the web edition's core
// under Node (web/test/import-corpus.mjs) - writes its results in the same form.
//
// expected.txt: after comment lines (#), one block a file: "== NAME", then a line for each
// note ("note: WHERE: MESSAGE") and each error ("error: ..."), notes first, and for an import
// taken "image:" and the 848 bytes of the memory image in hex, 32 bytes a line after the
// offset. A file's options are the tags before its extension: ".renumber", ".bandN".
#include "exchange/ExchangeFormat.h"
#include "exchange/ImportReport.h"
#include "image/MemoryImage.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tlv::test {

struct CorpusFile {
    std::string name;
    std::string path;
    ExchangeFormat format;
    ImportOptions options;
};

// The inputs of the corpus, by name.
std::vector<CorpusFile> ImportCorpus();

// The blocks of expected.txt by file name (the lines after "== NAME", each ending in '\n').
std::map<std::string, std::string> ExpectedImportResults();

// One block: the findings, and the image of an import taken.
std::string ImportResultBlock(const std::vector<ImportIssue>& notes,
                              const std::vector<ImportIssue>& errors,
                              const std::optional<MemoryImage>& image);

// Where a check writes the results it found when TLV_WRITE_IMPORT_RESULTS names a file: the
// whole expected.txt as this check sees it, for a person to compare or to take over.
void WriteImportResults(const std::map<std::string, std::string>& blocks);

} // namespace tlv::test
