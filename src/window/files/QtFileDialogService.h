// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file dialogs of the channel data files as Qt dialogs.
#include "document/FileDialogService.h"
#include "language/Language.h"

#include <QString>

#include <functional>

class QFileDialog;
class QWidget;

namespace tlv {

// The filters the dialogs offer.
inline constexpr const char* kDataFileFilter = "TLV6200(*.DAT)";
inline constexpr const char* kPdfFileFilter = "PDF(*.pdf)";
inline constexpr const char* kExchangeFileFilter = "CHIRP CSV, JSON(*.csv *.json)";

class QtFileDialogService : public FileDialogService {
  public:
    explicit QtFileDialogService(QWidget* parent = nullptr) : parent_(parent) {}
    // The window the dialogs are centred on.
    void setParent(QWidget* parent) { parent_ = parent; }
    // The language in force, in which an import or export dialog is titled (without it, in
    // Simplified Chinese).
    void setLanguage(std::function<Language()> language) { language_ = std::move(language); }

    std::optional<std::string> ShowOpen() override;
    std::optional<std::string> ShowSave() override;
    std::optional<std::string> ShowOpenFor(FileKind kind) override;
    std::optional<std::string> ShowSaveFor(FileKind kind) override;

    // Sets up a dialog as ShowOpen or ShowSave shows it: the filter of the kind, matched in any
    // letter case (Qt's own dialog, as a native one may compare the case), and for Save no
    // overwrite question of its own - the command asks it.
    static void Configure(QFileDialog& dialog, bool save, FileKind kind = FileKind::ChannelData);
    // The title of the dialog for `kind` in `language`: an import or export is called so; the
    // channel data files keep Qt's own "Open" and "Save As" (empty).
    static QString Title(bool save, FileKind kind, Language language);

  private:
    std::optional<std::string> show(bool save, FileKind kind);

    QWidget* parent_;
    std::function<Language()> language_;
    QString folder_; // the folder of the last chosen file, where the next dialog opens
};

} // namespace tlv
