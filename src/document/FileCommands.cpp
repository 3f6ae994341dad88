// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/FileCommands.h"

#include "editor/DialogState.h"
#include "editor/EditorImage.h"
#include "editor/EditorOps.h"
#include "image/DataFile.h"
#include "language/Messages.h"

#include <cerrno>
#include <filesystem>

#include <sys/stat.h>

namespace tlv {

namespace {

// What a chosen name without an extension gets.
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

bool IsFolder(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool Exists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

} // namespace

std::string WithExtension(const std::string& path, const std::string& extension) {
    std::filesystem::path name = std::filesystem::path(path).filename();
    if (name.empty() || name == "." || name == ".." || name.has_extension()) return path;
    return path + extension;
}

std::string WithDataExtension(const std::string& path) {
    return WithExtension(path, ".DAT");
}

std::string SavedCaption(const std::string& path) {
    return std::string(kAppTitle) + "-" + path;
}

bool FileCommands::New(bool alreadyConfirmed) {
    if (!alreadyConfirmed && ShowMessage(box_, state_.language(), msg::NewConfirm) != IdOk)
        return false;
    ClearChannelsInUse(state_);
    // The dialogs show the data of the new document, not what was typed into them before.
    LoadDialogsAfterImage(state_);
    return true;
}

OpenOutcome FileCommands::Open(std::string* openedPath) {
    std::optional<std::string> path = dialogs_.ShowOpen();
    if (!path || path->empty()) return OpenOutcome::Cancelled;
    LoadResult result = LoadDataFile(*path, state_);
    switch (result.status) {
    case LoadStatus::Loaded:
        ShowNotices(box_, state_.language(), result.notices);
        if (openedPath != nullptr) *openedPath = *path;
        return OpenOutcome::Loaded;
    case LoadStatus::WrongType:
        ShowMessage(box_, state_.language(), msg::WrongFileType);
        return OpenOutcome::WrongType;
    case LoadStatus::ReadFailed:
        break;
    }
    ShowMessage(box_, state_.language(), msg::OpenFailed, result.reason);
    return OpenOutcome::Failed;
}

SaveChangesOutcome FileCommands::AskToSaveChanges(const Message& question) {
    switch (ShowMessage(box_, state_.language(), question)) {
    case IdSave:
        if (std::optional<std::string> path = Save())
            return {SaveChangesAnswer::Saved, std::move(*path)};
        return {SaveChangesAnswer::Cancelled, {}};
    case IdDiscard:
        return {SaveChangesAnswer::Discarded, {}};
    default:
        return {SaveChangesAnswer::Cancelled, {}};
    }
}

std::optional<std::string> FileCommands::ChooseSavePath(FileKind kind) {
    for (;;) {
        std::optional<std::string> chosen =
            kind == FileKind::ChannelData ? dialogs_.ShowSave() : dialogs_.ShowSaveFor(kind);
        if (!chosen || chosen->empty()) return std::nullopt;
        const std::string path = WithExtension(*chosen, DefaultExtension(kind));
        if (IsFolder(path)) {
            ShowMessage(box_, state_.language(), msg::SaveFailed,
                        FileStatus::Failure(EISDIR).reason);
            return std::nullopt;
        }
        if (Exists(path) && ShowMessage(box_, state_.language(), msg::OverwriteQuestion) != IdYes)
            continue;
        return path;
    }
}

std::optional<std::string> FileCommands::Save() {
    const std::optional<std::string> path = ChooseSavePath();
    if (!path) return std::nullopt;
    // Built after the dialog: an in-cell edit committed when the dialog took the focus is
    // part of the file.
    FileStatus written = WriteFileAtomically(*path, BuildDataFile(state_.radio()), writeFault);
    if (!written.ok) {
        ShowMessage(box_, state_.language(), msg::SaveFailed, written.reason);
        return std::nullopt;
    }
    return path;
}

} // namespace tlv
