#pragma once
// The memory image of the start-up editor, written out byte for byte from the image layout
// (never produced by the encoder), for tests of everything that carries an image; and channel
// data files of images.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tlv::test {

// 1696 upper-case hex digits.
std::string GoldenStartupImageHex();
// The same 848 bytes.
std::vector<uint8_t> GoldenStartupImageBytes();

// A channel data file of `image`: the magic "QDM74", then the image's bytes.
std::string DataFile(const std::vector<uint8_t>& image);
// The same for an image text of hex digits, as EncodeImage gives it.
std::string DataFile(std::string_view imageText);

} // namespace tlv::test
