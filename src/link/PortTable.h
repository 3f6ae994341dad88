// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// COM1..COM20 on this machine: which serial device each number stands for.
//
// The table is filled from an optional text file "ports" beside the parameter file, one line
// per port such as "COM3=/dev/ttyUSB0" (any device path, a pseudo-terminal included; blank
// lines and lines starting with '#' are ignored), then, for the numbers still free, from the
// machine's serial devices in a stable order: USB adapters (ttyUSB*, ttyACM*) first, then the
// others, each group by name with numbers compared as numbers. So a single USB programming
// cable is COM1.
#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tlv {

inline constexpr int kPortCount = 20;
inline constexpr const char* kPortsFileName = "ports";

// One usable line of a "ports" file: COM number (1..20) and device path.
struct PortsFileEntry {
    int number;
    std::string device;
};

// Parses the text of a "ports" file. Lines that are not "COMn=path" with n in 1..20 are
// skipped; a later line for the same number wins.
std::vector<PortsFileEntry> ParsePortsFile(std::string_view text);

// Sorts device paths: ttyUSB*/ttyACM* first, then the rest; by name, numbers numerically.
std::vector<std::string> OrderMachineDevices(std::vector<std::string> devices);

class PortTable {
  public:
    PortTable() = default;
    // Fixed entries first, then the machine's devices (in OrderMachineDevices order) for the
    // numbers still free; a device already in the table is not given a second number.
    static PortTable Build(const std::vector<PortsFileEntry>& fixed,
                           const std::vector<std::string>& machineDevices);
    // Reads folder/"ports" when it exists (a missing or unreadable file is an empty one).
    static PortTable Load(const std::filesystem::path& folder,
                          const std::vector<std::string>& machineDevices);

    // Device of COMn, or empty when n is out of 1..20 or has no device.
    const std::string& device(int number) const;
    // "COM7" (any case) gives the device of COM7; anything else is taken as a device path.
    // Empty when a COM name has no device.
    std::string resolve(std::string_view nameOrPath) const;
    // COM number of a device path (1..20), 0 when it is not in the table.
    int numberOf(std::string_view device) const;

  private:
    std::array<std::string, kPortCount> devices_{};
};

// "COMn" (case-insensitive, n 1..20) gives n; anything else 0.
int ParseComName(std::string_view name);

// Whether a port name is "COM" followed by digits (any number, any case), which the table
// resolves; anything else is a device path.
bool IsComName(std::string_view nameOrPath);

} // namespace tlv
