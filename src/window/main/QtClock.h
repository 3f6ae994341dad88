// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The local time of day from the system clock.
#include "editor/Clock.h"

namespace tlv {

class QtClock : public Clock {
  public:
    double secondsSinceMidnight() const override;
};

} // namespace tlv
