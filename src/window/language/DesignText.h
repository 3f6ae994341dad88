// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The windows' design texts, taken from the Simplified rows of the caption tables so that
// each text is typed once: a window is built with the texts the caption step would write
// into it in Simplified Chinese.
#include "texts/CaptionTables.h"

#include <QString>
#include <QStringList>

#include <string_view>

namespace tlv {

// The Simplified text of the row that sets `item` (entry, column or button `index`) of
// `control` in `window`; for a window title the control is empty. Every text asked for has a
// row; a missing one is a fault of the caller (asserted, empty in a release build).
QString DesignText(std::string_view window, std::string_view control,
                   CaptionItem item = CaptionItem::Caption, int index = 0);

// Items 0 ... count - 1 of `control` (list entries by default, or grid header cells).
QStringList DesignEntries(std::string_view window, std::string_view control, int count,
                          CaptionItem item = CaptionItem::ListEntry);

} // namespace tlv
