#pragma once
// The main window's language steps: the captions at start-up and the three language menu
// commands, over every window of the program found by name.

class QWidget;

namespace tlv {

class MainWindow;

// At start-up: the captions of the language in force (for Traditional Chinese the
// Simplified ones converted), written into MainWindow and every dialog that exists.
void ApplyStartupCaptions(MainWindow& form);

// The language menu: Simplified (0), English (1), Traditional (2): switches the language when it is
// not the one in force, rewrites the channel cells and shows the window again.
bool SwitchLanguage(MainWindow& form, int languageState);

// The captions of a window created after start-up (found by its objectName) in the language
// in force; MainWindow writes every existing window itself.
void ApplyCaptionsToWindow(QWidget* window, int languageState);

} // namespace tlv
