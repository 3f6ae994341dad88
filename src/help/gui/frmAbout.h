#pragma once
// The about box: title, version, issue date and the developer line, which opens the maker's
// web page. Shown modeless; OK and the close box hide it.
#include <QDialog>

class QLabel;
class QPushButton;

namespace tlv {

class Form1;
class RadioPicture;

class frmAbout : public QDialog {
    Q_OBJECT
  public:
    explicit frmAbout(Form1& main);

    RadioPicture* Picture1 = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* lblDescription = nullptr;
    QPushButton* cmdOK = nullptr;

  public slots:
    void cmdOK_Click();
    void lblDescription_Click();

  private:
    Form1& main_;
};

} // namespace tlv
