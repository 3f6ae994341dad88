#pragma once
// The optional-functions dialog: VOX, scan and priority, PTT ID and duplicate. A view over
// EditorState::form5; every pick goes into the state at once, OK stores it, Cancel and the
// close box only hide. Three captions of the scan group form the hidden service switch.
#include "dialogs/ServiceSwitch.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace tlv {

class MainWindow;
struct EditorState;
class MessageBoxService;

class OptionalFunctionsDialog : public QDialog {
    Q_OBJECT
  public:
    explicit OptionalFunctionsDialog(MainWindow& main);

    // Shows the state's control values.
    void refreshFromState();
    const ServiceSwitch& serviceSwitch() const { return serviceSwitch_; }

    QGroupBox* voxFrame = nullptr;  // VOX
    QGroupBox* scanFrame = nullptr; // scan
    QComboBox* voxEnableList = nullptr;
    QComboBox* voxGainList = nullptr;
    QComboBox* voxDelayList = nullptr;
    QComboBox* voxToneList = nullptr;
    QCheckBox* cancelOperationBox = nullptr;
    QCheckBox* voxOffOnReceiveBox = nullptr;
    QComboBox* priorityModeList = nullptr;
    QComboBox* priorityChannelList = nullptr;
    QComboBox* revertTimeAList = nullptr;
    QComboBox* revertTimeBList = nullptr;
    QComboBox* returnChannelList = nullptr;
    QLineEdit* rxResumeDelayBox = nullptr;
    QLineEdit* txResumeDelayBox = nullptr;
    QScrollBar* rxResumeDelaySpinner = nullptr;
    QScrollBar* txResumeDelaySpinner = nullptr;
    QComboBox* pttIdModeList = nullptr;
    QComboBox* duplicateList = nullptr;
    QLabel* voxEnableLabel = nullptr;
    QLabel* voxGainLabel = nullptr;
    QLabel* voxDelayLabel = nullptr;
    QLabel* voxToneLabel = nullptr;
    QLabel* priorityModeLabel = nullptr;
    QLabel* priorityChannelLabel = nullptr;
    QLabel* revertTimeALabel = nullptr;
    QLabel* revertTimeBLabel = nullptr;
    QLabel* returnChannelLabel = nullptr;
    QLabel* rxResumeDelayLabel = nullptr;
    QLabel* txResumeDelayLabel = nullptr;
    QLabel* pttIdModeLabel = nullptr;
    QLabel* duplicateLabel = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;

  public slots:
    void onOk();
    void onCancel();
    // A click on one of the three switch captions.
    void serviceCaptionClicked(ServiceCaption caption);
    // The service mode was switched off: the click sequence starts from scratch.
    void resetServiceSwitch();

  private:
    void buildVoxGroup();
    void buildScanGroup();
    void buildLowerControls();
    void connectControls();
    EditorState& state();
    MessageBoxService& box();

    MainWindow& main_;
    ServiceSwitch serviceSwitch_;
    bool refreshing_ = false;
};

} // namespace tlv
