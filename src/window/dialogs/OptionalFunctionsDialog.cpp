// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/dialogs/OptionalFunctionsDialog.h"

#include "editor/DialogInput.h"
#include "editor/DialogState.h"
#include "editor/PriorityRules.h"
#include "texts/DialogLists.h"
#include "window/dialogs/DialogWidgets.h"
#include "window/language/DesignText.h"
#include "window/main/EditorModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include <tuple>

namespace tlv {

namespace {

namespace name = optional_functions_names;

QStringList designEntries(const char* list, int count) {
    return DesignEntries(name::Window, list, count);
}

QStringList listOf(const std::vector<std::string>& entries) {
    QStringList list;
    for (const std::string& entry : entries)
        list << QString::fromStdString(entry);
    return list;
}

// A label right-aligned in the space left of its control.
QLabel* labelLeftOf(QWidget* parent, const char* name, int left, int top, int controlLeft) {
    QLabel* label = makeLabel(parent, name, DesignText(name::Window, name));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    place(label, left, top, controlLeft - left - 120, 315);
    return label;
}

QScrollBar* makeSpinner(QWidget* parent, const char* name, int maximum) {
    auto* spinner = new QScrollBar(Qt::Vertical, parent);
    spinner->setObjectName(QString::fromLatin1(name));
    // The lower arrow counts up; every arrow or track click moves by one.
    spinner->setRange(0, maximum);
    spinner->setSingleStep(1);
    spinner->setPageStep(1);
    return spinner;
}

QLineEdit* makeTextBox(QWidget* parent, const char* name) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QCheckBox* makeCheckBox(QWidget* parent, const char* name) {
    auto* box = new QCheckBox(DesignText(name::Window, name), parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

} // namespace

OptionalFunctionsDialog::OptionalFunctionsDialog(EditorModel& model, QWidget* parent)
    : RadioDialog(model, name::Window, DesignText(name::Window, {}, CaptionItem::WindowTitle),
                  parent) {
    buildVoxGroup();
    buildScanGroup();
    buildLowerControls();
    setFixedSize(twips(9720), twips(5730));
    connectControls();
    load();
}

QComboBox* OptionalFunctionsDialog::addList(QWidget* parent, const char* name,
                                            const QStringList& entries, ListSetting setting) {
    QComboBox* list = makeList(parent, name, entries);
    lists_.emplace_back(list, setting);
    return list;
}

void OptionalFunctionsDialog::buildVoxGroup() {
    auto* frame = new QGroupBox(QStringLiteral("VOX"), this);
    frame->setObjectName(QString::fromLatin1(name::VoxFrame));
    place(frame, 240, 240, 4455, 3255);
    const std::array<QComboBox*, 4> lists{
        addList(frame, name::VoxEnableList, designEntries(name::VoxEnableList, 2),
                &OptionalFunctionsDraft::voxEnable),
        addList(frame, name::VoxGainList, listOf(VoxGainEntries(Language::Simplified)),
                &OptionalFunctionsDraft::voxGain),
        addList(frame, name::VoxDelayList, listOf(VoxDelayEntries()),
                &OptionalFunctionsDraft::voxDelay),
        addList(frame, name::VoxToneList, designEntries(name::VoxToneList, 2),
                &OptionalFunctionsDraft::voxTone),
    };
    const std::array<const char*, 4> labels{name::VoxEnableLabel, name::VoxGainLabel,
                                            name::VoxDelayLabel, name::VoxToneLabel};
    for (std::size_t i = 0; i < lists.size(); ++i)
        place(lists[i], 2160, 360 + 480 * int(i), 1935, 315);
    for (std::size_t i = 0; i < labels.size(); ++i)
        labelLeftOf(frame, labels[i], 120, 360 + 480 * int(i), 2160);
    cancelOperationBox_ = makeCheckBox(frame, name::CancelOperationBox);
    place(cancelOperationBox_, 720, 2280, 3600, 315);
    voxOffOnReceiveBox_ = makeCheckBox(frame, name::VoxOffOnReceiveBox);
    place(voxOffOnReceiveBox_, 720, 2640, 3600, 315);
}

void OptionalFunctionsDialog::buildScanGroup() {
    auto* frame = new QGroupBox(designText(name::ScanFrame), this);
    frame->setObjectName(QString::fromLatin1(name::ScanFrame));
    place(frame, 4920, 240, 4575, 4335);
    priorityModeList_ = addList(frame, name::PriorityModeList,
                                designEntries(name::PriorityModeList, optionListSize::PriorityMode),
                                &OptionalFunctionsDraft::priorityMode);
    priorityChannelList_ =
        addList(frame, name::PriorityChannelList, listOf(PriorityChannelEntries()),
                &OptionalFunctionsDraft::priorityChannel);
    QComboBox* revertTimeA =
        addList(frame, name::RevertTimeAList, listOf(RevertTimeEntries(Language::Simplified)),
                &OptionalFunctionsDraft::revertTimeA);
    QComboBox* revertTimeB =
        addList(frame, name::RevertTimeBList, listOf(RevertTimeEntries(Language::Simplified)),
                &OptionalFunctionsDraft::revertTimeB);
    QComboBox* returnChannel =
        addList(frame, name::ReturnChannelList,
                designEntries(name::ReturnChannelList, optionListSize::ReturnChannel),
                &OptionalFunctionsDraft::returnChannel);
    const std::array<QComboBox*, 5> lists{priorityModeList_, priorityChannelList_, revertTimeA,
                                          revertTimeB, returnChannel};
    for (std::size_t i = 0; i < lists.size(); ++i)
        place(lists[i], 2040, 480 + 480 * int(i), lists[i] == returnChannel ? 2175 : 1935, 315);
    labelLeftOf(frame, name::PriorityModeLabel, 120, 480, 2040);
    labelLeftOf(frame, name::PriorityChannelLabel, 120, 960, 2040);
    // Clicked all three within five seconds, these captions switch the service mode on.
    const std::array<std::tuple<const char*, int, ServiceCaption>, 3> switchCaptions{{
        {name::RevertTimeALabel, 1440, ServiceCaption::RevertTimeA},
        {name::RevertTimeBLabel, 1920, ServiceCaption::RevertTimeB},
        {name::ReturnChannelLabel, 2400, ServiceCaption::ReturnChannel},
    }};
    for (const auto& [label, top, caption] : switchCaptions)
        connect(ClickWatcher::watch(labelLeftOf(frame, label, 120, top, 2040)),
                &ClickWatcher::clicked, this,
                [this, caption = caption] { serviceCaptionClicked(caption); });

    rxResumeDelayBox_ = makeTextBox(frame, name::RxResumeDelayBox);
    place(rxResumeDelayBox_, 3240, 3000, 720, 375);
    rxResumeDelaySpinner_ = makeSpinner(frame, name::RxResumeDelaySpinner, kSpinnerRxMax);
    place(rxResumeDelaySpinner_, 3960, 3000, 255, 375);
    txResumeDelayBox_ = makeTextBox(frame, name::TxResumeDelayBox);
    place(txResumeDelayBox_, 3240, 3600, 720, 375);
    txResumeDelaySpinner_ = makeSpinner(frame, name::TxResumeDelaySpinner, kSpinnerTxMax);
    place(txResumeDelaySpinner_, 3960, 3600, 255, 375);
    labelLeftOf(frame, name::RxResumeDelayLabel, 60, 3030, 3240);
    labelLeftOf(frame, name::TxResumeDelayLabel, 60, 3630, 3240);
}

void OptionalFunctionsDialog::buildLowerControls() {
    QComboBox* pttIdMode = addList(this, name::PttIdModeList,
                                   designEntries(name::PttIdModeList, optionListSize::PttIdMode),
                                   &OptionalFunctionsDraft::pttIdMode);
    place(pttIdMode, 1800, 3720, 2415, 315);
    QComboBox* duplicate = addList(this, name::DuplicateList,
                                   designEntries(name::DuplicateList, optionListSize::Duplicate),
                                   &OptionalFunctionsDraft::duplicate);
    place(duplicate, 1800, 4320, 2415, 315);
    labelLeftOf(this, name::PttIdModeLabel, 240, 3720, 1800);
    labelLeftOf(this, name::DuplicateLabel, 240, 4320, 1800);
    place(makeOkButton(), 3360, 5040, 1095, 375);
    place(makeCancelButton(), 5040, 5040, 1095, 375);
}

void OptionalFunctionsDialog::connectControls() {
    for (const auto& [list, setting] : lists_) {
        if (list == priorityModeList_ || list == priorityChannelList_) continue;
        connect(list, &QComboBox::currentIndexChanged, this, [this, setting = setting](int index) {
            if (!loading()) drafts().optionalFunctions.*setting = index;
        });
    }
    // The priority lists run their rules, which may move either list back.
    const auto byRule = [this](std::vector<Notice> (Document::*rule)(int)) {
        return [this, rule](int index) {
            if (loading()) return;
            model().show((model().document().*rule)(index));
            load();
        };
    };
    connect(priorityModeList_, &QComboBox::currentIndexChanged, this,
            byRule(&Document::selectPriorityMode));
    connect(priorityChannelList_, &QComboBox::currentIndexChanged, this,
            byRule(&Document::selectPriorityChannel));
    const std::array<std::pair<QCheckBox*, bool OptionalFunctionsDraft::*>, 2> checks{
        {{cancelOperationBox_, &OptionalFunctionsDraft::cancelOperation},
         {voxOffOnReceiveBox_, &OptionalFunctionsDraft::voxOffOnReceive}}};
    for (const auto& [box, setting] : checks)
        connect(box, &QCheckBox::toggled, this, [this, setting = setting](bool on) {
            if (!loading()) drafts().optionalFunctions.*setting = on;
        });
    const std::array<std::pair<QLineEdit*, std::string OptionalFunctionsDraft::*>, 2> delays{
        {{rxResumeDelayBox_, &OptionalFunctionsDraft::scanRxResumeDelay},
         {txResumeDelayBox_, &OptionalFunctionsDraft::scanTxResumeDelay}}};
    for (const auto& [box, setting] : delays)
        connect(box, &QLineEdit::textChanged, this, [this, setting = setting](const QString& text) {
            if (!loading()) drafts().optionalFunctions.*setting = text.toStdString();
        });
    // The spinners write their own position into the boxes; they are never set from the text.
    connect(rxResumeDelaySpinner_, &QScrollBar::valueChanged, this,
            [this](int position) { rxResumeDelayBox_->setText(QString::number(position)); });
    connect(txResumeDelaySpinner_, &QScrollBar::valueChanged, this,
            [this](int position) { txResumeDelayBox_->setText(QString::number(position)); });
}

void OptionalFunctionsDialog::showDraft() {
    const OptionalFunctionsDraft& draft = drafts().optionalFunctions;
    for (const auto& [list, setting] : lists_)
        selectPosition(list, draft.*setting);
    cancelOperationBox_->setChecked(draft.cancelOperation);
    voxOffOnReceiveBox_->setChecked(draft.voxOffOnReceive);
    const QString rxDelay = QString::fromStdString(draft.scanRxResumeDelay);
    const QString txDelay = QString::fromStdString(draft.scanTxResumeDelay);
    if (rxResumeDelayBox_->text() != rxDelay) rxResumeDelayBox_->setText(rxDelay);
    if (txResumeDelayBox_->text() != txDelay) txResumeDelayBox_->setText(txDelay);
}

void OptionalFunctionsDialog::serviceCaptionClicked(ServiceCaption caption) {
    model().serviceCaptionClicked(caption);
}

const ServiceSwitch& OptionalFunctionsDialog::serviceSwitch() {
    return model().document().serviceSwitch();
}

} // namespace tlv
