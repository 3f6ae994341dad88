// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/language/DesignText.h"

namespace tlv {

QString DesignText(std::string_view window, std::string_view control, CaptionItem item, int index) {
    const CaptionRow* row = FindCaption(window, control, item, index);
    Q_ASSERT_X(row != nullptr, "DesignText", "no caption row for a design text");
    return row != nullptr ? QString::fromStdString(row->zh) : QString();
}

QStringList DesignEntries(std::string_view window, std::string_view control, int count,
                          CaptionItem item) {
    QStringList entries;
    for (int index = 0; index < count; ++index)
        entries << DesignText(window, control, item, index);
    return entries;
}

} // namespace tlv
