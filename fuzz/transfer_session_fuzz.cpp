// SPDX-License-Identifier: GPL-3.0-or-later
// The transfer session fed a script of events: chunks of bytes (arbitrary, or the answers a
// radio gives), breaks, supervision ticks, starts (a write with the image and service mode of
// the moment) and stops, a lost port, changes of the image to write and of the service mode,
// with a host whose end runs further events while it is told, as a nested event loop does.
//
// Checked after every event: the unconsumed bytes and the bytes read stay within their caps,
// every frame put on the wire is one the protocol knows (with an address a transfer uses; the
// power-level block only in service mode), each written block carries the image the write was
// given, a refused start sends nothing, a stop ends the transfer at once, a write that succeeds
// sent every block (46, or 47 with the power-level block), a read that succeeds took exactly its
// 16 blocks and, when no stray bytes came in, holds the memory the radio served and hands it
// back; and without input every transfer ends within the time limit.
#include "FuzzSupport.h"
#include "link/TransferSession.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

using namespace tlv;

namespace {

using Bytes = std::vector<uint8_t>;

class Script {
  public:
    Script(const uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool done() const { return at_ >= size_; }
    uint8_t next() { return at_ < size_ ? data_[at_++] : 0; }
    // The next `n` bytes (fewer at the end), in place: a copy of each chunk was a sixth of a
    // run's time in the sanitizer's allocator.
    std::span<const uint8_t> take(std::size_t n) {
        n = std::min(n, size_ - at_);
        const std::span<const uint8_t> bytes(data_ + at_, n);
        at_ += n;
        return bytes;
    }

  private:
    const uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

bool knownFrame(std::span<const uint8_t> frame, bool serviceMode) {
    if (frame.size() == frame::Handshake.size())
        return std::memcmp(frame.data(), frame::Handshake.data(), frame.size()) == 0;
    if (frame.size() == 1)
        return frame[0] == frame::IdentificationRequest || frame[0] == frame::Ack ||
               frame[0] == frame::End;
    const int address = frame.size() >= 3 ? frame[1] << 8 | frame[2] : -1;
    if (frame.size() == 4)
        return frame[0] == frame::ReadRequest && frame[3] == kReadBlockBytes &&
               address >= kFirstBlockAddress && address < kReadEndAddress &&
               (address - kFirstBlockAddress) % kReadBlockBytes == 0;
    if (frame.size() == 4 + kWriteBlockBytes)
        return frame[0] == frame::Block && frame[3] == kWriteBlockBytes &&
               address % kWriteBlockBytes == 0 && IsWrittenBlock(address, serviceMode);
    return false;
}

class Run;

// While the end is "told", the host runs a few more events of the script.
class Host : public TransferHost {
  public:
    Run* run = nullptr;
    int depth = 0;
    int eventsRun = 0;    // events run while the end was told
    int lastRequest = -1; // address of the last read request
    std::size_t frames = 0;
    std::vector<TransferOutcome> outcomes;
    // The write under way: the image and the service mode it was given, and
    // the blocks sent since.
    MemoryImage written{};
    bool writtenInServiceMode = false;
    std::vector<bool> blockSent = std::vector<bool>(kImageBytes / kWriteBlockBytes);

    void runNested();
    void imageAboutToBeWritten(const MemoryImage& image) override;
    void sendBytes(std::span<const uint8_t> frame) override {
        fuzz::Require(knownFrame(frame, writtenInServiceMode),
                      "only frames of the protocol go on the wire");
        if (frame.size() == 4) lastRequest = frame[1] << 8 | frame[2];
        if (frame.size() == 4 + kWriteBlockBytes) {
            const int at = (frame[1] << 8 | frame[2]) - kFirstBlockAddress;
            fuzz::Require(std::equal(frame.begin() + 4, frame.end(), written.begin() + at),
                          "a written block carries the image given");
            blockSent[static_cast<std::size_t>(at / kWriteBlockBytes)] = true;
        }
        ++frames;
    }
    void setSupervisionTimer(bool) override {}
    void transferEnded(TransferOutcome outcome) override {
        outcomes.push_back(outcome);
        runNested();
    }
};

class Run {
  public:
    Run(const uint8_t* data, std::size_t size)
        : script(data, size),
          image(EncodeImage(fuzz::StartupEditor(fuzz::LanguageOf(size)).radio())) {
        host.run = this;
        memory.assign(0x1000, 0xFF);
        for (std::size_t i = 0; i < std::min<std::size_t>(size, 64); ++i)
            memory[0x10 + i * 13 % 0x400] = data[i];
    }

    void step() {
        const uint8_t op = script.next();
        switch (op % 12) {
        case 0: {
            const std::span<const uint8_t> chunk = script.take(script.next() % 40);
            strayBytes = strayBytes || !chunk.empty();
            feed(chunk);
            break;
        }
        case 1: {
            static constexpr uint8_t ack[] = {frame::Ack};
            feed(ack);
            break;
        }
        case 2: {
            static constexpr uint8_t identification[] = {0x50, 'L', 'K', '4', '7', '0', 0x00, 0x10};
            feed(identification);
            break;
        }
        case 3: {
            // A read reply: for the block asked, or for another one.
            int address =
                host.lastRequest >= 0 && op < 128 ? host.lastRequest : (script.next() << 4) & 0x3FF;
            std::array<uint8_t, 4 + kReadBlockBytes> reply{
                frame::Block, static_cast<uint8_t>(address >> 8), static_cast<uint8_t>(address),
                kReadBlockBytes};
            std::copy_n(memory.begin() + address, kReadBlockBytes, reply.begin() + 4);
            feed(reply);
            break;
        }
        case 4:
            session.onBreak();
            break;
        case 5:
        case 6:
            session.onSupervisionTick();
            break;
        case 7: {
            // Another image to write: a byte of it changed.
            const uint8_t at = script.next();
            image[static_cast<std::size_t>(at) * 3 % image.size()] = script.next();
            break;
        }
        case 8: {
            const std::size_t frames = host.frames;
            if (!session.running()) {
                strayBytes = false;
                startedImage = image;
                startedInServiceMode = serviceMode;
            }
            if (!session.start(op & 0x10 ? TransferDirection::Write : TransferDirection::Read,
                               image, serviceMode))
                fuzz::Require(host.frames == frames, "a refused start sends nothing");
            break;
        }
        case 11:
            if (session.running() && op & 0x10) {
                const std::size_t ended = host.outcomes.size();
                session.stop();
                fuzz::Require(!session.running() || host.outcomes.size() == ended,
                              "a stop ends the transfer");
                if (!session.running() && host.outcomes.size() > ended)
                    fuzz::Require(host.outcomes.back() == TransferOutcome::Stopped,
                                  "a stopped transfer ends as stopped");
            }
            break;
        case 9:
            session.onPortLost("/dev/ttyUSB0");
            break;
        default:
            serviceMode = script.next() & 0x80;
            break;
        }
        check();
    }

    void feed(std::span<const uint8_t> bytes) { session.onBytes(bytes); }

    void check() {
        const RadioProtocol& protocol = session.protocol();
        fuzz::Require(protocol.unconsumed().size() <= RadioProtocol::kUnconsumedCap,
                      "unconsumed bytes capped");
        fuzz::Require(session.memoryRead().size() <= std::size_t{kReadBytes}, "bytes read capped");
        for (std::size_t i = checkedOutcomes; i < host.outcomes.size(); ++i) {
            if (host.outcomes[i] != TransferOutcome::Success) continue;
            if (session.direction() == TransferDirection::Read) {
                const std::span<const uint8_t> read = session.memoryRead();
                fuzz::Require(read.size() == std::size_t{kReadBytes},
                              "a successful read took its 16 blocks");
                fuzz::Require(session.imageRead() &&
                                  std::equal(session.imageRead()->begin(),
                                             session.imageRead()->end(), read.begin()),
                              "a successful read hands back its image");
                if (!strayBytes)
                    fuzz::Require(
                        std::equal(read.begin(), read.end(), memory.begin() + kFirstBlockAddress),
                        "a successful read holds the memory the radio served");
            } else {
                for (std::size_t block = 0; block < host.blockSent.size(); ++block)
                    fuzz::Require(
                        host.blockSent[block] ==
                            IsWrittenBlock(static_cast<uint16_t>(kFirstBlockAddress +
                                                                 block * kWriteBlockBytes),
                                           host.writtenInServiceMode),
                        "a successful write sent every block (46, or 47 in service "
                        "mode) once");
            }
        }
        checkedOutcomes = host.outcomes.size();
    }

    void finish() {
        // Without input, every transfer ends within the time limit.
        for (int tick = 0; tick <= kTransferLimitTicks && session.running(); ++tick)
            session.onSupervisionTick();
        fuzz::Require(!session.running(), "a transfer ends within the time limit");
    }

    Script script;
    MemoryImage image;        // the image the next write is given
    bool serviceMode = false; // and its service mode
    MemoryImage startedImage{};
    bool startedInServiceMode = false;
    Host host;
    TransferSession session{host};
    Bytes memory;
    std::size_t checkedOutcomes = 0;
    bool strayBytes = false; // arbitrary bytes came in since the transfer started
};

void Host::imageAboutToBeWritten(const MemoryImage& image) {
    fuzz::Require(image == run->startedImage, "a write sends the image it was given");
    written = image;
    writtenInServiceMode = run->startedInServiceMode;
    blockSent.assign(blockSent.size(), false);
}

void Host::runNested() {
    if (depth >= 2 || run == nullptr) return;
    ++depth;
    const int events = run->script.next() % 8;
    for (int i = 0; i < events && !run->script.done(); ++i, ++eventsRun)
        run->step();
    --depth;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    Run run(data, size);
    while (!run.script.done())
        run.step();
    run.finish();
    return 0;
}
