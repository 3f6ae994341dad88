// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The differences between the radio data of two data files by name: the band, each channel's
// values, the settings, the DTMF memories, the test frequencies and the embedded texts, in the
// names of the JSON export.
#include "language/Language.h"
#include "radio/RadioData.h"

#include <string>
#include <vector>

namespace tlv {

struct Difference {
    std::string where;    // "band", "channel 3", "settings.VoxGain", "dtmfMemory[2]" ...
    std::string field;    // within a channel: "rx", "txTone", "power" ...; empty otherwise
    std::string oldShown; // the values for a person ("446.00625", "0 (400-470MHz)", "\"\"")
    std::string newShown;
    std::string oldJson; // and as JSON values ("\"446.00625\"", "0", a channel object, null)
    std::string newJson;
};

// Everything that differs from `before` to `after`, in the order of the JSON export. A channel
// in use on one side only is one difference with the whole channel. `language` is the language
// of the "not in use" text.
std::vector<Difference> CompareRadioData(const RadioData& before, const RadioData& after,
                                         Language language);

// One line per difference: "channel 3: rx 446.00625 -> 446.01250", "settings.VoxGain: 1 -> 3".
std::string DifferencesText(const std::vector<Difference>& differences);

// {"equal": ..., "differences": [{"where": ..., "field": ..., "old": ..., "new": ...}, ...]}
std::string DifferencesJson(const std::vector<Difference>& differences);

} // namespace tlv
