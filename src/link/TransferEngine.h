#pragma once
// The read/write transfer with the radio and its supervision, as an event-driven state machine
// free of any clock, port or widget.
//
// Events in:   StartTransfer, onReceive (bytes received, break), onSupervisionTick (supervision,
//              every 500 ms while on), onStatusTick (status blinking, every 200 ms while on).
//              onPortLost (the port went away).
// Effects out: through TransferHost (bytes to send, status label, progress bar, timers,
//              controls) and MessageBoxService (port-not-open, band question, communication
//              error). A read ends by decoding the received image into the EditorState; a write
//              sends the image that was encoded from the EditorState when the radio identified
//              itself.
//
// Everything runs on one thread. Message boxes may run a nested event loop in which further
// ticks and received data arrive; the engine is written to be re-entered from there.
//
// Use without widgets (command line): implement TransferHost (send to the port, switch two
// timers, optionally follow progress), call StartTransfer('R' or 'W'), feed received bytes to
// onReceive and the timer ticks to onSupervisionTick/onStatusTick, and wait for
// TransferHost::transferEnded. The qt/TransferController does exactly this over a QSerialPort.
#include "editor/EditorState.h"
#include "image/ImageLayout.h"
#include "localisation/LocalMsgBox.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tlv {

inline constexpr int kSupervisionIntervalMs = 500; // supervision timer
inline constexpr int kStatusIntervalMs = 200;      // status timer
inline constexpr int kProgressMaximum = 460;       // progress range 0..460
inline constexpr int kSilenceTicksLimit = 6;       // failure at the sixth silent supervision tick
inline constexpr int kEndNoticeTicks = 6;          // status ticks the end text stays
// ReceiveText never grows beyond this many hex digits: no answer is that long, so bytes beyond
// it could never match anyway, and a device flooding the line cannot exhaust memory.
inline constexpr std::size_t kReceiveTextCap = 4096;
// The longest a transfer may take, in supervision ticks: 60 seconds. A complete read at the
// radio's 9600 baud takes about 1.3 s and a write about 1.1 s (the band question of a write is
// settled before the port is used), so this leaves a wide margin for a slow radio while ending
// one that keeps a transfer alive for ever, answering but never finishing.
inline constexpr int kTransferLimitTicks = 120;

// Radio addresses of the transfer.
inline constexpr uint16_t kFirstBlockAddress = kImageBaseAddress;
inline constexpr uint16_t kReadEndAddress = 0x0410;  // 16 blocks of 64 bytes
inline constexpr uint16_t kWriteEndAddress = 0x0360; // 16-byte blocks up to 0x0350
inline constexpr uint16_t kPowerBlockAddress = 0x0180;
inline constexpr int kReadBlockBytes = 64;
inline constexpr int kWriteBlockBytes = 16;
inline constexpr int kReadBlocks = (kReadEndAddress - kFirstBlockAddress) / kReadBlockBytes;
// Blocks of a write without the power-level block (with it, one more).
inline constexpr int kWriteBlocks = 46;
// ReadImageText of a complete read: 16 blocks of 64 bytes as hex digits.
inline constexpr std::size_t kReadImageDigits = 2 * kReadBlocks * kReadBlockBytes;

// Whether a write sends the 16-byte block at `address`: every block from kFirstBlockAddress up
// to kWriteEndAddress except the power-level block (sent only in service mode), 0x0190..0x01AF
// and 0x01C0..0x01FF.
bool IsWrittenBlock(uint16_t address, int serviceMode);

// The first address a write sends whose byte reads back differently, comparing the written
// image with the image of a read (both ImageText from kFirstBlockAddress); nullopt when every
// written byte reads back the same. A read-back too short to hold a written byte differs there.
std::optional<uint16_t> FirstDifferingWrittenAddress(const std::string& writtenImageText,
                                                     const std::string& readImageText,
                                                     int serviceMode);

// Frame bytes.
namespace frame {
inline constexpr uint8_t Ack = 0x06;
inline constexpr uint8_t IdentRequest = 0x02;
inline constexpr uint8_t ReadRequest = 0x52;
inline constexpr uint8_t Block = 0x57;
inline constexpr uint8_t End = 0x45;
inline constexpr const char* Handshake = "RB-PROG";
inline constexpr const char* IdentMarkHex = "4C4B343730"; // "LK470"
} // namespace frame

// Kinds of receive notification that matter.
enum class CommEvent : int { Receive = 2, Break = 1001 };

enum class TransferOutcome {
    Success,            // read decoded into the editor, or every block written
    CommunicationError, // six supervision ticks without an accepted answer
    Declined,           // No to the band question of a write; nothing was sent
    ImageRejected,      // a read whose image the decoder refused; the editor is unchanged
    Stopped,            // stopped by the user (StopTransfer) before it ended
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
    char direction = 0;     // 'R' or 'W'
    bool dataPhase = false; // the identification had been accepted
    int blocksDone = 0;     // read: replies taken; write: blocks acknowledged
    int blocksTotal = 0;    // blocks of a complete transfer
    std::string received;   // UnexpectedIdentification: what came, as spaced hex bytes
    std::string device;     // PortLost: the device
};

// The lines that follow the communication error: what happened and, after a write that
// stopped after at least one block, that the radio holds part of the new memory. Empty for
// no failure.
std::string DescribeFailure(const TransferFailure& failure, int languageState);

// The state of a transfer; kept between transfers.
struct TransferState {
    std::string transferDirection;   // TransferDirection: "R", "W"; empty before the first
    int16_t handshakePending = 0;    // HandshakePending
    std::string receiveText;         // ReceiveText: unconsumed bytes as upper-case hex digits
    std::vector<uint8_t> sendBuffer; // SendBuffer: the frame last sent
    uint16_t blockAddress = 0;       // BlockAddress
    std::string writeImageText;      // WriteImageText: EncodeImage at identification
    std::string readImageText;       // ReadImageText: data of the read replies
    int16_t linkBand = 0;            // LinkBand: band agreed by the band question
    bool breakPending = false;       // BreakPending
    int16_t silenceTicks = 0;        // SilenceTicks
    int16_t transferFinished = 0;    // TransferFinished
    int16_t endNoticePending = 0;    // EndNoticePending
    int16_t endNoticeTicks = 0;      // EndNoticeTicks
};

// What the engine asks of its surroundings. Everything but the port and the timers is
// optional for a host without widgets.
class TransferHost {
  public:
    virtual ~TransferHost() = default;
    // Whether the serial port is open (checked before a transfer starts).
    virtual bool portIsOpen() const = 0;
    // SendBytes: writes one frame to the port unchanged; failures are ignored.
    virtual void sendBytes(std::span<const uint8_t> frame) = 0;
    // The supervision timer (kSupervisionIntervalMs) and the status timer (kStatusIntervalMs)
    // on or off. The first tick
    // comes one interval after switching on.
    virtual void setSupervisionTimer(bool on) = 0;
    virtual void setStatusTimer(bool on) = 0;

    // The status label Label: its text and visibility.
    virtual void setStatusText(const std::string& /*text*/) {}
    virtual void setStatusVisible(bool /*visible*/) {}
    // The progress bar (range 0..kProgressMaximum).
    virtual void setProgress(bool /*visible*/, int /*value*/) {}
    // The toolbar as a whole, its Read and Write buttons, and the programming menu.
    virtual void setTransferControlsEnabled(bool /*enabled*/) {}
    // Enables the band frame and gives the focus to the band list.
    virtual void focusBandList() {}
    // The transfer has ended (TransferFinished set, end frame sent). After Success, Declined
    // the end text still blinks until the controls come back (setTransferControlsEnabled(true)).
    virtual void transferEnded(TransferOutcome /*outcome*/) {}

    // The image a write is about to send (the radio has just identified itself; no block has
    // gone out yet), and the image a read has received (before it is decoded), each as
    // kImageDigits hex digits: the host may keep copies.
    virtual void imageAboutToBeWritten(std::string_view /*imageText*/) {}
    virtual void imageRead(std::string_view /*imageText*/) {}
};

class TransferEngine {
  public:
    // The engine keeps references; all three must outlive it.
    TransferEngine(EditorState& editor, MessageBoxService& box, TransferHost& host);

    // Starts a read ('R') or a write ('W'). Returns false, after the port-not-open message, when
    // the port is closed; also false (silently) while a transfer is running or for another
    // direction. A write first asks the band question when the band differs from the one the
    // link last agreed: No ends it (transferEnded(Declined), false) before anything is sent.
    bool StartTransfer(char direction);

    // Stops a running transfer at once, as the user ending the program does: the end frame goes
    // out, the controls come back and transferEnded(Stopped) follows. A write stopped part-way
    // leaves the radio with part of the new memory. Nothing happens when no transfer runs.
    void StopTransfer();

    // Receive notification: Receive with the bytes waiting, or Break.
    void onReceive(CommEvent kind, std::span<const uint8_t> data = {});
    void onBytes(std::span<const uint8_t> data) { onReceive(CommEvent::Receive, data); }
    void onBreak() { onReceive(CommEvent::Break); }

    void onSupervisionTick(); // supervision tick
    void onStatusTick();      // status tick
    // The port went away (unplugged, the other end hung up): a running transfer ends at once
    // with the communication error; the port is already closed.
    void onPortLost(const std::string& device);

    // What ended the last failed transfer (cause None while running or after a success).
    const TransferFailure& lastFailure() const { return failure_; }

    const TransferState& state() const { return state_; }
    TransferState& state() { return state_; }
    // A transfer is running (started and not yet ended).
    bool running() const { return running_; }
    int progressValue() const { return progressValue_; }
    bool progressVisible() const { return progressVisible_; }
    bool statusVisible() const { return statusVisible_; }
    bool supervisionTimerOn() const { return supervisionTimerOn_; }
    bool statusTimerOn() const { return statusTimerOn_; }

  private:
    bool askBandQuestion();
    void sendFrame(std::vector<uint8_t> frame);
    void switchSupervisionTimer(bool on);
    void switchStatusTimer(bool on);
    void setStatusVisible(bool visible);
    void setProgress(bool visible, int value);
    void appendReceived(std::span<const uint8_t> data);
    void interpret();
    void handshakePhase();
    void writePhase();
    void readPhase();
    void finishRead();
    void end(TransferOutcome outcome);
    void fail(FailureCause cause);

    EditorState& editor_;
    MessageBoxService& box_;
    TransferHost& host_;
    TransferState state_;
    bool running_ = false;
    bool questionOpen_ = false;
    bool supervisionTimerOn_ = false;
    bool statusTimerOn_ = false;
    bool statusVisible_ = false;
    bool progressVisible_ = false;
    int progressValue_ = 0;
    std::vector<uint8_t> writeImage_; // WriteImageText as bytes, for cutting the blocks
    // Read: a request is out and its reply not yet taken. Write: a block is out and not yet
    // acknowledged.
    bool answerAwaited_ = false;
    int transferTicks_ = 0; // supervision ticks since the start
    bool anythingReceived_ = false;
    std::string handshakeBytes_; // what came during the handshake (hex), for the failure text
    TransferFailure failure_;    // blocksDone/blocksTotal count while running
};

} // namespace tlv
