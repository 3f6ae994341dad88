// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The status line of a transfer as the user follows it: the status text and its blinking, the
// progress bar with its steps, and the programming controls, held while a transfer runs and
// while its end text blinks. One plain model for the window (through qt/TransferController) and
// the web page; each shows it through a TransferLineView and runs its tick every
// kStatusIntervalMs while the model asks for ticks.
//
//   started        "Communicating" blinks (a tick shows or hides it); the controls are held
//   follow         the progress bar appears when the radio identifies itself and steps at
//                  every acknowledgement of the data phase
//   ended          Success:  the bar goes; the user is told; the end text blinks for
//                            kEndNoticeTicks ticks, then goes, and the controls come back
//                  Failure:  the text goes and stops blinking; the user is told (the message);
//                            then the controls come back and the bar goes
//                  Stopped:  everything goes at once and the controls come back
//   declined       the band question's text blinks as an end text, nothing having been sent
#include "language/Messages.h"
#include "link/TransferSession.h"

#include <functional>

namespace tlv {

inline constexpr int kStatusIntervalMs = 200;
inline constexpr int kProgressMaximum = 460; // the progress bar's range is 0..kProgressMaximum
inline constexpr int kEndNoticeTicks = 6;    // status ticks the end text blinks

// The progress bar after `acknowledgements` of the data phase: a read's 17 steps of 25 end at
// 425, a write's 47 or 48 steps of 10 stop at 450.
int TransferProgressValue(TransferDirection direction, int acknowledgements);

// What shows the status line. The texts come in both languages; the view shows them in the
// language in force when they come.
class TransferLineView {
  public:
    virtual ~TransferLineView() = default;
    // The status timer: tick() every kStatusIntervalMs while on; the first tick one interval
    // after switching on.
    virtual void setStatusTimer(bool on) = 0;
    virtual void setStatusText(const LocalText& text) = 0;
    virtual void setStatusVisible(bool visible) = 0;
    // The progress bar: shown or hidden, value in 0..kProgressMaximum.
    virtual void setProgress(bool visible, int value) = 0;
    // The toolbar as a whole, its Read and Write buttons, and the programming menu.
    virtual void setTransferControlsEnabled(bool enabled) = 0;
};

class TransferStatusLine {
  public:
    // Keeps a reference to the view; it must outlive the model.
    explicit TransferStatusLine(TransferLineView& view) : view_(view) {}

    // A read or a write has started.
    void started();
    // Shows how far `session` has come (after the bytes it took); nothing before it started or
    // after its end.
    void follow(const TransferSession& session);
    // The transfer has ended with `outcome`: what the line shows before the user is told, then
    // `tellUser` (the failure's message, a read's image to load), then what it shows after.
    void ended(TransferOutcome outcome, TransferDirection direction,
               const std::function<void()>& tellUser = {});
    // No to the band question of a write: nothing was sent.
    void declined();
    void tick();

    bool statusVisible() const { return statusVisible_; }
    bool ticking() const { return ticking_; }
    bool progressVisible() const { return progressVisible_; }
    int progressValue() const { return progressValue_; }
    bool controlsEnabled() const { return controlsEnabled_; }

  private:
    void showEndText(const LocalText& text);
    void setStatusVisible(bool visible);
    void setProgress(bool visible, int value);
    void setTicking(bool on);
    void setControlsEnabled(bool enabled);

    TransferLineView& view_;
    bool following_ = false; // a transfer runs: its progress is shown
    bool statusVisible_ = false;
    bool ticking_ = false;
    bool progressVisible_ = false;
    int progressValue_ = 0;
    bool controlsEnabled_ = true;
    bool endNoticePending_ = false;
    int endNoticeTicks_ = 0;
};

} // namespace tlv
