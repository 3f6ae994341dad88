// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Automatic backups of the radio's memory: every image read from a radio, and every image about
// to be written into one, is kept as a channel data file in a backup folder, so that neither
// what a radio held nor what was sent to it is ever lost. The folder keeps the newest
// kBackupsKept backups; older ones are removed as new ones come.
#include "image/FileIo.h"
#include "image/MemoryImage.h"

#include <ctime>
#include <string>
#include <string_view>

namespace tlv {

inline constexpr int kBackupsKept = 200;

enum class BackupKind { Read, Write };

// The file name of a backup taken at local time `when`: date, time and "read" or "write", as
// in "2024-05-01_14-03-22_read.DAT". Names sort in the order the backups were taken.
std::string BackupFileName(std::time_t when, BackupKind kind);

// Whether `fileName` is named as BackupFileName names backups (with or without the "-2", "-3"
// ... that tells apart backups of the same second). Only such files are ever removed.
bool IsBackupFileName(std::string_view fileName);

struct BackupResult {
    FileStatus status;
    std::string path; // the backup file, when saved
};

// Saves the image as a data file in
// `folder`, which is created when missing, under a name no other file has; then removes the
// oldest backups beyond kBackupsKept. Files in the folder that are not named as backups are
// left alone.
BackupResult SaveBackup(const std::string& folder, const MemoryImage& image, BackupKind kind,
                        std::time_t when);

} // namespace tlv
