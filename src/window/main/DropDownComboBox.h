// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A pick-only drop-down list that tells when the user opens it.
#include <QComboBox>

namespace tlv {

class DropDownComboBox : public QComboBox {
    Q_OBJECT
  public:
    using QComboBox::QComboBox;
    void showPopup() override;

  signals:
    // Emitted before the list opens.
    void dropDownOpened();
};

} // namespace tlv
