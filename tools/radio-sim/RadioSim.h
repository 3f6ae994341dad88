// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The simulated radio's side of the programming protocol: memory, frame parsing and answers,
// with switchable faults. Pure logic; main.cpp moves the bytes over a pseudo-terminal. The
// frames and addresses are the ones link/RadioFrames.h describes for both ends of the cable.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tlv::sim {

inline constexpr std::size_t kMemoryBytes = 0x1000; // radio addresses 0x0000-0x0FFF

struct Faults {
    bool silent = false;              // answer nothing at all
    bool wrongIdentification = false; // identification of another model (LK460)
    int stopAfterBlocks = -1;         // stop answering after this many blocks (read or write)
    bool doubleHandshake = false;     // answer the handshake with 0x06 twice
    int splitChunk = 0;               // send answers in chunks of this many bytes (0: whole)
    bool breakBeforeReply = false;    // a break (seen as a NUL byte) before every data-phase answer
    int stuckAddress = -1;            // a memory cell that keeps its value on every write
};

// One answer: bytes to send, and whether a break precedes them.
struct Reply {
    std::vector<uint8_t> bytes;
    bool breakFirst = false;
};

class RadioSim {
  public:
    RadioSim();
    explicit RadioSim(Faults faults);

    // Loads a .DAT file ("QDM74" + image) into memory at 0x0010; false with a reason when the
    // file cannot be read or is not a data file.
    bool loadDat(const std::string& path, std::string& error);
    // Writes memory 0x0010.. as a .DAT file (atomically: temporary file, then rename).
    bool saveDat(const std::string& path, std::string& error) const;

    // Feeds received bytes; returns the answers in order.
    std::vector<Reply> receive(const std::vector<uint8_t>& bytes);

    // Set when an end frame has been received since the last call.
    bool takeEnded();

    std::array<uint8_t, kMemoryBytes>& memory() { return memory_; }
    int blocksAnswered() const { return blocks_; }

  private:
    enum class Phase { Idle, Identify, Data };
    void answer(std::vector<Reply>& out, std::vector<uint8_t> bytes, bool countsBlock,
                bool breakFirst = false);

    Faults faults_;
    std::array<uint8_t, kMemoryBytes> memory_{};
    Phase phase_ = Phase::Idle;
    std::vector<uint8_t> pending_; // bytes of an incomplete frame
    int blocks_ = 0;
    bool stopped_ = false;
    bool ended_ = false;
    bool secondAckDue_ = false;
};

} // namespace tlv::sim
