// SPDX-License-Identifier: GPL-3.0-or-later
#include "TemporaryFolder.h"
#include "Unprivileged.h"
#include "image/FileIo.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <vector>

#include <fcntl.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tlv;
using test::ReadBytes;
using test::TemporaryFolder;
using test::WriteBytes;

namespace {

int FilesIn(const std::filesystem::path& folder) {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder))
        ++count;
    return count;
}

TEST(ReadFileHead, ReadsAtMostTheLimit) {
    TemporaryFolder folder;
    WriteBytes(folder.file("f"), std::string(1000, 'x'));
    std::string bytes;
    ASSERT_TRUE(ReadFileHead(folder.file("f"), 855, bytes).ok);
    EXPECT_EQ(bytes.size(), 855u);
    WriteBytes(folder.file("g"), "abc");
    ASSERT_TRUE(ReadFileHead(folder.file("g"), 855, bytes).ok);
    EXPECT_EQ(bytes, "abc");
}

TEST(ReadFileHead, RefusesWhatIsNotARegularFileWithTheReason) {
    TemporaryFolder folder;
    ASSERT_EQ(::mkfifo(folder.file("pipe").c_str(), 0600), 0);
    std::string bytes = "stale";
    FileStatus status = ReadFileHead(folder.path().string(), 10, bytes);
    EXPECT_FALSE(status.ok);
    EXPECT_EQ(status.reason, std::strerror(EISDIR));
    EXPECT_TRUE(bytes.empty());
    EXPECT_FALSE(ReadFileHead(folder.file("pipe"), 10, bytes).ok); // returns, does not wait
    status = ReadFileHead(folder.file("none"), 10, bytes);
    EXPECT_EQ(status.reason, std::strerror(ENOENT));
}

TEST(WriteFileAtomically, ReplacesALongerFileWhole) {
    TemporaryFolder folder;
    std::string path = folder.file("a.DAT");
    WriteBytes(path, std::string(2000, 'o'));
    ::chmod(path.c_str(), 0640);
    // The new content is on the disk before its name replaces the old file's.
    std::vector<WriteStep> steps;
    ASSERT_TRUE(
        WriteFileAtomically(path, "new", {}, [&](WriteStep step) { steps.push_back(step); }).ok);
    EXPECT_EQ(steps, (std::vector<WriteStep>{WriteStep::CreateTemporary, WriteStep::Write,
                                             WriteStep::Flush, WriteStep::Rename}));
    EXPECT_EQ(ReadBytes(path), "new");
    struct stat info {};
    ::stat(path.c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(FilesIn(folder.path()), 1);
}

TEST(WriteFileAtomically, WritesThroughASymbolicLink) {
    TemporaryFolder folder;
    WriteBytes(folder.file("real"), "old");
    std::filesystem::create_symlink(folder.file("real"), folder.file("link"));
    ASSERT_TRUE(WriteFileAtomically(folder.file("link"), "new").ok);
    EXPECT_TRUE(std::filesystem::is_symlink(folder.file("link")));
    EXPECT_EQ(ReadBytes(folder.file("real")), "new");
}

// Another user's file keeps its owner and group (when the superuser saves it), and a file with
// two names is written in place, so that both show the new content.
TEST(WriteFileAtomically, KeepsOwnerGroupAndEveryName) {
    TemporaryFolder folder;
    const std::string path = folder.file("a.DAT");
    WriteBytes(path, "old");
    ::chmod(path.c_str(), 0640);
    const bool superuser = ::geteuid() == 0;
    if (superuser) {
        ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
    }
    ASSERT_TRUE(WriteFileAtomically(path, "new").ok);
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    if (superuser) {
        EXPECT_EQ(info.st_uid, 65534u);
        EXPECT_EQ(info.st_gid, 65534u);
        // A group-shared file of another user, saved by a member of its group: the new file
        // cannot be given the owner, but keeps the group.
        constexpr gid_t kShared = 4242;
        TemporaryFolder team;
        const std::string shared = team.file("shared.DAT");
        WriteBytes(shared, "old");
        ASSERT_EQ(::chown(shared.c_str(), 0, kShared), 0);
        ::chmod(shared.c_str(), 0664);
        test::ExpectUnprivileged(
            [&] {
                ASSERT_TRUE(WriteFileAtomically(shared, "new").ok);
                struct stat saved {};
                ASSERT_EQ(::stat(shared.c_str(), &saved), 0);
                EXPECT_EQ(saved.st_gid, kShared);
                EXPECT_EQ(saved.st_mode & 0777, 0664u);
            },
            {team.path()}, {kShared});
    }

    std::filesystem::create_hard_link(path, folder.file("b.DAT"));
    std::vector<WriteStep> steps;
    ASSERT_TRUE(WriteFileAtomically(path, "newer and longer", {}, [&](WriteStep step) {
                    steps.push_back(step);
                }).ok);
    EXPECT_EQ(steps, (std::vector<WriteStep>{WriteStep::CreateTemporary, WriteStep::Write,
                                             WriteStep::Flush}));
    EXPECT_EQ(ReadBytes(folder.file("b.DAT")), "newer and longer");
    ASSERT_TRUE(WriteFileAtomically(folder.file("b.DAT"), "short").ok);
    EXPECT_EQ(ReadBytes(path), "short");
    EXPECT_EQ(std::filesystem::hard_link_count(path), 2u);
    EXPECT_EQ(FilesIn(folder.path()), 2) << "no safety copy left";

    // A failed in-place write puts the old content back.
    FileStatus status = WriteFileAtomically(
        path, "lost", [](WriteStep step) { return step == WriteStep::Flush ? EIO : 0; });
    EXPECT_FALSE(status.ok);
    EXPECT_EQ(status.reason, std::strerror(EIO));
    EXPECT_EQ(ReadBytes(folder.file("b.DAT")), "short");
    EXPECT_EQ(FilesIn(folder.path()), 2);
}

// A save removes the temporary files that saves killed half-way left in the folder: those of
// its own naming whose process has ended, once they are a minute old. It runs as an
// unprivileged user, for whom another user's running process cannot be signalled.
TEST(WriteFileAtomically, RemovesStaleTemporariesOfEndedProcesses) {
    TemporaryFolder folder;
    const pid_t ended = ::fork();
    if (ended == 0) ::_exit(0);
    ::waitpid(ended, nullptr, 0);
    test::ExpectUnprivileged(
        [&] {
            const std::string gone = std::to_string(ended), running = std::to_string(::getppid());
            struct Case {
                std::string name;
                int age; // seconds
                bool removed;
            } cases[] = {
                {".a.DAT.tmp" + gone + "-0", 300, true},
                {".other.dat.tmp" + gone + "-12", 61, true},
                {".a.DAT.tmp" + gone + "-1", 50, false},     // young: perhaps another machine's
                {".a.DAT.tmp" + running + "-0", 300, false}, // its process runs
                {".a.DAT.tmp1-0", 300, false},               // another user's process runs
                {".a.DAT.copy" + gone + "-0", 300, false},   // a safety copy: the user's to judge
                {".a.DAT.tmp" + gone, 300, false},           // not our naming
                {"a.DAT.tmp" + gone + "-0", 300, false},     // not hidden
            };
            for (const Case& c : cases) {
                WriteBytes(folder.file(c.name), "x");
                const timespec then{::time(nullptr) - c.age, 0};
                const timespec times[2] = {then, then};
                ASSERT_EQ(::utimensat(AT_FDCWD, folder.file(c.name).c_str(), times, 0), 0);
            }
            ASSERT_TRUE(WriteFileAtomically(folder.file("a.DAT"), "new").ok);
            for (const Case& c : cases)
                EXPECT_EQ(std::filesystem::exists(folder.file(c.name)), !c.removed) << c.name;
        },
        {folder.path()});
}

class InterruptedWrite : public testing::TestWithParam<WriteStep> {};

TEST_P(InterruptedWrite, LeavesTheOldFileAndNoTemporary) {
    TemporaryFolder folder;
    std::string path = folder.file("a.DAT");
    WriteBytes(path, "old content");
    FileStatus status = WriteFileAtomically(
        path, "new content", [](WriteStep step) { return step == GetParam() ? ENOSPC : 0; });
    EXPECT_FALSE(status.ok);
    EXPECT_EQ(status.reason, std::strerror(ENOSPC));
    EXPECT_EQ(ReadBytes(path), "old content");
    EXPECT_EQ(FilesIn(folder.path()), 1);
}

// The case's name: the step that fails.
std::string StepName(const testing::TestParamInfo<WriteStep>& info) {
    static const char* const names[] = {"CreateTemporary", "Write", "Flush", "Rename"};
    return names[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(AtEveryStep, InterruptedWrite,
                         testing::Values(WriteStep::CreateTemporary, WriteStep::Write,
                                         WriteStep::Flush, WriteStep::Rename),
                         StepName);

// (A missing folder, a folder and a read-only folder are reported through Save.)
TEST(WriteFileAtomically, ReportsAPathThroughAFile) {
    TemporaryFolder folder;
    WriteBytes(folder.file("plain"), "x");
    FileStatus status = WriteFileAtomically(folder.file("plain/a.DAT"), "x");
    EXPECT_FALSE(status.ok);
    EXPECT_EQ(status.reason, std::strerror(ENOTDIR));
}

TEST(WriteFileAtomically, KeepsAWriteProtectedFile) {
    TemporaryFolder folder;
    test::ExpectUnprivileged(
        [&] {
            WriteBytes(folder.file("a.DAT"), "old");
            ::chmod(folder.file("a.DAT").c_str(), 0444);
            FileStatus status = WriteFileAtomically(folder.file("a.DAT"), "new");
            EXPECT_FALSE(status.ok);
            EXPECT_EQ(status.reason, std::strerror(EACCES));
            EXPECT_EQ(ReadBytes(folder.file("a.DAT")), "old");
        },
        {folder.path()});
}

} // namespace
