// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/main/DocumentCommands.h"

#include "document/FileCommands.h"
#include "exchange/ExchangeFormat.h"
#include "exchange/ExchangeTexts.h"
#include "exchange/ImportText.h"
#include "qt/QtJsonParser.h"
#include "window/main/CellEditors.h"
#include "window/main/ChannelCardPage.h"
#include "window/main/EditorModel.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace tlv {

namespace {

// Findings shown in one message box; the rest are counted.
constexpr std::size_t kIssuesShown = 20;

} // namespace

DocumentCommands::DocumentCommands(EditorModel& model, CellEditors& editors, QWidget& window)
    : QObject(&window), model_(model), editors_(editors), window_(window) {}

bool DocumentCommands::mayRun() const {
    const AppServices& services = model_.services();
    return services.msgBox != nullptr && services.fileDialogs != nullptr &&
           !model_.transferRunning();
}

// ---- Channel data files ------------------------------------------------------------------

void DocumentCommands::newDocument() {
    if (!mayRun()) return;
    // One question either way: the New warning, which with unsaved changes also offers to
    // save them first.
    bool asked = false;
    if (!settleUnsavedChanges(asked, msg::NewWithChanges)) return;
    FileCommands files(model_.state(), *model_.services().msgBox, *model_.services().fileDialogs);
    if (!files.New(asked)) return;
    model_.matchDocument({});
    model_.refresh();
}

void DocumentCommands::open() {
    if (!mayRun()) return;
    bool asked = false;
    if (!settleUnsavedChanges(asked)) return;
    FileCommands files(model_.state(), *model_.services().msgBox, *model_.services().fileDialogs);
    std::string path;
    if (files.Open(&path) != OpenOutcome::Loaded) return;
    model_.matchDocument(path);
    model_.refresh();
}

void DocumentCommands::save() {
    if (!mayRun()) return;
    FileCommands files(model_.state(), *model_.services().msgBox, *model_.services().fileDialogs);
    if (std::optional<std::string> path = files.Save()) model_.matchDocument(*path);
}

bool DocumentCommands::settleUnsavedChanges(bool& asked, const Message& question) {
    asked = false;
    // A value still being typed in a cell is one of the changes.
    editors_.closeEditor();
    const AppServices& services = model_.services();
    if (services.msgBox == nullptr || services.fileDialogs == nullptr || !model_.modified())
        return true;
    asked = true;
    FileCommands files(model_.state(), *services.msgBox, *services.fileDialogs);
    const SaveChangesOutcome outcome = files.AskToSaveChanges(question);
    if (outcome.answer == SaveChangesAnswer::Saved) model_.matchDocument(outcome.savedPath);
    return outcome.answer != SaveChangesAnswer::Cancelled;
}

// ---- Import and export -------------------------------------------------------------------

void DocumentCommands::importFile() {
    if (!mayRun()) return;
    editors_.closeEditor();
    const std::optional<std::string> path =
        model_.services().fileDialogs->ShowOpenFor(FileKind::Exchange);
    if (!path || path->empty()) return;
    const Language language = model_.language();
    const ExchangeFormat format = ExchangeFormatOf(*path);
    if (format == ExchangeFormat::Unknown) {
        model_.show(msg::ImportRefused, *path + ": " + Localise(language, text::UnknownFormat));
        return;
    }
    std::string text;
    if (const FileStatus read = ReadImportFile(*path, text); !read.ok) {
        model_.show(msg::OpenFailed, read.reason);
        return;
    }
    const ImportReport report =
        ImportIntoEditor(text, format, language, model_.state(), QtJsonParser());
    if (!report.ok()) {
        std::string detail = IssueLines(report.errors, language, kIssuesShown);
        if (format == ExchangeFormat::Csv && report.hinted(ImportHint::Band)) {
            detail += '\n';
            detail += Localise(language, text::CsvUsesWindowBand);
        }
        model_.show(msg::ImportRefused, detail);
        return;
    }
    model_.refresh();
    if (!report.notes.empty())
        model_.show(msg::ImportNotes, IssueLines(report.notes, language, kIssuesShown));
}

void DocumentCommands::exportFile() {
    const std::optional<std::string> path = chooseExportPath(FileKind::Exchange);
    if (!path) return;
    const ExchangeFormat format = ExchangeFormatOf(*path);
    if (format == ExchangeFormat::Unknown) {
        model_.show(msg::SaveFailed,
                    *path + ": " + Localise(model_.language(), text::UnknownFormat));
        return;
    }
    writeExportedFile(*path, ExportText(model_.state().radio(), format));
}

std::optional<std::string> DocumentCommands::chooseExportPath(FileKind kind) {
    if (!mayRun()) return std::nullopt;
    // A value still being typed in a cell is part of what is exported.
    editors_.closeEditor();
    return FileCommands(model_.state(), *model_.services().msgBox, *model_.services().fileDialogs)
        .ChooseSavePath(kind);
}

void DocumentCommands::writeExportedFile(const std::string& path, const std::string& bytes) {
    const FileStatus written = WriteFileAtomically(path, bytes);
    if (!written.ok) model_.show(msg::SaveFailed, written.reason);
}

// ---- Channel card ------------------------------------------------------------------------

void DocumentCommands::printChannelCard() {
    if (model_.transferRunning()) return;
    editors_.closeEditor();
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromLatin1(kAppTitle));
    // The same margins as the PDF card, not the printer's narrow default.
    printer.setPageMargins(kChannelCardMargins, QPageLayout::Millimeter);
    QPrintDialog dialog(&printer, &window_);
    if (dialog.exec() != QDialog::Accepted) return;
    QPainter painter(&printer);
    PaintChannelCard(painter, QRectF(0, 0, printer.width(), printer.height()),
                     MakeChannelCard(model_.state()));
}

void DocumentCommands::exportChannelCardPdf() {
    const std::optional<std::string> path = chooseExportPath(FileKind::Pdf);
    if (!path) return;
    writeExportedFile(*path, ChannelCardPdf(MakeChannelCard(model_.state())).toStdString());
}

} // namespace tlv
