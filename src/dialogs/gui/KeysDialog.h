#pragma once
// The keys dialog: the functions of the programmable keys PF1 and PF2. A view over
// EditorState::form6; OK stores both, Cancel and the close box only hide.
#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

namespace tlv {

class MainWindow;
class RadioPicture;

class KeysDialog : public QDialog {
    Q_OBJECT
  public:
    explicit KeysDialog(MainWindow& main);

    void refreshFromState();

    QLabel* pf1Label = nullptr;
    QComboBox* pf1List = nullptr;
    QLabel* pf2Label = nullptr;
    QComboBox* pf2List = nullptr;
    RadioPicture* radioPicture = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;

  public slots:
    void onOk();
    void onCancel();

  private:
    MainWindow& main_;
    bool refreshing_ = false;
};

} // namespace tlv
