// SPDX-License-Identifier: GPL-3.0-or-later
#include "line/UnitsList.h"

#include "exchange/CsvText.h"
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

// The column of a finding of the import: the column of the value it is about, or, for a finding
// about a whole channel ("channel 3"), the first column of that channel in the row.
std::string columnOf(const ImportIssue& issue,
                     const std::vector<std::pair<std::string, ImportPlace>>& places) {
    if (!issue.place.key.empty()) return issue.place.key;
    for (const auto& [column, place] : places)
        if (issue.place.channel && place.channel == issue.place.channel) return column;
    return issue.where;
}

// A value set again in a row keeps the place where the row gave it first.
template <typename T> void setValue(std::optional<T>& target, T value) {
    if (target) value.place = target->place;
    target = std::move(value);
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

bool SetUnitsColumn(ImportChanges& changes, const std::string& name, const std::string& cell,
                    Language language, std::string& error) {
    error.clear();
    ImportPlace place;
    place.key = name;
    if (name == "band") {
        if (auto n = wholeNumber(cell))
            setValue(changes.band, Placed<int>{*n, place});
        else
            error = wrongNumber(language);
        return true;
    }
    const std::string setting = name.rfind("settings.", 0) == 0 ? name.substr(9) : name;
    for (const SettingKey& key : SettingKeys()) {
        if (setting != key.name) continue;
        if (key.text) {
            auto [at, fresh] = changes.texts.try_emplace(setting, Placed<std::string>{cell, place});
            at->second.value = cell;
        } else if (auto n = wholeNumber(cell)) {
            auto [at, fresh] = changes.numbers.try_emplace(setting, Placed<int>{*n, place});
            at->second.value = *n;
        } else {
            error = wrongNumber(language);
        }
        return true;
    }
    std::size_t index = 0;
    std::string rest;
    if (indexed(name, "embeddedTexts", changes.embeddedTexts.size(), index, rest) && rest.empty()) {
        setValue(changes.embeddedTexts[index], Placed<std::string>{cell, place});
        return true;
    }
    if (indexed(name, "dtmfMemory", changes.dtmfMemory.size(), index, rest) && rest.empty()) {
        setValue(changes.dtmfMemory[index], Placed<std::string>{cell, place});
        return true;
    }
    if (indexed(name, "testFrequencies", changes.testFrequencies.size(), index, rest) &&
        (rest == ".rx" || rest == ".tx")) {
        TestFrequencyChanges& test = changes.testFrequencies[index];
        setValue(rest == ".rx" ? test.rx : test.tx, FrequencyChangeOf(trim(cell), place));
        return true;
    }
    if (!indexed(name, "channels", changes.channels.size(), index, rest) || rest.size() < 2 ||
        rest[0] != '.')
        return false;
    // The channel is given even by a column of no field of it (an error of its own).
    ChannelChanges& channel =
        changes.channels[index] ? *changes.channels[index] : changes.channels[index].emplace();
    const std::string field = rest.substr(1);
    if (std::find(std::begin(kChannelFieldNames), std::end(kChannelFieldNames), field) ==
        std::end(kChannelFieldNames))
        return false;
    place.channel = static_cast<int>(index) + 1;
    if (field == "rx" || field == "tx") {
        setValue(field == "rx" ? channel.rx : channel.tx, FrequencyChangeOf(trim(cell), place));
        return true;
    }
    if (field == "rxTone" || field == "txTone") {
        setValue(field == "rxTone" ? channel.rxTone : channel.txTone,
                 ToneChangeOf(trim(cell), place));
        return true;
    }
    const std::optional<int> position = wholeNumber(cell);
    if (!position) {
        error = wrongNumber(language);
        return true;
    }
    if (field == "power") setValue(channel.power, OptionOfPosition<Power>(*position, place));
    if (field == "forbid")
        setValue(channel.forbid, OptionOfPosition<TransmitForbid>(*position, place));
    if (field == "bandwidth")
        setValue(channel.bandwidth, OptionOfPosition<Bandwidth>(*position, place));
    if (field == "scan") setValue(channel.scan, OptionOfPosition<bool>(*position, place));
    return true;
}

Unit CheckUnit(int row, const std::vector<std::pair<std::string, std::string>>& cells,
               const EditorState& base, Language language, UnitsReport& report) {
    Unit unit{row, {}, {}};
    ImportChanges changes;
    std::vector<std::pair<std::string, ImportPlace>> places; // column, its place
    for (const auto& [column, cell] : cells) {
        if (cell.empty()) continue;
        std::string error;
        if (!SetUnitsColumn(changes, column, cell, language, error)) {
            report.errors.push_back({row, column, Localise(language, text::UnknownKey)});
            continue;
        }
        if (!error.empty()) report.errors.push_back({row, column, error});
        unit.values.emplace_back(column, cell);
        ImportPlace place;
        place.key = column;
        std::size_t index = 0;
        std::string rest;
        if (indexed(column, "channels", kChannelCount, index, rest))
            place.channel = static_cast<int>(index) + 1;
        places.emplace_back(column, place);
    }
    // The row is applied through the editor's rules to a copy of the base; the radio data are
    // what the line keeps of it.
    EditorState applied = base;
    ImportReport checked;
    ApplyImport(applied, changes, language, checked);
    unit.radio = applied.radio();
    for (const ImportIssue& issue : checked.errors)
        report.errors.push_back({row, columnOf(issue, places), issue.message});
    for (const ImportIssue& issue : checked.notes)
        report.notes.push_back({row, columnOf(issue, places), issue.message});
    return unit;
}

void CheckDistinctIdentities(const std::vector<Unit>& units, Language language,
                             UnitsReport& report) {
    for (const char* name : {"IdCode", "PttIdStartCode", "PttIdEndCode"}) {
        std::map<std::string, int> firstRow; // value -> row
        for (const Unit& unit : units) {
            const std::string value = SettingText(unit.radio, name);
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
        ImportChanges probe;
        std::string error;
        if (!SetUnitsColumn(probe, name, "0", language, error))
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
