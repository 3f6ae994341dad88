// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/UndoHistory.h"

#include "editor/DialogState.h"

#include <utility>

namespace tlv {

void UndoHistory::reset(const EditorState& state) {
    started_ = true;
    current_ = state.data;
    undo_.clear();
    redo_.clear();
}

bool UndoHistory::record(const EditorState& state) {
    if (!started_ || current_ == state.data) return false;
    undo_.push_back(std::exchange(current_, state.data));
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

bool UndoHistory::step(std::deque<EditorData>& from, std::deque<EditorData>& to,
                       EditorState& state) {
    // A change not yet recorded is a step of its own: undone first, and after an undo it ends
    // what could be redone.
    record(state);
    if (from.empty()) return false;
    to.push_back(std::exchange(current_, std::move(from.back())));
    from.pop_back();
    state.data = current_;
    // The dialogs show the data put back; the priority rules' messages are not repeated.
    LoadAllDialogs(state);
    return true;
}

} // namespace tlv
