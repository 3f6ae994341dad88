#include "dialogs/gui/PowerLevelDialog.h"

#include "dialogs/DialogState.h"
#include "dialogs/gui/DialogWidgets.h"
#include "editor/gui/MainWindow.h"
#include "localisation/gui/DesignText.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace tlv {

// The designer's names of the power-level dialog and its controls: each control's objectName, by
// which the caption table addresses its texts and the language code and the tests find it.
namespace power_level_names {
constexpr char Window[] = "Form2";
constexpr char HighPowerFrame[] = "Frame1";
constexpr char HighPowerSlider[] = "Slider1";
constexpr char HighPowerMinLabel[] = "Label3";
constexpr char HighPowerMaxLabel[] = "Label8";
constexpr char HighPowerValue[] = "Lblpower1";
constexpr char LowPowerFrame[] = "Frame2";
constexpr char LowPowerSlider[] = "Slider3";
constexpr char LowPowerMinLabel[] = "Label6";
constexpr char LowPowerMaxLabel[] = "Label7";
constexpr char LowPowerValue[] = "Lblpower3";
constexpr char OkButton[] = "Command1";
} // namespace power_level_names

namespace name = power_level_names;

PowerLevelDialog::PowerLevelDialog(MainWindow& main) : QDialog(&main), main_(main) {
    setObjectName(QString::fromLatin1(name::Window));
    setWindowTitle(QStringLiteral("Debug"));
    setModal(false);
    highPowerFrame = buildLevelFrame(
        name::HighPowerFrame, DesignText(name::Window, name::HighPowerFrame), highPowerSlider,
        name::HighPowerSlider, highPowerMinLabel, name::HighPowerMinLabel, highPowerMaxLabel,
        name::HighPowerMaxLabel, highPowerValue, name::HighPowerValue);
    lowPowerFrame = buildLevelFrame(
        name::LowPowerFrame, DesignText(name::Window, name::LowPowerFrame), lowPowerSlider,
        name::LowPowerSlider, lowPowerMinLabel, name::LowPowerMinLabel, lowPowerMaxLabel,
        name::LowPowerMaxLabel, lowPowerValue, name::LowPowerValue);
    okButton = makeButton(this, name::OkButton, DesignText(name::Window, name::OkButton));
    okButton->setFixedSize(twips(1095), twips(375));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(highPowerFrame);
    layout->addWidget(lowPowerFrame);
    layout->addLayout(buttons);
    setFixedWidth(twips(5400));

    connect(highPowerSlider, &QSlider::valueChanged, this, [this](int value) {
        highPowerValue->setText(QString::number(value));
        if (refreshing_) return;
        main_.state().powerLevels.highLevel = value;
        main_.state().powerLevels.highLevelText = std::to_string(value);
    });
    connect(lowPowerSlider, &QSlider::valueChanged, this, [this](int value) {
        lowPowerValue->setText(QString::number(value));
        if (refreshing_) return;
        main_.state().powerLevels.lowLevel = value;
        main_.state().powerLevels.lowLevelText = std::to_string(value);
    });
    connect(okButton, &QPushButton::clicked, this, &PowerLevelDialog::onOk);
    connect(&main_, &MainWindow::refreshed, this, &PowerLevelDialog::refreshFromState);
    connect(&main_, &MainWindow::serviceModeSwitchedOn, this, &PowerLevelDialog::refreshFromState);
    connect(&main_, &MainWindow::serviceModeSwitchedOff, this, &PowerLevelDialog::refreshFromState);
    refreshFromState();
}

QGroupBox* PowerLevelDialog::buildLevelFrame(const char* frameName, const QString& caption,
                                             QSlider*& slider, const char* sliderName, QLabel*& low,
                                             const char* lowName, QLabel*& high,
                                             const char* highName, QLabel*& value,
                                             const char* valueName) {
    auto* frame = new QGroupBox(caption, this);
    frame->setObjectName(QString::fromLatin1(frameName));
    slider = new QSlider(Qt::Horizontal, frame);
    slider->setObjectName(QString::fromLatin1(sliderName));
    slider->setRange(0, 255);
    slider->setSingleStep(1);
    slider->setPageStep(5);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(16);
    low = makeLabel(frame, lowName, DesignText(name::Window, lowName));
    high = makeLabel(frame, highName, DesignText(name::Window, highName));
    value = makeLabel(frame, valueName, QStringLiteral("0"));
    value->setAlignment(Qt::AlignCenter);
    value->setMinimumWidth(twips(600));
    auto* grid = new QGridLayout(frame);
    grid->addWidget(low, 0, 0);
    grid->addWidget(slider, 0, 1);
    grid->addWidget(high, 0, 2);
    grid->addWidget(value, 1, 1);
    return frame;
}

void PowerLevelDialog::refreshFromState() {
    refreshing_ = true;
    const PowerLevels& form = main_.state().powerLevels;
    highPowerSlider->setValue(form.highLevel);
    lowPowerSlider->setValue(form.lowLevel);
    highPowerValue->setText(qs(form.highLevelText));
    lowPowerValue->setText(qs(form.lowLevelText));
    highPowerSlider->setEnabled(form.slidersEnabled);
    lowPowerSlider->setEnabled(form.slidersEnabled);
    refreshing_ = false;
}

void PowerLevelDialog::onOk() {
    StorePowerLevels(main_.state());
    hide();
}

} // namespace tlv
