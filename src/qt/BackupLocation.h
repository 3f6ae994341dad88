// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the automatic backups of radio images live: the folder "backups" in the program's
// per-user data folder (QStandardPaths::AppDataLocation; on Linux
// ~/.local/share/TLV6200/backups). The application name must be set first.
#include <string>

namespace tlv {

// The backup folder, or empty when the system names no data folder.
std::string BackupFolder();

} // namespace tlv
