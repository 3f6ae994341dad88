// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/main/EditorModel.h"

#include "language/LocalMsgBox.h"

namespace tlv {

namespace {

// Stands in for the program's message box when it was given none.
class UnansweredMessageBox : public MessageBoxService {
  public:
    int LocalMsgBox(const std::string&, int flags, const std::string&) override {
        switch (flags & 7) {
        case mb::OkCancel:
        case mb::SaveDiscardCancel:
            return IdCancel;
        case mb::YesNo:
            return IdNo;
        default:
            return IdOk;
        }
    }
};

} // namespace

EditorModel::EditorModel(EditorState& state, AppServices& services, QObject* parent)
    : QObject(parent), state_(state), services_(services) {}

MessageBoxService& EditorModel::messageBox() {
    static UnansweredMessageBox unanswered;
    return services_.msgBox != nullptr ? *services_.msgBox : unanswered;
}

int EditorModel::show(const Message& message, const std::string& detail) {
    return ShowMessage(messageBox(), language(), message, detail);
}

void EditorModel::show(const std::vector<Notice>& notices) {
    ShowNotices(messageBox(), language(), notices);
}

void EditorModel::refresh() {
    emit refreshed();
    recordStep();
}

void EditorModel::dataChanged() {
    recordStep();
}

void EditorModel::recordStep() {
    history_.record(state_);
    emit changed();
}

void EditorModel::startHistory() {
    history_.reset(state_);
    emit changed();
}

bool EditorModel::undo() {
    if (!history_.undo(state_)) return false;
    refresh();
    return true;
}

bool EditorModel::redo() {
    if (!history_.redo(state_)) return false;
    refresh();
    return true;
}

void EditorModel::matchDocument(const std::string& path) {
    baseline_.Reset(state_.radio());
    documentPath_ = path;
    emit changed();
}

void EditorModel::switchServiceModeOn() {
    ServiceModeOn(state_);
    emit serviceModeChanged(true);
}

void EditorModel::serviceButtonClicked() {
    if (services_.clock == nullptr) return;
    const ServiceClick click =
        ServiceButtonClick(state_, buttonStamp_, services_.clock->secondsSinceMidnight());
    if (click == ServiceClick::SwitchedOff) emit serviceModeChanged(false);
}

void EditorModel::setTransferRunning(bool running) {
    transferRunning_ = running;
    emit transferRunningChanged(running);
}

} // namespace tlv
