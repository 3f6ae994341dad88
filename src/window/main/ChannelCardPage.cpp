// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/main/ChannelCardPage.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

namespace tlv {

namespace {

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

QFont cardFont(const QPainter& painter, qreal pixels, bool bold = false) {
    QFont font = painter.font();
    font.setPixelSize(std::max(1, qRound(pixels)));
    font.setBold(bold);
    return font;
}

} // namespace

void PaintChannelCard(QPainter& painter, const QRectF& page, const ChannelCard& card) {
    // One unit is about a millimetre on an A4 sheet.
    const qreal unit = page.width() / 186.0;
    const QFont titleFont = cardFont(painter, unit * 7, true);
    const QFont textFont = cardFont(painter, unit * 3.3);
    const QFont headingFont = cardFont(painter, unit * 3.6, true);
    const QPen gridPen(QColor(128, 128, 128), std::max<qreal>(1.0, unit * 0.2));
    qreal y = page.top();

    painter.save();
    painter.setPen(Qt::black);
    painter.setFont(titleFont);
    const qreal titleHeight = QFontMetricsF(titleFont, painter.device()).height();
    painter.drawText(QRectF(page.left(), y, page.width(), titleHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, qs(card.title));
    painter.setFont(textFont);
    painter.drawText(QRectF(page.left(), y, page.width(), titleHeight),
                     Qt::AlignRight | Qt::AlignVCenter,
                     qs(card.band.label) + QStringLiteral("  ") + qs(card.band.value));
    y += titleHeight + unit * 4;

    // The channel table: each column as wide as its widest text, all stretched to the page.
    const QFontMetricsF text(textFont, painter.device());
    std::array<qreal, kTableCols> widths{};
    for (int column = 0; column < kTableCols; ++column) {
        widths[column] = text.horizontalAdvance(qs(card.columns[column]));
        for (const auto& channel : card.channels)
            widths[column] = std::max(widths[column], text.horizontalAdvance(qs(channel[column])));
        widths[column] += unit * 3;
    }
    qreal total = 0;
    for (qreal width : widths)
        total += width;
    for (qreal& width : widths)
        width *= page.width() / total;
    const qreal rowHeight = text.height() * 1.7;
    const auto drawRow = [&](const std::array<std::string, kTableCols>& cells, bool header) {
        qreal x = page.left();
        for (int column = 0; column < kTableCols; ++column) {
            const QRectF cell(x, y, widths[column], rowHeight);
            if (header || column == 0) painter.fillRect(cell, QColor(224, 224, 224));
            painter.setPen(gridPen);
            painter.drawRect(cell);
            painter.setPen(Qt::black);
            painter.drawText(cell, Qt::AlignCenter, qs(cells[column]));
            x += widths[column];
        }
        y += rowHeight;
    };
    painter.setFont(textFont);
    drawRow(card.columns, true);
    for (const auto& channel : card.channels)
        drawRow(channel, false);
    y += unit * 6;

    // The settings, one section a column.
    const qreal sectionWidth = page.width() / qreal(std::max<std::size_t>(1, card.sections.size()));
    const qreal lineHeight = text.height() * 1.5;
    for (std::size_t i = 0; i < card.sections.size(); ++i) {
        const ChannelCard::Section& section = card.sections[i];
        const qreal left = page.left() + sectionWidth * qreal(i);
        qreal line = y;
        painter.setFont(headingFont);
        painter.drawText(QRectF(left, line, sectionWidth, lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, qs(section.title));
        line += lineHeight;
        painter.setFont(textFont);
        qreal labelWidth = 0;
        for (const auto& setting : section.settings)
            labelWidth = std::max(labelWidth, text.horizontalAdvance(qs(setting.label)));
        for (const auto& setting : section.settings) {
            painter.drawText(QRectF(left + unit * 2, line, labelWidth, lineHeight),
                             Qt::AlignLeft | Qt::AlignVCenter, qs(setting.label));
            painter.drawText(
                QRectF(left + unit * 6 + labelWidth, line, sectionWidth - labelWidth, lineHeight),
                Qt::AlignLeft | Qt::AlignVCenter, qs(setting.value));
            line += lineHeight;
        }
    }
    painter.restore();
}

QByteArray ChannelCardPdf(const ChannelCard& card) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(kChannelCardMargins, QPageLayout::Millimeter);
        writer.setTitle(qs(card.title));
        writer.setCreator(qs(card.title));
        QPainter painter(&writer);
        PaintChannelCard(painter, QRectF(0, 0, writer.width(), writer.height()), card);
    }
    return bytes;
}

} // namespace tlv
