// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The units list of a production line: one row per radio, each giving the values that differ
// from the base file (its identity codes, its embedded texts, any setting or channel value).
// Columns are named as the JSON export names the values: a setting by its name (IdCode,
// PttIdStartCode, VoxGain, also written settings.IdCode), embeddedTexts[0] and [1],
// dtmfMemory[0]..[7], channels[0].rx .. channels[15].scan, testFrequencies[0].rx .., band.
// Every row is applied to a copy of the base with the import's own checks before any radio is
// touched; an error names the row (1 = the first row under the header) and the column.
#include "editor/EditorState.h"
#include "exchange/ImportChanges.h"

#include <string>
#include <utility>
#include <vector>

namespace tlv {

// One radio's row: the cells given (column and text, empty cells left out: they keep the base's
// value) and the radio data of the base with them applied, which the radio gets.
struct Unit {
    int row = 0;
    std::vector<std::pair<std::string, std::string>> values;
    RadioData radio;
};

// A finding in the units list; row 0 is the header or the file as a whole.
struct UnitsIssue {
    int row = 0;
    std::string column;
    std::string message;
};

struct UnitsReport {
    std::vector<UnitsIssue> errors; // any error: no radio is touched
    std::vector<UnitsIssue> notes;  // e.g. a frequency snapped to the raster
    bool ok() const { return errors.empty(); }
};

// "row 3, column IdCode: text too long (at most 10 characters)".
std::string UnitsIssueText(const UnitsIssue& issue, Language language);

// Sets the value of the column `name` to `cell` in `changes`, placed at that column (a value
// that an earlier column of the row gave already keeps the earlier column as its place). False
// for a column no value goes by; `error` is set when the cell is not of the column's type.
bool SetUnitsColumn(ImportChanges& changes, const std::string& name, const std::string& cell,
                    Language language, std::string& error);

// Applies one row (column, cell pairs; empty cells skipped) to a copy of `base` and checks it.
// The issues carry `row` and the column of each finding.
Unit CheckUnit(int row, const std::vector<std::pair<std::string, std::string>>& cells,
               const EditorState& base, Language language, UnitsReport& report);

// Reads a units list in CSV (a header row of column names, then one row per radio) and checks
// every row against `base`, and that no identity code (IdCode, PttIdStartCode, PttIdEndCode) is
// given to two rows. The list is complete only when the report holds no error.
std::vector<Unit> ReadUnitsCsv(const std::string& text, const EditorState& base, Language language,
                               UnitsReport& report);

// Checks the rows of a whole list for identity codes given twice (adds the errors).
void CheckDistinctIdentities(const std::vector<Unit>& units, Language language,
                             UnitsReport& report);

// What a row gives, as one line: IdCode=101 PttIdStartCode=101 embeddedTexts[0]="UNIT 1".
std::string IdentityText(const Unit& unit);

} // namespace tlv
