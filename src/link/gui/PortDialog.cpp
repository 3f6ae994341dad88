#include "link/gui/PortDialog.h"

#include "link/qt/ComPorts.h"

#include <QRadioButton>

namespace tlv {

// The designer's names of the port dialog and its options (option i is "OptionCOM" + i, for
// COM i + 1): their objectNames.
namespace port_dialog_names {
constexpr char Window[] = "FormCOM";
constexpr char PortOptionPrefix[] = "OptionCOM";
} // namespace port_dialog_names

namespace {

namespace name = port_dialog_names;
constexpr int twips(int t) {
    return (t + 7) / 15;
}
} // namespace

PortDialog::PortDialog(ComPorts& ports, int& portNumber, QWidget* parent)
    : QDialog(parent), ports_(ports), portNumber_(portNumber) {
    setObjectName(QString::fromLatin1(name::Window));
    setWindowTitle(QStringLiteral("Com"));
    setModal(false);
    for (int i = 0; i < kPortCount; ++i) {
        auto* option = new QRadioButton(QStringLiteral("COM%1").arg(i + 1), this);
        option->setObjectName(QString::fromLatin1(name::PortOptionPrefix) + QString::number(i));
        option->setGeometry(twips(120 + 960 * (i % 5)), twips(240 + 480 * (i / 5)), twips(900),
                            twips(375));
        connect(option, &QRadioButton::clicked, this, [this, i] { onPortPicked(i); });
        portOptions[static_cast<std::size_t>(i)] = option;
    }
    // A lost port turns its option off at once.
    connect(&ports_, &ComPorts::optionsChanged, this, &PortDialog::showOptions);
    // 5145 x 3000 twips outside; the client area without border and caption.
    setFixedSize(twips(5145 - 2 * 60), twips(3000 - 450));
}

void PortDialog::scanPorts() {
    ports_.scan(portNumber_);
    showOptions();
}

void PortDialog::onPortPicked(int index) {
    if (index < 0 || index >= kPortCount ||
        !portOptions[static_cast<std::size_t>(index)]->isEnabled())
        return;
    ports_.choose(index + 1, portNumber_);
    showOptions();
}

void PortDialog::showOptions() {
    for (int i = 0; i < kPortCount; ++i) {
        const ComPorts::Option& option = ports_.option(i);
        QRadioButton* button = portOptions[static_cast<std::size_t>(i)];
        button->setEnabled(option.enabled);
        QString tip = option.device.isEmpty() ? QStringLiteral("COM%1: no serial device").arg(i + 1)
                                              : option.device;
        if (!option.enabled && !option.device.isEmpty())
            tip += QStringLiteral("\n") +
                   DescribeOpenFailure(option.failure, option.device, option.reason);
        button->setToolTip(tip);
    }
    // Only the checked option shows a mark; the exclusive group cannot show none, so it is
    // switched off while setting.
    for (auto* button : portOptions)
        button->setAutoExclusive(false);
    for (int i = 0; i < kPortCount; ++i)
        portOptions[static_cast<std::size_t>(i)]->setChecked(i == ports_.checkedOption());
    for (auto* button : portOptions)
        button->setAutoExclusive(true);
}

} // namespace tlv
