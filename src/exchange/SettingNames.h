#pragma once
// The editor's values by name, as the JSON export, the import and the comparison of two data
// files address them: the settings with a number or a text value, and the channel cells as
// numbers (option cells) and tone texts.
#include "editor/EditorState.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace tlv {

// A setting with a number value: where it lives in the editor state and which values its list
// admits.
struct NumberSetting {
    const char* name;
    int min;
    int max;
    std::function<int(const EditorState&)> get;
    std::function<void(EditorState&, int)> set;
};

// A setting with a text value (IdCode, PttIdStartCode, PttIdEndCode): its option entry and
// its field width in the image.
struct TextSetting {
    const char* name;
    int entry;
    std::size_t width;
};

const NumberSetting* FindNumberSetting(const std::string& name);
const TextSetting* FindTextSetting(const std::string& name);

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

// A channel's values by name, in the order of the JSON export: rx, rxTone, tx, txTone, power,
// forbid, bandwidth, scan.
struct NamedValue {
    const char* name;
    std::string text; // the value: a text, or a number's digits
    bool number;
};
std::vector<NamedValue> ChannelValues(const EditorState& state, int row);

} // namespace tlv
