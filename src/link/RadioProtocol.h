// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The programming software's side of the radio protocol, over bytes: the frames to send, and
// which of the bytes the radio sent are an answer. No clock, no port, no editor and no messages:
// the caller (TransferSession) puts the frames on the wire, supervises the time and decides what
// a silence means.
//
// The bytes received since the last answer are kept together, and they are an answer only when
// they are exactly that answer: a 0x06 alone, an identification of exactly 8 bytes, the reply of
// exactly 68 bytes to the block last asked for. Anything else stays unconsumed, so that nothing
// further matches and the supervision ends the transfer: an answer is never taken in part, twice
// or out of turn, and the image of a read cannot shift.
#include "image/MemoryImage.h"
#include "link/RadioFrames.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <vector>

namespace tlv {

enum class TransferDirection { Read, Write };

// One frame of the program: a handshake, a single byte, a read request or a write block.
class Frame {
  public:
    static constexpr std::size_t kCapacity = frame::BlockHeaderBytes + kWriteBlockBytes;

    Frame() = default;
    Frame(std::initializer_list<uint8_t> bytes) { append({bytes.begin(), bytes.size()}); }
    // Adds bytes at the end; bytes beyond kCapacity are left out.
    void append(std::span<const uint8_t> bytes);

    std::span<const uint8_t> bytes() const { return {bytes_.data(), size_}; }
    bool empty() const { return size_ == 0; }
    bool operator==(const Frame& other) const;

  private:
    std::array<uint8_t, kCapacity> bytes_{};
    std::size_t size_ = 0;
};

// Whether an identification holds this model's mark. The mark is looked for among the answer's
// hexadecimal digits, so it is found half a byte off as well: radios answering that way have
// always been accepted.
bool HoldsIdentificationMark(std::span<const uint8_t> identification);

// What the bytes received were.
enum class ProtocolEvent {
    None,              // no answer (yet): the bytes are kept for the next ones
    HandshakeAnswered, // 0x06 to the handshake: the reply asks for the identification
    Identified,        // the radio identified itself as this model: the reply acknowledges it
    Acknowledged,      // a 0x06 of the data phase: the reply is the next request or block
    BlockReceived,     // the reply to the read request: the reply acknowledges it
    Completed,         // the 0x06 after the last block: nothing to reply, the end frame is due
};

struct ProtocolStep {
    ProtocolEvent event = ProtocolEvent::None;
    Frame reply; // the frame to send now; empty when there is none
};

class RadioProtocol {
  public:
    // Bytes received and not yet taken as an answer never exceed this: no answer is that long,
    // so bytes beyond could never match, and a device flooding the line cannot exhaust memory.
    static constexpr std::size_t kUnconsumedCap = 2048;
    // How many bytes of the handshake phase are kept, to say what came in place of an
    // identification.
    static constexpr std::size_t kHandshakeBytesKept = 24;

    enum class Phase {
        Idle,      // before the first transfer
        Handshake, // the handshake is out; waiting for 0x06 and the identification
        Data,      // identified: blocks are read or written
        Finished,  // completed or ended: nothing received is an answer until the next start
    };

    // Starts a transfer: everything received before is forgotten. Returns the handshake.
    Frame start(TransferDirection direction);
    // The image a write sends, given once the radio has identified itself, and whether the
    // power-level block goes too (service mode). A write sends no block without it.
    void setWriteImage(const MemoryImage& image, bool serviceMode);
    // A break on the line: the line delivers it as a NUL character, which is the first byte of
    // the data that follows and no part of an answer.
    void receiveBreak();
    // Bytes from the radio.
    ProtocolStep receive(std::span<const uint8_t> bytes);
    // Ends the transfer (completed, failed or stopped): nothing received from now on is an
    // answer. Returns the end frame, which the caller sends once it is ready to.
    Frame finish();

    Phase phase() const { return phase_; }
    TransferDirection direction() const { return direction_; }
    // Read: replies taken; write: blocks acknowledged.
    int blocksDone() const { return blocksDone_; }
    // The blocks of a complete transfer in this direction.
    int blocksTotal() const;
    // Whether any byte came since the start.
    bool anythingReceived() const { return anythingReceived_; }
    std::span<const uint8_t> unconsumed() const { return unconsumed_; }
    // What came during the handshake phase (at most kHandshakeBytesKept bytes).
    std::span<const uint8_t> handshakeReceived() const { return handshakeReceived_; }
    // The data of the read replies taken since the start, from kFirstBlockAddress on
    // (kReadBytes once a read is complete).
    std::span<const uint8_t> memoryRead() const { return memoryRead_; }
    // The image of a complete read: its first kImageBytes bytes.
    MemoryImage imageRead() const;
    // The address of the next block to ask for or to send.
    uint16_t nextBlockAddress() const { return blockAddress_; }

  private:
    bool holdsAloneAck() const;
    ProtocolStep handshakeAnswer();
    ProtocolStep writeAnswer();
    ProtocolStep readAnswer();

    Phase phase_ = Phase::Idle;
    TransferDirection direction_ = TransferDirection::Read;
    std::vector<uint8_t> unconsumed_;
    std::vector<uint8_t> handshakeReceived_;
    std::vector<uint8_t> memoryRead_;
    std::optional<MemoryImage> writeImage_;
    bool serviceMode_ = false;
    uint16_t blockAddress_ = 0;
    // Read: a request is out and its reply not yet taken. Write: a block is out and not yet
    // acknowledged.
    bool answerAwaited_ = false;
    bool breakPending_ = false;
    bool anythingReceived_ = false;
    int blocksDone_ = 0;
};

} // namespace tlv
