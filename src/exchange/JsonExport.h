// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The radio data as JSON: band, the 16 channels (null = not in use), the settings by name, the
// DTMF memories, the test frequencies and the embedded texts.
#include "radio/RadioData.h"

#include <string>

namespace tlv {

// The JSON text of the radio data, keys in a fixed order, ending with a newline.
std::string ExportJson(const RadioData& radio);

// A JSON string literal. Texts decoded from an image can hold any byte; bytes that do not form
// UTF-8 are written as the characters of the same code (U+0080..U+00FF).
std::string JsonString(const std::string& text);

// One channel as the export writes it: an object of its values, or null when not in use.
std::string ChannelJson(const Channel& channel);

} // namespace tlv
