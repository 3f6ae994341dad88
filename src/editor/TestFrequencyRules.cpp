// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/TestFrequencyRules.h"

#include "radio/Conversions.h"

#include <cmath>
#include <optional>

namespace tlv {

namespace {

// The leading number of a grid text (as TextValue reads it) in 10 Hz units, for a number of at
// most four integer digits and eight decimals. For those the grid's frequencies are lowered with
// whole numbers; the real-number arithmetic the grid always used gives the same texts for them
// (tests/core/frequency_test.cpp compares the two over many numbers). A longer number is left
// to that arithmetic, whose rounding differs from the exact value beyond these digits.
struct GridNumber {
    bool negative = false; // below zero (a negative zero is zero)
    uint64_t tens = 0;     // the digits up to the fifth decimal
    bool finer = false;    // a digit other than 0 beyond the fifth decimal
};

std::optional<GridNumber> gridNumber(std::string_view text) {
    bool minus = false;
    const std::string_view number = LeadingNumber(text, minus);
    const std::size_t point = number.find('.');
    std::string_view whole = number.substr(0, point);
    while (!whole.empty() && whole.front() == '0')
        whole.remove_prefix(1);
    const std::size_t decimals = point == std::string_view::npos ? 0 : number.size() - point - 1;
    if (whole.size() > 4 || decimals > 8) return std::nullopt;
    GridNumber value;
    value.tens = FrequencyTens(number).value_or(0); // 0 for "" and "."
    value.finer = FinerThanTenHertz(number);
    value.negative = minus && (value.tens > 0 || value.finer);
    return value;
}

// The real-number arithmetic, for the numbers gridNumber leaves to it.
inline constexpr double kStep5k = 0.005;
inline constexpr double kStep625 = 0.00625;

// "0.00000": at least one integer digit, exactly five decimals. A result that rounds to zero
// is written without a sign; a value of any size is written in full.
std::string fiveDecimals(double value) {
    if (!std::isfinite(value)) value = 0.0;
    if (std::fabs(value) < 0.000005) value = 0.0;
    return FormatFixed(value, 5);
}

std::string realReceiveFrequency(std::string_view text) {
    const double v = TextValue(text);
    const double a = RealRemainder(kStep5k, v);
    const double b = RealRemainder(kStep625, v);
    return fiveDecimals(a >= b ? v - b : v - a);
}

std::string realTransmitFrequency(std::string_view text, std::string_view receiveText) {
    const double v = TextValue(text);
    const double step = RealRemainder(kStep625, TextValue(receiveText)) == 0.0 ? kStep625 : kStep5k;
    return fiveDecimals(v - RealRemainder(step, v));
}

} // namespace

bool TestFrequencyCellEditable(const EditorState& state, int row, int column) {
    if (row < 1 || row > kChannelCount) return false;
    if (column == 1) return true;
    return column == 2 && !state.dialogs.testFrequencies.grid[row][1].empty();
}

std::string NormaliseReceiveFrequency(std::string_view text) {
    const std::optional<GridNumber> number = gridNumber(text);
    if (!number) return realReceiveFrequency(text);
    return TensText(number->negative ? 0 : SnapToChannelRaster(number->tens));
}

std::string NormaliseTransmitFrequency(std::string_view text, std::string_view receiveText) {
    const std::optional<GridNumber> number = gridNumber(text);
    const std::optional<GridNumber> receive = gridNumber(receiveText);
    if (!number || !receive) return realTransmitFrequency(text, receiveText);
    const bool on6k25 = !receive->negative && !receive->finer && receive->tens % kRaster6k25 == 0;
    const uint64_t step = on6k25 ? kRaster6k25 : kRaster5k;
    return TensText(number->negative ? 0 : SnapToRaster(number->tens, step));
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
