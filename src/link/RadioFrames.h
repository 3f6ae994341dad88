// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The frames of the programming cable and the radio addresses a transfer uses, in one place for
// both ends of the cable: the programming software (RadioProtocol) and the simulated radio
// (tools/radio-sim). Constants and small byte helpers only.
//
// A transfer as it goes over the cable (9600 baud, 8N1):
//   program: "RB-PROG"                        radio: 0x06
//   program: 0x02                             radio: 8 bytes holding "LK470" (identification)
//   program: 0x06                             radio: 0x06
// A read, then, for each 64-byte block from 0x0010 up to 0x040F:
//   program: 0x52 high low 0x40               radio: 0x57 high low 0x40 + 64 bytes
//   program: 0x06                             radio: 0x06
// A write, for each written 16-byte block from 0x0010 up to 0x035F (IsWrittenBlock):
//   program: 0x57 high low 0x10 + 16 bytes    radio: 0x06
// Last, the end frame 0x45, which the radio does not answer.
#include "image/MemoryImage.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace tlv {

namespace frame {
inline constexpr uint8_t Ack = 0x06;
inline constexpr uint8_t IdentificationRequest = 0x02;
inline constexpr uint8_t ReadRequest = 0x52;
// A block of memory: a write block of the program, and the radio's reply to a read request.
inline constexpr uint8_t Block = 0x57;
inline constexpr uint8_t End = 0x45;
inline constexpr std::string_view Handshake = "RB-PROG";
// What the radio's identification holds: this model's mark.
inline constexpr std::string_view IdentificationMark = "LK470";
inline constexpr std::size_t IdentificationBytes = 8;
// A read request, and the head of every block: kind, address high byte, low byte, length.
inline constexpr std::size_t BlockHeaderBytes = 4;
} // namespace frame

// Radio addresses of a transfer.
inline constexpr uint16_t kFirstBlockAddress = kImageBaseAddress;
inline constexpr uint16_t kReadEndAddress = 0x0410;  // 16 blocks of 64 bytes
inline constexpr uint16_t kWriteEndAddress = 0x0360; // the image's 848 bytes
inline constexpr uint16_t kPowerBlockAddress = 0x0180;
inline constexpr int kReadBlockBytes = 64;
inline constexpr int kWriteBlockBytes = 16;
inline constexpr int kReadBlocks = (kReadEndAddress - kFirstBlockAddress) / kReadBlockBytes;
// The bytes of a complete read: the image and the memory after it up to kReadEndAddress.
inline constexpr int kReadBytes = kReadBlocks * kReadBlockBytes;
// Blocks of a write without the power-level block (with it, one more).
inline constexpr int kWriteBlocks = 46;
static_assert(kWriteEndAddress - kFirstBlockAddress == kImageBytes);

constexpr uint8_t AddressHighByte(uint16_t address) {
    return static_cast<uint8_t>(address >> 8);
}
constexpr uint8_t AddressLowByte(uint16_t address) {
    return static_cast<uint8_t>(address & 0xFF);
}
constexpr uint16_t AddressOf(uint8_t high, uint8_t low) {
    return static_cast<uint16_t>(high << 8 | low);
}

// Whether a write sends the 16-byte block at `address`: every block from kFirstBlockAddress up
// to kWriteEndAddress except the power-level block (sent only in service mode), 0x0190..0x01AF
// and 0x01C0..0x01FF.
constexpr bool IsWrittenBlock(uint16_t address, bool serviceMode) {
    if (address < kFirstBlockAddress || address >= kWriteEndAddress) return false;
    if (address == kPowerBlockAddress) return serviceMode;
    return !(address >= 0x0190 && address < 0x01B0) && !(address >= 0x01C0 && address < 0x0200);
}

// The first address a write sends whose byte reads back differently, comparing the written
// image with the bytes of a read (both from kFirstBlockAddress); nothing when every written byte
// reads back the same. A read-back too short to hold a written byte differs there.
inline std::optional<uint16_t> FirstDifferingWrittenAddress(std::span<const uint8_t> written,
                                                            std::span<const uint8_t> readBack,
                                                            bool serviceMode) {
    for (uint16_t block = kFirstBlockAddress; block < kWriteEndAddress;
         block = static_cast<uint16_t>(block + kWriteBlockBytes)) {
        if (!IsWrittenBlock(block, serviceMode)) continue;
        for (uint16_t address = block; address < block + kWriteBlockBytes; ++address) {
            const std::size_t at = address - kFirstBlockAddress;
            if (at >= written.size()) return std::nullopt; // nothing written there
            if (at >= readBack.size() || readBack[at] != written[at]) return address;
        }
    }
    return std::nullopt;
}

} // namespace tlv
