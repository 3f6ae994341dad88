// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's identity on the desktop: its name (which also names the per-user configuration
// folder), version, window icon and the desktop entry it belongs to (the Wayland app id, by
// which the desktop finds its icon and name).
#include <QString>

namespace tlv {

// The application id: the desktop entry's name without ".desktop", and the icon's name.
QString ApplicationId();

// Sets the identity on the running application; every window takes the icon.
void SetApplicationIdentity();

} // namespace tlv
