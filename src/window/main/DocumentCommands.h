// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The File menu's commands over the editor: New, Open and Save of channel data files, import and
// export of CHIRP's CSV and JSON, the channel card printed or as PDF, and the "Save changes?"
// question before the editor is replaced or the program ends. The flows are the core's
// (FileCommands, the exchange formats, ChannelCard); these commands run them with the program's
// message box and file dialogs and show the result. Nothing runs during a transfer, or in a
// program built without a message box or file dialogs.
#include "document/FileDialogService.h"
#include "language/Messages.h"

#include <QObject>

#include <optional>
#include <string>

class QWidget;

namespace tlv {

class CellEditors;
class EditorModel;

class DocumentCommands : public QObject {
    Q_OBJECT
  public:
    // The print dialog opens over `window`.
    DocumentCommands(EditorModel& model, CellEditors& editors, QWidget& window);

    void newDocument();
    void open();
    void save();
    void importFile();
    void exportFile();
    void printChannelCard();
    void exportChannelCardPdf();

    // Before New, Open, a read and the end of the program: when the editor holds unsaved
    // changes, asks whether to save them. False when the user cancelled (the command must not
    // go on); `asked` tells whether the question was shown. `question` is asked in place of
    // "Save changes?" (with the same answers).
    bool settleUnsavedChanges(bool& asked, const Message& question = msg::SaveChanges);

  private:
    // The message box and the file dialogs are there and no transfer runs.
    bool mayRun() const;
    // Asks for the path of an exported file of `kind`, after an open in-cell editor has
    // committed its value.
    std::optional<std::string> chooseExportPath(FileKind kind);
    // Writes an exported file atomically; a failure is shown with the system's reason.
    void writeExportedFile(const std::string& path, const std::string& bytes);

    EditorModel& model_;
    CellEditors& editors_;
    QWidget& window_;
};

} // namespace tlv
