#pragma once
// The about box: title, version, issue date and the developer line, which opens the maker's
// web page. Shown modeless; OK and the close box hide it.
#include <QDialog>

class QLabel;
class QPushButton;

namespace tlv {

class MainWindow;
class RadioPicture;

class AboutDialog : public QDialog {
    Q_OBJECT
  public:
    explicit AboutDialog(MainWindow& main);

    RadioPicture* radioPicture = nullptr;
    QLabel* titleLabel = nullptr;
    QLabel* versionLabel = nullptr;
    QLabel* issueLabel = nullptr;
    QLabel* developerLink = nullptr;
    QPushButton* okButton = nullptr;

  public slots:
    void onOk();
    void onDeveloperLinkClicked();

  private:
    MainWindow& main_;
};

} // namespace tlv
