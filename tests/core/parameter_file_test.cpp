// SPDX-License-Identifier: GPL-3.0-or-later
#include "TemporaryFolder.h"
#include "Unprivileged.h"
#include "editor/ParameterFile.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace tlv;
using test::ReadBytes;
using test::TemporaryFolder;
using test::WriteBytes;

namespace {

struct ReadCase {
    const char* name;
    std::string content;
    ParameterBytes expected;
    bool lockOn;
};

class ParameterFileRead : public testing::TestWithParam<ReadCase> {};

TEST_P(ParameterFileRead, GivesTheStoredBytesAndZerosForMissingOnes) {
    TemporaryFolder folder;
    std::string path = folder.file("parameter");
    WriteBytes(path, GetParam().content);
    ParameterBytes read = ReadParameterFile(path);
    EXPECT_EQ(read, GetParam().expected);
    EXPECT_EQ(read.lockOn(), GetParam().lockOn);
}

INSTANTIATE_TEST_SUITE_P(
    Contents, ParameterFileRead,
    testing::Values(
        ReadCase{"LockComThreeEnglish", std::string("\x01\x03\x01", 3), {1, 3, 1}, true},
        ReadCase{"SevenIsNotALock", std::string("\x07\x05\x02", 3), {7, 5, 2}, false},
        ReadCase{"Empty", "", {0, 0, 0}, false},
        ReadCase{"OneByte", std::string("\x01", 1), {1, 0, 0}, true},
        ReadCase{"TwoBytes", std::string("\x00\x0C", 2), {0, 12, 0}, false},
        ReadCase{"FiveBytes", std::string("\x00\x14\x02\xAA\xBB", 5), {0, 20, 2}, false}),
    [](const auto& info) { return info.param.name; });

// (A missing file, the three bytes written at the end and the bytes after them kept are tested
// through the main window's start and end.)
TEST(ParameterFile, UnwritablePlacesAreSkipped) {
    TemporaryFolder folder;
    std::filesystem::create_directory(folder.path() / "aFolder");
    ASSERT_EQ(::mkfifo(folder.file("aPipe").c_str(), 0600), 0);

    for (const std::string& path :
         {folder.file("missing/parameter"), folder.file("aFolder"), folder.file("aPipe")}) {
        SCOPED_TRACE(path);
        EXPECT_FALSE(WriteParameterFile(path, MakeParameterBytes(true, 1, Language::English)));
        EXPECT_EQ(ReadParameterFile(path), ParameterBytes{}); // and no wait on the pipe
    }
}

TEST(ParameterFile, ReadOnlyFileIsSkipped) {
    TemporaryFolder folder;
    test::ExpectUnprivileged(
        [&] {
            std::string path = folder.file("parameter");
            WriteBytes(path, "\x01\x02\x03");
            ::chmod(path.c_str(), 0444);
            EXPECT_FALSE(
                WriteParameterFile(path, MakeParameterBytes(false, 0, Language::Simplified)));
            EXPECT_EQ(ReadBytes(path), "\x01\x02\x03");
        },
        {folder.path()});
}

} // namespace
