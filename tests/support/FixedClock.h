// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A clock that shows whatever time the test sets.
#include "editor/Clock.h"

namespace tlv::test {

class FixedClock : public Clock {
  public:
    double now = 0.0;
    double secondsSinceMidnight() const override { return now; }
};

} // namespace tlv::test
