// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Undo and redo of the editor's data. Each step is a snapshot of the data taken after a change
// (a committed cell, a pick, a band change, a dialog's OK, New, Open, a read, an import, a
// paste, a row command); undoing a step puts the snapshot before it back. The data is small, so
// whole snapshots are simpler and safer than inverse operations.
//
// A snapshot holds the radio's data and the tone-list entries the table remembers beside it
// (EditorData). The session - language, editing lock, port, service mode - is never undone;
// after an undo or a redo the dialogs show the data again.
#include "editor/EditorState.h"

#include <cstddef>
#include <deque>

namespace tlv {

class UndoHistory {
  public:
    // The number of steps kept; the oldest go first.
    static constexpr std::size_t kDefaultDepth = 1000;

    explicit UndoHistory(std::size_t depth = kDefaultDepth) : depth_(depth) {}

    // Starts the history over `state`: no step to undo or redo.
    void reset(const EditorState& state);

    // Records a step when the data of `state` differ from the last recorded data: the data
    // before it can then be undone, and what was undone can no longer be redone. Returns
    // whether a step was recorded. Does nothing before the first reset.
    bool record(const EditorState& state);

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    std::size_t undoSteps() const { return undo_.size(); }
    std::size_t redoSteps() const { return redo_.size(); }

    // Puts back the data before the last step and loads the dialogs from it. Changes not yet
    // recorded are recorded first, so they are the step undone. False, and nothing changed,
    // when there is no step.
    bool undo(EditorState& state);
    // Puts back the data of the last undone step.
    bool redo(EditorState& state);

  private:
    // Takes the last step of `from` as the data in force and keeps the data before on `to`.
    bool step(std::deque<EditorData>& from, std::deque<EditorData>& to, EditorState& state);

    std::size_t depth_;
    bool started_ = false;
    EditorData current_; // the data as last recorded, undone or redone
    std::deque<EditorData> undo_;
    std::deque<EditorData> redo_;
};

} // namespace tlv
