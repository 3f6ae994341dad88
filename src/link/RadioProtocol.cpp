// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/RadioProtocol.h"

#include <algorithm>

namespace tlv {

void Frame::append(std::span<const uint8_t> bytes) {
    const std::size_t count = std::min(bytes.size(), kCapacity - size_);
    std::copy_n(bytes.begin(), count, bytes_.begin() + static_cast<std::ptrdiff_t>(size_));
    size_ += count;
}

bool Frame::operator==(const Frame& other) const {
    const auto mine = bytes();
    const auto theirs = other.bytes();
    return std::equal(mine.begin(), mine.end(), theirs.begin(), theirs.end());
}

bool HoldsIdentificationMark(std::span<const uint8_t> identification) {
    const std::span mark(reinterpret_cast<const uint8_t*>(frame::IdentificationMark.data()),
                         frame::IdentificationMark.size());
    // Digit k of bytes: the high half of byte k / 2 for even k, the low half for odd k.
    auto digit = [](std::span<const uint8_t> bytes, std::size_t k) {
        const uint8_t byte = bytes[k / 2];
        return k % 2 == 0 ? byte >> 4 : byte & 0x0F;
    };
    const std::size_t digits = 2 * identification.size();
    const std::size_t markDigits = 2 * mark.size();
    for (std::size_t at = 0; at + markDigits <= digits; ++at) {
        std::size_t k = 0;
        while (k < markDigits && digit(identification, at + k) == digit(mark, k))
            ++k;
        if (k == markDigits) return true;
    }
    return false;
}

Frame RadioProtocol::start(TransferDirection direction) {
    phase_ = Phase::Handshake;
    direction_ = direction;
    unconsumed_.clear();
    handshakeReceived_.clear();
    memoryRead_.clear();
    writeImage_.reset();
    serviceMode_ = false;
    blockAddress_ = kFirstBlockAddress;
    answerAwaited_ = false;
    breakPending_ = false;
    anythingReceived_ = false;
    blocksDone_ = 0;
    Frame handshake;
    handshake.append(
        {reinterpret_cast<const uint8_t*>(frame::Handshake.data()), frame::Handshake.size()});
    return handshake;
}

void RadioProtocol::setWriteImage(const MemoryImage& image, bool serviceMode) {
    writeImage_ = image;
    serviceMode_ = serviceMode;
}

void RadioProtocol::receiveBreak() {
    breakPending_ = true;
}

int RadioProtocol::blocksTotal() const {
    return direction_ == TransferDirection::Write ? kWriteBlocks + (serviceMode_ ? 1 : 0)
                                                  : kReadBlocks;
}

MemoryImage RadioProtocol::imageRead() const {
    MemoryImage image;
    image.fill(0xFF);
    std::copy_n(memoryRead_.begin(), std::min<std::size_t>(memoryRead_.size(), image.size()),
                image.begin());
    return image;
}

Frame RadioProtocol::finish() {
    phase_ = Phase::Finished;
    unconsumed_.clear();
    return Frame{frame::End};
}

ProtocolStep RadioProtocol::receive(std::span<const uint8_t> bytes) {
    if (bytes.empty()) return {};
    if (breakPending_) {
        breakPending_ = false;
        bytes = bytes.subspan(1);
    }
    if (phase_ != Phase::Handshake && phase_ != Phase::Data) return {};
    if (!bytes.empty()) {
        anythingReceived_ = true;
        if (phase_ == Phase::Handshake) {
            const std::size_t room = kHandshakeBytesKept - handshakeReceived_.size();
            handshakeReceived_.insert(handshakeReceived_.end(), bytes.begin(),
                                      bytes.begin() + std::min(room, bytes.size()));
        }
        const std::size_t room = kUnconsumedCap - std::min(unconsumed_.size(), kUnconsumedCap);
        unconsumed_.insert(unconsumed_.end(), bytes.begin(),
                           bytes.begin() + std::min(room, bytes.size()));
    }
    if (phase_ == Phase::Handshake) return handshakeAnswer();
    return direction_ == TransferDirection::Write ? writeAnswer() : readAnswer();
}

bool RadioProtocol::holdsAloneAck() const {
    return unconsumed_.size() == 1 && unconsumed_[0] == frame::Ack;
}

ProtocolStep RadioProtocol::handshakeAnswer() {
    if (holdsAloneAck()) {
        unconsumed_.clear();
        return {ProtocolEvent::HandshakeAnswered, {frame::IdentificationRequest}};
    }
    if (unconsumed_.size() == frame::IdentificationBytes && HoldsIdentificationMark(unconsumed_)) {
        unconsumed_.clear();
        phase_ = Phase::Data;
        return {ProtocolEvent::Identified, {frame::Ack}};
    }
    return {};
}

ProtocolStep RadioProtocol::writeAnswer() {
    if (!holdsAloneAck()) return {};
    unconsumed_.clear();
    if (answerAwaited_) {
        answerAwaited_ = false;
        ++blocksDone_;
    }
    if (blockAddress_ == kWriteEndAddress) {
        phase_ = Phase::Finished;
        return {ProtocolEvent::Completed, {}};
    }
    while (blockAddress_ < kWriteEndAddress && !IsWrittenBlock(blockAddress_, serviceMode_))
        blockAddress_ = static_cast<uint16_t>(blockAddress_ + kWriteBlockBytes);
    if (!writeImage_ || blockAddress_ >= kWriteEndAddress) return {ProtocolEvent::Acknowledged, {}};
    Frame block{frame::Block, AddressHighByte(blockAddress_), AddressLowByte(blockAddress_),
                static_cast<uint8_t>(kWriteBlockBytes)};
    block.append(
        std::span(*writeImage_).subspan(blockAddress_ - kFirstBlockAddress, kWriteBlockBytes));
    answerAwaited_ = true;
    blockAddress_ = static_cast<uint16_t>(blockAddress_ + kWriteBlockBytes);
    return {ProtocolEvent::Acknowledged, block};
}

ProtocolStep RadioProtocol::readAnswer() {
    if (holdsAloneAck() && !answerAwaited_) {
        unconsumed_.clear();
        if (blockAddress_ == kReadEndAddress) {
            phase_ = Phase::Finished;
            return {ProtocolEvent::Completed, {}};
        }
        const Frame request{frame::ReadRequest, AddressHighByte(blockAddress_),
                            AddressLowByte(blockAddress_), static_cast<uint8_t>(kReadBlockBytes)};
        answerAwaited_ = true;
        blockAddress_ = static_cast<uint16_t>(blockAddress_ + kReadBlockBytes);
        return {ProtocolEvent::Acknowledged, request};
    }
    const uint16_t requested = static_cast<uint16_t>(blockAddress_ - kReadBlockBytes);
    const std::size_t replyBytes = frame::BlockHeaderBytes + kReadBlockBytes;
    if (answerAwaited_ && unconsumed_.size() == replyBytes && unconsumed_[0] == frame::Block &&
        unconsumed_[1] == AddressHighByte(requested) &&
        unconsumed_[2] == AddressLowByte(requested) &&
        memoryRead_.size() + kReadBlockBytes <= static_cast<std::size_t>(kReadBytes)) {
        memoryRead_.insert(memoryRead_.end(), unconsumed_.begin() + frame::BlockHeaderBytes,
                           unconsumed_.end());
        unconsumed_.clear();
        answerAwaited_ = false;
        ++blocksDone_;
        return {ProtocolEvent::BlockReceived, {frame::Ack}};
    }
    return {};
}

} // namespace tlv
