// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/Backups.h"

#include "image/DataFile.h"
#include "image/ImageLayout.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <filesystem>
#include <vector>

namespace tlv {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kExtension = ".DAT";

std::string_view kindName(BackupKind kind) {
    return kind == BackupKind::Read ? "read" : "write";
}

bool allDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
}

// The name with "-n" before the extension for n >= 2.
std::string numbered(const std::string& name, int n) {
    if (n < 2) return name;
    const std::size_t dot = name.size() - kExtension.size();
    return name.substr(0, dot) + "-" + std::to_string(n) + name.substr(dot);
}

// Removes the oldest backups in `folder` beyond kBackupsKept. Failures are ignored: a backup
// left over is harmless.
void removeOldBackups(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (IsBackupFileName(name) && it->is_regular_file(error)) names.push_back(name);
    }
    if (names.size() <= static_cast<std::size_t>(kBackupsKept)) return;
    std::sort(names.begin(), names.end());
    const std::size_t surplus = names.size() - static_cast<std::size_t>(kBackupsKept);
    for (std::size_t i = 0; i < surplus; ++i)
        fs::remove(folder / names[i], error);
}

} // namespace

std::string BackupFileName(std::time_t when, BackupKind kind) {
    std::tm local{};
    if (::localtime_r(&when, &local) == nullptr) local = std::tm{};
    char stamp[32] = {};
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d_%H-%M-%S", &local);
    return std::string(stamp) + "_" + std::string(kindName(kind)) + std::string(kExtension);
}

bool IsBackupFileName(std::string_view name) {
    // 2024-05-01_14-03-22_read[-n].DAT
    constexpr std::size_t kStampLength = 19;
    if (name.size() < kStampLength + 1 + kExtension.size()) return false;
    const std::string_view stamp = name.substr(0, kStampLength);
    for (std::size_t i = 0; i < kStampLength; ++i) {
        const char expected = i == 4 || i == 7 ? '-' : i == 10 ? '_' : i == 13 || i == 16 ? '-' : 0;
        if (expected != 0 ? stamp[i] != expected
                          : !std::isdigit(static_cast<unsigned char>(stamp[i])))
            return false;
    }
    if (name[kStampLength] != '_' || !name.ends_with(kExtension)) return false;
    std::string_view rest =
        name.substr(kStampLength + 1, name.size() - kStampLength - 1 - kExtension.size());
    for (BackupKind kind : {BackupKind::Read, BackupKind::Write}) {
        const std::string_view kindText = kindName(kind);
        if (!rest.starts_with(kindText)) continue;
        const std::string_view suffix = rest.substr(kindText.size());
        return suffix.empty() || (suffix[0] == '-' && allDigits(suffix.substr(1)));
    }
    return false;
}

BackupResult SaveBackup(const std::string& folder, const MemoryImage& image, BackupKind kind,
                        std::time_t when) {
    const std::string content = DataFileContent(image);
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) return {FileStatus::Failure(error.value()), {}};

    const std::string name = BackupFileName(when, kind);
    fs::path path = fs::path(folder) / name;
    for (int n = 2; fs::exists(path, error); ++n)
        path = fs::path(folder) / numbered(name, n);
    BackupResult result{WriteFileAtomically(path.string(), content), path.string()};
    if (!result.status.ok) return {result.status, {}};
    removeOldBackups(folder);
    return result;
}

} // namespace tlv
