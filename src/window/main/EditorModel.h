// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The editor as the windows see it: the editor state and the program's services, the undo
// history, the file the editor matches, the service mode and whether a transfer runs. Every
// window is a view over it: it shows the state when the model says so, and tells the model
// when it changed the data. No window reaches into another.
#include "document/EditorBaseline.h"
#include "editor/EditorState.h"
#include "editor/ServiceMode.h"
#include "editor/UndoHistory.h"
#include "language/Messages.h"
#include "window/main/AppServices.h"

#include <QObject>

#include <string>
#include <vector>

namespace tlv {

class EditorModel : public QObject {
    Q_OBJECT
  public:
    EditorModel(EditorState& state, AppServices& services, QObject* parent = nullptr);

    EditorState& state() { return state_; }
    const EditorState& state() const { return state_; }
    Language language() const { return state_.language(); }
    const AppServices& services() const { return services_; }

    // The program's message box. A program built without one gets a box that shows nothing and
    // answers Cancel where Cancel is offered, No to a yes-or-no question and OK otherwise, so
    // that an unanswered question changes nothing.
    MessageBoxService& messageBox();
    // A message, or what a rule had to say, shown in the language in force.
    int show(const Message& message, const std::string& detail = {});
    void show(const std::vector<Notice>& notices);

    // The state (its data, its language or its lock) changed: every window shows it again, and
    // the data are recorded as an undo step when they differ from the last one.
    void refresh();
    // The data changed where they are shown already (a pick in a list, a dialog's OK): recorded
    // as an undo step, and the title shows whether the editor is modified.
    void dataChanged();

    // The undo history, started once the start-up is done.
    UndoHistory& history() { return history_; }
    void startHistory();
    // Undo and redo of a step, shown at once; false when there was none.
    bool undo();
    bool redo();

    // Whether the editor differs from the last file opened or saved, the last read from the
    // radio, the last New or the start-up state.
    bool modified() const { return baseline_.Modified(state_.radio()); }
    // The file the editor was last opened from or saved to; empty after New, a read or the
    // start-up.
    const std::string& documentPath() const { return documentPath_; }
    // The editor now matches `path` (empty: no file).
    void matchDocument(const std::string& path);

    // The service mode: switched on by the hidden switch of the optional-functions dialog, off
    // by two quick clicks on the toolbar's service button (without a clock it stays as it is).
    bool serviceMode() const { return state_.session.serviceMode; }
    void switchServiceModeOn();
    void serviceButtonClicked();
    const Clock* clock() const { return services_.clock; }

    // A transfer with the radio runs: nothing may change the editor meanwhile.
    bool transferRunning() const { return transferRunning_; }
    void setTransferRunning(bool running);
    // Whether the data may change now: no editing lock, no transfer.
    bool dataMayChange() const { return !state_.session.editingLock && !transferRunning_; }

  signals:
    // Show the state again.
    void refreshed();
    // The data, the undo history or the file the editor matches may have changed: the title and
    // the Edit commands follow.
    void changed();
    void serviceModeChanged(bool on);
    void transferRunningChanged(bool running);

  private:
    void recordStep();

    EditorState& state_;
    AppServices& services_;
    UndoHistory history_;
    EditorBaseline baseline_;
    std::string documentPath_;
    ServiceButtonStamp buttonStamp_;
    bool transferRunning_ = false;
};

} // namespace tlv
