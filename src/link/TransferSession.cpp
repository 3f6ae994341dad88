// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/TransferSession.h"

#include <cstdio>

namespace tlv {

namespace {

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

bool TransferSession::start(TransferDirection direction, const MemoryImage& image,
                            bool serviceMode) {
    if (running_ || ending_) return false;
    direction_ = direction;
    imageToWrite_ = image;
    serviceMode_ = serviceMode;
    status_ = TransferStatus::Connecting;
    finished_ = false;
    identified_ = false;
    acknowledgements_ = 0;
    silenceTicks_ = 0;
    transferTicks_ = 0;
    outcome_.reset();
    imageRead_.reset();
    failure_ = TransferFailure{};
    failure_.direction = direction;
    running_ = true;
    send(protocol_.start(direction));
    switchSupervisionTimer(true);
    return true;
}

void TransferSession::stop() {
    // A transfer that is already ending finishes by itself.
    if (!running_ || finished_) return;
    noteFailure(FailureCause::Stopped);
    end(TransferOutcome::Stopped);
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
        identify();
        return;
    case ProtocolEvent::Acknowledged:
        ++acknowledgements_;
        silenceTicks_ = 0;
        if (!step.reply.empty()) send(step.reply);
        return;
    case ProtocolEvent::Completed:
        ++acknowledgements_;
        silenceTicks_ = 0;
        complete();
        return;
    }
}

void TransferSession::identify() {
    identified_ = true;
    status_ = TransferStatus::Transferring;
    if (direction_ != TransferDirection::Write) return;
    imageWritten_ = imageToWrite_;
    protocol_.setWriteImage(imageToWrite_, serviceMode_);
    host_.imageAboutToBeWritten(*imageWritten_);
}

void TransferSession::complete() {
    // Over on the wire before the image goes anywhere: the supervision must not report a failure
    // while the host keeps it.
    finished_ = true;
    switchSupervisionTimer(false);
    if (direction_ == TransferDirection::Read) {
        imageRead_ = protocol_.imageRead();
        host_.imageRead(*imageRead_);
    }
    end(TransferOutcome::Success);
}

void TransferSession::onSupervisionTick() {
    if (!supervisionTimerOn_) return;
    if (++transferTicks_ >= kTransferLimitTicks) {
        noteFailure(FailureCause::TimeLimit);
    } else if (++silenceTicks_ < kSilenceTicksLimit) {
        return;
    } else if (!protocol_.anythingReceived()) {
        noteFailure(FailureCause::NoAnswer);
    } else if (protocol_.phase() == RadioProtocol::Phase::Handshake) {
        noteFailure(FailureCause::UnexpectedIdentification);
    } else {
        noteFailure(FailureCause::Stopped);
    }
    end(TransferOutcome::CommunicationError);
}

void TransferSession::onPortLost(const std::string& device) {
    if (!running_ || finished_) return;
    failure_.device = device;
    noteFailure(FailureCause::PortLost);
    end(TransferOutcome::CommunicationError);
}

void TransferSession::noteFailure(FailureCause cause) {
    failure_.cause = cause;
    failure_.dataPhase = protocol_.phase() != RadioProtocol::Phase::Handshake;
    failure_.blocksDone = protocol_.blocksDone();
    failure_.blocksTotal = protocol_.blocksTotal();
    if (cause == FailureCause::UnexpectedIdentification)
        failure_.received = spacedHex(protocol_.handshakeReceived());
}

// Every end: nothing received is interpreted any more, the supervision stops, the host hears of
// the end, and then the end frame goes out.
void TransferSession::end(TransferOutcome outcome) {
    finished_ = true;
    silenceTicks_ = 0;
    const Frame endFrame = protocol_.finish();
    switchSupervisionTimer(false);
    running_ = false;
    status_ = TransferStatus::Ended;
    outcome_ = outcome;
    ending_ = true;
    host_.transferEnded(outcome);
    ending_ = false;
    send(endFrame);
}

void TransferSession::send(const Frame& frame) {
    host_.sendBytes(frame.bytes());
}

void TransferSession::switchSupervisionTimer(bool on) {
    supervisionTimerOn_ = on;
    host_.setSupervisionTimer(on);
}

} // namespace tlv
