// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The channel card on a page: the layout of the core's ChannelCard for a printer or a PDF file.
#include "texts/ChannelCard.h"

#include <QByteArray>
#include <QMarginsF>
#include <QRectF>

class QPainter;

namespace tlv {

// The margins of the card on paper and in a PDF, in millimetres.
inline const QMarginsF kChannelCardMargins{12, 12, 12, 12};

// Paints the card into `page` (device coordinates of the painter). Every size follows the
// page's width, so the card fills a sheet at any resolution.
void PaintChannelCard(QPainter& painter, const QRectF& page, const ChannelCard& card);

// The card as a one-page A4 PDF document.
QByteArray ChannelCardPdf(const ChannelCard& card);

} // namespace tlv
