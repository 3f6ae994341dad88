#include "RadioSim.h"

#include "image/DataFile.h"
#include "image/FileIo.h"
#include "link/TransferEngine.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <utility>

namespace tlv::sim {

namespace {
// The frames are the programming software's own, seen from the radio's side.
constexpr uint8_t kAck = frame::Ack;
constexpr uint8_t kIdentRequest = frame::IdentRequest;
constexpr uint8_t kRead = frame::ReadRequest;
constexpr uint8_t kWrite = frame::Block;
constexpr uint8_t kEnd = frame::End;
constexpr std::string_view kHandshake = frame::Handshake;
} // namespace

RadioSim::RadioSim() : RadioSim(Faults{}) {}

RadioSim::RadioSim(Faults faults) : faults_(faults) {
    memory_.fill(0xFF);
}

bool RadioSim::loadDat(const std::string& path, std::string& error) {
    std::string data;
    const FileStatus status = ReadFileHead(path, kDataFileBytes, data);
    if (!status.ok) {
        error = "cannot open " + path + ": " + status.reason;
        return false;
    }
    if (data.size() < kDataFileBytes || !data.starts_with(kDataFileMagic)) {
        error = path + " is not a channel data file (\"QDM74\" and 848 bytes)";
        return false;
    }
    std::copy_n(data.begin() + kDataFileMagicBytes, kDatImageBytes,
                memory_.begin() + kImageAddress);
    return true;
}

bool RadioSim::saveDat(const std::string& path, std::string& error) const {
    std::string content(kDataFileMagic);
    content.append(reinterpret_cast<const char*>(memory_.data() + kImageAddress), kDatImageBytes);
    const FileStatus status = WriteFileAtomically(path, content);
    if (!status.ok) error = "cannot write " + path + ": " + status.reason;
    return status.ok;
}

bool RadioSim::takeEnded() {
    return std::exchange(ended_, false);
}

void RadioSim::answer(std::vector<Reply>& out, std::vector<uint8_t> bytes, bool countsBlock,
                      bool breakFirst) {
    if (faults_.silent || stopped_) return;
    out.push_back({std::move(bytes), breakFirst && faults_.breakBeforeReply});
    if (countsBlock) {
        ++blocks_;
        if (faults_.stopAfterBlocks >= 0 && blocks_ >= faults_.stopAfterBlocks) stopped_ = true;
    }
}

std::vector<Reply> RadioSim::receive(const std::vector<uint8_t>& bytes) {
    std::vector<Reply> out;
    pending_.insert(pending_.end(), bytes.begin(), bytes.end());
    std::size_t used = 0;
    while (used < pending_.size()) {
        const uint8_t* p = pending_.data() + used;
        std::size_t left = pending_.size() - used;
        // The handshake starts a new session from any phase.
        if (p[0] == 'R') {
            std::size_t n = std::min(left, kHandshake.size());
            bool prefix = std::memcmp(p, kHandshake.data(), n) == 0;
            if (prefix && n == kHandshake.size()) {
                used += n;
                phase_ = Phase::Identify;
                blocks_ = 0;
                stopped_ = false;
                secondAckDue_ = faults_.doubleHandshake;
                answer(out, {kAck}, false);
                continue;
            }
            if (prefix && phase_ != Phase::Data) break; // wait for the rest
        }
        if (p[0] == kEnd && phase_ != Phase::Idle) {
            phase_ = Phase::Idle;
            stopped_ = false;
            ended_ = true;
            ++used;
            continue;
        }
        switch (phase_) {
        case Phase::Idle:
            ++used;
            break;
        case Phase::Identify:
            if (p[0] == kIdentRequest && secondAckDue_) {
                // The second answer to the handshake comes after the program has reacted to
                // the first, so that the two cannot arrive together.
                secondAckDue_ = false;
                answer(out, {kAck}, false);
            } else if (p[0] == kIdentRequest) {
                std::vector<uint8_t> ident{0x50, 'L', 'K', '4', '7', '0', 0x00, 0x10};
                if (faults_.wrongIdentification)
                    ident = {0x50, 'L', 'K', '4', '6', '0', 0x00, 0x10};
                answer(out, ident, false);
                phase_ = Phase::Data;
            }
            ++used;
            break;
        case Phase::Data:
            if (p[0] == kAck) {
                answer(out, {kAck}, false, true);
                ++used;
            } else if (p[0] == kRead) {
                if (left < 4) goto incomplete;
                uint16_t address = static_cast<uint16_t>(p[1] << 8 | p[2]);
                std::size_t length = p[3];
                std::vector<uint8_t> reply{kWrite, p[1], p[2], p[3]};
                for (std::size_t i = 0; i < length; ++i) {
                    std::size_t a = address + i;
                    reply.push_back(a < kMemoryBytes ? memory_[a] : 0xFF);
                }
                answer(out, std::move(reply), true, true);
                used += 4;
            } else if (p[0] == kWrite) {
                if (left < 4 || left < 4u + p[3]) goto incomplete;
                uint16_t address = static_cast<uint16_t>(p[1] << 8 | p[2]);
                std::size_t length = p[3];
                if (!faults_.silent && !stopped_) {
                    for (std::size_t i = 0; i < length; ++i) {
                        const std::size_t cell = address + i;
                        if (cell < kMemoryBytes && static_cast<int>(cell) != faults_.stuckAddress)
                            memory_[cell] = p[4 + i];
                    }
                }
                answer(out, {kAck}, true, true);
                used += 4 + length;
            } else {
                ++used; // 0x02 repeated after a double handshake answer, or noise
            }
            break;
        }
    }
incomplete:
    pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(used));
    return out;
}

} // namespace tlv::sim
