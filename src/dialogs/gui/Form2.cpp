#include "dialogs/gui/Form2.h"

#include "dialogs/DialogState.h"
#include "dialogs/gui/DialogWidgets.h"
#include "editor/gui/Form1.h"
#include "localisation/gui/DesignText.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace tlv {

Form2::Form2(Form1& main) : QDialog(&main), main_(main) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Debug"));
    setModal(false);
    Frame1 = buildLevelFrame("Frame1", DesignText("Form2", "Frame1"), Slider1, "Slider1", Label3,
                             "Label3", Label8, "Label8", Lblpower1, "Lblpower1");
    Frame2 = buildLevelFrame("Frame2", DesignText("Form2", "Frame2"), Slider3, "Slider3", Label6,
                             "Label6", Label7, "Label7", Lblpower3, "Lblpower3");
    Command1 = makeButton(this, "Command1", DesignText("Form2", "Command1"));
    Command1->setFixedSize(twips(1095), twips(375));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addWidget(Frame2);
    layout->addLayout(buttons);
    setFixedWidth(twips(5400));

    connect(Slider1, &QSlider::valueChanged, this, [this](int value) {
        Lblpower1->setText(QString::number(value));
        if (refreshing_) return;
        main_.state().form2.slider1 = value;
        main_.state().form2.lblpower1 = std::to_string(value);
    });
    connect(Slider3, &QSlider::valueChanged, this, [this](int value) {
        Lblpower3->setText(QString::number(value));
        if (refreshing_) return;
        main_.state().form2.slider3 = value;
        main_.state().form2.lblpower3 = std::to_string(value);
    });
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(&main_, &Form1::refreshed, this, &Form2::refreshFromState);
    connect(&main_, &Form1::serviceModeSwitchedOn, this, &Form2::refreshFromState);
    connect(&main_, &Form1::serviceModeSwitchedOff, this, &Form2::refreshFromState);
    refreshFromState();
}

QGroupBox* Form2::buildLevelFrame(const char* frameName, const QString& caption, QSlider*& slider,
                                  const char* sliderName, QLabel*& low, const char* lowName,
                                  QLabel*& high, const char* highName, QLabel*& value,
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
    low = makeLabel(frame, lowName, DesignText("Form2", lowName));
    high = makeLabel(frame, highName, DesignText("Form2", highName));
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

void Form2::refreshFromState() {
    refreshing_ = true;
    const Form2Controls& form = main_.state().form2;
    Slider1->setValue(form.slider1);
    Slider3->setValue(form.slider3);
    Lblpower1->setText(qs(form.lblpower1));
    Lblpower3->setText(qs(form.lblpower3));
    Slider1->setEnabled(form.slidersEnabled);
    Slider3->setEnabled(form.slidersEnabled);
    refreshing_ = false;
}

void Form2::Command1_Click() {
    Form2Ok(main_.state());
    hide();
}

} // namespace tlv
