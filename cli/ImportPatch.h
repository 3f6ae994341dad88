#pragma once
// The values an import brings in, as read from JSON or CSV, before they are checked: every
// field is optional (a missing key keeps the base's value). ApplyImport checks each value
// with the editor's own rules and writes it into the editor state.
#include "editor/EditorState.h"

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tlv::cli {

struct ChannelPatch {
    bool clear = false; // null in JSON: the channel is not in use
    std::optional<std::string> rx, rxTone, tx, txTone;
    std::optional<int> power, forbid, bandwidth, scan;
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

// One finding of an import: where (a channel and field, or a key) and what.
struct ImportIssue {
    std::string where;   // "channel 3 rx", "settings.VoxGain", "line 4 Frequency" ...
    std::string message; // in the language of the run
};

struct ImportReport {
    std::vector<ImportIssue> errors; // any error: nothing is written
    std::vector<ImportIssue> notes;  // e.g. a frequency snapped to the raster
    bool ok() const { return errors.empty(); }
};

// Applies the patch to the editor (the base); checks every value. On errors the state may
// be partly changed: the caller discards it.
void ApplyImport(EditorState& state, const ImportPatch& patch, int languageState,
                 ImportReport& report);

// The names of the number settings, in the order of the JSON "settings" object, with the
// text settings at their place; used by export and import alike.
struct SettingKey {
    const char* name;
    bool text; // IdCode, PttIdStartCode, PttIdEndCode
};
const std::vector<SettingKey>& SettingKeys();

// The current value of a number setting / a text setting.
int SettingNumber(const EditorState& state, const std::string& name);
std::string SettingText(const EditorState& state, const std::string& name);

// Channel values as the export shows them: list positions of the option cells (an empty
// cell as the encoder writes it) and tones as "Off", a CTCSS or DCS text, or "".
int OptionValue(const EditorState& state, int row, int column);
std::string ToneValue(const EditorState& state, int row, int column);

} // namespace tlv::cli
