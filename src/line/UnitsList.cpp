// SPDX-License-Identifier: GPL-3.0-or-later
#include "line/UnitsList.h"

#include "exchange/ChannelCsv.h"
#include "exchange/ExchangeTexts.h"
#include "exchange/SettingNames.h"
#include "line/LineTexts.h"

#include <algorithm>
#include <charconv>
#include <map>

namespace tlv {

namespace {

constexpr const char* kChannelFieldNames[] = {"rx",    "rxTone", "tx",        "txTone",
                                              "power", "forbid", "bandwidth", "scan"};

std::string trim(const std::string& text) {
    const auto begin = text.find_first_not_of(" \t");
    if (begin == std::string::npos) return {};
    return text.substr(begin, text.find_last_not_of(" \t") - begin + 1);
}

std::optional<int> wholeNumber(const std::string& cell) {
    const std::string text = trim(cell);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

// "name[index]" with index < size, or "name[index].field": the index and the rest after "]".
bool indexed(const std::string& column, const std::string& name, std::size_t size,
             std::size_t& index, std::string& rest) {
    if (column.rfind(name + "[", 0) != 0) return false;
    const std::size_t close = column.find(']', name.size() + 1);
    if (close == std::string::npos) return false;
    const std::string digits = column.substr(name.size() + 1, close - name.size() - 1);
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), index);
    if (error != std::errc() || end != digits.data() + digits.size() || digits.empty() ||
        index >= size)
        return false;
    rest = column.substr(close + 1);
    return true;
}

std::string wrongNumber(Language language) {
    return Localise(language, text::WrongType, Localise(language, text::TypeNumber));
}

// The column of a finding of the import: the column whose value has that place, or, for a
// finding about a whole channel ("channel 3"), the first column of that channel.
std::string columnOf(const std::string& where,
                     const std::vector<std::pair<std::string, std::string>>& places) {
    for (const auto& [column, place] : places)
        if (place == where) return column;
    for (const auto& [column, place] : places)
        if (place.rfind(where + " ", 0) == 0) return column;
    return where;
}

bool blankRecord(const std::vector<std::string>& fields) {
    for (const auto& field : fields)
        if (!trim(field).empty()) return false;
    return true;
}

} // namespace

std::string UnitsIssueText(const UnitsIssue& issue, Language language) {
    std::string where;
    if (issue.row > 0)
        where = Localise(language, text::AtUnitsRow, std::to_string(issue.row));
    else if (!issue.column.empty())
        where = Localise(language, text::AtUnitsHeader);
    if (!issue.column.empty())
        where += ", " + Localise(language, text::AtUnitsColumn, issue.column);
    return where.empty() ? issue.message : where + ": " + issue.message;
}

bool SetUnitsColumn(ImportPatch& patch, const std::string& name, const std::string& cell,
                    Language language, std::string& where, std::string& error) {
    where = name;
    error.clear();
    if (name == "band") {
        if (auto n = wholeNumber(cell))
            patch.band = *n;
        else
            error = wrongNumber(language);
        return true;
    }
    const std::string setting = name.rfind("settings.", 0) == 0 ? name.substr(9) : name;
    for (const SettingKey& key : SettingKeys()) {
        if (setting != key.name) continue;
        where = "settings." + setting;
        if (key.text) {
            patch.texts[setting] = cell;
        } else if (auto n = wholeNumber(cell)) {
            patch.numbers[setting] = *n;
        } else {
            error = wrongNumber(language);
        }
        return true;
    }
    std::size_t index = 0;
    std::string rest;
    if (indexed(name, "embeddedTexts", patch.embeddedTexts.size(), index, rest) && rest.empty()) {
        patch.embeddedTexts[index] = cell;
        return true;
    }
    if (indexed(name, "dtmfMemory", patch.dtmfMemory.size(), index, rest) && rest.empty()) {
        patch.dtmfMemory[index] = cell;
        return true;
    }
    if (indexed(name, "testFrequencies", patch.testFrequencies.size(), index, rest) &&
        (rest == ".rx" || rest == ".tx")) {
        (rest == ".rx" ? patch.testFrequencies[index].rx : patch.testFrequencies[index].tx) =
            trim(cell);
        return true;
    }
    if (indexed(name, "channels", patch.channels.size(), index, rest) && rest.size() > 1 &&
        rest[0] == '.') {
        const std::string field = rest.substr(1);
        where = Localise(language, text::AtChannel, std::to_string(index + 1)) + " " + field;
        ChannelPatch& channel =
            patch.channels[index] ? *patch.channels[index] : patch.channels[index].emplace();
        std::optional<std::string>* texts[] = {&channel.rx, &channel.rxTone, &channel.tx,
                                               &channel.txTone};
        std::optional<int>* numbers[] = {&channel.power, &channel.forbid, &channel.bandwidth,
                                         &channel.scan};
        for (std::size_t k = 0; k < std::size(kChannelFieldNames); ++k) {
            if (field != kChannelFieldNames[k]) continue;
            if (k < 4) {
                *texts[k] = trim(cell);
            } else if (auto n = wholeNumber(cell)) {
                *numbers[k - 4] = *n;
            } else {
                error = wrongNumber(language);
            }
            return true;
        }
    }
    return false;
}

Unit CheckUnit(int row, const std::vector<std::pair<std::string, std::string>>& cells,
               const EditorState& base, Language language, UnitsReport& report) {
    Unit unit{row, {}, base};
    ImportPatch patch;
    std::vector<std::pair<std::string, std::string>> places; // column, the import's place
    for (const auto& [column, cell] : cells) {
        if (cell.empty()) continue;
        std::string where, error;
        if (!SetUnitsColumn(patch, column, cell, language, where, error)) {
            report.errors.push_back({row, column, Localise(language, text::UnknownKey)});
            continue;
        }
        if (!error.empty()) report.errors.push_back({row, column, error});
        unit.values.emplace_back(column, cell);
        places.emplace_back(column, where);
    }
    ImportReport checked;
    ApplyImport(unit.editor, patch, language, checked);
    for (const ImportIssue& issue : checked.errors)
        report.errors.push_back({row, columnOf(issue.where, places), issue.message});
    for (const ImportIssue& issue : checked.notes)
        report.notes.push_back({row, columnOf(issue.where, places), issue.message});
    return unit;
}

void CheckDistinctIdentities(const std::vector<Unit>& units, Language language,
                             UnitsReport& report) {
    for (const char* name : {"IdCode", "PttIdStartCode", "PttIdEndCode"}) {
        std::map<std::string, int> firstRow; // value -> row
        for (const Unit& unit : units) {
            const std::string value = SettingText(unit.editor.radio(), name);
            bool given = false;
            for (const auto& [column, cell] : unit.values)
                given = given || column == name || column == std::string("settings.") + name;
            if (!given || value.empty()) continue;
            auto [at, fresh] = firstRow.emplace(value, unit.row);
            if (!fresh)
                report.errors.push_back(
                    {unit.row, name,
                     Localise(language, text::UnitsSameAsRow, std::to_string(at->second))});
        }
    }
}

std::vector<Unit> ReadUnitsCsv(const std::string& text, const EditorState& base, Language language,
                               UnitsReport& report) {
    std::vector<Unit> units;
    std::vector<std::pair<int, std::vector<std::string>>> records;
    if (!SplitCsv(text, records)) {
        report.errors.push_back({0, {}, Localise(language, text::UnbalancedQuote)});
        return units;
    }
    std::erase_if(records, [](const auto& record) { return blankRecord(record.second); });
    if (records.size() < 2) {
        report.errors.push_back({0, {}, Localise(language, text::UnitsEmpty)});
        return units;
    }
    std::vector<std::string> columns;
    for (const std::string& field : records[0].second) {
        const std::string name = trim(field);
        ImportPatch probe;
        std::string where, error;
        if (!SetUnitsColumn(probe, name, "0", language, where, error))
            report.errors.push_back({0, name, Localise(language, text::UnknownKey)});
        else if (std::find(columns.begin(), columns.end(), name) != columns.end())
            report.errors.push_back({0, name, Localise(language, text::UnitsColumnTwice)});
        columns.push_back(name);
    }
    if (!report.ok()) return units;
    for (std::size_t r = 1; r < records.size(); ++r) {
        const int row = static_cast<int>(r);
        const std::vector<std::string>& fields = records[r].second;
        if (fields.size() > columns.size()) {
            report.errors.push_back(
                {row,
                 {},
                 Localise(language, text::UnitsFieldCount, std::to_string(fields.size()),
                          std::to_string(columns.size()))});
            continue;
        }
        std::vector<std::pair<std::string, std::string>> cells;
        for (std::size_t c = 0; c < fields.size(); ++c)
            cells.emplace_back(columns[c], fields[c]);
        units.push_back(CheckUnit(row, cells, base, language, report));
    }
    CheckDistinctIdentities(units, language, report);
    return units;
}

std::string IdentityText(const Unit& unit) {
    std::string text;
    for (const auto& [column, cell] : unit.values) {
        const bool quote = cell.find_first_of(" \t\"") != std::string::npos;
        text += (text.empty() ? "" : " ") + column + "=" + (quote ? "\"" + cell + "\"" : cell);
    }
    return text;
}

} // namespace tlv
