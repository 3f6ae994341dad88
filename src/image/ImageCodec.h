// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The memory image and the radio data: EncodeImage writes the data's image, DecodeImage reads
// an image into the data. Both follow the one layout of ImageLayout.h.
#include "image/MemoryImage.h"
#include "radio/RadioData.h"

#include <string>
#include <vector>

namespace tlv {

// The image of `radio`. Values that do not fit their fields are clamped (one-byte values to
// 0..255, the delays to 0..65535); texts are cut to their field and every character outside
// printable ASCII is stored as "?"; the character "0" of a DTMF memory is stored as 0x3A.
MemoryImage EncodeImage(const RadioData& radio);

// A field the decoder could not take: a frequency whose code holds a digit that is not
// decimal (a damaged file or memory). It reads as no frequency - for a receive frequency the
// whole channel is empty - so that saving the result and opening it again gives the same image.
struct DamagedField {
    enum class Kind { ChannelReceive, ChannelTransmit, TestReceive, TestTransmit };
    Kind kind;
    int number;         // channel or test frequency 1..16
    std::string digits; // the code as the image holds it, "4A6.00625"
};

// Reads the image into `radio`. A value outside its field's range leaves the setting as it
// was; everything else is taken. Nothing beyond offset kDecodedBytes - 1 is read.
std::vector<DamagedField> DecodeImage(RadioData& radio, const MemoryImage& image);

} // namespace tlv
