// SPDX-License-Identifier: GPL-3.0-or-later
#include "RadioSim.h"

#include "image/DataFile.h"
#include "image/FileIo.h"
#include "link/RadioFrames.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <utility>

namespace tlv::sim {

namespace {
// The mark of another model, for the wrong-identification fault.
constexpr std::string_view kOtherModelMark = "LK460";

// The radio's identification: its model's mark between a lead byte and two trailing bytes.
std::vector<uint8_t> identification(std::string_view mark) {
    std::vector<uint8_t> answer{0x50};
    answer.insert(answer.end(), mark.begin(), mark.end());
    answer.insert(answer.end(), {0x00, 0x10});
    return answer;
}
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
    std::copy_n(data.begin() + kDataFileMagicBytes, kImageBytes,
                memory_.begin() + kImageBaseAddress);
    return true;
}

bool RadioSim::saveDat(const std::string& path, std::string& error) const {
    MemoryImage image;
    std::copy_n(memory_.begin() + kImageBaseAddress, kImageBytes, image.begin());
    const FileStatus status = WriteFileAtomically(path, DataFileContent(image));
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
        if (p[0] == frame::Handshake[0]) {
            std::size_t n = std::min(left, frame::Handshake.size());
            bool prefix = std::memcmp(p, frame::Handshake.data(), n) == 0;
            if (prefix && n == frame::Handshake.size()) {
                used += n;
                phase_ = Phase::Identify;
                blocks_ = 0;
                stopped_ = false;
                secondAckDue_ = faults_.doubleHandshake;
                answer(out, {frame::Ack}, false);
                continue;
            }
            if (prefix && phase_ != Phase::Data) break; // wait for the rest
        }
        if (p[0] == frame::End && phase_ != Phase::Idle) {
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
            if (p[0] == frame::IdentificationRequest && secondAckDue_) {
                // The second answer to the handshake comes after the program has reacted to
                // the first, so that the two cannot arrive together.
                secondAckDue_ = false;
                answer(out, {frame::Ack}, false);
            } else if (p[0] == frame::IdentificationRequest) {
                answer(out,
                       identification(faults_.wrongIdentification ? kOtherModelMark
                                                                  : frame::IdentificationMark),
                       false);
                phase_ = Phase::Data;
            }
            ++used;
            break;
        case Phase::Data:
            if (p[0] == frame::Ack) {
                answer(out, {frame::Ack}, false, true);
                ++used;
            } else if (p[0] == frame::ReadRequest) {
                if (left < frame::BlockHeaderBytes) goto incomplete;
                const uint16_t address = AddressOf(p[1], p[2]);
                std::size_t length = p[3];
                std::vector<uint8_t> reply{frame::Block, p[1], p[2], p[3]};
                for (std::size_t i = 0; i < length; ++i) {
                    std::size_t a = address + i;
                    reply.push_back(a < kMemoryBytes ? memory_[a] : 0xFF);
                }
                answer(out, std::move(reply), true, true);
                used += frame::BlockHeaderBytes;
            } else if (p[0] == frame::Block) {
                if (left < frame::BlockHeaderBytes || left < frame::BlockHeaderBytes + p[3])
                    goto incomplete;
                const uint16_t address = AddressOf(p[1], p[2]);
                std::size_t length = p[3];
                if (!faults_.silent && !stopped_) {
                    for (std::size_t i = 0; i < length; ++i) {
                        const std::size_t cell = address + i;
                        if (cell < kMemoryBytes && static_cast<int>(cell) != faults_.stuckAddress)
                            memory_[cell] = p[frame::BlockHeaderBytes + i];
                    }
                }
                answer(out, {frame::Ack}, true, true);
                used += frame::BlockHeaderBytes + length;
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
