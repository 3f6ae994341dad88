// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A read or a write of the radio as the user follows it, above the radio protocol: the band
// question, the supervision of the answers and of the whole transfer, the status text and its
// blinking, the progress bar, the image a write sends (encoded from the editor when the radio has
// identified itself) and the image a read loads into the editor, the hand-off of both for the
// backups, and what ended a failed transfer.
//
// Events in:   start, stop, onBytes / onBreak (what the port received), onSupervisionTick
//              (every kSupervisionIntervalMs while that timer is on), onStatusTick (every
//              kStatusIntervalMs while that timer is on), onPortLost.
// Effects out: through TransferHost only: frames to send, the two timers, the status text,
//              the progress bar, the controls, the messages for the user and the band question.
//
// No clock, port, widget or message box: qt/TransferController drives a session over a
// QSerialPort and two QTimers for the window and the command line alike. Everything runs on one
// thread. The host's messages may run a nested event loop in which further ticks and bytes
// arrive; the session is written to be re-entered from there.
#include "editor/EditorState.h"
#include "image/MemoryImage.h"
#include "language/Language.h"
#include "language/Messages.h"
#include "link/RadioProtocol.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace tlv {

inline constexpr int kSupervisionIntervalMs = 500;
inline constexpr int kStatusIntervalMs = 200;
inline constexpr int kProgressMaximum = 460; // the progress bar's range is 0..kProgressMaximum
inline constexpr int kSilenceTicksLimit = 6; // failure at the sixth silent supervision tick
inline constexpr int kEndNoticeTicks = 6;    // status ticks the end text blinks
// The longest a transfer may take, in supervision ticks: 60 seconds. A complete read at the
// radio's 9600 baud takes about 1.3 s and a write about 1.1 s (the band question of a write is
// settled before the port is used), so this leaves a wide margin for a slow radio while ending
// one that keeps a transfer alive for ever, answering but never finishing.
inline constexpr int kTransferLimitTicks = 120;

enum class TransferOutcome {
    Success,            // read loaded into the editor, or every block written
    CommunicationError, // the radio fell silent, the port went away or the time ran out
    Declined,           // No to the band question of a write; nothing was sent
    Stopped,            // stopped by the user before it ended
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

// The lines that follow the communication error: what happened and, after a write that
// stopped after at least one block, that the radio holds part of the new memory. Empty for
// no failure.
std::string DescribeFailure(const TransferFailure& failure, Language language);

// What a session asks of its surroundings. Everything but the port, the timers and the user's
// messages is optional for a host without widgets.
class TransferHost {
  public:
    virtual ~TransferHost() = default;
    // Whether the serial port is open (looked at before a transfer starts).
    virtual bool portIsOpen() const = 0;
    // Writes one frame to the port unchanged; failures are ignored (the supervision sees them).
    virtual void sendBytes(std::span<const uint8_t> frame) = 0;
    // The supervision timer (kSupervisionIntervalMs) and the status timer (kStatusIntervalMs)
    // on or off. The first tick comes one interval after switching on.
    virtual void setSupervisionTimer(bool on) = 0;
    virtual void setStatusTimer(bool on) = 0;
    // A message for the user, shown at once (modally in the window): the port not open, the
    // communication error with its cause, and what a read's image has to tell.
    virtual void tell(const Notice& notice) = 0;
    // The band question of a write (msg::BandMismatch): true to go on with the editor's band.
    virtual bool confirmBandMismatch() = 0;

    // The status line: its text and visibility.
    virtual void setStatusText(const std::string& /*text*/) {}
    virtual void setStatusVisible(bool /*visible*/) {}
    // The progress bar (range 0..kProgressMaximum).
    virtual void setProgress(bool /*visible*/, int /*value*/) {}
    // The toolbar as a whole, its Read and Write buttons, and the programming menu.
    virtual void setTransferControlsEnabled(bool /*enabled*/) {}
    // Enables the band frame and gives the focus to the band list.
    virtual void focusBandList() {}
    // The transfer has ended (end frame sent). After Success and Declined the end text still
    // blinks until the controls come back (setTransferControlsEnabled(true)).
    virtual void transferEnded(TransferOutcome /*outcome*/) {}
    // The image a write is about to send (the radio has just identified itself; no block has
    // gone out yet), and the image a read has received (before it is loaded): the host may keep
    // copies.
    virtual void imageAboutToBeWritten(const MemoryImage& /*image*/) {}
    virtual void imageRead(const MemoryImage& /*image*/) {}
};

class TransferSession {
  public:
    // Keeps references to both; they must outlive the session.
    TransferSession(EditorState& editor, TransferHost& host);

    // Starts a read or a write. Returns false, after the port-not-open message, when the port is
    // closed; also false (silently) while a transfer is running. A write first asks the band
    // question when the band differs from the one the link last agreed: No ends it
    // (transferEnded(Declined), false) before anything is sent.
    bool start(TransferDirection direction);
    // Stops a running transfer at once, as the user ending the program does: the end frame goes
    // out, the controls come back and transferEnded(Stopped) follows. A write stopped part-way
    // leaves the radio with part of the new memory. Nothing happens when no transfer runs.
    void stop();

    void onBytes(std::span<const uint8_t> bytes);
    // A break on the line: the first byte of the next data is the NUL character it arrived as.
    void onBreak() { protocol_.receiveBreak(); }
    void onSupervisionTick();
    void onStatusTick();
    // The port went away (unplugged, the other end hung up): a running transfer ends at once
    // with the communication error; the port is already closed.
    void onPortLost(const std::string& device);

    // A transfer is running (started and not yet ended).
    bool running() const { return running_; }
    // The direction of the running or last transfer (a declined write included).
    TransferDirection direction() const { return direction_; }
    // What ended the last failed or stopped transfer (cause None after a success).
    const TransferFailure& lastFailure() const { return failure_; }
    // The image the last write sent, encoded from the editor when the radio identified itself.
    const std::optional<MemoryImage>& imageWritten() const { return imageWritten_; }
    // The bytes read by the running or last transfer, from kFirstBlockAddress on.
    std::span<const uint8_t> memoryRead() const { return protocol_.memoryRead(); }
    // The band the band question last settled (Yes or No); the first band before any question.
    int agreedBand() const { return agreedBand_; }
    const RadioProtocol& protocol() const { return protocol_; }

    int progressValue() const { return progressValue_; }
    bool progressVisible() const { return progressVisible_; }
    bool statusVisible() const { return statusVisible_; }
    bool supervisionTimerOn() const { return supervisionTimerOn_; }
    bool statusTimerOn() const { return statusTimerOn_; }

  private:
    bool settleBandQuestion();
    void answered(const ProtocolStep& step);
    void identified();
    void stepProgress();
    void finishWrite();
    void finishRead();
    void noteFailure(FailureCause cause);
    void fail(FailureCause cause);
    void end(TransferOutcome outcome);
    void send(const Frame& frame);
    void switchSupervisionTimer(bool on);
    void switchStatusTimer(bool on);
    void setStatusVisible(bool visible);
    void setProgress(bool visible, int value);

    EditorState& editor_;
    TransferHost& host_;
    RadioProtocol protocol_;
    TransferDirection direction_ = TransferDirection::Read;
    bool running_ = false;
    // Ended on the wire (completed, failed or stopped); a read may still be loading its image.
    bool finished_ = false;
    bool questionOpen_ = false;
    int agreedBand_ = 0;
    int silenceTicks_ = 0;  // supervision ticks since the last answer
    int transferTicks_ = 0; // supervision ticks since the start
    bool endNoticePending_ = false;
    int endNoticeTicks_ = 0;
    bool supervisionTimerOn_ = false;
    bool statusTimerOn_ = false;
    bool statusVisible_ = false;
    bool progressVisible_ = false;
    int progressValue_ = 0;
    std::optional<MemoryImage> imageWritten_;
    TransferFailure failure_;
};

} // namespace tlv
