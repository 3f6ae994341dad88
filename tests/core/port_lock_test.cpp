// SPDX-License-Identifier: GPL-3.0-or-later
// The lock file of a serial port: its name, and who holds it.
#include "TemporaryFolder.h"
#include "Unprivileged.h"
#include "link/PortLock.h"

#include <gtest/gtest.h>

#include <csignal>

#include <sys/wait.h>
#include <unistd.h>

using namespace tlv;
using namespace tlv::test;

namespace {

TEST(PortLock, FileNameFollowsTheDevicePath) {
    EXPECT_EQ(PortLockFileName("/dev/ttyUSB0"), "LCK..ttyUSB0");
    EXPECT_EQ(PortLockFileName("/dev/pts/3"), "LCK..pts_3");
    EXPECT_EQ(PortLockFileName("/tmp/tlv-radio"), "LCK.._tmp_tlv-radio");
}

// A process that has ended: its number, after it was reaped.
long endedProcess() {
    pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    int status = 0;
    ::waitpid(child, &status, 0);
    return child;
}

TEST(PortLock, NamesTheHolderAndWhetherItStillRuns) {
    TemporaryFolder empty, locks;
    const std::vector<std::string> folders{empty.path().string(), locks.path().string()};
    EXPECT_EQ(FindPortLock("/dev/ttyUSB0", folders), std::nullopt);

    const long ended = endedProcess();
    struct Case {
        std::string content;
        long pid;
        bool running;
        std::string name;
    } cases[] = {
        {std::to_string(::getpid()) + "\ntlv_core_tests\nhost\n", ::getpid(), true,
         "tlv_core_tests"},
        {"     " + std::to_string(ended) + "\n", ended, false, ""},
        {"not a number\n", 0, false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.content);
        WriteBytes(locks.file("LCK..ttyUSB0"), c.content);
        std::optional<PortLock> lock = FindPortLock("/dev/ttyUSB0", folders);
        ASSERT_TRUE(lock.has_value());
        EXPECT_EQ(lock->path, locks.file("LCK..ttyUSB0"));
        EXPECT_EQ(lock->pid, c.pid);
        EXPECT_EQ(lock->running, c.running);
        EXPECT_EQ(lock->processName, c.name);
    }

    // Another user's program runs too, though the system refuses this user to signal it: this
    // test's own process seen by the unprivileged user, or the system's first process.
    const long other = ::geteuid() == 0 ? ::getpid() : 1;
    if (::geteuid() != 0 && ::kill(1, 0) == 0) GTEST_SKIP() << "process 1 is this user's";
    WriteBytes(locks.file("LCK..ttyUSB0"), std::to_string(other) + "\n");
    test::ExpectUnprivileged(
        [&] {
            std::optional<PortLock> lock = FindPortLock("/dev/ttyUSB0", folders);
            ASSERT_TRUE(lock.has_value());
            EXPECT_EQ(lock->pid, other);
            EXPECT_TRUE(lock->running);
        },
        {locks.path()});
}

} // namespace
