// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/link/PortDialog.h"

#include "language/Messages.h"
#include "qt/ComPorts.h"
#include "texts/WindowTexts.h"

#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

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

QString local(Language language, const LocalText& text) {
    return QString::fromStdString(Localise(language, text));
}

} // namespace

PortDialog::PortDialog(ComPorts& ports, int& portNumber, const Language& language,
                       MessageBoxService& box, QWidget* parent)
    : QDialog(parent), ports_(ports), portNumber_(portNumber), language_(language), box_(box) {
    setObjectName(QString::fromLatin1(name::Window));
    setWindowTitle(QStringLiteral("Com"));
    setModal(false);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(twips(240));
    grid->setVerticalSpacing(twips(120));
    for (int i = 0; i < kPortCount; ++i) {
        auto* option = new QRadioButton(QStringLiteral("COM%1").arg(i + 1), this);
        option->setObjectName(QString::fromLatin1(name::PortOptionPrefix) + QString::number(i));
        connect(option, &QRadioButton::clicked, this, [this, i] { onPortPicked(i); });
        auto* device = new QLabel(this);
        device->setTextFormat(Qt::PlainText);
        // Under the option's caption, past its round mark.
        device->setIndent(
            style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, option) +
            style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, option));
        auto* cell = new QVBoxLayout;
        cell->setSpacing(0);
        cell->addWidget(option);
        cell->addWidget(device);
        cell->addStretch(1);
        grid->addLayout(cell, i / 5, i % 5);
        grid->setColumnMinimumWidth(i % 5, twips(900));
        portOptions[static_cast<std::size_t>(i)] = option;
        portDevices[static_cast<std::size_t>(i)] = device;
    }
    permissionHint = new QLabel(this);
    permissionHint->setTextFormat(Qt::PlainText);
    permissionHint->setWordWrap(true);
    permissionHint->hide();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(twips(120), twips(240), twips(120), twips(240));
    layout->addLayout(grid);
    layout->addWidget(permissionHint);
    // As large as its texts need: no caption or device is ever cut short.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // A lost port turns its option off at once.
    connect(&ports_, &ComPorts::optionsChanged, this, &PortDialog::showOptions);
}

void PortDialog::scanPorts() {
    ports_.scan(portNumber_);
    showOptions();
}

void PortDialog::rescanPorts() {
    ports_.rescan(portNumber_);
    showOptions();
}

void PortDialog::onPortPicked(int index) {
    if (index < 0 || index >= kPortCount ||
        !portOptions[static_cast<std::size_t>(index)]->isEnabled())
        return;
    const bool opened = ports_.choose(index + 1, portNumber_);
    showOptions();
    if (opened) return;
    const ComPorts::Option& option = ports_.option(index);
    const QString detail =
        QStringLiteral("COM%1  %2\n").arg(index + 1).arg(option.device) +
        DescribeOpenFailure(option.failure, option.device, option.reason, language_);
    ShowMessage(box_, language_, msg::PortOpenFailed, detail.toStdString());
}

void PortDialog::showOptions() {
    bool refused = false;
    for (int i = 0; i < kPortCount; ++i) {
        const ComPorts::Option& option = ports_.option(i);
        QRadioButton* button = portOptions[static_cast<std::size_t>(i)];
        QLabel* device = portDevices[static_cast<std::size_t>(i)];
        button->setEnabled(option.enabled);
        device->setEnabled(option.enabled);
        QString text = option.device;
        QString tip = option.device;
        if (option.device.isEmpty()) {
            tip = local(language_, port::NoDevice);
        } else if (!option.enabled) {
            text += QLatin1Char('\n') + OpenFailureSummary(option.failure, language_);
            tip += QLatin1Char('\n') +
                   DescribeOpenFailure(option.failure, option.device, option.reason, language_);
            refused = refused || option.failure == SerialLink::OpenFailure::PermissionDenied;
        }
        device->setText(text);
        button->setToolTip(tip);
        device->setToolTip(tip);
    }
    permissionHint->setText(local(language_, port::PermissionHint));
    permissionHint->setVisible(refused);
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
