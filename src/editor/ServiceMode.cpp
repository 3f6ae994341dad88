// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/ServiceMode.h"

#include "editor/Clock.h"

#include <cmath>

namespace tlv {

int32_t RoundSecondsHalfEven(double s) {
    double whole = std::floor(s);
    double fraction = s - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
    return static_cast<int32_t>(whole);
}

ServiceClick ServiceButtonClick(EditorState& state, ServiceButtonStamp& stamp,
                                double secondsSinceMidnight) {
    if (stamp.t == 0) {
        stamp.t = RoundSecondsHalfEven(secondsSinceMidnight);
        return ServiceClick::Armed;
    }
    // A pair of clicks may straddle midnight, when the clock starts again at 0: measure the
    // time elapsed since the stamp on the 24-hour circle, so that a click hours after the
    // stamp on the next day restarts the timing instead of counting as a quick second click.
    double elapsed = secondsSinceMidnight - stamp.t;
    if (elapsed < -1.0) elapsed += kSecondsPerDay;
    if (elapsed >= 1.0) {
        stamp.t = RoundSecondsHalfEven(secondsSinceMidnight);
        return ServiceClick::Restarted;
    }
    stamp.t = 0;
    state.dialogs.powerLevels.slidersEnabled = false;
    state.session.serviceMode = false;
    return ServiceClick::SwitchedOff;
}

void ServiceModeOn(EditorState& state) {
    state.session.serviceMode = true;
    state.dialogs.powerLevels.slidersEnabled = true;
}

} // namespace tlv
