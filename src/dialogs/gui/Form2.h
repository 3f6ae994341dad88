#pragma once
// The debug dialog: the high and low transmit power levels on two sliders, usable only in
// service mode. A view over EditorState::form2; OK stores the levels, the close box only hides.
#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;
class QSlider;

namespace tlv {

class Form1;

class Form2 : public QDialog {
    Q_OBJECT
  public:
    explicit Form2(Form1& main);

    void refreshFromState();

    QGroupBox* Frame1 = nullptr;
    QSlider* Slider1 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Lblpower1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QSlider* Slider3 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Lblpower3 = nullptr;
    QPushButton* Command1 = nullptr;

  public slots:
    void Command1_Click();

  private:
    QGroupBox* buildLevelFrame(const char* frameName, const QString& caption, QSlider*& slider,
                               const char* sliderName, QLabel*& low, const char* lowName,
                               QLabel*& high, const char* highName, QLabel*& value,
                               const char* valueName);

    Form1& main_;
    bool refreshing_ = false;
};

} // namespace tlv
