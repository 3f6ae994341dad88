// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/HiddenServiceSwitch.h"

#include "editor/Clock.h"
#include "editor/ServiceMode.h"

namespace tlv {

namespace {

inline constexpr double kRoundSeconds = 5.0;

} // namespace

bool ServiceSwitchClick(ServiceSwitch& serviceSwitch, ServiceCaption caption,
                        double secondsSinceMidnight) {
    auto& clicked = serviceSwitch.clicked;
    const int index = static_cast<int>(caption);
    if (index < 0 || index >= static_cast<int>(clicked.size())) return false;
    const int32_t now = RoundSecondsHalfEven(secondsSinceMidnight);
    if (!clicked[0] && !clicked[1] && !clicked[2]) serviceSwitch.startTime = now;
    // A round may straddle midnight, when the clock starts again at 0: measure the elapsed
    // time on the 24-hour circle so that a round started just before midnight still counts.
    double elapsed = secondsSinceMidnight - serviceSwitch.startTime;
    if (elapsed < -1.0) elapsed += kSecondsPerDay;
    if (elapsed > kRoundSeconds) {
        clicked = {};
        clicked[index] = true;
        serviceSwitch.startTime = now;
        return false;
    }
    clicked[index] = true;
    if (clicked[0] && clicked[1] && clicked[2]) serviceSwitch.latched = true;
    return serviceSwitch.latched;
}

void ResetServiceSwitch(ServiceSwitch& serviceSwitch) {
    serviceSwitch = ServiceSwitch{};
}

} // namespace tlv
