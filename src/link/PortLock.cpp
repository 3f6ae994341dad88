// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/PortLock.h"

#include "image/FileIo.h"

#include <cerrno>
#include <charconv>
#include <csignal>

#include <sys/types.h>

namespace tlv {

namespace {

constexpr std::size_t kLockReadLimit = 512;

// The decimal number at the start of the lock's first line (leading blanks allowed, as in the
// older ten-column form); 0 when there is none.
long lockPid(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    long pid = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), pid);
    if (error != std::errc() || pid <= 0) return 0;
    return pid;
}

bool processRuns(long pid) {
    if (pid <= 0) return false;
    // EPERM: the process exists but belongs to another user.
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

std::string processName(long pid) {
    std::string name;
    if (!ReadFileHead("/proc/" + std::to_string(pid) + "/comm", 64, name).ok) return {};
    while (!name.empty() && (name.back() == '\n' || name.back() == '\r'))
        name.pop_back();
    return name;
}

} // namespace

std::vector<std::string> PortLockFolders() {
    return {"/var/lock", "/etc/locks", "/var/spool/locks",  "/var/spool/uucp",
            "/tmp",      "/var/tmp",   "/var/lock/lockdev", "/run/lock"};
}

std::string PortLockFileName(std::string_view device) {
    std::string name(device.starts_with("/dev/") ? device.substr(5) : device);
    for (char& c : name)
        if (c == '/') c = '_';
    return "LCK.." + name;
}

std::optional<PortLock> FindPortLock(std::string_view device,
                                     const std::vector<std::string>& folders) {
    const std::string name = PortLockFileName(device);
    for (const std::string& folder : folders) {
        PortLock lock;
        lock.path = folder + "/" + name;
        std::string text;
        if (!ReadFileHead(lock.path, kLockReadLimit, text).ok) continue;
        lock.pid = lockPid(text);
        lock.running = processRuns(lock.pid);
        if (lock.running) lock.processName = processName(lock.pid);
        return lock;
    }
    return std::nullopt;
}

} // namespace tlv
