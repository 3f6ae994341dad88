// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/main/SettingsPanels.h"

#include "editor/FunctionPanel.h"
#include "radio/Bands.h"
#include "texts/WindowTexts.h"
#include "window/dialogs/DialogWidgets.h"
#include "window/language/DesignText.h"
#include "window/main/DropDownComboBox.h"
#include "window/main/EditorModel.h"
#include "window/main/MainWindowNames.h"

#include <QGridLayout>
#include <QLabel>

namespace tlv {

namespace {

namespace name = mainwindow_names;

QLabel* designLabel(QWidget* parent, const char* objectName) {
    return makeLabel(parent, objectName, DesignText(name::Window, objectName));
}

QStringList designEntries(std::string_view list, int count) {
    return DesignEntries(name::Window, list, count);
}

// A pick-only list as wide as its longest entry, and never narrower than the design.
template <typename List = QComboBox>
List* makePanelList(QWidget* parent, const char* objectName, const QStringList& entries) {
    auto* list = new List(parent);
    list->setObjectName(QString::fromLatin1(objectName));
    list->setEditable(false);
    list->addItems(entries);
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    list->setMinimumWidth(std::max(twips(1335), list->sizeHint().width()));
    list->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return list;
}

QString local(Language language, const LocalText& text) {
    return QString::fromStdString(Localise(language, text));
}

} // namespace

// ---- Band frame --------------------------------------------------------------------------

BandFrame::BandFrame(EditorModel& model, QWidget* parent)
    : QGroupBox(DesignText(name::Window, name::BandFrame), parent), model_(model) {
    setObjectName(QString::fromLatin1(name::BandFrame));
    QStringList bands;
    for (const Band& band : kBands)
        bands << QString::fromLatin1(band.text.data(), qsizetype(band.text.size()));
    bandList_ = makePanelList<DropDownComboBox>(this, name::BandList, bands);
    bandLabel_ = designLabel(this, name::BandLabel);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(twips(120), twips(240), twips(120), twips(180));
    grid->setColumnMinimumWidth(0, twips(1560));
    grid->addWidget(bandLabel_, 0, 0);
    grid->addWidget(bandList_, 0, 1);
    grid->setColumnStretch(1, 1);
    setMinimumHeight(twips(1080));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

    connect(bandList_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!showing_) onBandPicked(index);
    });
    connect(bandList_, &DropDownComboBox::dropDownOpened, this,
            [this] { model_.document().bandListOpened(); });
}

QComboBox* BandFrame::bandList() const {
    return bandList_;
}

void BandFrame::showState(const EditorState& state) {
    showing_ = true;
    selectPosition(bandList_, state.radio().band);
    showing_ = false;
    if (toolTipLanguage_ == state.language()) return;
    toolTipLanguage_ = state.language();
    bandList_->setToolTip(local(state.language(), tip::BandList));
}

// A pick, a keyboard step or a program step: the document asks before the channels are
// cleared; the list shows the band in force afterwards whatever the answer.
void BandFrame::onBandPicked(int index) {
    model_.run(model_.document().selectBand(index), false);
    model_.refresh();
}

// ---- Function panel ----------------------------------------------------------------------

FunctionPanel::FunctionPanel(EditorModel& model, QWidget* parent)
    : QGroupBox(DesignText(name::Window, name::FunctionPanel), parent), model_(model) {
    setObjectName(QString::fromLatin1(name::FunctionPanel));
    // The time-out list is filled during start-up.
    lists_ = {
        makePanelList(this, name::VoicePromptList, designEntries(name::VoicePromptList, 3)),
        makePanelList(this, name::TimeOutList, {}),
        makePanelList(this, name::TimeOutWarningList, designEntries(name::TimeOutWarningList, 11)),
        makePanelList(this, name::SquelchList, designEntries(name::SquelchList, 10)),
        makePanelList(this, name::BatterySaveList, designEntries(name::BatterySaveList, 2)),
        makePanelList(this, name::BeepList, designEntries(name::BeepList, 2)),
    };
    const std::array<QLabel*, 6> labels{
        designLabel(this, name::VoicePromptLabel),    designLabel(this, name::TimeOutLabel),
        designLabel(this, name::TimeOutWarningLabel), designLabel(this, name::SquelchLabel),
        designLabel(this, name::BatterySaveLabel),    designLabel(this, name::BeepLabel),
    };

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(twips(120), twips(240), twips(120), twips(240));
    grid->setVerticalSpacing(twips(480) - lists_[0]->sizeHint().height());
    grid->setColumnMinimumWidth(0, twips(1560));
    for (int i = 0; i < int(lists_.size()); ++i) {
        grid->addWidget(labels[i], i, 0);
        grid->addWidget(lists_[i], i, 1);
    }
    grid->setColumnStretch(1, 1);
    setMinimumHeight(twips(3240));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

    // Each list holds its setting's list position.
    for (std::size_t i = 0; i < lists_.size(); ++i) {
        connect(lists_[i], &QComboBox::currentIndexChanged, this,
                [this, list = kPanelLists[i]](int index) {
                    if (showing_) return;
                    model_.document().pickPanel(list, index);
                    model_.dataChanged();
                });
    }
}

void FunctionPanel::fillTimeOutList() {
    QComboBox* timeOut = lists_[1];
    timeOut->clear();
    for (int n = 1; n <= 40; ++n)
        timeOut->addItem(QString::number(n * 15) + QStringLiteral(" S"));
}

void FunctionPanel::showState(const EditorState& state) {
    showing_ = true;
    for (std::size_t i = 0; i < lists_.size(); ++i)
        selectPosition(lists_[i], PanelListPosition(state.radio(), kPanelLists[i]));
    showing_ = false;
    if (toolTipLanguage_ == state.language()) return;
    toolTipLanguage_ = state.language();
    for (std::size_t i = 0; i < lists_.size(); ++i)
        lists_[i]->setToolTip(local(state.language(), tip::PanelLists[i]));
}

} // namespace tlv
