#pragma once
// The memory image of the start-up editor, written out byte for byte from the image layout
// (never produced by the encoder), for tests of everything that carries an image.
#include <cstdint>
#include <string>
#include <vector>

namespace tlv::test {

// 1696 upper-case hex digits.
std::string GoldenStartupImageHex();
// The same 848 bytes.
std::vector<uint8_t> GoldenStartupImageBytes();

} // namespace tlv::test
