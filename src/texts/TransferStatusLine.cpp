// SPDX-License-Identifier: GPL-3.0-or-later
#include "texts/TransferStatusLine.h"

#include <algorithm>

namespace tlv {

namespace {

// The progress bar moves by a step at every 0x06 of the data phase: a write's 47 or 48 steps of
// 10 stop at 450, a read's 17 steps of 25 end at 425.
constexpr int kWriteProgressStep = 10;
constexpr int kWriteProgressLimit = 450;
constexpr int kReadProgressStep = 25;

} // namespace

int TransferProgressValue(TransferDirection direction, int acknowledgements) {
    if (direction == TransferDirection::Write)
        return std::min(acknowledgements * kWriteProgressStep, kWriteProgressLimit);
    return std::min(acknowledgements * kReadProgressStep, kProgressMaximum);
}

void TransferStatusLine::started() {
    setControlsEnabled(false);
    // An end text still blinking from the previous transfer would bring the controls back in the
    // middle of this one.
    endNoticePending_ = false;
    endNoticeTicks_ = 0;
    following_ = true;
    view_.setStatusText(status::Communicating);
    setTicking(true);
}

void TransferStatusLine::follow(const TransferSession& session) {
    if (!following_ || !session.identified()) return;
    setProgress(true, TransferProgressValue(session.direction(), session.acknowledgements()));
}

void TransferStatusLine::ended(TransferOutcome outcome, TransferDirection direction,
                               const std::function<void()>& tellUser) {
    following_ = false;
    const auto tell = [&tellUser] {
        if (tellUser) tellUser();
    };
    switch (outcome) {
    case TransferOutcome::Success:
        setProgress(false, progressValue_);
        tell();
        showEndText(direction == TransferDirection::Read ? status::ReadSuccess
                                                         : status::WriteSuccess);
        return;
    case TransferOutcome::CommunicationError:
        // The message is modal in the window: the blinking stops before it, the controls come
        // back once it is closed.
        setStatusVisible(false);
        setTicking(false);
        tell();
        setControlsEnabled(true);
        setProgress(false, progressValue_);
        return;
    case TransferOutcome::Stopped:
        setTicking(false);
        setStatusVisible(false);
        setProgress(false, progressValue_);
        setControlsEnabled(true);
        tell();
        return;
    case TransferOutcome::Declined:
        declined();
        tell();
        return;
    }
}

// The question's text blinks in the status line for a moment, as the end text of a transfer
// does, and then the controls come back.
void TransferStatusLine::declined() {
    following_ = false;
    setControlsEnabled(false);
    endNoticeTicks_ = 0;
    showEndText(msg::BandMismatch.text);
    setTicking(true);
}

void TransferStatusLine::showEndText(const LocalText& text) {
    view_.setStatusText(text);
    endNoticePending_ = true;
}

void TransferStatusLine::tick() {
    if (!ticking_) return;
    setStatusVisible(!statusVisible_);
    if (endNoticePending_) ++endNoticeTicks_;
    if (endNoticeTicks_ == kEndNoticeTicks) {
        endNoticeTicks_ = 0;
        endNoticePending_ = false;
        setStatusVisible(false);
        setTicking(false);
        setControlsEnabled(true);
    }
}

void TransferStatusLine::setStatusVisible(bool visible) {
    statusVisible_ = visible;
    view_.setStatusVisible(visible);
}

void TransferStatusLine::setProgress(bool visible, int value) {
    if (visible == progressVisible_ && value == progressValue_) return;
    progressVisible_ = visible;
    progressValue_ = value;
    view_.setProgress(visible, value);
}

void TransferStatusLine::setTicking(bool on) {
    ticking_ = on;
    view_.setStatusTimer(on);
}

void TransferStatusLine::setControlsEnabled(bool enabled) {
    controlsEnabled_ = enabled;
    view_.setTransferControlsEnabled(enabled);
}

} // namespace tlv
