// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/dialogs/PowerLevelDialog.h"

#include "editor/DialogState.h"
#include "window/dialogs/DialogWidgets.h"
#include "window/main/EditorModel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace tlv {

namespace {

namespace name = power_level_names;

} // namespace

PowerLevelDialog::PowerLevelDialog(EditorModel& model, QWidget* parent)
    : RadioDialog(model, name::Window, QStringLiteral("Debug"), parent) {
    QGroupBox* highFrame = buildLevelFrame(high_, {name::HighPowerFrame, name::HighPowerSlider,
                                                   name::HighPowerMinLabel, name::HighPowerMaxLabel,
                                                   name::HighPowerValue});
    QGroupBox* lowFrame =
        buildLevelFrame(low_, {name::LowPowerFrame, name::LowPowerSlider, name::LowPowerMinLabel,
                               name::LowPowerMaxLabel, name::LowPowerValue});
    QPushButton* ok = makeOkButton();
    ok->setFixedSize(twips(1095), twips(375));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(highFrame);
    layout->addWidget(lowFrame);
    layout->addLayout(buttons);
    setFixedWidth(twips(5400));

    const std::array<std::pair<Level*, int PowerLevelsDraft::*>, 2> levels{
        {{&high_, &PowerLevelsDraft::high}, {&low_, &PowerLevelsDraft::low}}};
    const std::array<std::string PowerLevelsDraft::*, 2> texts{&PowerLevelsDraft::highText,
                                                               &PowerLevelsDraft::lowText};
    for (std::size_t i = 0; i < levels.size(); ++i) {
        Level& level = *levels[i].first;
        connect(level.slider, &QSlider::valueChanged, this,
                [this, &level, value = levels[i].second, text = texts[i]](int position) {
                    level.value->setText(QString::number(position));
                    if (loading()) return;
                    drafts().powerLevels.*value = position;
                    drafts().powerLevels.*text = std::to_string(position);
                });
    }
    // The sliders follow the service mode.
    connect(&model, &EditorModel::serviceModeChanged, this, &PowerLevelDialog::load);
    load();
}

QGroupBox* PowerLevelDialog::buildLevelFrame(Level& level,
                                             const std::array<const char*, 5>& names) {
    const auto [frameName, sliderName, lowName, highName, valueName] = names;
    auto* frame = new QGroupBox(designText(frameName), this);
    frame->setObjectName(QString::fromLatin1(frameName));
    level.slider = new QSlider(Qt::Horizontal, frame);
    level.slider->setObjectName(QString::fromLatin1(sliderName));
    level.slider->setRange(kPowerLevelMinimum, kPowerLevelMaximum);
    level.slider->setSingleStep(1);
    level.slider->setPageStep(5);
    level.slider->setTickPosition(QSlider::TicksBelow);
    level.slider->setTickInterval(16);
    QLabel* low = makeLabel(frame, lowName, designText(lowName));
    QLabel* high = makeLabel(frame, highName, designText(highName));
    level.value = makeLabel(frame, valueName, QStringLiteral("0"));
    level.value->setAlignment(Qt::AlignCenter);
    level.value->setMinimumWidth(twips(600));
    auto* grid = new QGridLayout(frame);
    grid->addWidget(low, 0, 0);
    grid->addWidget(level.slider, 0, 1);
    grid->addWidget(high, 0, 2);
    grid->addWidget(level.value, 1, 1);
    return frame;
}

void PowerLevelDialog::showDraft() {
    const PowerLevelsDraft& draft = drafts().powerLevels;
    high_.slider->setValue(draft.high);
    low_.slider->setValue(draft.low);
    high_.value->setText(QString::fromStdString(draft.highText));
    low_.value->setText(QString::fromStdString(draft.lowText));
    high_.slider->setEnabled(draft.slidersEnabled);
    low_.slider->setEnabled(draft.slidersEnabled);
}

} // namespace tlv
