// SPDX-License-Identifier: GPL-3.0-or-later
#include "DataFiles.h"

#include "Console.h"

#include "document/EditorImage.h"
#include "editor/Startup.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace tlv::cli {

void FileMessage(Language language, const Message& message, const std::string& path,
                 const std::string& reason) {
    ErrorLine(Localise(language, message.text) + " " + path +
              (reason.empty() ? "" : ": " + reason));
}

int OpenDataFile(const std::string& path, Language language, EditorState& state) {
    state = MakeStartupEditor(language);
    const LoadResult result = LoadDataFile(path, state);
    switch (result.status) {
    case LoadStatus::Loaded: {
        ConsoleMessageBox box;
        ShowNotices(box, language, result.notices);
        return kExitOk;
    }
    case LoadStatus::ReadFailed:
        FileMessage(language, msg::OpenFailed, path, result.reason);
        break;
    case LoadStatus::WrongType:
        FileMessage(language, msg::WrongFileType, path);
        break;
    }
    return kExitFile;
}

int SaveDataFile(const std::string& path, const RadioData& radio, Language language) {
    const FileStatus status = tlv::SaveDataFile(path, radio);
    if (!status.ok) {
        FileMessage(language, msg::SaveFailed, path, status.reason);
        return kExitFile;
    }
    return kExitOk;
}

int CheckOutputFolder(const std::string& path, Language language) {
    std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (folder.empty()) folder = ".";
    std::error_code error;
    if (std::filesystem::is_directory(folder, error)) return kExitOk;
    FileMessage(language, msg::SaveFailed, path, std::strerror(error ? error.value() : ENOTDIR));
    return kExitFile;
}

} // namespace tlv::cli
