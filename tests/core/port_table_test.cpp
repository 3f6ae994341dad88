// SPDX-License-Identifier: GPL-3.0-or-later
// COM numbers for this machine's devices, and the decoding of marked line conditions. (The
// "ports" file beside a program and COM names on the command line are tested through
// tlv6200-cli.)
#include "link/ParmrkDecoder.h"
#include "link/PortTable.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace tlv {
namespace {

TEST(PortsFile, ParsesComLinesAndSkipsTheRest) {
    auto entries = ParsePortsFile("# cable\n"
                                  "COM3=/dev/ttyUSB0\n"
                                  "  com12 = /dev/pts/7  \r\n"
                                  "COM21=/dev/ttyS1\n"
                                  "COM0=/dev/ttyS1\n"
                                  "COM4=\n"
                                  "LPT1=/dev/lp0\n"
                                  "nonsense\n"
                                  "COM3=/dev/ttyACM1");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].number, 12);
    EXPECT_EQ(entries[0].device, "/dev/pts/7");
    EXPECT_EQ(entries[1].number, 3);
    EXPECT_EQ(entries[1].device, "/dev/ttyACM1") << "a later line for the same number wins";
}

TEST(PortTable, OrdersUsbAdaptersFirstWithNumbersCompared) {
    auto ordered = OrderMachineDevices({"/dev/ttyS10", "/dev/ttyUSB10", "/dev/ttyS2",
                                        "/dev/ttyUSB2", "/dev/ttyACM0", "/dev/ttyS2"});
    EXPECT_EQ(ordered, (std::vector<std::string>{"/dev/ttyACM0", "/dev/ttyUSB2", "/dev/ttyUSB10",
                                                 "/dev/ttyS2", "/dev/ttyS10"}));
}

TEST(PortTable, FileEntriesFirstThenMachineDevicesInFreeNumbers) {
    auto table = PortTable::Build({{1, "/dev/pts/3"}, {3, "/dev/ttyUSB1"}},
                                  {"/dev/ttyS0", "/dev/ttyUSB1", "/dev/ttyUSB0"});
    EXPECT_EQ(table.device(1), "/dev/pts/3");
    EXPECT_EQ(table.device(2), "/dev/ttyUSB0");
    EXPECT_EQ(table.device(3), "/dev/ttyUSB1");
    EXPECT_EQ(table.device(4), "/dev/ttyS0");
    EXPECT_EQ(table.device(5), "");
    EXPECT_EQ(table.device(0), "");
    EXPECT_EQ(table.device(21), "");
    EXPECT_EQ(table.numberOf("/dev/ttyS0"), 4);
    EXPECT_EQ(table.numberOf("/dev/ttyACM9"), 0);
}

TEST(PortTable, OneUsbCableIsCom1) {
    auto table = PortTable::Build({}, {"/dev/ttyS0", "/dev/ttyS1", "/dev/ttyUSB0"});
    EXPECT_EQ(table.device(1), "/dev/ttyUSB0");
}

TEST(PortTable, NeverMoreThanTwentyPorts) {
    std::vector<std::string> many;
    for (int i = 0; i < 40; ++i)
        many.push_back("/dev/ttyS" + std::to_string(i));
    auto table = PortTable::Build({}, many);
    EXPECT_EQ(table.device(20), "/dev/ttyS19");
}

using Bytes = std::vector<uint8_t>;

// Events as text: data bytes in hex, "|B|" for a break.
std::string decode(ParmrkDecoder& decoder, const Bytes& bytes) {
    std::string out;
    for (const auto& event : decoder.feed(bytes)) {
        if (event.isBreak) {
            out += "|B|";
            continue;
        }
        for (uint8_t b : event.data) {
            char hex[3];
            std::snprintf(hex, sizeof hex, "%02X", b);
            out += hex;
        }
    }
    return out;
}

TEST(ParmrkDecoder, UnmarksBytesAndReportsBreaks) {
    struct Case {
        Bytes in;
        std::string out;
    } cases[] = {
        {{0x41, 0xFF, 0xFF, 0x42}, "41FF42"},
        {{0x41, 0xFF, 0x00, 0x00, 0x06}, "41|B|0006"},
        {{0xFF, 0x00, 0x37}, "37"}, // a character with a framing error
        {{0x00, 0x06}, "0006"},     // a NUL without a mark is data
    };
    for (const auto& c : cases) {
        ParmrkDecoder decoder;
        EXPECT_EQ(decode(decoder, c.in), c.out);
    }
}

TEST(ParmrkDecoder, MarksSplitAcrossReads) {
    ParmrkDecoder decoder;
    EXPECT_EQ(decode(decoder, {0x57, 0xFF}), "57");
    EXPECT_EQ(decode(decoder, {0xFF, 0x10, 0xFF}), "FF10");
    EXPECT_EQ(decode(decoder, {0x00}), "");
    EXPECT_EQ(decode(decoder, {0x00, 0x06}), "|B|0006");
}

} // namespace
} // namespace tlv
