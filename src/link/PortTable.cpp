// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/PortTable.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>
#include <system_error>
#include <tuple>

namespace tlv {

namespace {

std::string_view trim(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front())))
        s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
        s.remove_suffix(1);
    return s;
}

bool isUsbAdapter(std::string_view name) {
    return name.starts_with("ttyUSB") || name.starts_with("ttyACM");
}

// Sort key: group, name without its trailing number, the number.
std::tuple<int, std::string, long, std::string> sortKey(const std::string& path) {
    std::string name = std::filesystem::path(path).filename().string();
    std::size_t digits = name.size();
    while (digits > 0 && std::isdigit(static_cast<unsigned char>(name[digits - 1])))
        --digits;
    long number = -1;
    if (digits < name.size() && name.size() - digits < 9) number = std::stol(name.substr(digits));
    return {isUsbAdapter(name) ? 0 : 1, name.substr(0, digits), number, path};
}

// The same device under two names (a symbolic link such as /dev/serial/by-id/...) counts once.
std::string identity(const std::string& path) {
    std::error_code ec;
    auto canonical = std::filesystem::weakly_canonical(path, ec);
    return ec ? path : canonical.string();
}

} // namespace

int ParseComName(std::string_view name) {
    name = trim(name);
    if (name.size() < 4 || name.size() > 5) return 0;
    for (int i = 0; i < 3; ++i) {
        if (std::toupper(static_cast<unsigned char>(name[i])) != "COM"[i]) return 0;
    }
    int n = 0;
    for (char c : name.substr(3)) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return 0;
        n = n * 10 + (c - '0');
    }
    return n >= 1 && n <= kPortCount ? n : 0;
}

std::vector<PortsFileEntry> ParsePortsFile(std::string_view text) {
    std::vector<PortsFileEntry> entries;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = trim(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (line.empty() || line.front() == '#') continue;
        std::size_t eq = line.find('=');
        if (eq == std::string_view::npos) continue;
        int number = ParseComName(line.substr(0, eq));
        std::string_view device = trim(line.substr(eq + 1));
        if (number == 0 || device.empty()) continue;
        std::erase_if(entries, [&](const PortsFileEntry& e) { return e.number == number; });
        entries.push_back({number, std::string(device)});
    }
    return entries;
}

std::vector<std::string> OrderMachineDevices(std::vector<std::string> devices) {
    std::sort(devices.begin(), devices.end(),
              [](const std::string& a, const std::string& b) { return sortKey(a) < sortKey(b); });
    devices.erase(std::unique(devices.begin(), devices.end()), devices.end());
    return devices;
}

PortTable PortTable::Build(const std::vector<PortsFileEntry>& fixed,
                           const std::vector<std::string>& machineDevices) {
    PortTable table;
    std::vector<std::string> taken;
    for (const auto& entry : fixed) {
        if (entry.number < 1 || entry.number > kPortCount) continue;
        table.devices_[entry.number - 1] = entry.device;
    }
    for (const auto& device : table.devices_) {
        if (!device.empty()) taken.push_back(identity(device));
    }
    int next = 0;
    for (const auto& device : OrderMachineDevices(machineDevices)) {
        if (std::find(taken.begin(), taken.end(), identity(device)) != taken.end()) continue;
        while (next < kPortCount && !table.devices_[next].empty())
            ++next;
        if (next == kPortCount) break;
        table.devices_[next] = device;
        taken.push_back(identity(device));
    }
    return table;
}

PortTable PortTable::Load(const std::filesystem::path& folder,
                          const std::vector<std::string>& machineDevices) {
    std::vector<PortsFileEntry> fixed;
    std::ifstream in(folder / kPortsFileName, std::ios::binary);
    if (in) {
        std::ostringstream text;
        text << in.rdbuf();
        fixed = ParsePortsFile(text.str());
    }
    return Build(fixed, machineDevices);
}

const std::string& PortTable::device(int number) const {
    static const std::string none;
    if (number < 1 || number > kPortCount) return none;
    return devices_[number - 1];
}

bool IsComName(std::string_view nameOrPath) {
    std::string_view t = trim(nameOrPath);
    return t.size() > 3 && t.size() < 12 && std::toupper(static_cast<unsigned char>(t[0])) == 'C' &&
           std::toupper(static_cast<unsigned char>(t[1])) == 'O' &&
           std::toupper(static_cast<unsigned char>(t[2])) == 'M' &&
           std::all_of(t.begin() + 3, t.end(),
                       [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

std::string PortTable::resolve(std::string_view nameOrPath) const {
    std::string_view t = trim(nameOrPath);
    if (IsComName(t)) return device(ParseComName(t)); // COM0, COM21...: no device
    return std::string(t);
}

int PortTable::numberOf(std::string_view device) const {
    std::string wanted = identity(std::string(device));
    for (int i = 0; i < kPortCount; ++i) {
        if (!devices_[i].empty() && (devices_[i] == device || identity(devices_[i]) == wanted)) {
            return i + 1;
        }
    }
    return 0;
}

} // namespace tlv
