#pragma once
// The keys dialog: the functions of the programmable keys PF1 and PF2. A view over
// EditorState::form6; OK stores both, Cancel and the close box only hide.
#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

namespace tlv {

class Form1;
class RadioPicture;

class Form6 : public QDialog {
    Q_OBJECT
  public:
    explicit Form6(Form1& main);

    void refreshFromState();

    QLabel* Label1 = nullptr;
    QComboBox* Combo1 = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* Combo2 = nullptr;
    RadioPicture* Image1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

  public slots:
    void Command1_Click();
    void Command2_Click();

  private:
    Form1& main_;
    bool refreshing_ = false;
};

} // namespace tlv
