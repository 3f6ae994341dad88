// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImportCorpus.h"

#include "TemporaryFolder.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <sstream>

namespace tlv::test {

namespace {

const std::string kFolder = std::string(TLV_TEST_DATA_DIR) + "/imports";

constexpr const char* kHeader =
    "# What each import file of this folder gives, imported onto the start-up editor in English\n"
    "# (see tests/support/ImportCorpus.h): its notes and errors with their places, and the memory\n"
    "# image of an import taken.\n";

} // namespace

std::vector<CorpusFile> ImportCorpus() {
    std::vector<CorpusFile> files;
    for (const auto& entry : std::filesystem::directory_iterator(kFolder)) {
        const std::string name = entry.path().filename().string();
        const ExchangeFormat format = ExchangeFormatOf(name);
        if (format == ExchangeFormat::Unknown) continue;
        CorpusFile file{name, entry.path().string(), format, {}};
        file.options.renumber = name.find(".renumber.") != std::string::npos;
        std::smatch band;
        if (std::regex_search(name, band, std::regex(R"(\.band([0-9])\.)")))
            file.options.band = std::stoi(band[1]);
        files.push_back(file);
    }
    std::sort(files.begin(), files.end(),
              [](const CorpusFile& a, const CorpusFile& b) { return a.name < b.name; });
    return files;
}

std::map<std::string, std::string> ExpectedImportResults() {
    std::map<std::string, std::string> blocks;
    std::istringstream lines(ReadBytes(kFolder + "/expected.txt"));
    std::string line, name;
    while (std::getline(lines, line)) {
        if (line.rfind("== ", 0) == 0)
            blocks[name = line.substr(3)];
        else if (!name.empty() && !line.empty())
            blocks[name] += line + "\n";
    }
    return blocks;
}

std::string ImportResultBlock(const std::vector<ImportIssue>& notes,
                              const std::vector<ImportIssue>& errors,
                              const std::optional<MemoryImage>& image) {
    std::string block;
    for (const ImportIssue& note : notes)
        block += "note: " + IssueText(note) + "\n";
    for (const ImportIssue& error : errors)
        block += "error: " + IssueText(error) + "\n";
    if (!image) return block;
    block += "image:\n";
    for (std::size_t offset = 0; offset < image->size(); offset += 32) {
        char text[24];
        std::snprintf(text, sizeof text, "%04zx ", offset);
        block += text;
        for (std::size_t i = offset; i < offset + 32 && i < image->size(); ++i) {
            std::snprintf(text, sizeof text, "%02x", (*image)[i]);
            block += text;
        }
        block += "\n";
    }
    return block;
}

void WriteImportResults(const std::map<std::string, std::string>& blocks) {
    const char* path = std::getenv("TLV_WRITE_IMPORT_RESULTS");
    if (!path) return;
    std::string text = kHeader;
    for (const auto& [name, block] : blocks)
        text += "\n== " + name + "\n" + block;
    WriteBytes(path, text);
}

} // namespace tlv::test
