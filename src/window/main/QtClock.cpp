// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/main/QtClock.h"

#include <QTime>

namespace tlv {

double QtClock::secondsSinceMidnight() const {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

} // namespace tlv
