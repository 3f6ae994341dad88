// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The port window: twenty options COM1..COM20 in four rows of five, each with the device it
// stands for written under it and, when the device does not open, why. The scan enables the
// ports that can be opened; it runs at start-up and again each time the window is shown, so
// that a cable plugged in later shows up. Picking a port makes it PortNumber and opens it at
// once; when it does not open, a message says why. Its close box only hides it (a dialog's
// close); it lives until the main window ends.
#include "language/Language.h"

#include <QDialog>

#include <array>

class QLabel;
class QRadioButton;

namespace tlv {

class ComPorts;
class MessageBoxService;

class PortDialog : public QDialog {
    Q_OBJECT
  public:
    // `portNumber` is the editor's port number and `language` the language in force; both must
    // outlive the window, as must `box`, which tells why a picked port did not open.
    PortDialog(ComPorts& ports, int& portNumber, const Language& language, MessageBoxService& box,
               QWidget* parent = nullptr);

    // The start-up scan; runs once, when the main window loads the window hidden.
    void scanPorts();
    // Looks at the machine's ports again (the table and every device), keeping the chosen port
    // when it is still there.
    void rescanPorts();
    // The user picked option `index` (port index + 1).
    void onPortPicked(int index);
    // Shows the scan's result in the language in force.
    void showOptions();

    std::array<QRadioButton*, 20> portOptions{};
    // Under each option: its device and, when it does not open, why.
    std::array<QLabel*, 20> portDevices{};
    // Shown when a device refused this user: how to get the permission.
    QLabel* permissionHint = nullptr;

  private:
    ComPorts& ports_;
    int& portNumber_;
    const Language& language_;
    MessageBoxService& box_;
};

} // namespace tlv
