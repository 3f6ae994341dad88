// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/main/DocumentCommands.h"

#include "exchange/ImportText.h"
#include "qt/QtJsonParser.h"
#include "texts/ChannelCard.h"
#include "window/main/CellEditors.h"
#include "window/main/ChannelCardPage.h"
#include "window/main/EditorModel.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace tlv {

DocumentCommands::DocumentCommands(EditorModel& model, CellEditors& editors, QWidget& window)
    : QObject(&window), model_(model), editors_(editors), window_(window) {}

bool DocumentCommands::mayRun() const {
    const AppServices& services = model_.services();
    return services.msgBox != nullptr && services.fileDialogs != nullptr &&
           !model_.transferRunning() && !model_.flowRunning();
}

// ---- Channel data files ------------------------------------------------------------------

void DocumentCommands::newDocument() {
    if (!mayRun()) return;
    editors_.closeEditor();
    model_.run(model_.document().newDocument());
}

void DocumentCommands::open() {
    if (!mayRun()) return;
    editors_.closeEditor();
    model_.run(model_.document().open());
}

void DocumentCommands::save() {
    if (!mayRun()) return;
    editors_.closeEditor();
    model_.run(model_.document().save(), false);
}

bool DocumentCommands::mayQuit(std::optional<TransferDirection> running) {
    editors_.closeEditor();
    const AppServices& services = model_.services();
    if (services.msgBox == nullptr) return true;
    // Without file dialogs nothing could be saved: only the transfer is asked about.
    if (services.fileDialogs == nullptr) {
        if (!running) return true;
        return model_.show(*running == TransferDirection::Write ? msg::StopWriteAndQuit
                                                                : msg::StopReadAndQuit) == IdYes;
    }
    const std::unique_ptr<Flow> flow = model_.document().quit(running);
    RunFlow(*flow, model_.language(), *services.msgBox, *services.fileDialogs);
    emit model_.changed();
    return flow->completed();
}

// ---- Import and export -------------------------------------------------------------------

void DocumentCommands::importFile() {
    if (!mayRun()) return;
    editors_.closeEditor();
    model_.run(model_.document().importFile());
}

void DocumentCommands::exportFile() {
    if (!mayRun()) return;
    editors_.closeEditor();
    model_.run(model_.document().exportFile(FileKind::Exchange), false);
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
    if (!mayRun()) return;
    editors_.closeEditor();
    model_.run(
        model_.document().exportFile(
            FileKind::Pdf,
            [this] { return ChannelCardPdf(MakeChannelCard(model_.state())).toStdString(); }),
        false);
}

} // namespace tlv
