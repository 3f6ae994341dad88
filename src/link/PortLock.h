// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lock file with which a serial device is claimed: "LCK..NAME" in the system's lock folder,
// NAME being the device path without "/dev/" and with '/' as '_' (the form Qt's serial port
// writes, "pid\nprogram\nhost..."). Read to tell the user who holds a port that cannot be
// opened, and whether that holder still runs.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tlv {

// The folders where the lock is looked for, in the order the serial port library tries them.
std::vector<std::string> PortLockFolders();

// "LCK..ttyUSB0" for /dev/ttyUSB0, "LCK..pts_3" for /dev/pts/3.
std::string PortLockFileName(std::string_view device);

struct PortLock {
    std::string path;        // the lock file
    long pid = 0;            // the process it names; 0 when it names none
    bool running = false;    // that process still runs
    std::string processName; // its name, when it runs and the system tells it
};

// The first lock file of `device` found in `folders`; nothing when there is none.
std::optional<PortLock> FindPortLock(std::string_view device,
                                     const std::vector<std::string>& folders = PortLockFolders());

} // namespace tlv
