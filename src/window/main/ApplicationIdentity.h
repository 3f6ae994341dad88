// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's identity on the desktop: its name (which also names the per-user configuration
// folder), version, window icon and the desktop entry it belongs to (the Wayland app id, by
// which the desktop finds its icon and name).
#include <QString>

class QWidget;

namespace tlv {

// The application id: the desktop entry's name without ".desktop", and the icon's name.
QString ApplicationId();

// Sets the identity on the running application: name, version, desktop entry.
void SetApplicationIdentity();

// Sets the window icon that every window takes. Drawing the scalable icon at the sizes a
// window system wants takes a few milliseconds, so with `firstWindow` it is set right after
// that window's first paint: the window is on the screen first, its icon a moment later.
void SetApplicationIcon(QWidget* firstWindow = nullptr);

} // namespace tlv
