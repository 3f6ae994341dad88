#pragma once
// The port window: twenty options COM1..COM20 in four rows of five. The start-up scan enables
// the ports that can be opened; picking one makes it PortNumber and opens it at once. Each
// option's tooltip names its device and, when it is disabled, why. Its close box only hides it
// (a dialog's close); it lives until the main window ends.
#include <QDialog>

#include <array>

class QRadioButton;

namespace tlv {

class ComPorts;

class PortDialog : public QDialog {
    Q_OBJECT
  public:
    // `portNumber` is PortNumber; it must outlive the window.
    PortDialog(ComPorts& ports, int& portNumber, QWidget* parent = nullptr);

    // The start-up scan; runs once, when the main window loads the window hidden.
    void scanPorts();
    // The user picked option `index` (port index + 1).
    void onPortPicked(int index);

    std::array<QRadioButton*, 20> portOptions{};

  private:
    void showOptions();

    ComPorts& ports_;
    int& portNumber_;
};

} // namespace tlv
