// SPDX-License-Identifier: GPL-3.0-or-later
#include "GoldenImage.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace tlv::test {

namespace {

// One line per 16 bytes, offset on the left.
constexpr std::array<std::string_view, 53> kStartupImage{
    // 0..255: sixteen unused channels (no frequencies, no tones, option defaults 1/1/1, scan 0)
    /* 000 */ "FFFFFFFFFFFFFFFFFFFFFFFFF8F0FCFF",
    /* 016 */ "FFFFFFFFFFFFFFFFFFFFFFFFF8F0FCFF",
    /* 032 */ "FFFFFFFFFFFFFFFFFFFFFFFFF8F0FCFF",
    /* 048 */ "FFFFFFFFFFFFFFFFFFFFFFFFF8F0FCFF",
    /* 064 */ "FFFFFFFFFFFFFFFFFFFFFFFFF8F0FCFF",
    /* 080 */ "FFFFFFFFFFFFFFFFFFFFFFFFF8F0FCFF",
    /* 096 */ "FFFFFFFFFFFFFFFFFFFFFFFFF8F0FCFF",
    /* 112 */ "FFFFFFFFFFFFFFFFFFFFFFFFF8F0FCFF",
    /* 128 */ "FFFFFFFFFFFFFFFFFFFFFFFFF8F0FCFF",
    /* 144 */ "FFFFFFFFFFFFFFFFFFFFFFFFF8F0FCFF",
    /* 160 */ "FFFFFFFFFFFFFFFFFFFFFFFFF8F0FCFF",
    /* 176 */ "FFFFFFFFFFFFFFFFFFFFFFFFF8F0FCFF",
    /* 192 */ "FFFFFFFFFFFFFFFFFFFFFFFFF8F0FCFF",
    /* 208 */ "FFFFFFFFFFFFFFFFFFFFFFFFF8F0FCFF",
    /* 224 */ "FFFFFFFFFFFFFFFFFFFFFFFFF8F0FCFF",
    /* 240 */ "FFFFFFFFFFFFFFFFFFFFFFFFF8F0FCFF",
    // 256: DTMF 00 01 00 01 01 01 00 00 | fill x5 | PF1 0A, PF2 00 | FF
    /* 256 */ "0001000101010000FFFFFFFFFF0A00FF",
    // 272: IdCode empty (10 x FF) | fill x5 | voice prompt 01
    /* 272 */ "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF01",
    // 288: time-out 02, warning 00, PTT ID mode 01, 00, squelch 05, battery save 01, beep 01,
    //      cancel 01, VOX off on receive 01, VOX 01 01 01 01, FF, duplicate FF, FF
    /* 288 */ "02000100050101010101010101FFFFFF",
    // 304: PttIdStartCode "1"
    /* 304 */ "31FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF",
    // 320: PttIdEndCode "2"
    /* 320 */ "32FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF",
    // 336: priority mode 00, channel 01, revert A 01, B 01, return 01, resume delays 0000 0000,
    //      fill from 345
    /* 336 */ "000101010100000000FFFFFFFFFFFFFF",
    /* 352 */ "FFFFFFFFFFFFFFFFFFFFFFFFFFFF0000",
    // 368: fill x3, high power D0, fill x4, low power 5C, fill
    /* 368 */ "FFFFFFD0FFFFFFFF5CFFFFFFFFFFFFFF",
    /* 384 */ "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF",
    /* 400 */ "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF",
    // 416: fill x8 | 424: "QDM74", band code 33, F8 FF
    /* 416 */ "FFFFFFFFFFFFFFFF51444D373433F8FF",
    /* 432 */ "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF",
    /* 448 */ "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF",
    /* 464 */ "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF",
    /* 480 */ "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF",
    // 496: DtmfMemory "1" .. "8"
    /* 496 */ "31FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF",
    /* 512 */ "32FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF",
    /* 528 */ "33FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF",
    /* 544 */ "34FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF",
    /* 560 */ "35FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF",
    /* 576 */ "36FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF",
    /* 592 */ "37FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF",
    /* 608 */ "38FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF",
    // 624: test frequencies, all empty
    /* 624 */ "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF",
    /* 640 */ "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF",
    /* 656 */ "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF",
    /* 672 */ "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF",
    /* 688 */ "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF",
    /* 704 */ "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF",
    /* 720 */ "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF",
    /* 736 */ "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF",
    // 752: embedded texts, both empty
    /* 752 */ "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF",
    /* 768 */ "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF",
    /* 784 */ "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF",
    /* 800 */ "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF",
    // 816: "QDLP610", fill x5, band code 33, fill x3
    /* 816 */ "51444C50363130FFFFFFFFFF33FFFFFF",
    // 832: "47120358", 88 x8
    /* 832 */ "34373132303335388888888888888888",
};

} // namespace

std::vector<uint8_t> GoldenStartupImageBytes() {
    auto value = [](char c) { return c <= '9' ? c - '0' : c - 'A' + 10; };
    std::vector<uint8_t> bytes;
    for (std::string_view line : kStartupImage)
        for (std::size_t i = 0; i + 1 < line.size(); i += 2)
            bytes.push_back(static_cast<uint8_t>(value(line[i]) * 16 + value(line[i + 1])));
    return bytes;
}

MemoryImage GoldenStartupImage() {
    const std::vector<uint8_t> bytes = GoldenStartupImageBytes();
    MemoryImage image{};
    std::copy(bytes.begin(), bytes.end(), image.begin());
    return image;
}

std::string DataFile(const std::vector<uint8_t>& image) {
    return "QDM74" + std::string(image.begin(), image.end());
}

std::string DataFile(const MemoryImage& image) {
    return "QDM74" + std::string(image.begin(), image.end());
}

} // namespace tlv::test
