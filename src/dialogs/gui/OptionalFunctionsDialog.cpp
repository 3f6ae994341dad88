#include "dialogs/gui/OptionalFunctionsDialog.h"

#include "dialogs/DialogInput.h"
#include "dialogs/PriorityRules.h"
#include "dialogs/gui/DialogWidgets.h"
#include "editor/gui/MainWindow.h"
#include "localisation/gui/DesignText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <cstdio>

namespace tlv {

// The designer's names of the optional-functions dialog and its controls: each control's
// objectName, by which the caption table addresses its texts and the language code and the tests
// find it.
namespace optional_functions_names {
constexpr char Window[] = "Form5";
constexpr char VoxFrame[] = "Frame1";
constexpr char ScanFrame[] = "Frame2";
constexpr char VoxEnableList[] = "Combo6";
constexpr char VoxGainList[] = "Combo7";
constexpr char VoxDelayList[] = "Combo8";
constexpr char VoxToneList[] = "Combo9";
constexpr char CancelOperationBox[] = "Check3";
constexpr char VoxOffOnReceiveBox[] = "Check4";
constexpr char PriorityModeList[] = "Combo11";
constexpr char PriorityChannelList[] = "Combo12";
constexpr char RevertTimeAList[] = "Combo13";
constexpr char RevertTimeBList[] = "Combo14";
constexpr char ReturnChannelList[] = "Combo15";
constexpr char RxResumeDelayBox[] = "Text5";
constexpr char TxResumeDelayBox[] = "Text6";
constexpr char RxResumeDelaySpinner[] = "VScroll1";
constexpr char TxResumeDelaySpinner[] = "VScroll2";
constexpr char PttIdModeList[] = "Combo4";
constexpr char DuplicateList[] = "Combo10";
constexpr char VoxEnableLabel[] = "Label8";
constexpr char VoxGainLabel[] = "Label10";
constexpr char VoxDelayLabel[] = "Label9";
constexpr char VoxToneLabel[] = "Label7";
constexpr char PriorityModeLabel[] = "Label14";
constexpr char PriorityChannelLabel[] = "Label15";
constexpr char RevertTimeALabel[] = "Label17";
constexpr char RevertTimeBLabel[] = "Label16";
constexpr char ReturnChannelLabel[] = "Label18";
constexpr char RxResumeDelayLabel[] = "Label19";
constexpr char TxResumeDelayLabel[] = "Label20";
constexpr char PttIdModeLabel[] = "Label4";
constexpr char DuplicateLabel[] = "Label11";
constexpr char OkButton[] = "Command1";
constexpr char CancelButton[] = "Command2";
} // namespace optional_functions_names

namespace name = optional_functions_names;

namespace {

QString designText(const char* control) {
    return DesignText(name::Window, control);
}

QStringList designEntries(const char* list, int count) {
    return DesignEntries(name::Window, list, count);
}

// The first entry from the caption table (the empty choice), then 0.50 S ... 5.00 S in steps of
// 0.05 s.
QStringList retraceTimes(const char* list) {
    QStringList entries = designEntries(list, 1);
    for (int i = 1; i <= 91; ++i) {
        const int hundredths = 50 + 5 * (i - 1);
        char text[16];
        std::snprintf(text, sizeof text, "%d.%02d S", hundredths / 100, hundredths % 100);
        entries << QString::fromLatin1(text);
    }
    return entries;
}

QStringList numbered(int first, int last, int width) {
    QStringList entries;
    for (int n = first; n <= last; ++n)
        entries << QStringLiteral("%1").arg(n, width, 10, QLatin1Char('0'));
    return entries;
}

// A label right-aligned in the space left of its control.
QLabel* labelLeftOf(QWidget* parent, const char* name, int left, int top, int controlLeft) {
    QLabel* label = makeLabel(parent, name, designText(name));
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

} // namespace

OptionalFunctionsDialog::OptionalFunctionsDialog(MainWindow& main) : QDialog(&main), main_(main) {
    setObjectName(QString::fromLatin1(name::Window));
    setWindowTitle(DesignText(name::Window, {}, CaptionItem::WindowTitle));
    setModal(false);
    buildVoxGroup();
    buildScanGroup();
    buildLowerControls();
    setFixedSize(twips(9720), twips(5730));
    connectControls();
    refreshFromState();
}

EditorState& OptionalFunctionsDialog::state() {
    return main_.state();
}

MessageBoxService& OptionalFunctionsDialog::box() {
    MessageBoxService* box = main_.services().msgBox;
    return box != nullptr ? *box : SilentMessageBoxService();
}

void OptionalFunctionsDialog::buildVoxGroup() {
    voxFrame = new QGroupBox(QStringLiteral("VOX"), this);
    voxFrame->setObjectName(QString::fromLatin1(name::VoxFrame));
    place(voxFrame, 240, 240, 4455, 3255);
    voxEnableList = makeList(voxFrame, name::VoxEnableList, designEntries(name::VoxEnableList, 2));
    QStringList gain = designEntries(name::VoxGainList, 1);
    for (int n = 1; n <= 10; ++n)
        gain << QString::number(n);
    voxGainList = makeList(voxFrame, name::VoxGainList, gain);
    voxDelayList = makeList(voxFrame, name::VoxDelayList,
                            {QStringLiteral("0.3S"), QStringLiteral("0.5S"), QStringLiteral("1S"),
                             QStringLiteral("1.5S"), QStringLiteral("2S"), QStringLiteral("3S")});
    voxToneList = makeList(voxFrame, name::VoxToneList, designEntries(name::VoxToneList, 2));
    const std::array<std::pair<QComboBox*, int>, 4> lists{
        {{voxEnableList, 360}, {voxGainList, 840}, {voxDelayList, 1320}, {voxToneList, 1800}}};
    for (const auto& [list, top] : lists)
        place(list, 2160, top, 1935, 315);
    voxEnableLabel = labelLeftOf(voxFrame, name::VoxEnableLabel, 120, 360, 2160);
    voxGainLabel = labelLeftOf(voxFrame, name::VoxGainLabel, 120, 840, 2160);
    voxDelayLabel = labelLeftOf(voxFrame, name::VoxDelayLabel, 120, 1320, 2160);
    voxToneLabel = labelLeftOf(voxFrame, name::VoxToneLabel, 120, 1800, 2160);
    cancelOperationBox = new QCheckBox(designText(name::CancelOperationBox), voxFrame);
    cancelOperationBox->setObjectName(QString::fromLatin1(name::CancelOperationBox));
    place(cancelOperationBox, 720, 2280, 3600, 315);
    voxOffOnReceiveBox = new QCheckBox(designText(name::VoxOffOnReceiveBox), voxFrame);
    voxOffOnReceiveBox->setObjectName(QString::fromLatin1(name::VoxOffOnReceiveBox));
    place(voxOffOnReceiveBox, 720, 2640, 3600, 315);
}

void OptionalFunctionsDialog::buildScanGroup() {
    scanFrame = new QGroupBox(designText(name::ScanFrame), this);
    scanFrame->setObjectName(QString::fromLatin1(name::ScanFrame));
    place(scanFrame, 4920, 240, 4575, 4335);
    priorityModeList =
        makeList(scanFrame, name::PriorityModeList, designEntries(name::PriorityModeList, 3));
    priorityChannelList = makeList(scanFrame, name::PriorityChannelList, numbered(1, 16, 2));
    revertTimeAList =
        makeList(scanFrame, name::RevertTimeAList, retraceTimes(name::RevertTimeAList));
    revertTimeBList =
        makeList(scanFrame, name::RevertTimeBList, retraceTimes(name::RevertTimeBList));
    returnChannelList =
        makeList(scanFrame, name::ReturnChannelList, designEntries(name::ReturnChannelList, 4));
    const std::array<std::pair<QComboBox*, int>, 5> lists{{{priorityModeList, 480},
                                                           {priorityChannelList, 960},
                                                           {revertTimeAList, 1440},
                                                           {revertTimeBList, 1920},
                                                           {returnChannelList, 2400}}};
    for (const auto& [list, top] : lists)
        place(list, 2040, top, list == returnChannelList ? 2175 : 1935, 315);
    priorityModeLabel = labelLeftOf(scanFrame, name::PriorityModeLabel, 120, 480, 2040);
    priorityChannelLabel = labelLeftOf(scanFrame, name::PriorityChannelLabel, 120, 960, 2040);
    revertTimeALabel = labelLeftOf(scanFrame, name::RevertTimeALabel, 120, 1440, 2040);
    revertTimeBLabel = labelLeftOf(scanFrame, name::RevertTimeBLabel, 120, 1920, 2040);
    returnChannelLabel = labelLeftOf(scanFrame, name::ReturnChannelLabel, 120, 2400, 2040);

    rxResumeDelayBox = new QLineEdit(scanFrame);
    rxResumeDelayBox->setObjectName(QString::fromLatin1(name::RxResumeDelayBox));
    place(rxResumeDelayBox, 3240, 3000, 720, 375);
    rxResumeDelaySpinner = makeSpinner(scanFrame, name::RxResumeDelaySpinner, kSpinnerRxMax);
    place(rxResumeDelaySpinner, 3960, 3000, 255, 375);
    txResumeDelayBox = new QLineEdit(scanFrame);
    txResumeDelayBox->setObjectName(QString::fromLatin1(name::TxResumeDelayBox));
    place(txResumeDelayBox, 3240, 3600, 720, 375);
    txResumeDelaySpinner = makeSpinner(scanFrame, name::TxResumeDelaySpinner, kSpinnerTxMax);
    place(txResumeDelaySpinner, 3960, 3600, 255, 375);
    rxResumeDelayLabel = labelLeftOf(scanFrame, name::RxResumeDelayLabel, 60, 3030, 3240);
    txResumeDelayLabel = labelLeftOf(scanFrame, name::TxResumeDelayLabel, 60, 3630, 3240);
}

void OptionalFunctionsDialog::buildLowerControls() {
    pttIdModeList = makeList(this, name::PttIdModeList, designEntries(name::PttIdModeList, 3));
    place(pttIdModeList, 1800, 3720, 2415, 315);
    duplicateList = makeList(this, name::DuplicateList, designEntries(name::DuplicateList, 2));
    place(duplicateList, 1800, 4320, 2415, 315);
    pttIdModeLabel = labelLeftOf(this, name::PttIdModeLabel, 240, 3720, 1800);
    duplicateLabel = labelLeftOf(this, name::DuplicateLabel, 240, 4320, 1800);
    okButton = makeButton(this, name::OkButton, designText(name::OkButton));
    place(okButton, 3360, 5040, 1095, 375);
    cancelButton = makeButton(this, name::CancelButton, designText(name::CancelButton));
    place(cancelButton, 5040, 5040, 1095, 375);
}

void OptionalFunctionsDialog::connectControls() {
    const std::array<std::pair<QComboBox*, int OptionalFunctions::*>, 9> plainLists{{
        {pttIdModeList, &OptionalFunctions::pttIdMode},
        {voxEnableList, &OptionalFunctions::voxEnable},
        {voxGainList, &OptionalFunctions::voxGain},
        {voxDelayList, &OptionalFunctions::voxDelay},
        {voxToneList, &OptionalFunctions::voxTone},
        {duplicateList, &OptionalFunctions::duplicate},
        {revertTimeAList, &OptionalFunctions::revertTimeA},
        {revertTimeBList, &OptionalFunctions::revertTimeB},
        {returnChannelList, &OptionalFunctions::returnChannel},
    }};
    for (const auto& [list, member] : plainLists)
        connect(list, &QComboBox::currentIndexChanged, this, [this, member = member](int index) {
            if (!refreshing_) state().optionalFunctions.*member = index;
        });
    // The priority lists run their rules, which may move either list back.
    connect(priorityModeList, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (refreshing_) return;
        SelectPriorityMode(state(), box(), index);
        refreshFromState();
    });
    connect(priorityChannelList, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (refreshing_) return;
        SelectPriorityChannel(state(), box(), index);
        refreshFromState();
    });
    connect(cancelOperationBox, &QCheckBox::toggled, this, [this](bool on) {
        if (!refreshing_) state().optionalFunctions.cancelOperation = on ? 1 : 0;
    });
    connect(voxOffOnReceiveBox, &QCheckBox::toggled, this, [this](bool on) {
        if (!refreshing_) state().optionalFunctions.voxOffOnReceive = on ? 1 : 0;
    });
    connect(rxResumeDelayBox, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!refreshing_) state().optionalFunctions.scanRxResumeDelay = text.toStdString();
    });
    connect(txResumeDelayBox, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!refreshing_) state().optionalFunctions.scanTxResumeDelay = text.toStdString();
    });
    // The spinners write their own position into the boxes; they are never set from the text.
    connect(rxResumeDelaySpinner, &QScrollBar::valueChanged, this,
            [this](int position) { rxResumeDelayBox->setText(QString::number(position)); });
    connect(txResumeDelaySpinner, &QScrollBar::valueChanged, this,
            [this](int position) { txResumeDelayBox->setText(QString::number(position)); });
    connect(okButton, &QPushButton::clicked, this, &OptionalFunctionsDialog::onOk);
    connect(cancelButton, &QPushButton::clicked, this, &OptionalFunctionsDialog::onCancel);

    const std::array<std::pair<QLabel*, ServiceCaption>, 3> switchCaptions{{
        {revertTimeALabel, ServiceCaption::RevertTimeA},
        {revertTimeBLabel, ServiceCaption::RevertTimeB},
        {returnChannelLabel, ServiceCaption::ReturnChannel},
    }};
    for (const auto& [label, caption] : switchCaptions)
        connect(ClickWatcher::watch(label), &ClickWatcher::clicked, this,
                [this, caption = caption] { serviceCaptionClicked(caption); });
    connect(&main_, &MainWindow::serviceModeSwitchedOff, this,
            &OptionalFunctionsDialog::resetServiceSwitch);
    connect(&main_, &MainWindow::refreshed, this, &OptionalFunctionsDialog::refreshFromState);
}

void OptionalFunctionsDialog::refreshFromState() {
    refreshing_ = true;
    const OptionalFunctions& form = state().optionalFunctions;
    const std::array<std::pair<QComboBox*, int>, 11> lists{{
        {pttIdModeList, form.pttIdMode},
        {voxEnableList, form.voxEnable},
        {voxGainList, form.voxGain},
        {voxDelayList, form.voxDelay},
        {voxToneList, form.voxTone},
        {duplicateList, form.duplicate},
        {priorityModeList, form.priorityMode},
        {priorityChannelList, form.priorityChannel},
        {revertTimeAList, form.revertTimeA},
        {revertTimeBList, form.revertTimeB},
        {returnChannelList, form.returnChannel},
    }};
    for (const auto& [list, position] : lists)
        selectPosition(list, position);
    cancelOperationBox->setChecked(form.cancelOperation == 1);
    voxOffOnReceiveBox->setChecked(form.voxOffOnReceive == 1);
    if (rxResumeDelayBox->text() != qs(form.scanRxResumeDelay))
        rxResumeDelayBox->setText(qs(form.scanRxResumeDelay));
    if (txResumeDelayBox->text() != qs(form.scanTxResumeDelay))
        txResumeDelayBox->setText(qs(form.scanTxResumeDelay));
    refreshing_ = false;
}

void OptionalFunctionsDialog::onOk() {
    if (ConfirmOptionalFunctions(state(), box())) hide();
}

void OptionalFunctionsDialog::onCancel() {
    hide();
}

void OptionalFunctionsDialog::serviceCaptionClicked(ServiceCaption caption) {
    const Clock* clock = main_.services().clock;
    if (clock == nullptr) return;
    if (ServiceSwitchClick(serviceSwitch_, caption, clock->secondsSinceMidnight()))
        main_.serviceModeOn();
}

void OptionalFunctionsDialog::resetServiceSwitch() {
    ResetServiceSwitch(serviceSwitch_);
}

} // namespace tlv
