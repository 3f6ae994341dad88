#pragma once
// The embedded-information dialog: two texts of up to 32 characters. A view over
// EditorState::form7; OK checks and stores both, Cancel and the close box only hide.
#include <QDialog>

class QLineEdit;
class QPushButton;

namespace tlv {

class MainWindow;

class EmbeddedTextsDialog : public QDialog {
    Q_OBJECT
  public:
    explicit EmbeddedTextsDialog(MainWindow& main);

    void refreshFromState();

    QLineEdit* firstTextBox = nullptr;
    QLineEdit* secondTextBox = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;

  public slots:
    void onOk();
    void onCancel();

  protected:
    // The keystroke limit of the two boxes.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    MainWindow& main_;
    bool refreshing_ = false;
};

} // namespace tlv
