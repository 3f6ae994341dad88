// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What an import found, and where: the place of a value in the input (a CSV line and column, a
// JSON key path, a units-list column), the findings with their places, and the user's choices
// for an import besides the input.
#include "language/Language.h"

#include <optional>
#include <string>
#include <vector>

namespace tlv {

// Where a value stands in the input, or what a finding is about.
struct ImportPlace {
    int channel = 0; // the channel (1..16) the value belongs to; 0 for none
    int line = 0;    // CSV: the line its row starts on; 0 for none
    // CSV: the column's name; JSON: the key path ("channels[0].rx", "settings.VoxGain"); the
    // units list: the column of the list
    std::string key;
    int column = 0;       // CSV: the column's number (1 for the first) where a finding tells it
    bool csvFile = false; // CSV: the file as a whole
    bool given() const { return channel || line || !key.empty() || csvFile; }
};

// The place of a JSON key path ("settings.VoxGain", "channels[2].rx"), with the channel it
// belongs to (1..16, 0 for none).
ImportPlace KeyPathPlace(std::string key, int channel = 0);

// A place as a finding names it, in `language`: "channel 3 (line 2) Frequency (column 3)",
// "channel 1 (channels[0].rx)", "line 4 Location", "settings.VoxGain", "channel 3", "csv".
std::string PlaceText(const ImportPlace& place, Language language);

// What the user can do about an error, beyond correcting the input: a program adds its own
// advice (a command-line option, a dialog's choice).
enum class ImportHint {
    None,
    Renumber, // a CSV Location outside 1..16: place the rows on channels 1..N instead
    Band,     // a frequency outside the band: choose the band
};

// One finding of an import: where (a channel and field, or a key) and what.
struct ImportIssue {
    std::string where;   // PlaceText of `place`: "channel 3 (channels[2].rx)", "line 4 Location"
    std::string message; // in the language of the run
    ImportHint hint = ImportHint::None;
    ImportPlace place = {};
};

// A finding at `place`, its place named in `language`.
ImportIssue IssueAt(const ImportPlace& place, std::string message, Language language,
                    ImportHint hint = ImportHint::None);

struct ImportReport {
    std::vector<ImportIssue> errors; // any error: nothing is written
    std::vector<ImportIssue> notes;  // e.g. a frequency snapped to the raster
    bool ok() const { return errors.empty(); }
    bool hinted(ImportHint hint) const;
};

// One finding as a line: "where: message", or the message alone when it has no place.
std::string IssueText(const ImportIssue& issue);

// The issues one a line (IssueText), at most `maxLines` of them and then a line that counts
// the rest.
std::string IssueLines(const std::vector<ImportIssue>& issues, Language language,
                       std::size_t maxLines);

// Choices of the user for an import besides the input.
struct ImportOptions {
    std::optional<int> band; // the band (0..6) for a CSV, which carries none; over a JSON's band
    bool renumber = false;   // CSV rows on channels 1..N in Location order
};

} // namespace tlv
