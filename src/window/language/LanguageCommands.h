// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The language steps of the windows: the captions at start-up and the three language menu
// commands, over the main window and every window it owns, found by name.
#include "language/Language.h"

class QWidget;

namespace tlv {

class EditorModel;

// At start-up: the captions of the editor's language (for Traditional Chinese the Simplified
// ones converted), written into `mainWindow` and every window that exists.
void ApplyStartupCaptions(QWidget& mainWindow, EditorModel& model);

// The language menu: switches to `language` when it is not the one in force, rewrites the
// captions of every window and shows the editor again in the new language. Returns whether the
// language changed.
bool SwitchLanguage(QWidget& mainWindow, EditorModel& model, Language language);

// The captions of a window created after start-up (found by its objectName) in the language
// in force; the main window's steps write every existing window themselves.
void ApplyCaptionsToWindow(QWidget* window, Language language);

} // namespace tlv
