// SPDX-License-Identifier: GPL-3.0-or-later
// The cable's frames as both ends use them: the blocks a write sends.
#include "editor/Startup.h"
#include "image/ImageCodec.h"
#include "link/RadioFrames.h"

#include <gtest/gtest.h>

#include <vector>

namespace tlv {
namespace {

using Bytes = std::vector<uint8_t>;

// What a write --verify compares: the written blocks only, byte by byte.
TEST(WrittenBlocks, FirstDifferingWrittenAddress) {
    const MemoryImage written = EncodeImage(MakeStartupEditor(Language::English).radio());
    Bytes readBack(written.begin(), written.end());
    EXPECT_EQ(FirstDifferingWrittenAddress(written, readBack, false), std::nullopt);
    readBack[0x0180 - 0x10] ^= 1; // the power-level block, written in service mode only
    EXPECT_EQ(FirstDifferingWrittenAddress(written, readBack, false), std::nullopt);
    EXPECT_EQ(FirstDifferingWrittenAddress(written, readBack, true), 0x0180);
    readBack[0x012F - 0x10] ^= 1;
    EXPECT_EQ(FirstDifferingWrittenAddress(written, readBack, false), 0x012F);
    readBack.resize(0x40); // a read-back that stopped after the first block
    EXPECT_EQ(FirstDifferingWrittenAddress(written, readBack, false), 0x0050);
}

} // namespace
} // namespace tlv
