#include "link/TransferEngine.h"

#include "image/Conversions.h"
#include "image/ImageCodec.h"
#include "image/ImageLayout.h"
#include "localisation/Messages.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace tlv {

namespace {

uint8_t highByte(uint16_t address) {
    return static_cast<uint8_t>(address >> 8);
}
uint8_t lowByte(uint16_t address) {
    return static_cast<uint8_t>(address & 0xFF);
}

// At most this many bytes of the handshake's answers are kept for the failure text.
constexpr std::size_t kHandshakeBytesShown = 24;

// Hex digits shown as separate bytes: "06504C" gives "06 50 4C".
std::string spacedBytes(const std::string& hex) {
    std::string out;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        if (!out.empty()) out += ' ';
        out.append(hex, i, 2);
    }
    return out;
}

} // namespace

bool IsWrittenBlock(uint16_t address, int serviceMode) {
    if (address < kFirstBlockAddress || address >= kWriteEndAddress) return false;
    if (address == kPowerBlockAddress) return serviceMode != 0;
    return !(address >= 0x0190 && address < 0x01B0) && !(address >= 0x01C0 && address < 0x0200);
}

std::optional<uint16_t> FirstDifferingWrittenAddress(const std::string& writtenImageText,
                                                     const std::string& readImageText,
                                                     int serviceMode) {
    for (uint16_t block = kFirstBlockAddress; block < kWriteEndAddress;
         block = static_cast<uint16_t>(block + kWriteBlockBytes)) {
        if (!IsWrittenBlock(block, serviceMode)) continue;
        for (uint16_t address = block; address < block + kWriteBlockBytes; ++address) {
            const std::size_t digit = 2u * (address - kFirstBlockAddress);
            if (digit + 2 > writtenImageText.size()) return std::nullopt; // nothing written there
            if (digit + 2 > readImageText.size() ||
                readImageText.compare(digit, 2, writtenImageText, digit, 2) != 0)
                return address;
        }
    }
    return std::nullopt;
}

std::string DescribeFailure(const TransferFailure& failure, int languageState) {
    std::vector<std::string> lines;
    auto say = [&](const LocalText& text, const std::string& a = {}, const std::string& b = {}) {
        lines.push_back(Localise(languageState, text, a, b));
    };
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
        say(failure.direction == 'W' ? cause::WriteStopped : cause::ReadStopped,
            std::to_string(failure.blocksDone), std::to_string(failure.blocksTotal));
    }
    if (failure.direction == 'W' && failure.blocksDone > 0) say(cause::PartlyWritten);
    std::string text;
    for (const std::string& line : lines)
        text += (text.empty() ? "" : "\n") + line;
    return text;
}

TransferEngine::TransferEngine(EditorState& editor, MessageBoxService& box, TransferHost& host)
    : editor_(editor), box_(box), host_(host) {}

bool TransferEngine::StartTransfer(char direction) {
    if (direction != 'R' && direction != 'W') return false;
    if (running_ || questionOpen_) return false;
    if (!host_.portIsOpen()) {
        ShowMessage(box_, editor_.languageState, msg::PortNotOpen);
        return false;
    }
    if (direction == 'W' && !askBandQuestion()) return false;
    host_.setTransferControlsEnabled(false);
    state_.receiveText.clear();
    state_.transferDirection = std::string(1, direction);
    state_.handshakePending = 1;
    state_.transferFinished = 0;
    state_.breakPending = false;
    // An end notice still counting from the previous transfer would bring the controls back in
    // the middle of this one.
    state_.endNoticePending = 0;
    state_.endNoticeTicks = 0;
    answerAwaited_ = false;
    transferTicks_ = 0;
    anythingReceived_ = false;
    handshakeBytes_.clear();
    failure_ = TransferFailure{};
    failure_.direction = direction;
    running_ = true;
    host_.focusBandList();
    sendFrame(std::vector<uint8_t>(frame::Handshake, frame::Handshake + 7));
    host_.setStatusText(Localise(editor_.languageState, status::Communicating));
    switchSupervisionTimer(true);
    switchStatusTimer(true);
    return true;
}

// The band question of a write comes before anything is sent, so that a No leaves the radio
// untouched and no time-out can run while the user reads the question. It is asked once for each
// band the list is set to: LinkBand remembers the band of the last answer, Yes or No.
bool TransferEngine::askBandQuestion() {
    if (state_.linkBand == editor_.currentBand) return true;
    state_.linkBand = static_cast<int16_t>(editor_.currentBand);
    questionOpen_ = true;
    const int answer = ShowMessage(box_, editor_.languageState, msg::BandMismatch);
    questionOpen_ = false;
    if (answer != IdNo) return true;
    // Declined: the question's text blinks in the status line for a moment, as the end text of a
    // transfer does, and then the controls come back.
    host_.setTransferControlsEnabled(false);
    state_.transferDirection = "W";
    state_.transferFinished = 1;
    host_.setStatusText(Localise(editor_.languageState, msg::BandMismatch.text));
    state_.endNoticePending = 1;
    state_.endNoticeTicks = 0;
    switchStatusTimer(true);
    host_.transferEnded(TransferOutcome::Declined);
    return false;
}

void TransferEngine::StopTransfer() {
    // A transfer that is already ending (a read being decoded) finishes by itself.
    if (!running_ || state_.transferFinished) return;
    failure_.cause = FailureCause::Stopped; // with the blocks done so far
    state_.transferFinished = 1;
    state_.silenceTicks = 0;
    state_.receiveText.clear();
    switchSupervisionTimer(false);
    switchStatusTimer(false);
    setStatusVisible(false);
    setProgress(false, progressValue_);
    running_ = false;
    sendFrame({frame::End});
    host_.setTransferControlsEnabled(true);
    host_.transferEnded(TransferOutcome::Stopped);
}

void TransferEngine::onReceive(CommEvent kind, std::span<const uint8_t> data) {
    if (kind == CommEvent::Break) {
        state_.breakPending = true;
        return;
    }
    if (kind != CommEvent::Receive || data.empty()) return;
    // A break arrives as a NUL character in the data that follows it: the first byte of this
    // notification is that character, not part of an answer.
    if (state_.breakPending) {
        state_.breakPending = false;
        data = data.subspan(1);
    }
    appendReceived(data);
    if (state_.transferFinished) return;
    if (running_ && !data.empty()) {
        anythingReceived_ = true;
        if (state_.handshakePending == 1 && handshakeBytes_.size() < 2 * kHandshakeBytesShown) {
            std::size_t room = kHandshakeBytesShown - handshakeBytes_.size() / 2;
            handshakeBytes_ += BytesToImageText(data.data(), std::min(room, data.size()));
        }
    }
    interpret();
}

void TransferEngine::appendReceived(std::span<const uint8_t> data) {
    // Bytes beyond the cap are dropped: they could not match an answer anyway.
    std::string& text = state_.receiveText;
    const std::size_t room = (kReceiveTextCap - std::min(text.size(), kReceiveTextCap)) / 2;
    text += BytesToImageText(data.data(), std::min(room, data.size()));
}

void TransferEngine::interpret() {
    if (state_.handshakePending == 1) {
        handshakePhase();
    } else if (state_.transferDirection == "W") {
        writePhase();
    } else if (state_.transferDirection == "R") {
        readPhase();
    }
}

void TransferEngine::handshakePhase() {
    std::string& text = state_.receiveText;
    if (text == "06") {
        state_.silenceTicks = 0;
        text.clear();
        sendFrame({frame::IdentRequest});
    } else if (text.size() == 16 && text.find(frame::IdentMarkHex) != std::string::npos) {
        state_.silenceTicks = 0;
        sendFrame({frame::Ack});
        text.clear();
        state_.handshakePending = 0;
        state_.blockAddress = kFirstBlockAddress;
        state_.writeImageText = EncodeImage(editor_);
        // EncodeImage always gives the full image; anything else would send no block.
        auto bytes = ImageTextToBytes(state_.writeImageText);
        writeImage_ =
            bytes && bytes->size() == kImageBytes ? std::move(*bytes) : std::vector<uint8_t>{};
        state_.readImageText.clear();
        answerAwaited_ = false;
        failure_.dataPhase = true;
        failure_.blocksDone = 0;
        failure_.blocksTotal = state_.transferDirection == "W"
                                   ? kWriteBlocks + (editor_.serviceMode != 0 ? 1 : 0)
                                   : kReadBlocks;
        setProgress(true, 0);
        if (state_.transferDirection == "W" && !writeImage_.empty())
            host_.imageAboutToBeWritten(state_.writeImageText);
    }
}

void TransferEngine::writePhase() {
    if (state_.receiveText != "06") return;
    if (progressValue_ < 450) setProgress(progressVisible_, progressValue_ + 10);
    state_.silenceTicks = 0;
    state_.receiveText.clear();
    if (answerAwaited_) {
        answerAwaited_ = false;
        ++failure_.blocksDone;
    }

    if (state_.blockAddress == kWriteEndAddress) {
        host_.setStatusText(Localise(editor_.languageState, status::WriteSuccess));
        state_.endNoticePending = 1;
        setProgress(false, progressValue_);
        state_.transferFinished = 1;
        switchSupervisionTimer(false);
        sendFrame({frame::End});
        end(TransferOutcome::Success);
        return;
    }

    uint16_t& address = state_.blockAddress;
    while (address < kWriteEndAddress && !IsWrittenBlock(address, editor_.serviceMode))
        address = static_cast<uint16_t>(address + kWriteBlockBytes);

    // An image that could not be encoded puts nothing on the wire; the supervision ends it.
    std::size_t offset = address - kFirstBlockAddress;
    if (writeImage_.size() < offset + kWriteBlockBytes) return;
    std::vector<uint8_t> block{frame::Block, highByte(address), lowByte(address),
                               static_cast<uint8_t>(kWriteBlockBytes)};
    block.insert(block.end(), writeImage_.begin() + static_cast<std::ptrdiff_t>(offset),
                 writeImage_.begin() + static_cast<std::ptrdiff_t>(offset + kWriteBlockBytes));
    sendFrame(std::move(block));
    answerAwaited_ = true;
    address = static_cast<uint16_t>(address + kWriteBlockBytes);
}

void TransferEngine::readPhase() {
    std::string& text = state_.receiveText;
    // While a request is out only its reply is an answer: an acknowledgement then is out of
    // turn and stays unconsumed, so that nothing else can match and the supervision ends the
    // read. A block is never skipped, repeated or taken unasked, so the image cannot shift.
    if (text == "06" && !answerAwaited_) {
        if (progressValue_ < kProgressMaximum) setProgress(progressVisible_, progressValue_ + 25);
        state_.silenceTicks = 0;
        text.clear();
        if (state_.blockAddress != kReadEndAddress) {
            uint16_t address = state_.blockAddress;
            sendFrame({frame::ReadRequest, highByte(address), lowByte(address),
                       static_cast<uint8_t>(kReadBlockBytes)});
            answerAwaited_ = true;
            state_.blockAddress = static_cast<uint16_t>(address + kReadBlockBytes);
        } else {
            finishRead();
        }
        return;
    }
    std::string requested = WordToHex(static_cast<uint16_t>(state_.blockAddress - kReadBlockBytes));
    if (answerAwaited_ && text.size() == 136 && text.compare(0, 2, "57") == 0 &&
        text.compare(2, 2, requested, 0, 2) == 0 && text.compare(4, 2, requested, 2, 2) == 0 &&
        state_.readImageText.size() + 128 <= kReadImageDigits) {
        state_.silenceTicks = 0;
        state_.readImageText.append(text, 8, 128);
        text.clear();
        answerAwaited_ = false;
        ++failure_.blocksDone;
        sendFrame({frame::Ack});
    }
}

void TransferEngine::finishRead() {
    // The transfer is over before the image is decoded: the decoder may show a message, and the
    // supervision must not report a failure while that message is open.
    switchSupervisionTimer(false);
    state_.transferFinished = 1;
    setProgress(false, progressValue_);
    // The image as the radio holds it, before the decoder sees it.
    host_.imageRead(std::string_view(state_.readImageText).substr(0, kImageDigits));
    // The band stays as the decoder took it from the radio's image.
    bool decoded = DecodeImage(editor_, state_.readImageText, box_);
    if (decoded) {
        host_.setStatusText(Localise(editor_.languageState, status::ReadSuccess));
        state_.endNoticePending = 1;
    }
    sendFrame({frame::End});
    if (decoded) {
        end(TransferOutcome::Success);
    } else {
        // No success text to show: the controls come back at once.
        switchStatusTimer(false);
        setStatusVisible(false);
        host_.setTransferControlsEnabled(true);
        end(TransferOutcome::ImageRejected);
    }
}

void TransferEngine::end(TransferOutcome outcome) {
    running_ = false;
    host_.transferEnded(outcome);
}

void TransferEngine::onSupervisionTick() {
    if (!supervisionTimerOn_) return;
    if (++transferTicks_ >= kTransferLimitTicks) {
        fail(FailureCause::TimeLimit);
        return;
    }
    ++state_.silenceTicks;
    if (state_.silenceTicks < kSilenceTicksLimit) return;
    if (!anythingReceived_) {
        fail(FailureCause::NoAnswer);
    } else if (state_.handshakePending == 1) {
        fail(FailureCause::UnexpectedIdentification);
    } else {
        fail(FailureCause::Stopped);
    }
}

void TransferEngine::onPortLost(const std::string& device) {
    if (!running_ || state_.transferFinished) return;
    failure_.device = device;
    fail(FailureCause::PortLost);
}

void TransferEngine::fail(FailureCause cause) {
    failure_.cause = cause;
    if (cause == FailureCause::UnexpectedIdentification)
        failure_.received = spacedBytes(handshakeBytes_);
    state_.transferFinished = 1;
    state_.silenceTicks = 0;
    state_.receiveText.clear();
    switchSupervisionTimer(false);
    setStatusVisible(false);
    switchStatusTimer(false);
    running_ = false;
    ShowMessage(box_, editor_.languageState, msg::CommunicationError,
                DescribeFailure(failure_, editor_.languageState));
    host_.setTransferControlsEnabled(true);
    setProgress(false, progressValue_);
    sendFrame({frame::End});
    host_.transferEnded(TransferOutcome::CommunicationError);
}

void TransferEngine::onStatusTick() {
    if (!statusTimerOn_) return;
    setStatusVisible(!statusVisible_);
    if (state_.endNoticePending) ++state_.endNoticeTicks;
    if (state_.endNoticeTicks == kEndNoticeTicks) {
        state_.endNoticeTicks = 0;
        state_.endNoticePending = 0;
        setStatusVisible(false);
        switchStatusTimer(false);
        host_.setTransferControlsEnabled(true);
    }
}

void TransferEngine::sendFrame(std::vector<uint8_t> frame) {
    state_.sendBuffer = std::move(frame);
    host_.sendBytes(state_.sendBuffer);
}

void TransferEngine::switchSupervisionTimer(bool on) {
    supervisionTimerOn_ = on;
    host_.setSupervisionTimer(on);
}

void TransferEngine::switchStatusTimer(bool on) {
    statusTimerOn_ = on;
    host_.setStatusTimer(on);
}

void TransferEngine::setStatusVisible(bool visible) {
    statusVisible_ = visible;
    host_.setStatusVisible(visible);
}

void TransferEngine::setProgress(bool visible, int value) {
    progressVisible_ = visible;
    progressValue_ = value;
    host_.setProgress(visible, value);
}

} // namespace tlv
