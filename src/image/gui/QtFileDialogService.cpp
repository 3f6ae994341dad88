#include "image/gui/QtFileDialogService.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

namespace tlv {

void QtFileDialogService::Configure(QFileDialog& dialog, bool save) {
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setNameFilter(QString::fromLatin1(kDataFileFilter));
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
    return show(false);
}

std::optional<std::string> QtFileDialogService::ShowSave() {
    return show(true);
}

std::optional<std::string> QtFileDialogService::show(bool save) {
    QFileDialog dialog(parent_);
    Configure(dialog, save);
    if (!folder_.isEmpty()) dialog.setDirectory(folder_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty() || files.first().isEmpty()) return std::nullopt;
    folder_ = QFileInfo(files.first()).absolutePath();
    return QFile::encodeName(files.first()).toStdString();
}

} // namespace tlv
