// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The time of day, behind an interface so that timing rules can be tested with a fixed clock.

namespace tlv {

inline constexpr int kSecondsPerDay = 86400;

class Clock {
  public:
    virtual ~Clock() = default;
    // Seconds since local midnight, with fractions (0 <= s < 86400).
    virtual double secondsSinceMidnight() const = 0;
};

} // namespace tlv
