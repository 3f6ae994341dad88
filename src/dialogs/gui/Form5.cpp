#include "dialogs/gui/Form5.h"

#include "dialogs/DialogInput.h"
#include "dialogs/Form5Logic.h"
#include "dialogs/gui/DialogWidgets.h"
#include "editor/gui/Form1.h"
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

namespace {

QString designText(const char* control) {
    return DesignText("Form5", control);
}

QStringList designEntries(const char* list, int count) {
    return DesignEntries("Form5", list, count);
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

Form5::Form5(Form1& main) : QDialog(&main), main_(main) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(DesignText("Form5", {}, CaptionItem::WindowTitle));
    setModal(false);
    buildVoxGroup();
    buildScanGroup();
    buildLowerControls();
    setFixedSize(twips(9720), twips(5730));
    connectControls();
    refreshFromState();
}

EditorState& Form5::state() {
    return main_.state();
}

MessageBoxService& Form5::box() {
    MessageBoxService* box = main_.services().msgBox;
    return box != nullptr ? *box : SilentMessageBoxService();
}

void Form5::buildVoxGroup() {
    Frame1 = new QGroupBox(QStringLiteral("VOX"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    place(Frame1, 240, 240, 4455, 3255);
    Combo6 = makeList(Frame1, "Combo6", designEntries("Combo6", 2));
    QStringList gain = designEntries("Combo7", 1);
    for (int n = 1; n <= 10; ++n)
        gain << QString::number(n);
    Combo7 = makeList(Frame1, "Combo7", gain);
    Combo8 = makeList(Frame1, "Combo8",
                      {QStringLiteral("0.3S"), QStringLiteral("0.5S"), QStringLiteral("1S"),
                       QStringLiteral("1.5S"), QStringLiteral("2S"), QStringLiteral("3S")});
    Combo9 = makeList(Frame1, "Combo9", designEntries("Combo9", 2));
    const std::array<std::pair<QComboBox*, int>, 4> lists{
        {{Combo6, 360}, {Combo7, 840}, {Combo8, 1320}, {Combo9, 1800}}};
    for (const auto& [list, top] : lists)
        place(list, 2160, top, 1935, 315);
    Label8 = labelLeftOf(Frame1, "Label8", 120, 360, 2160);
    Label10 = labelLeftOf(Frame1, "Label10", 120, 840, 2160);
    Label9 = labelLeftOf(Frame1, "Label9", 120, 1320, 2160);
    Label7 = labelLeftOf(Frame1, "Label7", 120, 1800, 2160);
    Check3 = new QCheckBox(designText("Check3"), Frame1);
    Check3->setObjectName(QStringLiteral("Check3"));
    place(Check3, 720, 2280, 3600, 315);
    Check4 = new QCheckBox(designText("Check4"), Frame1);
    Check4->setObjectName(QStringLiteral("Check4"));
    place(Check4, 720, 2640, 3600, 315);
}

void Form5::buildScanGroup() {
    Frame2 = new QGroupBox(designText("Frame2"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    place(Frame2, 4920, 240, 4575, 4335);
    Combo11 = makeList(Frame2, "Combo11", designEntries("Combo11", 3));
    Combo12 = makeList(Frame2, "Combo12", numbered(1, 16, 2));
    Combo13 = makeList(Frame2, "Combo13", retraceTimes("Combo13"));
    Combo14 = makeList(Frame2, "Combo14", retraceTimes("Combo14"));
    Combo15 = makeList(Frame2, "Combo15", designEntries("Combo15", 4));
    const std::array<std::pair<QComboBox*, int>, 5> lists{
        {{Combo11, 480}, {Combo12, 960}, {Combo13, 1440}, {Combo14, 1920}, {Combo15, 2400}}};
    for (const auto& [list, top] : lists)
        place(list, 2040, top, list == Combo15 ? 2175 : 1935, 315);
    Label14 = labelLeftOf(Frame2, "Label14", 120, 480, 2040);
    Label15 = labelLeftOf(Frame2, "Label15", 120, 960, 2040);
    Label17 = labelLeftOf(Frame2, "Label17", 120, 1440, 2040);
    Label16 = labelLeftOf(Frame2, "Label16", 120, 1920, 2040);
    Label18 = labelLeftOf(Frame2, "Label18", 120, 2400, 2040);

    Text5 = new QLineEdit(Frame2);
    Text5->setObjectName(QStringLiteral("Text5"));
    place(Text5, 3240, 3000, 720, 375);
    VScroll1 = makeSpinner(Frame2, "VScroll1", kSpinnerRxMax);
    place(VScroll1, 3960, 3000, 255, 375);
    Text6 = new QLineEdit(Frame2);
    Text6->setObjectName(QStringLiteral("Text6"));
    place(Text6, 3240, 3600, 720, 375);
    VScroll2 = makeSpinner(Frame2, "VScroll2", kSpinnerTxMax);
    place(VScroll2, 3960, 3600, 255, 375);
    Label19 = labelLeftOf(Frame2, "Label19", 60, 3030, 3240);
    Label20 = labelLeftOf(Frame2, "Label20", 60, 3630, 3240);
}

void Form5::buildLowerControls() {
    Combo4 = makeList(this, "Combo4", designEntries("Combo4", 3));
    place(Combo4, 1800, 3720, 2415, 315);
    Combo10 = makeList(this, "Combo10", designEntries("Combo10", 2));
    place(Combo10, 1800, 4320, 2415, 315);
    Label4 = labelLeftOf(this, "Label4", 240, 3720, 1800);
    Label11 = labelLeftOf(this, "Label11", 240, 4320, 1800);
    Command1 = makeButton(this, "Command1", designText("Command1"));
    place(Command1, 3360, 5040, 1095, 375);
    Command2 = makeButton(this, "Command2", designText("Command2"));
    place(Command2, 5040, 5040, 1095, 375);
}

void Form5::connectControls() {
    const std::array<std::pair<QComboBox*, int Form5Controls::*>, 9> plainLists{{
        {Combo4, &Form5Controls::combo4},
        {Combo6, &Form5Controls::combo6},
        {Combo7, &Form5Controls::combo7},
        {Combo8, &Form5Controls::combo8},
        {Combo9, &Form5Controls::combo9},
        {Combo10, &Form5Controls::combo10},
        {Combo13, &Form5Controls::combo13},
        {Combo14, &Form5Controls::combo14},
        {Combo15, &Form5Controls::combo15},
    }};
    for (const auto& [list, member] : plainLists)
        connect(list, &QComboBox::currentIndexChanged, this, [this, member](int index) {
            if (!refreshing_) state().form5.*member = index;
        });
    // The priority lists run their rules, which may move either list back.
    connect(Combo11, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (refreshing_) return;
        Form5SelectPriorityMode(state(), box(), index);
        refreshFromState();
    });
    connect(Combo12, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (refreshing_) return;
        Form5SelectPriorityChannel(state(), box(), index);
        refreshFromState();
    });
    connect(Check3, &QCheckBox::toggled, this, [this](bool on) {
        if (!refreshing_) state().form5.check3 = on ? 1 : 0;
    });
    connect(Check4, &QCheckBox::toggled, this, [this](bool on) {
        if (!refreshing_) state().form5.check4 = on ? 1 : 0;
    });
    connect(Text5, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!refreshing_) state().form5.text5 = text.toStdString();
    });
    connect(Text6, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!refreshing_) state().form5.text6 = text.toStdString();
    });
    // The spinners write their own position into the boxes; they are never set from the text.
    connect(VScroll1, &QScrollBar::valueChanged, this,
            [this](int position) { Text5->setText(QString::number(position)); });
    connect(VScroll2, &QScrollBar::valueChanged, this,
            [this](int position) { Text6->setText(QString::number(position)); });
    connect(Command1, &QPushButton::clicked, this, &Form5::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form5::Command2_Click);

    const std::array<std::pair<QLabel*, ServiceCaption>, 3> switchCaptions{{
        {Label17, ServiceCaption::Label17},
        {Label16, ServiceCaption::Label16},
        {Label18, ServiceCaption::Label18},
    }};
    for (const auto& [label, caption] : switchCaptions)
        connect(ClickWatcher::watch(label), &ClickWatcher::clicked, this,
                [this, caption = caption] { serviceCaptionClicked(caption); });
    connect(&main_, &Form1::serviceModeSwitchedOff, this, &Form5::resetServiceSwitch);
    connect(&main_, &Form1::refreshed, this, &Form5::refreshFromState);
}

void Form5::refreshFromState() {
    refreshing_ = true;
    const Form5Controls& form = state().form5;
    const std::array<std::pair<QComboBox*, int>, 11> lists{{
        {Combo4, form.combo4},
        {Combo6, form.combo6},
        {Combo7, form.combo7},
        {Combo8, form.combo8},
        {Combo9, form.combo9},
        {Combo10, form.combo10},
        {Combo11, form.combo11},
        {Combo12, form.combo12},
        {Combo13, form.combo13},
        {Combo14, form.combo14},
        {Combo15, form.combo15},
    }};
    for (const auto& [list, position] : lists)
        selectPosition(list, position);
    Check3->setChecked(form.check3 == 1);
    Check4->setChecked(form.check4 == 1);
    if (Text5->text() != qs(form.text5)) Text5->setText(qs(form.text5));
    if (Text6->text() != qs(form.text6)) Text6->setText(qs(form.text6));
    refreshing_ = false;
}

void Form5::Command1_Click() {
    if (Form5Confirm(state(), box())) hide();
}

void Form5::Command2_Click() {
    hide();
}

void Form5::serviceCaptionClicked(ServiceCaption caption) {
    const Clock* clock = main_.services().clock;
    if (clock == nullptr) return;
    if (ServiceSwitchClick(serviceSwitch_, caption, clock->secondsSinceMidnight()))
        main_.serviceModeOn();
}

void Form5::resetServiceSwitch() {
    ResetServiceSwitch(serviceSwitch_);
}

} // namespace tlv
