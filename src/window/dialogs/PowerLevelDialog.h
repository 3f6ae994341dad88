// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The debug dialog: the high and low transmit power levels on two sliders, over the power-level
// draft, usable only in service mode. OK stores the levels, the close box only hides.
#include "window/dialogs/RadioDialog.h"

#include <array>

class QGroupBox;
class QLabel;
class QSlider;

namespace tlv {

// The designer's names of the power-level dialog and its controls (their objectNames); the
// button is radio_dialog_names'.
namespace power_level_names {
inline constexpr char Window[] = "Form2";
inline constexpr char HighPowerFrame[] = "Frame1";
inline constexpr char HighPowerSlider[] = "Slider1";
inline constexpr char HighPowerMinLabel[] = "Label3";
inline constexpr char HighPowerMaxLabel[] = "Label8";
inline constexpr char HighPowerValue[] = "Lblpower1";
inline constexpr char LowPowerFrame[] = "Frame2";
inline constexpr char LowPowerSlider[] = "Slider3";
inline constexpr char LowPowerMinLabel[] = "Label6";
inline constexpr char LowPowerMaxLabel[] = "Label7";
inline constexpr char LowPowerValue[] = "Lblpower3";
} // namespace power_level_names

class PowerLevelDialog : public RadioDialog {
    Q_OBJECT
  public:
    PowerLevelDialog(EditorModel& model, QWidget* parent);

  private:
    // One level: its frame with the slider, the limits and the value.
    struct Level {
        QSlider* slider = nullptr;
        QLabel* value = nullptr;
    };
    // The frame of one level; the names are the frame's, the slider's, the two limit labels'
    // and the value's.
    QGroupBox* buildLevelFrame(Level& level, const std::array<const char*, 5>& names);
    void showDraft() override;
    RadioDialogKind kind() const override { return RadioDialogKind::PowerLevels; }

    Level high_;
    Level low_;
};

} // namespace tlv
