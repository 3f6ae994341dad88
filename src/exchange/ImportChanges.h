// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The values an import brings in, typed as the radio holds them, each with its place in the
// input: what the CSV and JSON readers and the units list make, before the values are checked
// against the editor. Every field is optional (a missing key keeps the base's value).
// ApplyImport writes each value into the editor through the editor's own rules, with the checks
// a user's typing meets, and names the place of each finding.
#include "editor/EditorState.h"
#include "editor/ToneEntry.h"
#include "exchange/ImportReport.h"

#include <array>
#include <map>
#include <optional>
#include <string>

namespace tlv {

template <typename T> struct Placed {
    T value{};
    ImportPlace place; // not given: named by its JSON key path
};

// A frequency of the input as written (findings and notes quote it) and as read.
struct FrequencyChange {
    std::string text; // empty: no frequency
    FrequencyReading reading;
    ImportPlace place;
};
FrequencyChange FrequencyChangeOf(std::string text, ImportPlace place = {});

// A tone of the input as written (the finding of a tone the radio cannot hold quotes it) and
// as read.
struct ToneChange {
    std::string text;
    ToneEntry entry;
    ImportPlace place;
};
ToneChange ToneChangeOf(std::string text, ImportPlace place = {});

// An option of a channel (power, transmit forbid, bandwidth, scan) as the radio holds it;
// nothing for a number outside the list (0..1), refused when it is applied.
template <typename T> struct OptionChange {
    std::optional<T> value;
    ImportPlace place;
};
// The option of list position `position` (0 or 1), as a file gives it.
template <typename T> OptionChange<T> OptionOfPosition(int position, ImportPlace place = {}) {
    if (position != 0 && position != 1) return {std::nullopt, std::move(place)};
    return {static_cast<T>(position), std::move(place)};
}

struct ChannelChanges {
    bool clear = false; // null in JSON: the channel is not in use
    std::optional<FrequencyChange> rx, tx;
    std::optional<ToneChange> rxTone, txTone;
    std::optional<OptionChange<Power>> power;
    std::optional<OptionChange<TransmitForbid>> forbid;
    std::optional<OptionChange<Bandwidth>> bandwidth;
    std::optional<OptionChange<bool>> scan;
};

struct TestFrequencyChanges {
    std::optional<FrequencyChange> rx, tx; // an empty text clears the frequency
};

struct ImportChanges {
    std::optional<Placed<int>> band;
    std::array<std::optional<ChannelChanges>, kChannelCount> channels{};
    std::map<std::string, Placed<int>> numbers;       // settings with a number value, by name
    std::map<std::string, Placed<std::string>> texts; // IdCode, PttIdStartCode, PttIdEndCode
    std::array<std::optional<Placed<std::string>>, 8> dtmfMemory{};
    std::array<TestFrequencyChanges, kChannelCount> testFrequencies{};
    std::array<std::optional<Placed<std::string>>, 2> embeddedTexts{};
};

// Applies the changes to the editor (the base); checks every value, also after errors found
// while reading the input, so that one pass reports them all. On errors the state may be
// partly changed: the caller discards it.
void ApplyImport(EditorState& state, const ImportChanges& changes, Language language,
                 ImportReport& report);

} // namespace tlv
