// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the memory image holds each field: the offsets of the image layout (ImageLayout.h) and
// of the settings' table (SettingTable.h).

#include <cstdint>

namespace tlv {

inline constexpr int kChannelRecordBytes = 16;

// The record of one channel, its fields' offsets inside the record and their bits.
namespace record {
inline constexpr int Receive = 0;       // the receive frequency: 8 BCD digits, low byte first
inline constexpr int Transmit = 4;      // the transmit frequency, the same way
inline constexpr int ReceiveTone = 8;   // the receive tone's code, two bytes little-endian
inline constexpr int TransmitTone = 10; // the transmit tone's code
inline constexpr int Forbid = 12;       // ForbidBase, with ForbidOnCarrier when forbidden
inline constexpr int Options = 13;      // OptionsBase, with HighPower and Wide
inline constexpr int Fill = 14;         // FillBytes
inline constexpr uint8_t ForbidBase = 0xF0;
inline constexpr uint8_t ForbidOnCarrier = 0x08;
inline constexpr uint8_t OptionsBase = 0xC0;
inline constexpr uint8_t HighPower = 0x20;
inline constexpr uint8_t Wide = 0x10;
inline constexpr uint8_t FillBytes[2] = {0xFC, 0xFF};
// A tone's code: 0xFFFF for none, the CTCSS tenths, or a DCS code with its polarity's bits.
inline constexpr uint16_t NoTone = 0xFFFF;
inline constexpr uint16_t DcsNormal = 0x2800;
inline constexpr uint16_t DcsInverted = 0xA800;
} // namespace record

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

} // namespace tlv
