// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/Traditional.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace tlv;

namespace {

struct Pair {
    std::string simplified;
    std::string traditional;
};

std::vector<Pair> expectedTable() {
    std::ifstream in(std::string(TLV_TEST_DATA_DIR) + "/traditional.tsv");
    std::vector<Pair> rows;
    std::string line;
    std::getline(in, line); // column names
    while (std::getline(in, line)) {
        const size_t tab = line.find('\t');
        if (tab == std::string::npos) continue;
        rows.push_back({line.substr(0, tab), line.substr(tab + 1)});
    }
    return rows;
}

// A scratch folder with OpenCC configurations of the test's own.
class ScratchConfigs : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("tlv-traditional-test-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::string write(const std::string& name, const std::string& content) {
        const auto path = folder_ / name;
        std::ofstream(path) << content;
        return path.string();
    }
    // A configuration whose only dictionary is the text dictionary `dictionary`.
    std::string textDictionaryConfig(const std::string& name, const std::string& dictionary) {
        const std::string dict = write(name + ".txt", dictionary);
        return write(
            name + ".json",
            R"({"name":"test","segmentation":{"type":"mmseg","dict":{"type":"text","file":")" +
                dict + R"("}},"conversion_chain":[{"dict":{"type":"text","file":")" + dict +
                R"("}}]})");
    }

    std::filesystem::path folder_;
};

} // namespace

TEST(ToTraditional, MatchesTheExpectedFormOfEverySystemText) {
    const std::vector<Pair> rows = expectedTable();
    ASSERT_GT(rows.size(), 150u);
    for (const Pair& row : rows) {
        const std::string converted = ToTraditional(row.simplified);
        EXPECT_EQ(converted, row.traditional) << row.simplified;
        EXPECT_EQ(Utf8Length(converted), Utf8Length(row.simplified)) << row.simplified;
    }
}

TEST(ToTraditional, KeepsWhatItCannotOrNeedNotConvert) {
    EXPECT_EQ(ToTraditional(""), "");
    EXPECT_EQ(ToTraditional("PTT ID"), "PTT ID");
    EXPECT_EQ(ToTraditional("繁体中文版 V1.0"), "繁體中文版 V1.0");
    EXPECT_EQ(ToTraditional("复制"), "複製"); // the phrase form, not 復制
    EXPECT_EQ(ToTraditional("宽\\窄带"), "寬\\窄帶");
    // Text that is not UTF-8 stays as it is: a cut-off sequence, an overlong slash.
    for (const std::string broken : {"\xE5\x8F"
                                     "abc",
                                     "\xC0\xAF"
                                     "关闭"})
        EXPECT_EQ(ToTraditional(broken), broken);
    // OpenCC stops at a NUL; the character-by-character path keeps every character.
    EXPECT_EQ(ToTraditional(std::string("关闭\0载波", 13)), std::string("關閉\0載波", 13));
}

TEST(ToTraditional, GivesTheSameResultsFromSeveralThreads) {
    const std::vector<Pair> rows = expectedTable();
    std::vector<std::thread> threads;
    std::vector<int> mismatches(4, 0);
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&, t] {
            for (const Pair& row : rows)
                if (ToTraditional(row.simplified) != row.traditional) ++mismatches[t];
        });
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(mismatches, std::vector<int>(4, 0));
}

TEST(Utf8Length, CountsCodePointsAndRefusesBrokenText) {
    EXPECT_EQ(Utf8Length(""), 0);
    EXPECT_EQ(Utf8Length("V1.0"), 4);
    EXPECT_EQ(Utf8Length("繁體 V1.0"), 7);
    EXPECT_EQ(Utf8Length("\xF0\x9F\x93\xBB"), 1);  // outside the basic plane
    EXPECT_EQ(Utf8Length("\xED\xA0\x80"), -1);     // surrogate
    EXPECT_EQ(Utf8Length("\xF4\x90\x80\x80"), -1); // beyond U+10FFFF
    EXPECT_EQ(Utf8Length("\x80"), -1);
}

TEST_F(ScratchConfigs, FallsBackToSingleCharactersWhenTheCountWouldChange) {
    // A phrase dictionary that turns two characters into three.
    const std::string phrases = textDictionaryConfig("grow", "发布\t發佈了\n");
    const TraditionalConverter converter(phrases, "s2t.json");
    ASSERT_TRUE(converter.hasPhraseConverter());
    // The count would change: every character is converted alone, with the character table.
    EXPECT_EQ(converter.convert("发布"), "發布");
    EXPECT_EQ(converter.convert("发布 V1"), "發布 V1");
    // Where the count stays, the phrase result is taken.
    EXPECT_EQ(converter.convert("复制"), "复制"); // not in the test dictionary
}

TEST_F(ScratchConfigs, KeepsCharactersWhoseSingleConversionIsNotOneCharacter) {
    const std::string phrases = textDictionaryConfig("grow2", "发\t發發\n");
    const std::string characters = textDictionaryConfig("chars", "发\t發發\n关\t關\n");
    const TraditionalConverter converter(phrases, characters);
    EXPECT_EQ(converter.convert("发关"), "发關");
}

TEST_F(ScratchConfigs, WithoutUsableConfigurationsTheTextStaysAsItIs) {
    const std::string broken = write("broken.json", "{ not json");
    const TraditionalConverter none(broken, folder_.string() + "/missing.json");
    EXPECT_FALSE(none.hasPhraseConverter());
    EXPECT_FALSE(none.hasCharacterConverter());
    EXPECT_EQ(none.convert("繁体中文版 V1.0"), "繁体中文版 V1.0");

    // Only the character configuration: used for every text.
    const TraditionalConverter charactersOnly(broken, "s2t.json");
    EXPECT_EQ(charactersOnly.convert("复制"), "復制");
}

TEST_F(ScratchConfigs, FilesInTheWorkingFolderAreNeverTakenForOpenCCs) {
    // A stray configuration and dictionary of the same names where the program runs.
    write("s2tw.json", "{ broken");
    write("STCharacters.ocd2", "not a dictionary");
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(folder_);
    const TraditionalConverter converter;
    std::filesystem::current_path(previous);
    EXPECT_TRUE(converter.hasPhraseConverter());
    EXPECT_TRUE(converter.hasCharacterConverter());
    EXPECT_EQ(converter.convert("复制"), "複製");
}
