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

class Form1;
struct EditorState;
class MessageBoxService;

class Form5 : public QDialog {
    Q_OBJECT
  public:
    explicit Form5(Form1& main);

    // Shows the state's control values.
    void refreshFromState();
    const ServiceSwitch& serviceSwitch() const { return serviceSwitch_; }

    QGroupBox* Frame1 = nullptr; // VOX
    QGroupBox* Frame2 = nullptr; // scan
    QComboBox* Combo6 = nullptr;
    QComboBox* Combo7 = nullptr;
    QComboBox* Combo8 = nullptr;
    QComboBox* Combo9 = nullptr;
    QCheckBox* Check3 = nullptr;
    QCheckBox* Check4 = nullptr;
    QComboBox* Combo11 = nullptr;
    QComboBox* Combo12 = nullptr;
    QComboBox* Combo13 = nullptr;
    QComboBox* Combo14 = nullptr;
    QComboBox* Combo15 = nullptr;
    QLineEdit* Text5 = nullptr;
    QLineEdit* Text6 = nullptr;
    QScrollBar* VScroll1 = nullptr;
    QScrollBar* VScroll2 = nullptr;
    QComboBox* Combo4 = nullptr;
    QComboBox* Combo10 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label14 = nullptr;
    QLabel* Label15 = nullptr;
    QLabel* Label17 = nullptr;
    QLabel* Label16 = nullptr;
    QLabel* Label18 = nullptr;
    QLabel* Label19 = nullptr;
    QLabel* Label20 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label11 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

  public slots:
    void Command1_Click();
    void Command2_Click();
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

    Form1& main_;
    ServiceSwitch serviceSwitch_;
    bool refreshing_ = false;
};

} // namespace tlv
