// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/files/QtFileDialogService.h"

#include "language/Messages.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

namespace tlv {

namespace {

inline constexpr LocalText ImportTitle{"导入", "Import"};
inline constexpr LocalText ExportTitle{"导出", "Export"};
inline constexpr LocalText ExportCardTitle{"导出信道卡 (PDF)", "Export channel card (PDF)"};

} // namespace

QString QtFileDialogService::Title(bool save, FileKind kind, Language language) {
    const LocalText* title = nullptr;
    if (kind == FileKind::Exchange) title = save ? &ExportTitle : &ImportTitle;
    if (kind == FileKind::Pdf) title = &ExportCardTitle;
    return title ? QString::fromStdString(Localise(language, *title)) : QString();
}

void QtFileDialogService::Configure(QFileDialog& dialog, bool save, FileKind kind) {
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    const char* filter = kDataFileFilter;
    if (kind == FileKind::Pdf) filter = kPdfFileFilter;
    if (kind == FileKind::Exchange) filter = kExchangeFileFilter;
    dialog.setNameFilter(QString::fromLatin1(filter));
    if (save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
}

std::optional<std::string> QtFileDialogService::ShowOpen() {
    return show(false, FileKind::ChannelData);
}

std::optional<std::string> QtFileDialogService::ShowSave() {
    return show(true, FileKind::ChannelData);
}

std::optional<std::string> QtFileDialogService::ShowOpenFor(FileKind kind) {
    return show(false, kind);
}

std::optional<std::string> QtFileDialogService::ShowSaveFor(FileKind kind) {
    return show(true, kind);
}

std::optional<std::string> QtFileDialogService::show(bool save, FileKind kind) {
    QFileDialog dialog(parent_);
    Configure(dialog, save, kind);
    const QString title = Title(save, kind, language_ ? language_() : Language::Simplified);
    if (!title.isEmpty()) dialog.setWindowTitle(title);
    if (!folder_.isEmpty()) dialog.setDirectory(folder_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty() || files.first().isEmpty()) return std::nullopt;
    folder_ = QFileInfo(files.first()).absolutePath();
    return QFile::encodeName(files.first()).toStdString();
}

} // namespace tlv
