// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The layout of the memory image, in one place: every field's offset and encoding, for the
// encoder and the decoder alike. `VisitImageLayout` walks the fields in image order and hands
// each, with its offset and the value it holds in the radio data, to a visitor: the encoder's
// visitor writes the value, the decoder's reads it. Adding a field here adds it to both.
//
// Multi-byte numbers are little-endian. Bytes that carry no field are 0xFF. Texts are ASCII,
// padded with 0xFF.
#include "image/ImageOffsets.h"
#include "image/MemoryImage.h"
#include "image/SettingTable.h"
#include "radio/RadioData.h"

#include <string_view>

namespace tlv {

inline constexpr std::string_view kModelTag = "QDM74";
inline constexpr std::string_view kModelId = "QDLP610";
inline constexpr std::string_view kTrailerCode = "47120358";

// The fields of the image. `Visitor` has one member per kind of field; `Radio` is RadioData
// for the decoder and const RadioData for the encoder.
//   channel(offset, Channel&, number)          the 16-byte record of channel `number`
//   setting(const SettingField&, Radio&)       a setting of the settings' table
//   text(offset, width, std::string&, bool stopsAtFill)
//   dtmfMemory(offset, std::string&)           16 bytes, "0" held as 0x3A
//   scanBits(offset, channels)                 two bytes of scan flags
//   testFrequency(offset, TestFrequency&, number)
//   band(offset, int&)                         the band code (written twice)
//   constant(offset, std::string_view)         bytes the encoder writes and the decoder skips
template <typename Visitor, typename Radio> void VisitImageLayout(Visitor& v, Radio& radio) {
    for (int n = 1; n <= kChannelCount; ++n)
        v.channel(offset::Channels + kChannelRecordBytes * (n - 1), radio.channel(n), n);

    for (const SettingField& setting : kSettingTable)
        v.setting(setting, radio);
    v.text(offset::IdCode, 10, radio.codes.idCode, true);
    v.constant(offset::Zero, std::string_view("\0", 1));
    v.text(offset::PttIdStartCode, 16, radio.codes.pttIdStartCode, false);
    v.text(offset::PttIdEndCode, 16, radio.codes.pttIdEndCode, false);
    v.scanBits(offset::ScanAddBits, radio.channels);

    v.constant(offset::ModelTag, kModelTag);
    v.band(offset::BandCode, radio.band);
    v.constant(offset::ModelTagEnd, "\xF8\xFF");
    for (int i = 0; i < 8; ++i)
        v.dtmfMemory(offset::DtmfMemory + 16 * i, radio.dtmf.memories[static_cast<std::size_t>(i)]);
    for (int n = 1; n <= kChannelCount; ++n)
        v.testFrequency(offset::TestFrequencyTable + 8 * (n - 1),
                        radio.testFrequencies[static_cast<std::size_t>(n - 1)], n);
    v.text(offset::EmbeddedTexts, 32, radio.embeddedTexts[0], false);
    v.text(offset::EmbeddedTexts + 32, 32, radio.embeddedTexts[1], false);

    // The trailer: the decoder reads nothing from offset kDecodedBytes on.
    v.constant(offset::ModelId, kModelId);
    v.band(offset::BandCodeCopy, radio.band);
    v.constant(offset::TrailerCode, kTrailerCode);
    v.constant(offset::TrailerFill, "\x88\x88\x88\x88\x88\x88\x88\x88");
}

} // namespace tlv
