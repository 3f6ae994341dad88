// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/dialogs/RadioPicture.h"

#include <QPainter>
#include <QPainterPath>

namespace tlv {

RadioPicture::RadioPicture(QWidget* parent) : QWidget(parent) {}

void RadioPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // Drawn on a 113 x 257 canvas and scaled into the widget.
    const double scale = std::min(width() / 113.0, height() / 257.0);
    painter.translate((width() - 113.0 * scale) / 2, (height() - 257.0 * scale) / 2);
    painter.scale(scale, scale);

    const QColor body(58, 62, 70);
    const QColor edge(30, 32, 36);
    // Antenna and knobs.
    painter.setPen(QPen(edge, 1.5));
    painter.setBrush(QColor(40, 40, 40));
    painter.drawRoundedRect(QRectF(62, 4, 12, 70), 5, 5);
    painter.drawRoundedRect(QRectF(34, 52, 14, 20), 3, 3);
    // Body.
    painter.setBrush(body);
    painter.drawRoundedRect(QRectF(22, 68, 72, 182), 12, 12);
    // Side keys: PTT and the two programmable keys.
    painter.setBrush(QColor(90, 95, 105));
    painter.drawRoundedRect(QRectF(14, 100, 9, 34), 3, 3);
    painter.setBrush(QColor(230, 150, 40));
    painter.drawRoundedRect(QRectF(14, 142, 9, 15), 3, 3);
    painter.drawRoundedRect(QRectF(14, 162, 9, 15), 3, 3);
    // Speaker grille.
    painter.setPen(QPen(QColor(120, 125, 135), 2));
    for (int y = 90; y <= 150; y += 8)
        painter.drawLine(QPointF(36, y), QPointF(80, y));
    // Display and keypad.
    painter.setPen(QPen(edge, 1));
    painter.setBrush(QColor(160, 200, 150));
    painter.drawRoundedRect(QRectF(34, 162, 48, 22), 3, 3);
    painter.setBrush(QColor(100, 105, 115));
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            painter.drawRoundedRect(QRectF(34 + column * 17, 192 + row * 16, 13, 11), 2, 2);
    // Labels of the programmable keys.
    painter.setPen(QColor(230, 150, 40));
    QFont font = painter.font();
    font.setPixelSize(9);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QPointF(0, 140), QStringLiteral("PF1"));
    painter.drawText(QPointF(0, 190), QStringLiteral("PF2"));
}

} // namespace tlv
