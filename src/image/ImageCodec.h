#pragma once
// The memory image and the editor state: EncodeImage builds the ImageText from the editor,
// DecodeImage loads an ImageText into it.
#include "editor/EditorState.h"
#include "image/ImageFields.h"
#include "localisation/LocalMsgBox.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tlv {

// The ImageText of the editor state: always exactly 1696 upper-case hex digits. Values that do
// not fit their fields are clamped (one-byte values to 0..255, the two delays to 0..65535);
// texts are cut to their field and every character outside printable ASCII is stored as "?";
// a frequency text that is not in the nine-character form is encoded from its numeric value
// when it lies in 100 <= f < 1000 MHz, else as no frequency. Reads the state, changes nothing.
std::string EncodeImage(const EditorState& state);

// Loads an ImageText into the editor: channel table, option indices, function panel, band,
// stores and dialog controls. Selecting the priority lists runs the dialog's priority rules,
// whose messages go to `box`. A text with fewer than 1632 digits, or with a character that is
// not a hex digit among them, is refused as a whole: false, and nothing is changed. Digits
// beyond offset 815 are ignored. A frequency whose code holds a digit that is not decimal (a
// damaged file or memory) is shown as none - for a receive frequency the whole channel is empty -
// and one message to `box` names every such field, so that saving the result and opening it
// again gives the same image.
bool DecodeImage(EditorState& state, std::string_view imageText, MessageBoxService& box);

// Field codes that depend on the editor's cell texts.
namespace imagefield {
// The 16-bit tone value of a tone cell text (0xFFFF for empty or off).
uint16_t ToneValue(const CellListTexts& texts, std::string_view text);
// The tone cell text of a 16-bit value that is not 0xFFFF.
std::string ToneText(uint16_t value);
} // namespace imagefield

} // namespace tlv
