// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A read or a write of the radio over images, above the radio protocol: the supervision of the
// answers and of the whole transfer, the image a write sends (given at the start), the image a
// read received, the hand-off of both for the backups, and what ended a failed transfer.
//
// Events in:   start, stop, onBytes / onBreak (what the port received), onSupervisionTick
//              (every kSupervisionIntervalMs while that timer is on), onPortLost.
// Effects out: through TransferHost only: frames to send, the supervision timer, the two images
//              for the backups and the end.
// What it gives back: its status, the blocks done of the blocks a complete transfer moves, the
// radio's acknowledgements of the data phase, the outcome and the failure, the image read.
//
// No clock, port, editor, text or widget: the band question of a write is settled before it
// starts, and the status line (texts/TransferStatusLine.h), the messages and the loading of a
// read belong to the front ends. qt/TransferController drives a session over a serial port and a
// timer for the window and the command line; the web edition's page drives one over Web Serial.
// Everything runs on one thread. The host's end may run a nested event loop in which further
// ticks and bytes arrive; the session is written to be re-entered from there.
#include "image/MemoryImage.h"
#include "link/RadioProtocol.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace tlv {

inline constexpr int kSupervisionIntervalMs = 500;
inline constexpr int kSilenceTicksLimit = 6; // failure at the sixth silent supervision tick
// The longest a transfer may take, in supervision ticks: 60 seconds. A complete read at the
// radio's 9600 baud takes about 1.3 s and a write about 1.1 s (the band question of a write is
// settled before the port is used), so this leaves a wide margin for a slow radio while ending
// one that keeps a transfer alive for ever, answering but never finishing.
inline constexpr int kTransferLimitTicks = 120;

enum class TransferOutcome {
    Success,            // the whole memory read, or every block written
    CommunicationError, // the radio fell silent, the port went away or the time ran out
    Declined,           // No to the band question of a write; nothing was sent
    Stopped,            // stopped by the user before it ended
};

enum class TransferStatus {
    Idle,         // no transfer has started yet
    Connecting,   // the handshake is out: waiting for the radio to identify itself
    Transferring, // the radio identified itself: blocks are read or written
    Ended,        // ended on the wire: outcome() says how
};

// What ended a transfer with the communication error.
enum class FailureCause {
    None,                     // no failure (yet)
    NoAnswer,                 // nothing at all came back
    UnexpectedIdentification, // an answer came, but no identification of this model
    Stopped,                  // the data phase stopped after some blocks
    PortLost,                 // the port went away
    TimeLimit,                // the transfer took longer than kTransferLimitTicks
};

struct TransferFailure {
    FailureCause cause = FailureCause::None;
    TransferDirection direction = TransferDirection::Read;
    bool dataPhase = false; // the identification had been accepted
    int blocksDone = 0;     // read: replies taken; write: blocks acknowledged
    int blocksTotal = 0;    // blocks of a complete transfer
    std::string received;   // UnexpectedIdentification: what came, as spaced hex bytes
    std::string device;     // PortLost: the device
};

// What a session asks of its surroundings: the wire, the supervision timer, the backups' images
// and the end.
class TransferHost {
  public:
    virtual ~TransferHost() = default;
    // Writes one frame to the port unchanged; failures are ignored (the supervision sees them).
    virtual void sendBytes(std::span<const uint8_t> frame) = 0;
    // The supervision timer (kSupervisionIntervalMs) on or off. The first tick comes one
    // interval after switching on.
    virtual void setSupervisionTimer(bool on) = 0;
    // The transfer has ended (running() is false, outcome() set). Called before the end frame
    // goes out, so that what the user is told about the end - the failure's message, what a
    // read's image has to tell - comes first, as it always has; no transfer starts until the
    // host returns.
    virtual void transferEnded(TransferOutcome outcome) = 0;
    // The image a write is about to send (the radio has just identified itself; no block has
    // gone out yet), and the image a read has received (before it ends): the host may keep
    // copies.
    virtual void imageAboutToBeWritten(const MemoryImage& /*image*/) {}
    virtual void imageRead(const MemoryImage& /*image*/) {}
};

class TransferSession {
  public:
    // Keeps a reference to the host; it must outlive the session.
    explicit TransferSession(TransferHost& host) : host_(host) {}

    // Starts a read, or a write of `image` (with the power-level block only in service mode):
    // the handshake goes out and the supervision timer comes on. False, sending nothing, while a
    // transfer runs or is ending.
    bool start(TransferDirection direction, const MemoryImage& image = {},
               bool serviceMode = false);
    // Stops a running transfer at once, as the user ending the program does: the end comes as
    // Stopped, then the end frame goes out. A write stopped part-way leaves the radio with part
    // of the new memory. Nothing happens when no transfer runs.
    void stop();

    void onBytes(std::span<const uint8_t> bytes);
    // A break on the line: the first byte of the next data is the NUL character it arrived as.
    void onBreak() { protocol_.receiveBreak(); }
    void onSupervisionTick();
    // The port went away (unplugged, the other end hung up): a running transfer ends at once
    // with the communication error; the port is already closed.
    void onPortLost(const std::string& device);

    // A transfer is running (started and not yet ended).
    bool running() const { return running_; }
    TransferStatus status() const { return status_; }
    // The direction of the running or last transfer.
    TransferDirection direction() const { return direction_; }
    // Whether the radio identified itself in the running or last transfer.
    bool identified() const { return identified_; }
    // Read: replies taken; write: blocks acknowledged. Of blocksTotal() for a complete transfer.
    int blocksDone() const { return protocol_.blocksDone(); }
    int blocksTotal() const { return protocol_.blocksTotal(); }
    // The radio's acknowledgements (0x06) since it identified itself: the steps of the progress.
    int acknowledgements() const { return acknowledgements_; }
    // How the last transfer ended; nothing before the first end and while one runs.
    std::optional<TransferOutcome> outcome() const { return outcome_; }
    // What ended the last failed or stopped transfer (cause None after a success).
    const TransferFailure& failure() const { return failure_; }
    // The image of the last complete read, as the radio holds it.
    const std::optional<MemoryImage>& imageRead() const { return imageRead_; }
    // The image the last write sent, from the radio's identification on.
    const std::optional<MemoryImage>& imageWritten() const { return imageWritten_; }
    // The bytes read by the running or last transfer, from kFirstBlockAddress on.
    std::span<const uint8_t> memoryRead() const { return protocol_.memoryRead(); }
    const RadioProtocol& protocol() const { return protocol_; }
    bool supervisionTimerOn() const { return supervisionTimerOn_; }

  private:
    void answered(const ProtocolStep& step);
    void identify();
    void complete();
    void noteFailure(FailureCause cause);
    void end(TransferOutcome outcome);
    void send(const Frame& frame);
    void switchSupervisionTimer(bool on);

    TransferHost& host_;
    RadioProtocol protocol_;
    TransferDirection direction_ = TransferDirection::Read;
    TransferStatus status_ = TransferStatus::Idle;
    MemoryImage imageToWrite_{};
    bool serviceMode_ = false;
    bool running_ = false;
    // Ended on the wire (completed, failed or stopped); the host may still be told of the end.
    bool finished_ = false;
    bool ending_ = false; // inside the host's transferEnded
    bool identified_ = false;
    int acknowledgements_ = 0;
    int silenceTicks_ = 0;  // supervision ticks since the last answer
    int transferTicks_ = 0; // supervision ticks since the start
    bool supervisionTimerOn_ = false;
    std::optional<TransferOutcome> outcome_;
    std::optional<MemoryImage> imageRead_;
    std::optional<MemoryImage> imageWritten_;
    TransferFailure failure_;
};

} // namespace tlv
