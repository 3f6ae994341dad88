// SPDX-License-Identifier: GPL-3.0-or-later
// The document's file commands: New, Open, Save, Import and Export, as flows.
#include "document/Document.h"
#include "document/DocumentFlow.h"
#include "document/EditorImage.h"
#include "document/FileNames.h"
#include "editor/DialogState.h"
#include "editor/EditorOps.h"
#include "exchange/ExchangeTexts.h"
#include "exchange/ImportText.h"
#include "image/DataFile.h"

#include <cerrno>
#include <filesystem>
#include <utility>

namespace tlv {

namespace {

// Findings shown in one message box; the rest are counted.
constexpr std::size_t kIssuesShown = 20;

// Loads a data file's bytes into the document as Open does: the image, its notices, the file.
void loadDataFile(Document& document, DocumentFlow& flow, const std::string& path,
                  const std::string& content) {
    const std::optional<MemoryImage> image = DataFileImage(content);
    if (!image) {
        flow.refuse(msg::WrongFileType);
        return;
    }
    std::vector<Notice> notices = LoadImage(document.state(), *image);
    document.matchFile(path);
    document.recordStep();
    flow.showNotices(std::move(notices), [&flow] { flow.finish(true); });
}

} // namespace

std::unique_ptr<Flow> Document::newDocument() {
    auto flow = std::make_unique<DocumentFlow>(*this);
    DocumentFlow& f = *flow;
    // One question either way: the New warning, which with unsaved changes also offers to save
    // them first.
    f.settleUnsavedChanges(msg::NewWithChanges, [this, &f](bool goOn, bool asked) {
        if (!goOn) return f.finish(false);
        const auto clear = [this, &f] {
            ClearChannelsInUse(state_);
            // The dialogs show the data of the new document, not what was typed into them.
            LoadDialogsAfterImage(state_);
            matchFile({});
            recordStep();
            f.finish(true);
        };
        if (asked) return clear();
        f.show(msg::NewConfirm, {}, [&f, clear](int button) {
            if (button != IdOk) return f.finish(false);
            clear();
        });
    });
    return flow;
}

std::unique_ptr<Flow> Document::open() {
    auto flow = std::make_unique<DocumentFlow>(*this);
    DocumentFlow& f = *flow;
    f.settleUnsavedChanges(msg::SaveChanges, [this, &f](bool goOn, bool) {
        if (!goOn) return f.finish(false);
        f.chooseFileToOpen(FileKind::ChannelData, kDataFileReadLimit,
                           [this, &f](const DocumentFlow::OpenedFile& file) {
                               if (!file.status.ok)
                                   return f.refuse(msg::OpenFailed, file.status.reason);
                               loadDataFile(*this, f, file.path, file.content);
                           });
    });
    return flow;
}

std::unique_ptr<Flow> Document::openContent(std::string name, std::string bytes) {
    auto flow = std::make_unique<DocumentFlow>(*this);
    DocumentFlow& f = *flow;
    f.settleUnsavedChanges(msg::SaveChanges, [this, &f, name = std::move(name),
                                              bytes = std::move(bytes)](bool goOn, bool) {
        if (!goOn) return f.finish(false);
        loadDataFile(*this, f, name, bytes.substr(0, kDataFileReadLimit));
    });
    return flow;
}

std::unique_ptr<Flow> Document::save() {
    auto flow = std::make_unique<DocumentFlow>(*this);
    DocumentFlow& f = *flow;
    f.saveDocument([&f](bool saved) { f.finish(saved); });
    return flow;
}

std::unique_ptr<Flow> Document::importFile() {
    auto flow = std::make_unique<DocumentFlow>(*this);
    DocumentFlow& f = *flow;
    f.chooseFileToOpen(
        FileKind::Exchange, kImportFileLimit + 1, [this, &f](const DocumentFlow::OpenedFile& file) {
            const Language lang = language();
            const ExchangeFormat format = ExchangeFormatOf(file.path);
            if (format == ExchangeFormat::Unknown)
                return f.refuse(msg::ImportRefused,
                                file.path + ": " + Localise(lang, text::UnknownFormat));
            if (!file.status.ok) return f.refuse(msg::OpenFailed, file.status.reason);
            // Import files are small: a larger one is not one of ours, and never read cut off.
            if (file.content.size() > kImportFileLimit)
                return f.refuse(msg::OpenFailed, FileStatus::Failure(EFBIG).reason);

            EditorState imported = state_;
            ImportReport report = ImportText(file.content, format, {}, lang, imported, json_);
            // A CSV whose Locations lie outside 1..16 has its rows placed on channels 1..N.
            if (report.hinted(ImportHint::Renumber)) {
                imported = state_;
                report =
                    ImportText(file.content, format, {std::nullopt, true}, lang, imported, json_);
                if (report.ok())
                    report.notes.insert(report.notes.begin(),
                                        {"", Localise(lang, text::PlacedInLocationOrder)});
            }
            if (!report.ok()) {
                std::string detail = IssueLines(report.errors, lang, kIssuesShown);
                if (format == ExchangeFormat::Csv && report.hinted(ImportHint::Band))
                    detail += "\n" + Localise(lang, text::CsvUsesWindowBand);
                return f.refuse(msg::ImportRefused, detail);
            }
            state_ = std::move(imported);
            // The dialogs show the imported data, not what was typed into them before; the
            // priority rules' messages are not repeated (the import checked the values).
            LoadDialogsAfterImage(state_);
            recordStep();
            if (report.notes.empty()) return f.finish(true);
            f.show(msg::ImportNotes, IssueLines(report.notes, lang, kIssuesShown),
                   [&f](int) { f.finish(true); });
        });
    return flow;
}

std::unique_ptr<Flow> Document::exportFile(FileKind kind, std::function<std::string()> content) {
    auto flow = std::make_unique<DocumentFlow>(*this);
    DocumentFlow& f = *flow;
    const std::string stem =
        path_.empty() ? std::string("TLV6200") : std::filesystem::path(path_).stem().string();
    const std::string offered = stem + DefaultExtension(kind);
    f.chooseFileToSave(
        kind, offered,
        [this, kind, content = std::move(content)](const std::string& name) {
            if (kind != FileKind::Exchange)
                return DocumentFlow::SaveContent{content ? content() : std::string(), {}};
            const ExchangeFormat format = ExchangeFormatOf(name);
            if (format == ExchangeFormat::Unknown)
                return DocumentFlow::SaveContent{
                    std::nullopt,
                    {&msg::SaveFailed, name + ": " + Localise(language(), text::UnknownFormat)}};
            return DocumentFlow::SaveContent{ExportText(state_.radio(), format), {}};
        },
        [&f](std::optional<std::string> saved) { f.finish(saved.has_value()); });
    return flow;
}

} // namespace tlv
