// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/ChannelRows.h"

#include "editor/CellTexts.h"
#include "editor/EditingRules.h"
#include "editor/EditorOps.h"
#include "editor/ToneEntry.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>
#include <utility>

namespace tlv {

namespace {

bool isChannelRow(int row) {
    return row >= 1 && row <= kChannelCount;
}

void swapRows(EditorState& state, int a, int b) {
    std::swap(state.radio().channel(a), state.radio().channel(b));
    std::swap(state.data.tones.position[static_cast<std::size_t>(a - 1)],
              state.data.tones.position[static_cast<std::size_t>(b - 1)]);
}

void copyRow(EditorState& to, const EditorState& from, int row) {
    to.radio().channel(row) = from.radio().channel(row);
    to.data.tones.position[static_cast<std::size_t>(row - 1)] =
        from.data.tones.position[static_cast<std::size_t>(row - 1)];
}

// A field as a spreadsheet or an editor may give it back: without surrounding blanks, a
// carriage return or one pair of double quotes.
std::string_view trimmed(std::string_view field) {
    const auto blank = [](char c) { return c == ' ' || c == '\r' || c == '\n'; };
    while (!field.empty() && blank(field.front()))
        field.remove_prefix(1);
    while (!field.empty() && blank(field.back()))
        field.remove_suffix(1);
    if (field.size() >= 2 && field.front() == '"' && field.back() == '"')
        field = field.substr(1, field.size() - 2);
    return field;
}

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t at = text.find(separator);
        parts.push_back(text.substr(0, at));
        if (at == std::string_view::npos) return parts;
        text.remove_prefix(at + 1);
    }
}

bool isWholeNumber(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string upper(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

// The position of an option text of `column` in any language, -1 when it is none. Letters
// compare without regard to case.
int optionPosition(int column, std::string_view text) {
    // [column - 5][language][position], in upper case; made once.
    static const auto entries = [] {
        std::array<std::array<std::array<std::string, 2>, 3>, 4> all;
        for (int c = col::Power; c <= col::Scan; ++c)
            for (int language = 0; language < 3; ++language)
                for (int position = 0; position < 2; ++position)
                    all[c - col::Power][language][position] =
                        upper(OptionText(static_cast<Language>(language), c, position));
        return all;
    }();
    const auto sameAsUpper = [text](const std::string& entry) {
        if (entry.size() != text.size()) return false;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const char c = text[i] >= 'a' && text[i] <= 'z' ? char(text[i] - 'a' + 'A') : text[i];
            if (c != entry[i]) return false;
        }
        return true;
    };
    for (const auto& language : entries[column - col::Power])
        for (int position = 0; position < 2; ++position)
            if (sameAsUpper(language[position])) return position;
    return -1;
}

struct BadCell {
    int column;
    std::string reason;
};

class RowWriter {
  public:
    RowWriter(EditorState& state, int row) : state_(state), row_(row) {}

    // Writes the eight cells (cells[1..8]) into the row through the editing rules.
    std::optional<BadCell> write(const std::array<std::string_view, kTableCols>& cells) {
        ClearChannel(state_, row_);
        if (cells[col::RxFrequency].empty()) return std::nullopt;
        for (int column : {col::RxFrequency, col::TxFrequency})
            if (auto bad = frequency(column, cells[column])) return bad;
        for (int column : {col::RxTone, col::TxTone})
            if (auto bad = tone(column, cells[column])) return bad;
        for (int column = col::Power; column <= col::Scan; ++column)
            if (auto bad = option(column, cells[column])) return bad;
        return std::nullopt;
    }

  private:
    std::optional<BadCell> bad(int column, const LocalText& reason, const std::string& value = {}) {
        return BadCell{column, Localise(state_.language(), reason, value)};
    }

    std::optional<BadCell> frequency(int column, std::string_view text) {
        // A channel may have no transmit frequency, as a loaded receive-only channel has.
        if (column == col::TxFrequency && text.empty()) {
            state_.radio().channel(row_).tx.reset();
            return std::nullopt;
        }
        if (!IsDecimalNumber(text)) return bad(column, rowtext::NotAFrequency);
        const FrequencyCommit result = CommitFrequency(state_, {row_, column}, text).outcome;
        if (result == FrequencyCommit::OutOfBand) return bad(column, msg::OutOfBand.text);
        if (result != FrequencyCommit::Written && result != FrequencyCommit::NewChannel)
            return bad(column, rowtext::NotAFrequency);
        return std::nullopt;
    }

    std::optional<BadCell> tone(int column, std::string_view text) {
        Channel& channel = state_.radio().channel(row_);
        Tone& tone = column == col::RxTone ? channel.rxTone : channel.txTone;
        const ToneEntry entry = ReadToneEntry(text);
        switch (entry.kind) {
        case ToneEntry::Kind::Empty:
            // The empty tone of a loaded channel, beside an empty frequency only.
            if (column == col::RxTone ? channel.rx.has_value() : channel.tx.has_value())
                return bad(column, rowtext::ToneNeedsFrequency);
            tone = Tone::Off();
            break;
        case ToneEntry::Kind::Refused:
            return bad(column, rowtext::NotATone);
        default:
            tone = entry.tone;
            break;
        }
        // The list position of the tone, as a pick or a load sets it; off for other values.
        state_.data.tones.at(row_, *FieldOfColumn(column)) =
            static_cast<int16_t>(std::max(0, ToneListPosition(tone)));
        return std::nullopt;
    }

    std::optional<BadCell> option(int column, std::string_view text) {
        // An empty option cell takes the value the radio keeps for an empty one.
        if (text.empty()) {
            PickOption(state_, {row_, column}, column == col::Scan ? 0 : 1);
            return std::nullopt;
        }
        const int position = optionPosition(column, text);
        if (position < 0)
            return bad(column, rowtext::NotInList,
                       OptionText(state_.language(), column, 0) + "/" +
                           OptionText(state_.language(), column, 1));
        PickOption(state_, {row_, column}, position);
        return std::nullopt;
    }

    EditorState& state_;
    int row_;
};

} // namespace

std::vector<int> ChannelRowSet(std::span<const int> rows) {
    std::vector<int> set;
    for (int row : rows)
        if (isChannelRow(row)) set.push_back(row);
    std::sort(set.begin(), set.end());
    set.erase(std::unique(set.begin(), set.end()), set.end());
    return set;
}

void DeleteChannels(EditorState& state, std::span<const int> rows) {
    for (int row : ChannelRowSet(rows))
        ClearChannel(state, row);
}

bool InsertEmptyChannel(EditorState& state, int row) {
    if (!isChannelRow(row) || state.radio().inUse(kChannelCount)) return false;
    for (int below = kChannelCount; below > row; --below)
        swapRows(state, below, below - 1);
    ClearChannel(state, row);
    return true;
}

std::vector<int> MoveChannels(EditorState& state, std::span<const int> rows, int step) {
    std::vector<int> set = ChannelRowSet(rows);
    if (set.empty() || (step != -1 && step != 1)) return {};
    if (!isChannelRow(set.front() + step) || !isChannelRow(set.back() + step)) return {};
    // Up: the top row first, so that a block moves as a whole; down: the bottom row first.
    if (step > 0) std::reverse(set.begin(), set.end());
    for (int& row : set) {
        swapRows(state, row, row + step);
        row += step;
    }
    std::sort(set.begin(), set.end());
    return set;
}

std::string ChannelRowsText(const EditorState& state, std::span<const int> rows) {
    std::string text;
    // Appended piece by piece: no temporary strings for each cell.
    for (int column = 0; column < kTableCols; ++column) {
        if (column) text += '\t';
        text += CellText(state, 0, column);
    }
    text += '\n';
    for (int row : ChannelRowSet(rows)) {
        text += ChannelNumberText(row);
        for (int column = 1; column < kTableCols; ++column) {
            text += '\t';
            text += CellText(state, row, column);
        }
        text += '\n';
    }
    return text;
}

PasteOutcome PasteChannelRows(EditorState& state, int firstRow, std::string_view text) {
    std::vector<std::string_view> lines = split(text, '\n');
    while (!lines.empty() && trimmed(lines.back()).empty())
        lines.pop_back();
    if (!lines.empty() && !isWholeNumber(trimmed(split(lines.front(), '\t').front())))
        lines.erase(lines.begin());
    if (lines.empty() || !isChannelRow(firstRow)) return {};

    const auto refuse = [&](int line, int row, int column, const std::string& reason) {
        const std::string where =
            column < kTableCols ? CellText(state, 0, column) : std::to_string(column + 1);
        return PasteOutcome{
            0, FillText(Localise(state.language(), rowtext::Where),
                        {std::to_string(line), ChannelNumberText(row), where, reason})};
    };
    // The rows are written into a copy of the data, which replaces the editor's rows only when
    // every row passed.
    EditorState written;
    written.data = state.data;
    written.session = state.session;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int line = static_cast<int>(i) + 1;
        const int row = firstRow + static_cast<int>(i);
        if (!isChannelRow(row))
            return refuse(line, row, col::Number,
                          Localise(state.language(), rowtext::BeyondLastChannel));
        std::array<std::string_view, kTableCols> cells{};
        std::string_view rest = lines[i];
        for (int column = 0;; ++column) {
            const std::size_t tab = rest.find('\t');
            const std::string_view field = trimmed(rest.substr(0, tab));
            if (column < kTableCols)
                cells[static_cast<std::size_t>(column)] = field;
            else if (!field.empty())
                return refuse(line, row, column,
                              Localise(state.language(), rowtext::TooManyColumns));
            if (tab == std::string_view::npos) break;
            rest.remove_prefix(tab + 1);
        }
        if (auto bad = RowWriter(written, row).write(cells))
            return refuse(line, row, bad->column, bad->reason);
    }
    for (std::size_t i = 0; i < lines.size(); ++i)
        copyRow(state, written, firstRow + static_cast<int>(i));
    return {static_cast<int>(lines.size()), {}};
}

} // namespace tlv
