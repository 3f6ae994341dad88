// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/TransferSession.h"

#include "editor/EditorImage.h"

#include <cstdio>
#include <vector>

namespace tlv {

namespace {

// The progress bar moves by a step at every 0x06 of the data phase: a write's 47 or 48 steps of
// 10 stop at 450, a read's 17 steps of 25 end at 425.
constexpr int kWriteProgressStep = 10;
constexpr int kWriteProgressLimit = 450;
constexpr int kReadProgressStep = 25;

// Bytes as spaced upper-case hex: {0x06, 0x50, 0x4C} gives "06 50 4C".
std::string spacedHex(std::span<const uint8_t> bytes) {
    std::string text;
    for (const uint8_t byte : bytes) {
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02X", byte);
        if (!text.empty()) text += ' ';
        text += digits;
    }
    return text;
}

} // namespace

std::string DescribeFailure(const TransferFailure& failure, Language language) {
    std::vector<std::string> lines;
    auto say = [&](const LocalText& text, const std::string& a = {}, const std::string& b = {}) {
        lines.push_back(Localise(language, text, a, b));
    };
    const bool write = failure.direction == TransferDirection::Write;
    switch (failure.cause) {
    case FailureCause::None:
        return {};
    case FailureCause::NoAnswer:
        say(cause::NoAnswer);
        break;
    case FailureCause::UnexpectedIdentification:
        say(cause::UnexpectedIdentification, failure.received);
        break;
    case FailureCause::PortLost:
        say(cause::PortLost, failure.device);
        break;
    case FailureCause::TimeLimit:
        say(cause::TimeLimit, std::to_string(kTransferLimitTicks * kSupervisionIntervalMs / 1000));
        break;
    case FailureCause::Stopped:
        break;
    }
    if (failure.dataPhase) {
        say(write ? cause::WriteStopped : cause::ReadStopped, std::to_string(failure.blocksDone),
            std::to_string(failure.blocksTotal));
    }
    if (write && failure.blocksDone > 0) say(cause::PartlyWritten);
    std::string text;
    for (const std::string& line : lines)
        text += (text.empty() ? "" : "\n") + line;
    return text;
}

TransferSession::TransferSession(EditorState& editor, TransferHost& host)
    : editor_(editor), host_(host) {}

bool TransferSession::start(TransferDirection direction) {
    if (running_ || questionOpen_) return false;
    if (!host_.portIsOpen()) {
        host_.tell({&msg::PortNotOpen, {}});
        return false;
    }
    if (direction == TransferDirection::Write && !settleBandQuestion()) return false;
    host_.setTransferControlsEnabled(false);
    direction_ = direction;
    finished_ = false;
    silenceTicks_ = 0;
    transferTicks_ = 0;
    // An end text still blinking from the previous transfer would bring the controls back in the
    // middle of this one.
    endNoticePending_ = false;
    endNoticeTicks_ = 0;
    failure_ = TransferFailure{};
    failure_.direction = direction;
    running_ = true;
    host_.focusBandList();
    send(protocol_.start(direction));
    host_.setStatusText(Localise(editor_.language(), status::Communicating));
    switchSupervisionTimer(true);
    switchStatusTimer(true);
    return true;
}

// The band question of a write comes before anything is sent, so that a No leaves the radio
// untouched and no time-out can run while the user reads the question. It is asked once for each
// band the list is set to: the agreed band is the band of the last answer, Yes or No.
bool TransferSession::settleBandQuestion() {
    const int band = editor_.radio().band;
    if (agreedBand_ == band) return true;
    agreedBand_ = band;
    questionOpen_ = true;
    const bool goOn = host_.confirmBandMismatch();
    questionOpen_ = false;
    if (goOn) return true;
    // Declined: the question's text blinks in the status line for a moment, as the end text of a
    // transfer does, and then the controls come back.
    host_.setTransferControlsEnabled(false);
    direction_ = TransferDirection::Write;
    finished_ = true;
    host_.setStatusText(Localise(editor_.language(), msg::BandMismatch.text));
    endNoticePending_ = true;
    endNoticeTicks_ = 0;
    switchStatusTimer(true);
    host_.transferEnded(TransferOutcome::Declined);
    return false;
}

void TransferSession::stop() {
    // A transfer that is already ending (a read being loaded) finishes by itself.
    if (!running_ || finished_) return;
    noteFailure(FailureCause::Stopped);
    finished_ = true;
    silenceTicks_ = 0;
    const Frame endFrame = protocol_.finish();
    switchSupervisionTimer(false);
    switchStatusTimer(false);
    setStatusVisible(false);
    setProgress(false, progressValue_);
    running_ = false;
    send(endFrame);
    host_.setTransferControlsEnabled(true);
    host_.transferEnded(TransferOutcome::Stopped);
}

void TransferSession::onBytes(std::span<const uint8_t> bytes) {
    answered(protocol_.receive(bytes));
}

void TransferSession::answered(const ProtocolStep& step) {
    switch (step.event) {
    case ProtocolEvent::None:
        return;
    case ProtocolEvent::HandshakeAnswered:
    case ProtocolEvent::BlockReceived:
        silenceTicks_ = 0;
        send(step.reply);
        return;
    case ProtocolEvent::Identified:
        silenceTicks_ = 0;
        send(step.reply);
        identified();
        return;
    case ProtocolEvent::Acknowledged:
        stepProgress();
        silenceTicks_ = 0;
        if (!step.reply.empty()) send(step.reply);
        return;
    case ProtocolEvent::Completed:
        stepProgress();
        silenceTicks_ = 0;
        if (direction_ == TransferDirection::Write) {
            finishWrite();
        } else {
            finishRead();
        }
        return;
    }
}

// The image a write sends is the editor's at this moment: changes made after the identification
// do not reach the radio.
void TransferSession::identified() {
    if (direction_ == TransferDirection::Write) {
        imageWritten_ = EditorImage(editor_);
        protocol_.setWriteImage(*imageWritten_, editor_.session.serviceMode);
    }
    setProgress(true, 0);
    if (direction_ == TransferDirection::Write) host_.imageAboutToBeWritten(*imageWritten_);
}

void TransferSession::stepProgress() {
    if (direction_ == TransferDirection::Write) {
        if (progressValue_ < kWriteProgressLimit)
            setProgress(progressVisible_, progressValue_ + kWriteProgressStep);
    } else if (progressValue_ < kProgressMaximum) {
        setProgress(progressVisible_, progressValue_ + kReadProgressStep);
    }
}

void TransferSession::finishWrite() {
    host_.setStatusText(Localise(editor_.language(), status::WriteSuccess));
    endNoticePending_ = true;
    setProgress(false, progressValue_);
    finished_ = true;
    switchSupervisionTimer(false);
    send(protocol_.finish());
    end(TransferOutcome::Success);
}

void TransferSession::finishRead() {
    // The transfer is over before the image is loaded: loading may have messages to show, and the
    // supervision must not report a failure while one is open.
    switchSupervisionTimer(false);
    finished_ = true;
    setProgress(false, progressValue_);
    // The image as the radio holds it, before the editor takes it.
    const MemoryImage image = protocol_.imageRead();
    host_.imageRead(image);
    // The band becomes the band of the radio's image.
    for (const Notice& notice : LoadImage(editor_, image))
        host_.tell(notice);
    host_.setStatusText(Localise(editor_.language(), status::ReadSuccess));
    endNoticePending_ = true;
    send(protocol_.finish());
    end(TransferOutcome::Success);
}

void TransferSession::end(TransferOutcome outcome) {
    running_ = false;
    host_.transferEnded(outcome);
}

void TransferSession::onSupervisionTick() {
    if (!supervisionTimerOn_) return;
    if (++transferTicks_ >= kTransferLimitTicks) {
        fail(FailureCause::TimeLimit);
        return;
    }
    if (++silenceTicks_ < kSilenceTicksLimit) return;
    if (!protocol_.anythingReceived()) {
        fail(FailureCause::NoAnswer);
    } else if (protocol_.phase() == RadioProtocol::Phase::Handshake) {
        fail(FailureCause::UnexpectedIdentification);
    } else {
        fail(FailureCause::Stopped);
    }
}

void TransferSession::onPortLost(const std::string& device) {
    if (!running_ || finished_) return;
    failure_.device = device;
    fail(FailureCause::PortLost);
}

void TransferSession::noteFailure(FailureCause cause) {
    failure_.cause = cause;
    failure_.dataPhase = protocol_.phase() != RadioProtocol::Phase::Handshake;
    failure_.blocksDone = protocol_.blocksDone();
    failure_.blocksTotal = protocol_.blocksTotal();
    if (cause == FailureCause::UnexpectedIdentification)
        failure_.received = spacedHex(protocol_.handshakeReceived());
}

void TransferSession::fail(FailureCause cause) {
    noteFailure(cause);
    finished_ = true;
    silenceTicks_ = 0;
    const Frame endFrame = protocol_.finish();
    switchSupervisionTimer(false);
    setStatusVisible(false);
    switchStatusTimer(false);
    running_ = false;
    host_.tell({&msg::CommunicationError, DescribeFailure(failure_, editor_.language())});
    host_.setTransferControlsEnabled(true);
    setProgress(false, progressValue_);
    send(endFrame);
    host_.transferEnded(TransferOutcome::CommunicationError);
}

void TransferSession::onStatusTick() {
    if (!statusTimerOn_) return;
    setStatusVisible(!statusVisible_);
    if (endNoticePending_) ++endNoticeTicks_;
    if (endNoticeTicks_ == kEndNoticeTicks) {
        endNoticeTicks_ = 0;
        endNoticePending_ = false;
        setStatusVisible(false);
        switchStatusTimer(false);
        host_.setTransferControlsEnabled(true);
    }
}

void TransferSession::send(const Frame& frame) {
    host_.sendBytes(frame.bytes());
}

void TransferSession::switchSupervisionTimer(bool on) {
    supervisionTimerOn_ = on;
    host_.setSupervisionTimer(on);
}

void TransferSession::switchStatusTimer(bool on) {
    statusTimerOn_ = on;
    host_.setStatusTimer(on);
}

void TransferSession::setStatusVisible(bool visible) {
    statusVisible_ = visible;
    host_.setStatusVisible(visible);
}

void TransferSession::setProgress(bool visible, int value) {
    progressVisible_ = visible;
    progressValue_ = value;
    host_.setProgress(visible, value);
}

} // namespace tlv
