// The transfer engine fed a script of events: chunks of bytes (arbitrary, or the answers a
// radio gives), breaks, supervision and status ticks, starts, a closed port and a lost port,
// with a message box that runs further events while it is open, as a nested event loop does.
//
// Checked after every event: the receive and image buffers stay within their caps, every frame
// put on the wire is one the protocol knows (with an address a transfer uses), a refused start
// sends nothing, a read that succeeds took exactly its 16 blocks, and without input every
// transfer ends within the time limit.
#include "FuzzSupport.h"
#include "editor/Startup.h"
#include "image/ImageFields.h"
#include "image/ImageLayout.h"
#include "link/TransferEngine.h"

#include <algorithm>
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
    Bytes take(std::size_t n) {
        n = std::min(n, size_ - at_);
        Bytes bytes(data_ + at_, data_ + at_ + n);
        at_ += n;
        return bytes;
    }

  private:
    const uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

bool knownFrame(std::span<const uint8_t> frame) {
    if (frame.size() == 7) return std::memcmp(frame.data(), frame::Handshake, 7) == 0;
    if (frame.size() == 1)
        return frame[0] == frame::IdentRequest || frame[0] == frame::Ack || frame[0] == frame::End;
    const int address = frame.size() >= 3 ? frame[1] << 8 | frame[2] : -1;
    if (frame.size() == 4)
        return frame[0] == frame::ReadRequest && frame[3] == kReadBlockBytes &&
               address >= kFirstBlockAddress && address < kReadEndAddress &&
               (address - kFirstBlockAddress) % kReadBlockBytes == 0;
    if (frame.size() == 4 + kWriteBlockBytes)
        return frame[0] == frame::Block && frame[3] == kWriteBlockBytes &&
               address >= kFirstBlockAddress && address < kWriteEndAddress &&
               address % kWriteBlockBytes == 0 && !(address >= 0x0190 && address < 0x01B0) &&
               !(address >= 0x01C0 && address < 0x0200);
    return false;
}

class Host : public TransferHost {
  public:
    bool open = true;
    int lastRequest = -1; // address of the last read request
    std::size_t frames = 0;
    std::vector<TransferOutcome> outcomes;
    bool portIsOpen() const override { return open; }
    void sendBytes(std::span<const uint8_t> frame) override {
        fuzz::Require(knownFrame(frame), "only frames of the protocol go on the wire");
        if (frame.size() == 4) lastRequest = frame[1] << 8 | frame[2];
        ++frames;
    }
    void setSupervisionTimer(bool) override {}
    void setStatusTimer(bool) override {}
    void transferEnded(TransferOutcome outcome) override { outcomes.push_back(outcome); }
};

class Run;

// While "open", the box runs a few more events of the script; then answers from it.
class NestedBox : public MessageBoxService {
  public:
    Run* run = nullptr;
    int depth = 0;
    int eventsRun = 0; // events run while a box was open
    int LocalMsgBox(const std::string&, int flags, const std::string&) override;
};

class Run {
  public:
    Run(const uint8_t* data, std::size_t size) : script(data, size) {
        box.run = this;
        memory.assign(0x1000, 0xFF);
        for (std::size_t i = 0; i < std::min<std::size_t>(size, 64); ++i)
            memory[0x10 + i * 13 % 0x400] = data[i];
    }

    void step() {
        const uint8_t op = script.next();
        switch (op % 11) {
        case 0:
            feed(script.take(script.next() % 40));
            break;
        case 1:
            feed({frame::Ack});
            break;
        case 2:
            feed({0x50, 'L', 'K', '4', '7', '0', 0x00, 0x10});
            break;
        case 3: {
            // A read reply: for the block asked, or for another one.
            int address =
                host.lastRequest >= 0 && op < 128 ? host.lastRequest : (script.next() << 4) & 0x3FF;
            Bytes reply{frame::Block, static_cast<uint8_t>(address >> 8),
                        static_cast<uint8_t>(address), kReadBlockBytes};
            reply.insert(reply.end(), memory.begin() + address,
                         memory.begin() + address + kReadBlockBytes);
            feed(reply);
            break;
        }
        case 4:
            engine.onBreak();
            break;
        case 5:
        case 6:
            engine.onSupervisionTick();
            break;
        case 7:
            engine.onStatusTick();
            break;
        case 8: {
            const std::size_t frames = host.frames;
            const int nested = box.eventsRun;
            if (!engine.StartTransfer(op & 0x10 ? 'W' : 'R') && box.eventsRun == nested)
                fuzz::Require(host.frames == frames, "a refused start sends nothing");
            break;
        }
        case 9:
            host.open = !host.open;
            if (!host.open) engine.onPortLost("/dev/ttyUSB0");
            break;
        default:
            editor.currentBand = script.next() % 7;
            editor.serviceMode = op & 1;
            break;
        }
        check();
    }

    void feed(const Bytes& bytes) { engine.onBytes(bytes); }

    void check() {
        const TransferState& state = engine.state();
        fuzz::Require(state.receiveText.size() <= kReceiveTextCap, "receive text capped");
        fuzz::Require(state.readImageText.size() <= kReadImageDigits, "read image capped");
        for (std::size_t i = checkedOutcomes; i < host.outcomes.size(); ++i) {
            if (host.outcomes[i] == TransferOutcome::Success && state.transferDirection == "R")
                fuzz::Require(state.readImageText.size() == kReadImageDigits,
                              "a successful read took its 16 blocks");
        }
        checkedOutcomes = host.outcomes.size();
    }

    void finish() {
        // Without input, every transfer ends within the time limit.
        for (int tick = 0; tick <= kTransferLimitTicks && engine.running(); ++tick)
            engine.onSupervisionTick();
        fuzz::Require(!engine.running(), "a transfer ends within the time limit");
    }

    Script script;
    EditorState editor = MakeStartupEditor(1);
    NestedBox box;
    Host host;
    TransferEngine engine{editor, box, host};
    Bytes memory;
    std::size_t checkedOutcomes = 0;
};

int NestedBox::LocalMsgBox(const std::string&, int flags, const std::string&) {
    if (depth < 2 && run != nullptr) {
        ++depth;
        const int events = run->script.next() % 8;
        for (int i = 0; i < events && !run->script.done(); ++i, ++eventsRun)
            run->step();
        --depth;
    }
    if ((flags & 7) == mb::YesNo) return run != nullptr && run->script.next() & 1 ? IdYes : IdNo;
    return IdOk;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    Run run(data, size);
    while (!run.script.done())
        run.step();
    run.finish();
    return 0;
}
