// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The radio data by name, as the JSON export, the import and the comparison of two data files
// address it: the settings with a number or a text value, each bound to its field of the radio
// data, and a channel's values as numbers (the option lists) and texts (frequencies, tones).
#include "image/SettingTable.h"
#include "radio/ChannelFields.h"
#include "radio/RadioData.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tlv {

// A setting with a number value: one of the settings' table, with its name, the values a file
// may give it and the field that holds it (read and written as a number: a list position, a
// check box as 0 or 1, a delay in seconds that reads 0 while it has no value).
using NumberSetting = SettingField;

// A setting with a text value (IdCode, PttIdStartCode, PttIdEndCode): its field and its width
// in the image.
struct TextSetting {
    const char* name;
    std::string IdentityCodes::*field;
    std::size_t width;
};

const NumberSetting* FindNumberSetting(std::string_view name);
const TextSetting* FindTextSetting(std::string_view name);

// The names of the settings in the order of the JSON "settings" object (the number settings
// with the text settings at their place); used by export and import alike.
struct SettingKey {
    const char* name;
    bool text; // IdCode, PttIdStartCode, PttIdEndCode
};
std::span<const SettingKey> SettingKeys();

// The current value of a number setting / a text setting (0 / empty for an unknown name).
int SettingNumber(const RadioData& radio, std::string_view name);
std::string SettingText(const RadioData& radio, std::string_view name);

// A frequency as the export writes it: "446.00625", or "" for none.
std::string FrequencyValue(const std::optional<Frequency>& frequency);

// A channel's values as the export writes them: the list position of an option field, and a
// tone field as "Off", a CTCSS or DCS text, or "" for a transmit tone that is off beside no
// transmit frequency.
int OptionValue(const Channel& channel, ChannelField field);
std::string ToneValue(const Channel& channel, ChannelField field);

// A channel's values by name, in the order of the JSON export: rx, rxTone, tx, txTone, power,
// forbid, bandwidth, scan.
struct NamedValue {
    const char* name;
    std::string text; // the value: a text, or a number's digits
    bool number;
};
std::vector<NamedValue> ChannelValues(const Channel& channel);

} // namespace tlv
