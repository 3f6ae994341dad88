// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rows of a production line: which are done, which one a radio is being written with,
// which failed (free again), and which comes next. A radio takes the lowest row that is neither
// done nor being written, so a failed radio's row goes to the next radio and no row is taken
// twice.
#include <optional>
#include <vector>

namespace tlv {

enum class RowState { Open, Writing, Done, Failed, Skipped };

class LineRows {
  public:
    explicit LineRows(int count = 0);

    int count() const { return static_cast<int>(states_.size()); }
    // Rows are numbered 1..count().
    RowState state(int row) const;

    // A row the log says is done.
    void markDone(int row);
    // Rows before `row` are not used (--start-at): the start overrides what the log says, so
    // the rows from `row` on are open again.
    void startAt(int row);

    // The row the next radio would take, or nothing when every row is done or being written.
    std::optional<int> next() const;
    // Takes next() for a radio: the row is being written.
    std::optional<int> take();
    // The radio of `row` finished: done, or failed (the row is free for the next radio).
    void finish(int row, bool done);

    int done() const;
    int failedAttempts() const { return failedAttempts_; }
    // No row is left to take and none is being written.
    bool finished() const;

  private:
    std::vector<RowState> states_;
    int failedAttempts_ = 0;
};

} // namespace tlv
