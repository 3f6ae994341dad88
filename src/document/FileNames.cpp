// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/FileNames.h"

#include "language/LocalMsgBox.h"

#include <filesystem>

namespace tlv {

std::string WithExtension(const std::string& path, const std::string& extension) {
    std::filesystem::path name = std::filesystem::path(path).filename();
    if (name.empty() || name == "." || name == ".." || name.has_extension()) return path;
    return path + extension;
}

std::string WithDataExtension(const std::string& path) {
    return WithExtension(path, ".DAT");
}

const char* DefaultExtension(FileKind kind) {
    switch (kind) {
    case FileKind::Pdf:
        return ".pdf";
    case FileKind::Exchange:
        return ".csv";
    case FileKind::ChannelData:
        break;
    }
    return ".DAT";
}

std::string SavedCaption(const std::string& path) {
    return std::string(kAppTitle) + "-" + path;
}

std::string FileNameOf(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

} // namespace tlv
