// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The service mode: switched on by the hidden sequence of the optional-functions dialog,
// switched off by two quick clicks on the toolbar's service button.
#include "editor/EditorState.h"

#include <cstdint>

namespace tlv {

// What a click on the service button did.
enum class ServiceClick {
    Armed,       // first click: the time stamp was taken
    Restarted,   // the stamp was older than a second: the timing starts again
    SwitchedOff, // second click within the second: the service mode is off
};

// The time stamp T kept by the service button for the whole run: whole seconds since midnight,
// 0 while no click is pending.
struct ServiceButtonStamp {
    int32_t t = 0;
};

// s rounded to a whole second, halves to the even second.
int32_t RoundSecondsHalfEven(double s);

// A click on the service button at `secondsSinceMidnight`. On SwitchedOff the stamp is reset,
// the service mode is off and the power-level sliders are disabled; the caller hides the
// button and resets the optional-functions dialog's hidden click sequence.
ServiceClick ServiceButtonClick(EditorState& state, ServiceButtonStamp& stamp,
                                double secondsSinceMidnight);

// Switches the service mode on, with the power-level sliders enabled.
// The caller shows the service button.
void ServiceModeOn(EditorState& state);

} // namespace tlv
