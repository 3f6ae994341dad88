#pragma once
// The embedded-information dialog: two texts of up to 32 characters. A view over
// EditorState::form7; OK checks and stores both, Cancel and the close box only hide.
#include <QDialog>

class QLineEdit;
class QPushButton;

namespace tlv {

class Form1;

class Form7 : public QDialog {
    Q_OBJECT
  public:
    explicit Form7(Form1& main);

    void refreshFromState();

    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

  public slots:
    void Command1_Click();
    void Command2_Click();

  protected:
    // The keystroke limit of the two boxes.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Form1& main_;
    bool refreshing_ = false;
};

} // namespace tlv
