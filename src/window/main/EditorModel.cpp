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

// Stands in for the file dialogs when the program was given none: every dialog is cancelled.
class CancelledFileDialogs : public FileDialogService {
  public:
    std::optional<std::string> ShowOpen() override { return std::nullopt; }
    std::optional<std::string> ShowSave() override { return std::nullopt; }
};

} // namespace

EditorModel::EditorModel(EditorState& state, AppServices& services, QObject* parent)
    : QObject(parent), document_(state, json_), services_(services) {}

EditorModel::~EditorModel() = default;

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

void EditorModel::apply(const EditOutcome& outcome) {
    show(outcome.notices);
    if (outcome.changed) emit refreshed();
    emit changed();
}

// ---- Flows -------------------------------------------------------------------------------

void EditorModel::run(std::unique_ptr<Flow> flow, bool refreshWhenCompleted) {
    if (pending_ != nullptr) return; // one command with the radio at a time
    pending_ = std::move(flow);
    refreshPending_ = refreshWhenCompleted;
    continueFlow();
}

void EditorModel::continueFlow() {
    static CancelledFileDialogs cancelled;
    FileDialogService& dialogs =
        services_.fileDialogs != nullptr ? *services_.fileDialogs : cancelled;
    if (!RunFlow(*pending_, language(), messageBox(), dialogs)) {
        emit transferRequested(pending_->step().transfer);
        return;
    }
    const std::unique_ptr<Flow> ended = std::move(pending_);
    if (ended->completed() && refreshPending_)
        refresh();
    else
        emit changed();
    emit flowEnded(ended->step());
}

void EditorModel::transferEnded(const TransferResult& result) {
    if (pending_ == nullptr || pending_->step().kind != StepKind::Transfer) return;
    pending_->transferEnded(result);
    continueFlow();
}

// ---- The state shown ---------------------------------------------------------------------

void EditorModel::refresh() {
    emit refreshed();
    recordStep();
}

void EditorModel::dataChanged() {
    recordStep();
}

void EditorModel::recordStep() {
    document_.recordStep();
    emit changed();
}

void EditorModel::startHistory() {
    document_.startHistory();
    emit changed();
}

bool EditorModel::undo() {
    if (!document_.undo()) return false;
    refresh();
    return true;
}

bool EditorModel::redo() {
    if (!document_.redo()) return false;
    refresh();
    return true;
}

void EditorModel::matchDocument(const std::string& path) {
    document_.matchFile(path);
    emit changed();
}

void EditorModel::serviceCaptionClicked(ServiceCaption caption) {
    if (services_.clock == nullptr) return;
    if (document_.serviceCaptionClicked(caption, services_.clock->secondsSinceMidnight()))
        emit serviceModeChanged(true);
}

void EditorModel::switchServiceModeOn() {
    ServiceModeOn(document_.state());
    emit serviceModeChanged(true);
}

void EditorModel::serviceButtonClicked() {
    if (services_.clock == nullptr) return;
    if (document_.serviceButtonClicked(services_.clock->secondsSinceMidnight()) ==
        ServiceClick::SwitchedOff)
        emit serviceModeChanged(false);
}

void EditorModel::setTransferRunning(bool running) {
    document_.setTransferRunning(running);
    emit transferRunningChanged(running);
}

} // namespace tlv
