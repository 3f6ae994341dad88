// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The memory image of the start-up editor, written out byte for byte from the image layout
// (never produced by the encoder), for tests of everything that carries an image; and channel
// data files of images.
#include "image/MemoryImage.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tlv::test {

MemoryImage GoldenStartupImage();
// The same 848 bytes in a vector, for tests that cut or extend them.
std::vector<uint8_t> GoldenStartupImageBytes();

// A channel data file of `image`: the magic "QDM74", then the image's bytes.
std::string DataFile(const std::vector<uint8_t>& image);
std::string DataFile(const MemoryImage& image);

} // namespace tlv::test
