// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The layout of the memory image, in one place: every field's offset and encoding, for the
// encoder and the decoder alike. `VisitImageLayout` walks the fields in image order and hands
// each, with its offset and the value it holds in the radio data, to a visitor: the encoder's
// visitor writes the value, the decoder's reads it. Adding a field here adds it to both.
//
// Multi-byte numbers are little-endian. Bytes that carry no field are 0xFF. Texts are ASCII,
// padded with 0xFF.
#include "image/MemoryImage.h"
#include "radio/RadioData.h"

#include <string_view>

namespace tlv {

inline constexpr int kChannelRecordBytes = 16;

namespace offset {
inline constexpr int Channels = 0; // 16 records of 16 bytes, channel n at 16 (n - 1)
inline constexpr int DtmfRate = 256;
inline constexpr int FirstDigitTime = 257;
inline constexpr int FirstDigitDelay = 258;
inline constexpr int StarHashTone = 259;
inline constexpr int DKeySetting = 260;
inline constexpr int DtmfSidetone = 261;
inline constexpr int GroupCallCode = 262;
inline constexpr int AutoResetTimer = 263;
inline constexpr int KeyFunction1 = 269;
inline constexpr int KeyFunction2 = 270;
inline constexpr int IdCode = 272;
inline constexpr int VoicePrompt = 287;
inline constexpr int TimeOutTimer = 288;
inline constexpr int TimeOutWarning = 289;
inline constexpr int PttIdMode = 290;
inline constexpr int Zero = 291; // always 0x00
inline constexpr int SquelchLevel = 292;
inline constexpr int BatterySave = 293;
inline constexpr int Beep = 294;
inline constexpr int CancelOperation = 295;
inline constexpr int VoxOffOnReceive = 296;
inline constexpr int VoxEnable = 297;
inline constexpr int VoxGain = 298;
inline constexpr int VoxDelay = 299;
inline constexpr int VoxTone = 300;
inline constexpr int Duplicate = 302;
inline constexpr int PttIdStartCode = 304;
inline constexpr int PttIdEndCode = 320;
inline constexpr int PriorityMode = 336;
inline constexpr int PriorityChannel = 337;
inline constexpr int RevertTimeA = 338;
inline constexpr int RevertTimeB = 339;
inline constexpr int ReturnChannel = 340;
inline constexpr int ScanRxResumeDelay = 341;
inline constexpr int ScanTxResumeDelay = 343;
inline constexpr int ScanAddBits = 366; // two bytes, bit n - 1 of the pair for channel n
inline constexpr int HighPowerLevel = 371;
inline constexpr int LowPowerLevel = 376;
inline constexpr int ModelTag = 424;
inline constexpr int BandCode = 429;
inline constexpr int ModelTagEnd = 430;        // F8 FF
inline constexpr int DtmfMemory = 496;         // 8 entries of 16 bytes
inline constexpr int TestFrequencyTable = 624; // 16 entries of 8 bytes: receive, transmit
inline constexpr int EmbeddedTexts = 752;      // 2 texts of 32 bytes
inline constexpr int ModelId = 816;
inline constexpr int BandCodeCopy = 828;
inline constexpr int TrailerCode = 832;
inline constexpr int TrailerFill = 840; // 8 bytes of 0x88
} // namespace offset

inline constexpr std::string_view kModelTag = "QDM74";
inline constexpr std::string_view kModelId = "QDLP610";
inline constexpr std::string_view kTrailerCode = "47120358";

// How the decoder takes a one-byte list position: values below `limit` are taken, anything
// else leaves the setting as it was.
struct ListByte {
    int offset;
    int limit;
};

// The fields of the image. `Visitor` has one member per kind of field; `Radio` is RadioData
// for the decoder and const RadioData for the encoder.
//   channel(offset, Channel&, number)          the 16-byte record of channel `number`
//   list(ListByte, int&)                       a list position in one byte
//   byte(offset, int&)                         a value 0..255 taken as it is
//   timeOut(offset, int&)                      the time-out list: position + 1, 1..40
//   check(offset, bool&)                       a check box, 0 or 1
//   duplicate(offset, int&)                    0xFE + position (bit 0)
//   revertTime(offset, int&)                   position 1..91, position 0 as 0xFF
//   priorityChannel(offset, int&)              channel 1..16
//   delay(offset, std::optional<uint16_t>&)    seconds 0..300, 16 bits
//   firstDigitDelay(offset, int&)              milliseconds, held in tens (10..100)
//   groupCallCode(offset, int&)                0x00 for none, else the ASCII digit
//   text(offset, width, std::string&, bool stopsAtFill)
//   dtmfMemory(offset, std::string&)           16 bytes, "0" held as 0x3A
//   scanBits(offset, channels)                 two bytes of scan flags
//   testFrequency(offset, TestFrequency&, number)
//   band(offset, int&)                         the band code (written twice)
//   constant(offset, std::string_view)         bytes the encoder writes and the decoder skips
template <typename Visitor, typename Radio> void VisitImageLayout(Visitor& v, Radio& radio) {
    for (int n = 1; n <= kChannelCount; ++n)
        v.channel(offset::Channels + kChannelRecordBytes * (n - 1), radio.channel(n), n);

    auto& dtmf = radio.dtmf;
    v.list({offset::DtmfRate, 4}, dtmf.dtmfRate);
    v.list({offset::FirstDigitTime, 4}, dtmf.firstDigitTime);
    v.firstDigitDelay(offset::FirstDigitDelay, dtmf.firstDigitDelay);
    v.list({offset::StarHashTone, 4}, dtmf.starHashTone);
    v.list({offset::DKeySetting, 17}, dtmf.dKeySetting);
    v.list({offset::DtmfSidetone, 2}, dtmf.dtmfSidetone);
    v.groupCallCode(offset::GroupCallCode, dtmf.groupCallCode);
    v.list({offset::AutoResetTimer, 16}, dtmf.autoResetTimer);
    v.list({offset::KeyFunction1, 12}, radio.keys.pf1);
    v.list({offset::KeyFunction2, 12}, radio.keys.pf2);
    v.text(offset::IdCode, 10, radio.codes.idCode, true);

    auto& panel = radio.functions;
    auto& options = radio.options;
    v.list({offset::VoicePrompt, 3}, panel.voicePrompt);
    v.timeOut(offset::TimeOutTimer, panel.timeOutTimer);
    v.list({offset::TimeOutWarning, 11}, panel.timeOutWarning);
    v.list({offset::PttIdMode, 3}, options.pttIdMode);
    v.constant(offset::Zero, std::string_view("\0", 1));
    v.list({offset::SquelchLevel, 10}, panel.squelchLevel);
    v.list({offset::BatterySave, 2}, panel.batterySave);
    v.list({offset::Beep, 2}, panel.beep);
    v.check(offset::CancelOperation, options.cancelOperation);
    v.check(offset::VoxOffOnReceive, options.voxOffOnReceive);
    v.list({offset::VoxEnable, 2}, options.voxEnable);
    v.list({offset::VoxGain, 11}, options.voxGain);
    v.list({offset::VoxDelay, 6}, options.voxDelay);
    v.list({offset::VoxTone, 2}, options.voxTone);
    v.duplicate(offset::Duplicate, options.duplicate);
    v.text(offset::PttIdStartCode, 16, radio.codes.pttIdStartCode, false);
    v.text(offset::PttIdEndCode, 16, radio.codes.pttIdEndCode, false);
    v.list({offset::PriorityMode, 3}, options.priorityMode);
    v.priorityChannel(offset::PriorityChannel, options.priorityChannel);
    v.revertTime(offset::RevertTimeA, options.revertTimeA);
    v.revertTime(offset::RevertTimeB, options.revertTimeB);
    v.list({offset::ReturnChannel, 4}, options.returnChannel);
    v.delay(offset::ScanRxResumeDelay, options.scanRxResumeDelay);
    v.delay(offset::ScanTxResumeDelay, options.scanTxResumeDelay);
    v.scanBits(offset::ScanAddBits, radio.channels);
    v.byte(offset::HighPowerLevel, radio.powerLevels.high);
    v.byte(offset::LowPowerLevel, radio.powerLevels.low);

    v.constant(offset::ModelTag, kModelTag);
    v.band(offset::BandCode, radio.band);
    v.constant(offset::ModelTagEnd, "\xF8\xFF");
    for (int i = 0; i < 8; ++i)
        v.dtmfMemory(offset::DtmfMemory + 16 * i, dtmf.memories[static_cast<std::size_t>(i)]);
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
