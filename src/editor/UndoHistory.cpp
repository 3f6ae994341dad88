#include "editor/UndoHistory.h"

#include "editor/EditorOps.h"

#include <utility>

namespace tlv {

namespace {

// `data` as it shows in the session of `session`: the session fields and the header row taken
// from there, and the channel cells relabelled in its language.
EditorState InSession(const EditorState& data, const EditorState& session) {
    EditorState state = data;
    state.table.cell[0] = session.table.cell[0];
    state.lists = session.lists;
    state.editRow = session.editRow;
    state.editCol = session.editCol;
    state.cellClickArmed = session.cellClickArmed;
    state.serviceMode = session.serviceMode;
    state.languageState = session.languageState;
    state.editingLock = session.editingLock;
    state.portNumber = session.portNumber;
    state.powerLevels.slidersEnabled = session.powerLevels.slidersEnabled;
    RelabelChannels(state);
    return state;
}

} // namespace

bool SameEditorData(const EditorState& a, const EditorState& b) {
    return InSession(a, b) == InSession(b, b);
}

void UndoHistory::reset(const EditorState& state) {
    started_ = true;
    current_ = state;
    undo_.clear();
    redo_.clear();
}

bool UndoHistory::record(const EditorState& state) {
    if (!started_ || SameEditorData(current_, state)) return false;
    undo_.push_back(std::exchange(current_, state));
    if (undo_.size() > depth_) undo_.pop_front();
    redo_.clear();
    return true;
}

bool UndoHistory::undo(EditorState& state) {
    return step(undo_, redo_, state);
}

bool UndoHistory::redo(EditorState& state) {
    return step(redo_, undo_, state);
}

bool UndoHistory::step(std::deque<EditorState>& from, std::deque<EditorState>& to,
                       EditorState& state) {
    // A change not yet recorded is a step of its own: undone first, and after an undo it ends
    // what could be redone.
    record(state);
    if (from.empty()) return false;
    to.push_back(std::exchange(current_, std::move(from.back())));
    from.pop_back();
    state = InSession(current_, state);
    return true;
}

} // namespace tlv
