// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/main/DropDownComboBox.h"

namespace tlv {

void DropDownComboBox::showPopup() {
    emit dropDownOpened();
    QComboBox::showPopup();
}

} // namespace tlv
