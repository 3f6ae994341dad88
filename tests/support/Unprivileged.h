// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Permission cases for tests that may run as the superuser (CI does), for whom file
// permissions do not bind: the case runs in a child process as the unprivileged user "nobody"
// (with the supplementary groups the case asks for) instead, and in this process when it
// already is unprivileged. Nothing permanent is made: the
// folders handed over for the case are given to that user and removed by their owner test.
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tlv::test {

// Runs `body` without privileges; true when it returned true. `folders` are made the
// unprivileged user's first, so that the body can create and change files in them; `groups`
// are its supplementary groups (a user sharing files with another through a group).
inline bool RunUnprivileged(const std::function<bool()>& body,
                            const std::vector<std::filesystem::path>& folders = {},
                            const std::vector<gid_t>& groups = {}) {
    if (::geteuid() != 0) return body();
    const passwd* nobody = ::getpwnam("nobody");
    if (nobody == nullptr) return false;
    const uid_t uid = nobody->pw_uid;
    const gid_t gid = nobody->pw_gid;
    for (const auto& folder : folders)
        if (::chown(folder.c_str(), uid, gid) != 0) return false;
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child < 0) return false;
    if (child == 0) {
        if (::setgroups(groups.size(), groups.data()) != 0 || ::setresgid(gid, gid, gid) != 0 ||
            ::setresuid(uid, uid, uid) != 0)
            ::_exit(2);
        const bool passed = body();
        std::fflush(nullptr);
        ::_exit(passed ? 0 : 1);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0)
        if (errno != EINTR) return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A GoogleTest case run that way: its own expectations decide.
inline void ExpectUnprivileged(const std::function<void()>& body,
                               const std::vector<std::filesystem::path>& folders = {},
                               const std::vector<gid_t>& groups = {}) {
    EXPECT_TRUE(RunUnprivileged(
        [&] {
            body();
            return !::testing::Test::HasFailure();
        },
        folders, groups))
        << "failed as an unprivileged user";
}

} // namespace tlv::test
