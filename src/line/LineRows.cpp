// SPDX-License-Identifier: GPL-3.0-or-later
#include "line/LineRows.h"

#include <algorithm>

namespace tlv {

LineRows::LineRows(int count) : states_(static_cast<std::size_t>(std::max(count, 0))) {}

RowState LineRows::state(int row) const {
    if (row < 1 || row > count()) return RowState::Skipped;
    return states_[static_cast<std::size_t>(row - 1)];
}

void LineRows::markDone(int row) {
    if (row >= 1 && row <= count()) states_[static_cast<std::size_t>(row - 1)] = RowState::Done;
}

void LineRows::startAt(int row) {
    for (int r = 1; r <= count(); ++r)
        states_[static_cast<std::size_t>(r - 1)] = r < row ? RowState::Skipped : RowState::Open;
}

std::optional<int> LineRows::next() const {
    for (int r = 1; r <= count(); ++r) {
        const RowState s = state(r);
        if (s == RowState::Open || s == RowState::Failed) return r;
    }
    return std::nullopt;
}

std::optional<int> LineRows::take() {
    const std::optional<int> row = next();
    if (row) states_[static_cast<std::size_t>(*row - 1)] = RowState::Writing;
    return row;
}

void LineRows::finish(int row, bool done) {
    if (state(row) != RowState::Writing) return;
    states_[static_cast<std::size_t>(row - 1)] = done ? RowState::Done : RowState::Failed;
    if (!done) ++failedAttempts_;
}

int LineRows::done() const {
    return static_cast<int>(std::count(states_.begin(), states_.end(), RowState::Done));
}

bool LineRows::finished() const {
    return !next() && std::none_of(states_.begin(), states_.end(),
                                   [](RowState s) { return s == RowState::Writing; });
}

} // namespace tlv
