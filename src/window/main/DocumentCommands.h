// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The File menu's commands: New, Open and Save of channel data files, import and export of
// CHIRP's CSV and JSON, the channel card printed or as PDF, and "Save changes?" before the editor
// is replaced or the program ends. Each runs the document's flow with the program's message box
// and file dialogs; a value still being typed in a cell is committed first. Nothing runs during
// a transfer, or in a program built without a message box or file dialogs.
#include "language/Messages.h"

#include <QObject>

#include <optional>

class QWidget;

namespace tlv {

class CellEditors;
class EditorModel;
enum class TransferDirection;

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

    // Before the program ends: a running transfer is stopped only after Yes (`running` says
    // which one runs), and unsaved changes are saved or given up after "Save changes?". False
    // when the user cancelled: the program goes on.
    bool mayQuit(std::optional<TransferDirection> running);
    // Before a read replaces the editor: "Save changes?". False when the user cancelled.
    bool settleUnsavedChanges();

  private:
    // The message box and the file dialogs are there and no transfer runs.
    bool mayRun() const;

    EditorModel& model_;
    CellEditors& editors_;
    QWidget& window_;
};

} // namespace tlv
