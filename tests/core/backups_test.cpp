// SPDX-License-Identifier: GPL-3.0-or-later
// Automatic backups on real files in a temporary folder.
#include "GoldenImage.h"
#include "TemporaryFolder.h"
#include "image/Backups.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

namespace tlv {
namespace {

namespace fs = std::filesystem;

std::set<std::string> namesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

// 1 May 2024, 14:03:22 local time.
std::time_t firstOfMay() {
    std::tm local{};
    local.tm_year = 124;
    local.tm_mon = 4;
    local.tm_mday = 1;
    local.tm_hour = 14;
    local.tm_min = 3;
    local.tm_sec = 22;
    local.tm_isdst = -1;
    return std::mktime(&local);
}

TEST(Backups, SavedAsDataFilesNamedByDateTimeAndKindNeverOverwritten) {
    test::TemporaryFolder folder;
    const std::string backups = folder.file("data/backups");
    const MemoryImage image = test::GoldenStartupImage();
    const std::string content = test::DataFile(image);

    const BackupResult read = SaveBackup(backups, image, BackupKind::Read, firstOfMay());
    const BackupResult again = SaveBackup(backups, image, BackupKind::Read, firstOfMay());
    const BackupResult write = SaveBackup(backups, image, BackupKind::Write, firstOfMay());
    for (const BackupResult* result : {&read, &again, &write})
        ASSERT_TRUE(result->status.ok) << result->status.reason;
    EXPECT_EQ(read.path, backups + "/2024-05-01_14-03-22_read.DAT");
    EXPECT_EQ(again.path, backups + "/2024-05-01_14-03-22_read-2.DAT");
    EXPECT_EQ(write.path, backups + "/2024-05-01_14-03-22_write.DAT");
    for (const BackupResult* result : {&read, &again, &write})
        EXPECT_EQ(test::ReadBytes(result->path), content);
}

TEST(Backups, RefusedWithoutAFileForAnUnwritableFolder) {
    test::TemporaryFolder folder;
    test::WriteBytes(folder.file("plain"), "a file, not a folder");
    const BackupResult blocked =
        SaveBackup(folder.file("plain/backups"), test::GoldenStartupImage(), BackupKind::Read, 0);
    EXPECT_FALSE(blocked.status.ok);
    EXPECT_FALSE(blocked.status.reason.empty());
    EXPECT_EQ(namesIn(folder.path()), std::set<std::string>{"plain"});
}

TEST(Backups, TheNewestAreKeptAndOtherFilesLeftAlone) {
    test::TemporaryFolder folder;
    const std::string backups = folder.file("backups");
    fs::create_directories(backups);
    // 200 older backups of 2023 (the count the folder keeps, written out so that a change of
    // the constant fails here), and files that only look like backups.
    constexpr int kKept = 200;
    for (int day = 1; day <= kKept; ++day) {
        char name[64];
        std::snprintf(name, sizeof name, "2023-%02d-%02d_10-00-00_%s.DAT", 1 + (day - 1) / 28,
                      1 + (day - 1) % 28, day % 2 ? "read" : "write-3");
        test::WriteBytes(backups + "/" + name, "old");
    }
    const std::set<std::string> strangers{"my radio.DAT", "2023-01-01_10-00-00_read.dat",
                                          "2023-01-01_10-00-00_erase.DAT",
                                          "2023-01-01_10-00-00_read-x.DAT"};
    for (const std::string& name : strangers)
        test::WriteBytes(backups + "/" + name, "mine");

    ASSERT_TRUE(
        SaveBackup(backups, test::GoldenStartupImage(), BackupKind::Read, firstOfMay()).status.ok);
    const std::set<std::string> names = namesIn(backups);
    EXPECT_EQ(names.size(), kKept + strangers.size());
    EXPECT_FALSE(names.count("2023-01-01_10-00-00_read.DAT")) << "the oldest backup goes";
    EXPECT_TRUE(names.count("2023-01-02_10-00-00_write-3.DAT"));
    EXPECT_TRUE(names.count("2024-05-01_14-03-22_read.DAT"));
    for (const std::string& name : strangers)
        EXPECT_TRUE(names.count(name)) << name;
}

} // namespace
} // namespace tlv
