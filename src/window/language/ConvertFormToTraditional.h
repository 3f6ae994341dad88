// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Converting the texts a user sees in one window to Traditional Chinese.

class QWidget;

namespace tlv {

// ConvertFormToTraditional: converts in place, with ToTraditional, the captions of labels,
// option buttons, push buttons, check boxes, frames and menus (menu titles and the texts of
// their items), every entry of every drop-down list, the header row of every grid and the
// toolbar's own tooltip. The window title, toolbar button captions, text boxes and grid cells
// below the header row are left as they are, and so are controls of other windows parented
// to this one.
void ConvertFormToTraditional(QWidget* window);

} // namespace tlv
