// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/Flow.h"

#include "document/Document.h"
#include "document/EditorImage.h"
#include "document/FileNames.h"

#include <cerrno>
#include <utility>

#include <sys/stat.h>

namespace tlv {

namespace {

bool isFolder(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool exists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

// Calls a continuation once: it is taken out first, so that it may set the next one.
template <typename Function, typename... Args> void proceed(Function& then, Args&&... args) {
    if (!then) return;
    Function taken = std::move(then);
    then = nullptr;
    taken(std::forward<Args>(args)...);
}

} // namespace

Flow::~Flow() = default;

// ---- Answers -----------------------------------------------------------------------------

void Flow::answer(int button) {
    if (step_.kind == StepKind::Show) proceed(onButton_, button);
}

void Flow::openFile(const std::string& path) {
    if (step_.kind != StepKind::ChooseFileToOpen) return;
    if (path.empty()) {
        cancel();
        return;
    }
    OpenedFile file{path, {}, {}};
    file.status = ReadFileHead(path, openLimit_, file.content);
    proceed(onOpen_, file);
}

void Flow::openContent(const std::string& name, const std::string& content) {
    if (step_.kind != StepKind::ChooseFileToOpen) return;
    OpenedFile file{name, content.substr(0, openLimit_), FileStatus::Success()};
    proceed(onOpen_, file);
}

void Flow::saveFile(const std::string& path) {
    if (step_.kind != StepKind::ChooseFileToSave) return;
    if (path.empty()) {
        cancel();
        return;
    }
    saveChosen(WithExtension(path, DefaultExtension(step_.file)));
}

void Flow::saveChosen(const std::string& path) {
    if (isFolder(path)) {
        saveContent_ = nullptr;
        show(msg::SaveFailed, FileStatus::Failure(EISDIR).reason,
             [this](int) { proceed(onSave_, std::nullopt); });
        return;
    }
    const auto write = [this, path] {
        // The bytes are made now: a value committed while the dialog was open is part of them.
        const SaveContent content = saveContent_(path);
        saveContent_ = nullptr;
        if (!content.bytes) {
            show(*content.refusal.message, content.refusal.detail,
                 [this](int) { proceed(onSave_, std::nullopt); });
            return;
        }
        const FileStatus written = WriteFileAtomically(path, *content.bytes, document_.writeFault);
        if (!written.ok) {
            show(msg::SaveFailed, written.reason, [this](int) { proceed(onSave_, std::nullopt); });
            return;
        }
        proceed(onSave_, path);
    };
    if (!exists(path)) {
        write();
        return;
    }
    // A file of that name is replaced only after Yes; No chooses again.
    const FileKind kind = step_.file;
    std::string suggested = step_.suggestedName;
    show(msg::OverwriteQuestion, {}, [this, write, kind, suggested](int button) {
        if (button == IdYes) {
            write();
            return;
        }
        step_ = Step{};
        step_.kind = StepKind::ChooseFileToSave;
        step_.file = kind;
        step_.suggestedName = suggested;
    });
}

std::string Flow::contentToSave(const std::string& name) const {
    if (step_.kind != StepKind::ChooseFileToSave || !saveContent_) return {};
    return saveContent_(name).bytes.value_or(std::string());
}

void Flow::fileSaved(const std::string& name) {
    if (step_.kind != StepKind::ChooseFileToSave) return;
    const SaveContent content = saveContent_(name);
    saveContent_ = nullptr;
    if (!content.bytes) {
        show(*content.refusal.message, content.refusal.detail,
             [this](int) { proceed(onSave_, std::nullopt); });
        return;
    }
    proceed(onSave_, name);
}

void Flow::fileNotSaved(const std::string& reason) {
    if (step_.kind != StepKind::ChooseFileToSave) return;
    saveContent_ = nullptr;
    show(msg::SaveFailed, reason, [this](int) { proceed(onSave_, std::nullopt); });
}

void Flow::cancel() {
    if (step_.kind == StepKind::ChooseFileToOpen) {
        onOpen_ = nullptr;
        finish(false);
    } else if (step_.kind == StepKind::ChooseFileToSave) {
        saveContent_ = nullptr;
        proceed(onSave_, std::nullopt);
    }
}

void Flow::transferEnded(const TransferResult& result) {
    if (step_.kind == StepKind::Transfer) proceed(onTransfer_, result);
}

// ---- Steps -------------------------------------------------------------------------------

void Flow::show(const Message& message, std::string detail, std::function<void(int)> then) {
    step_ = Step{};
    step_.kind = StepKind::Show;
    step_.message = {&message, std::move(detail)};
    onButton_ = std::move(then);
}

void Flow::refuse(const Message& message, std::string detail) {
    show(message, std::move(detail), [this](int) { finish(false); });
}

void Flow::showNotices(std::vector<Notice> notices, std::function<void()> then) {
    std::erase_if(notices, [](const Notice& notice) { return notice.message == nullptr; });
    if (notices.empty()) {
        then();
        return;
    }
    Notice first = notices.front();
    notices.erase(notices.begin());
    show(*first.message, first.detail,
         [this, rest = std::move(notices), then = std::move(then)](int) mutable {
             showNotices(std::move(rest), std::move(then));
         });
}

void Flow::chooseFileToOpen(FileKind kind, std::size_t limit,
                            std::function<void(const OpenedFile&)> then) {
    step_ = Step{};
    step_.kind = StepKind::ChooseFileToOpen;
    step_.file = kind;
    openLimit_ = limit;
    onOpen_ = std::move(then);
}

void Flow::chooseFileToSave(FileKind kind, std::string suggestedName,
                            std::function<SaveContent(const std::string&)> content,
                            std::function<void(std::optional<std::string>)> then) {
    step_ = Step{};
    step_.kind = StepKind::ChooseFileToSave;
    step_.file = kind;
    step_.suggestedName = std::move(suggestedName);
    saveContent_ = std::move(content);
    onSave_ = std::move(then);
}

void Flow::runTransfer(TransferRequest request, std::function<void(const TransferResult&)> then) {
    step_ = Step{};
    step_.kind = StepKind::Transfer;
    step_.transfer = request;
    onTransfer_ = std::move(then);
}

void Flow::finish(bool completed, bool declined) {
    step_ = Step{};
    step_.kind = StepKind::Done;
    step_.completed = completed;
    step_.declined = declined;
}

void Flow::saveDocument(std::function<void(bool)> then) {
    const std::string offered =
        document_.path().empty() ? std::string("TLV6200.DAT") : FileNameOf(document_.path());
    chooseFileToSave(
        FileKind::ChannelData, offered,
        [this](const std::string&) {
            return SaveContent{BuildDataFile(document_.state().radio()), {}};
        },
        [this, then = std::move(then)](std::optional<std::string> saved) {
            if (saved) document_.matchFile(*saved);
            then(saved.has_value());
        });
}

void Flow::settleUnsavedChanges(const Message& question, std::function<void(bool, bool)> then) {
    if (!document_.modified()) {
        then(true, false);
        return;
    }
    show(question, {}, [this, then = std::move(then)](int button) {
        switch (button) {
        case IdSave:
            saveDocument([then](bool saved) { then(saved, true); });
            return;
        case IdDiscard:
            then(true, true);
            return;
        default:
            then(false, true);
            return;
        }
    });
}

// ---- The window program's way of answering -----------------------------------------------

bool RunFlow(Flow& flow, Language language, MessageBoxService& box, FileDialogService& dialogs) {
    for (;;) {
        const Step& step = flow.step();
        switch (step.kind) {
        case StepKind::Show:
            flow.answer(ShowMessage(box, language, *step.message.message, step.message.detail));
            break;
        case StepKind::ChooseFileToOpen: {
            const std::optional<std::string> path = step.file == FileKind::ChannelData
                                                        ? dialogs.ShowOpen()
                                                        : dialogs.ShowOpenFor(step.file);
            if (path && !path->empty())
                flow.openFile(*path);
            else
                flow.cancel();
            break;
        }
        case StepKind::ChooseFileToSave: {
            const std::optional<std::string> path = step.file == FileKind::ChannelData
                                                        ? dialogs.ShowSave()
                                                        : dialogs.ShowSaveFor(step.file);
            if (path && !path->empty())
                flow.saveFile(*path);
            else
                flow.cancel();
            break;
        }
        case StepKind::Transfer:
            return false;
        case StepKind::Done:
            return true;
        }
    }
}

} // namespace tlv
