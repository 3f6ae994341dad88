// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A drawing of the handheld radio with its two programmable side keys, for the keys dialog and
// the about box.
#include <QWidget>

namespace tlv {

class RadioPicture : public QWidget {
    Q_OBJECT
  public:
    explicit RadioPicture(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {113, 257}; }

  protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tlv
