#pragma once
// The debug dialog: the high and low transmit power levels on two sliders, usable only in
// service mode. A view over EditorState::form2; OK stores the levels, the close box only hides.
#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;
class QSlider;

namespace tlv {

class MainWindow;

class PowerLevelDialog : public QDialog {
    Q_OBJECT
  public:
    explicit PowerLevelDialog(MainWindow& main);

    void refreshFromState();

    QGroupBox* highPowerFrame = nullptr;
    QSlider* highPowerSlider = nullptr;
    QLabel* highPowerMinLabel = nullptr;
    QLabel* highPowerMaxLabel = nullptr;
    QLabel* highPowerValue = nullptr;
    QGroupBox* lowPowerFrame = nullptr;
    QSlider* lowPowerSlider = nullptr;
    QLabel* lowPowerMinLabel = nullptr;
    QLabel* lowPowerMaxLabel = nullptr;
    QLabel* lowPowerValue = nullptr;
    QPushButton* okButton = nullptr;

  public slots:
    void onOk();

  private:
    QGroupBox* buildLevelFrame(const char* frameName, const QString& caption, QSlider*& slider,
                               const char* sliderName, QLabel*& low, const char* lowName,
                               QLabel*& high, const char* highName, QLabel*& value,
                               const char* valueName);

    MainWindow& main_;
    bool refreshing_ = false;
};

} // namespace tlv
