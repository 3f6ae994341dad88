// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hidden switch of the optional-functions dialog: three captions of its scan group which,
// clicked all three (in any order) within five seconds, switch the service mode on.
#include <array>
#include <cstdint>

namespace tlv {

// The captions that form the switch: the labels of the two revert times and of the
// return channel.
enum class ServiceCaption : int { RevertTimeA = 0, RevertTimeB = 1, ReturnChannel = 2 };

struct ServiceSwitch {
    std::array<bool, 3> clicked{}; // one flag per caption
    int32_t startTime = 0;         // whole seconds since midnight of the round's first click
    bool latched = false;          // all three have been clicked within one round
};

// A click on `caption` at `secondsSinceMidnight`. Returns true when the service mode is to be
// switched on (the caller runs ServiceModeOn and shows the toolbar's service button): the three
// captions have been clicked within five seconds of the round's first click, and every later click
// that falls inside a running round keeps returning true while the switch stays latched.
bool ServiceSwitchClick(ServiceSwitch& serviceSwitch, ServiceCaption caption,
                        double secondsSinceMidnight);

// Back to the initial state: the service mode was switched off.
void ResetServiceSwitch(ServiceSwitch& serviceSwitch);

} // namespace tlv
