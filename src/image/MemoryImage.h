// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The memory image: the 848 bytes of the radio's memory from address 0x0010, as a data file
// holds them behind its magic and a transfer carries them.
#include <array>
#include <cstdint>

namespace tlv {

inline constexpr int kImageBytes = 848;
// Image offset k is radio address k + 0x10.
inline constexpr int kImageBaseAddress = 0x0010;
// The decoder reads offsets 0..815 only: a data file needs no more.
inline constexpr int kDecodedBytes = 816;

using MemoryImage = std::array<uint8_t, kImageBytes>;

} // namespace tlv
