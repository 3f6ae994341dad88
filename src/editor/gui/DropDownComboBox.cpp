#include "editor/gui/DropDownComboBox.h"

namespace tlv {

void DropDownComboBox::showPopup() {
    emit dropDownOpened();
    QComboBox::showPopup();
}

} // namespace tlv
