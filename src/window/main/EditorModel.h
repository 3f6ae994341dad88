// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The document as the windows see it: the document (the editor, its undo history, the file it
// matches, the service mode, whether a transfer holds it) and the program's services. Every
// window is a view over it: it shows the state when the model says so and changes it through
// the document's commands; the model shows what a command has to tell and runs a command's flow
// with the program's message box and file dialogs. No window reaches into another.
#include "document/Document.h"
#include "document/Flow.h"
#include "editor/EditorState.h"
#include "language/Messages.h"
#include "qt/QtJsonParser.h"
#include "window/main/AppServices.h"

#include <QObject>

#include <memory>
#include <string>
#include <vector>

namespace tlv {

class EditorModel : public QObject {
    Q_OBJECT
  public:
    EditorModel(EditorState& state, AppServices& services, QObject* parent = nullptr);
    ~EditorModel() override;

    Document& document() { return document_; }
    const Document& document() const { return document_; }
    EditorState& state() { return document_.state(); }
    const EditorState& state() const { return document_.state(); }
    Language language() const { return document_.language(); }
    const AppServices& services() const { return services_; }

    // The program's message box. A program built without one gets a box that shows nothing and
    // answers Cancel where Cancel is offered, No to a yes-or-no question and OK otherwise, so
    // that an unanswered question changes nothing.
    MessageBoxService& messageBox();
    // A message, or what a command had to tell, shown in the language in force.
    int show(const Message& message, const std::string& detail = {});
    void show(const std::vector<Notice>& notices);
    // What an edit had to tell; every view shows the state again when it changed the data.
    void apply(const EditOutcome& outcome);

    // Runs a command's flow: its messages and file dialogs at once, a transfer it asks for
    // through the transfer runner. With `refreshWhenCompleted`, every view shows the state again
    // once the command was carried out (it loaded or changed the data).
    void run(std::unique_ptr<Flow> flow, bool refreshWhenCompleted = true);
    // Whether a flow waits for a transfer to end.
    bool flowRunning() const { return pending_ != nullptr; }
    // The transfer a flow asked for has ended: the flow goes on.
    void transferEnded(const TransferResult& result);

    // The state (its data, its language or its lock) changed: every window shows it again, and
    // the data are recorded as an undo step when they differ from the last one.
    void refresh();
    // The data changed where they are shown already: recorded as an undo step, and the title
    // shows whether the editor is modified.
    void dataChanged();

    const UndoHistory& history() const { return document_.history(); }
    void startHistory();
    // Undo and redo of a step, shown at once; false when there was none.
    bool undo();
    bool redo();

    bool modified() const { return document_.modified(); }
    const std::string& documentPath() const { return document_.path(); }
    void matchDocument(const std::string& path);

    // The service mode: switched on by the hidden switch of the optional-functions dialog, off
    // by two quick clicks on the toolbar's service button (without a clock it stays as it is).
    bool serviceMode() const { return document_.serviceMode(); }
    void serviceCaptionClicked(ServiceCaption caption);
    // Switches the service mode on at once, as the hidden switch does.
    void switchServiceModeOn();
    void serviceButtonClicked();
    const Clock* clock() const { return services_.clock; }

    // A transfer with the radio runs: nothing may change the editor meanwhile.
    bool transferRunning() const { return document_.transferRunning(); }
    void setTransferRunning(bool running);
    bool dataMayChange() const { return document_.dataMayChange(); }

  signals:
    // Show the state again.
    void refreshed();
    // The data, the undo history or the file the editor matches may have changed: the title and
    // the Edit commands follow.
    void changed();
    void serviceModeChanged(bool on);
    void transferRunningChanged(bool running);
    // A flow asks for a transfer with the radio; answer with transferEnded().
    void transferRequested(const tlv::TransferRequest& request);
    // A flow has ended (its last step: Done).
    void flowEnded(const tlv::Step& end);

  private:
    void recordStep();
    void continueFlow();

    QtJsonParser json_; // the window reads JSON with Qt's parser
    Document document_;
    AppServices& services_;
    std::unique_ptr<Flow> pending_; // a flow waiting for its transfer
    bool refreshPending_ = false;
};

} // namespace tlv
