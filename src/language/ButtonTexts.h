// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Button texts of the message boxes for each language, and the layout of a box described by
// its flag value.
#include "language/Language.h"

#include <optional>
#include <string_view>
#include <vector>

namespace tlv {

// The text of the button with item id `itemId` (1 OK, 2 Cancel, 3 Abort, 4 Retry, 5 Ignore,
// 6 Yes, 7 No, 12 Save, 13 Discard) in a language. No value for an unknown id.
std::optional<std::string_view> MsgBoxButtonText(Language language, int itemId);

enum class MsgBoxIcon { None, Stop, Question, Warning, Information };

// What a flag value asks of a box.
struct MsgBoxLayout {
    std::vector<int> buttons; // item ids, left to right
    MsgBoxIcon icon = MsgBoxIcon::None;
    int defaultButton = 0;    // item id of the default button
    int escapeButton = 0;     // item id answered by Escape or the close box (0: none)
    bool systemModal = false; // flag 4096
};

// Buttons (flags & 0xF), icon (flags & 0xF0), default button (flags & 0xF00, clamped to the
// buttons present) and modality (flags & 0xF000). Unknown button codes give a single OK.
MsgBoxLayout DecodeMsgBoxFlags(int flags);

} // namespace tlv
