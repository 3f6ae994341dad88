// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/TestFrequencyRules.h"

#include "radio/Conversions.h"

#include <cmath>

namespace tlv {

namespace {

inline constexpr double kStep5k = 0.005;
inline constexpr double kStep625 = 0.00625;

// "0.00000": at least one integer digit, exactly five decimals. A result that rounds to zero
// is written without a sign; a value of any size is written in full.
std::string fiveDecimals(double value) {
    if (!std::isfinite(value)) value = 0.0;
    if (std::fabs(value) < 0.000005) value = 0.0;
    return FormatFixed(value, 5);
}

} // namespace

bool TestFrequencyCellEditable(const EditorState& state, int row, int column) {
    if (row < 1 || row > kChannelCount) return false;
    if (column == 1) return true;
    return column == 2 && !state.dialogs.testFrequencies.grid[row][1].empty();
}

std::string NormaliseReceiveFrequency(std::string_view text) {
    const double v = TextValue(text);
    const double a = RealRemainder(kStep5k, v);
    const double b = RealRemainder(kStep625, v);
    return fiveDecimals(a >= b ? v - b : v - a);
}

std::string NormaliseTransmitFrequency(std::string_view text, std::string_view receiveText) {
    const double v = TextValue(text);
    const double step = RealRemainder(kStep625, TextValue(receiveText)) == 0.0 ? kStep625 : kStep5k;
    return fiveDecimals(v - RealRemainder(step, v));
}

void CommitTestFrequency(EditorState& state, int row, int column, std::string_view text) {
    if (row < 1 || row > kChannelCount) return;
    auto& cells = state.dialogs.testFrequencies.grid[row];
    if (column == 1) {
        cells[1] = text.empty() ? std::string() : NormaliseReceiveFrequency(text);
        cells[2] = cells[1];
    } else if (column == 2) {
        // A transmit frequency needs its receive frequency (the editor does not open without).
        if (cells[1].empty()) {
            cells[2].clear();
            return;
        }
        cells[2] = text.empty() ? cells[1] : NormaliseTransmitFrequency(text, cells[1]);
    }
}

} // namespace tlv
