#include "editor/gui/QtClock.h"

#include <QTime>

namespace tlv {

double QtClock::secondsSinceMidnight() const {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

} // namespace tlv
