// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The optional-functions dialog: VOX, scan and priority, PTT ID and duplicate, over the
// optional-functions draft. Every pick goes into the draft at once (the priority lists through
// their rules), OK checks and stores it, Cancel and the close box only hide. Three captions of
// the scan group form the hidden switch of the service mode.
#include "editor/HiddenServiceSwitch.h"
#include "window/dialogs/RadioDialog.h"

#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QScrollBar;

namespace tlv {

struct OptionalFunctionsDraft;

// The designer's names of the optional-functions dialog and its controls (their objectNames);
// the buttons are radio_dialog_names'.
namespace optional_functions_names {
inline constexpr char Window[] = "Form5";
inline constexpr char VoxFrame[] = "Frame1";
inline constexpr char ScanFrame[] = "Frame2";
inline constexpr char VoxEnableList[] = "Combo6";
inline constexpr char VoxGainList[] = "Combo7";
inline constexpr char VoxDelayList[] = "Combo8";
inline constexpr char VoxToneList[] = "Combo9";
inline constexpr char CancelOperationBox[] = "Check3";
inline constexpr char VoxOffOnReceiveBox[] = "Check4";
inline constexpr char PriorityModeList[] = "Combo11";
inline constexpr char PriorityChannelList[] = "Combo12";
inline constexpr char RevertTimeAList[] = "Combo13";
inline constexpr char RevertTimeBList[] = "Combo14";
inline constexpr char ReturnChannelList[] = "Combo15";
inline constexpr char RxResumeDelayBox[] = "Text5";
inline constexpr char TxResumeDelayBox[] = "Text6";
inline constexpr char RxResumeDelaySpinner[] = "VScroll1";
inline constexpr char TxResumeDelaySpinner[] = "VScroll2";
inline constexpr char PttIdModeList[] = "Combo4";
inline constexpr char DuplicateList[] = "Combo10";
inline constexpr char VoxEnableLabel[] = "Label8";
inline constexpr char VoxGainLabel[] = "Label10";
inline constexpr char VoxDelayLabel[] = "Label9";
inline constexpr char VoxToneLabel[] = "Label7";
inline constexpr char PriorityModeLabel[] = "Label14";
inline constexpr char PriorityChannelLabel[] = "Label15";
inline constexpr char RevertTimeALabel[] = "Label17";
inline constexpr char RevertTimeBLabel[] = "Label16";
inline constexpr char ReturnChannelLabel[] = "Label18";
inline constexpr char RxResumeDelayLabel[] = "Label19";
inline constexpr char TxResumeDelayLabel[] = "Label20";
inline constexpr char PttIdModeLabel[] = "Label4";
inline constexpr char DuplicateLabel[] = "Label11";
} // namespace optional_functions_names

class OptionalFunctionsDialog : public RadioDialog {
    Q_OBJECT
  public:
    OptionalFunctionsDialog(EditorModel& model, QWidget* parent);

    // The hidden switch's clicks so far.
    const ServiceSwitch& serviceSwitch();

  private:
    using ListSetting = int OptionalFunctionsDraft::*;

    void buildVoxGroup();
    void buildScanGroup();
    void buildLowerControls();
    // A list of the draft's setting; the lists of the priority rules take their picks through
    // the rules.
    QComboBox* addList(QWidget* parent, const char* name, const QStringList& entries,
                       ListSetting setting);
    void connectControls();
    void showDraft() override;
    RadioDialogKind kind() const override { return RadioDialogKind::OptionalFunctions; }
    // A click on one of the three switch captions.
    void serviceCaptionClicked(ServiceCaption caption);

    std::vector<std::pair<QComboBox*, ListSetting>> lists_;
    QComboBox* priorityModeList_ = nullptr;
    QComboBox* priorityChannelList_ = nullptr;
    QCheckBox* cancelOperationBox_ = nullptr;
    QCheckBox* voxOffOnReceiveBox_ = nullptr;
    QLineEdit* rxResumeDelayBox_ = nullptr;
    QLineEdit* txResumeDelayBox_ = nullptr;
    QScrollBar* rxResumeDelaySpinner_ = nullptr;
    QScrollBar* txResumeDelaySpinner_ = nullptr;
};

} // namespace tlv
