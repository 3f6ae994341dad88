// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A radio's side of a transfer for tests that drive a TransferSession by hand: its answers, its
// memory, and a host that records what the session does.
#include "link/TransferSession.h"

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

namespace tlv::test {

using Bytes = std::vector<uint8_t>;

inline const Bytes kIdent{0x50, 'L', 'K', '4', '7', '0', 0x00, 0x10};
inline const Bytes kAck{0x06};
inline const Bytes kEnd{0x45};

// The radio's memory for a read: `image` at 0x0010, then 0xFF.
inline Bytes radioMemory(const MemoryImage& image) {
    Bytes memory(0x1000, 0xFF);
    std::copy(image.begin(), image.end(), memory.begin() + 0x10);
    return memory;
}

// The radio's reply to the read request for `address`.
inline Bytes readReply(const Bytes& memory, int address) {
    Bytes reply{0x57, static_cast<uint8_t>(address >> 8), static_cast<uint8_t>(address), 0x40};
    reply.insert(reply.end(), memory.begin() + address, memory.begin() + address + 64);
    return reply;
}

class RecordingTransferHost : public TransferHost {
  public:
    std::vector<Bytes> sent;
    std::vector<TransferOutcome> outcomes;
    std::size_t sentAtEnd = 0; // frames sent when the end was told
    bool supervisionTimer = false;
    // Run while the end is told, as a message box's nested event loop would.
    std::function<void()> whileEnding;
    std::vector<MemoryImage> imagesToWrite;
    std::vector<MemoryImage> imagesRead;

    void sendBytes(std::span<const uint8_t> frame) override {
        sent.emplace_back(frame.begin(), frame.end());
    }
    void setSupervisionTimer(bool on) override { supervisionTimer = on; }
    void transferEnded(TransferOutcome outcome) override {
        outcomes.push_back(outcome);
        sentAtEnd = sent.size();
        if (whileEnding) std::exchange(whileEnding, nullptr)();
    }
    void imageAboutToBeWritten(const MemoryImage& image) override {
        imagesToWrite.push_back(image);
    }
    void imageRead(const MemoryImage& image) override { imagesRead.push_back(image); }
};

} // namespace tlv::test
