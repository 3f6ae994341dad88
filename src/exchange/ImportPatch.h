// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The values an import brings in, as read from JSON or CSV, before they are checked: every
// field is optional (a missing key keeps the base's value). ApplyImport checks each value
// with the editor's own rules and writes it into the editor's radio data.
#include "editor/EditorState.h"

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tlv {

struct ChannelPatch {
    bool clear = false; // null in JSON: the channel is not in use
    std::optional<std::string> rx, rxTone, tx, txTone;
    std::optional<int> power, forbid, bandwidth, scan;
    // Where each value stands in the input, by field ("rx", "txTone", "power" ...): the channel
    // with the line and column of a CSV file or the key path of a JSON file. A finding about
    // the value names that place.
    std::map<std::string, std::string> places;
};

struct TestFrequencyPatch {
    std::optional<std::string> rx, tx;
};

struct ImportPatch {
    std::optional<int> band;
    std::array<std::optional<ChannelPatch>, 16> channels{};
    std::map<std::string, int> numbers;       // settings with a number value
    std::map<std::string, std::string> texts; // IdCode, PttIdStartCode, PttIdEndCode
    std::array<std::optional<std::string>, 8> dtmfMemory{};
    std::array<TestFrequencyPatch, 16> testFrequencies{};
    std::array<std::optional<std::string>, 2> embeddedTexts{};
};

// What the user can do about an error, beyond correcting the input: a program adds its own
// advice (a command-line option, a dialog's choice).
enum class ImportHint {
    None,
    Renumber, // a CSV Location outside 1..16: place the rows on channels 1..N instead
    Band,     // a frequency outside the band: choose the band
};

// One finding of an import: where (a channel and field, or a key) and what.
struct ImportIssue {
    std::string where;   // "channel 3 rx", "settings.VoxGain", "line 4 Location" ...
    std::string message; // in the language of the run
    ImportHint hint = ImportHint::None;
};

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

// Applies the patch to the editor (the base); checks every value, also after errors found
// while reading the input, so that one pass reports them all. On errors the state may be
// partly changed: the caller discards it.
void ApplyImport(EditorState& state, const ImportPatch& patch, Language language,
                 ImportReport& report);

} // namespace tlv
