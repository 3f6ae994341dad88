#pragma once
// The 848-byte memory image: sizes, offsets and the band table.
#include <array>
#include <string_view>

namespace tlv {

// ImageText: the image as 1696 upper-case hex digits, byte 0 first.
inline constexpr int kImageBytes = 848;
inline constexpr int kImageDigits = 2 * kImageBytes;
// The decoder reads offsets 0..815 only.
inline constexpr int kDecodedBytes = 816;
inline constexpr int kMinDecodeDigits = 2 * kDecodedBytes;
// Image offset k is radio address k + 0x10.
inline constexpr int kImageBaseAddress = 0x0010;

inline constexpr int kChannelCount = 16;
inline constexpr int kChannelRecordBytes = 16;

namespace offset {
inline constexpr int Channels = 0;
inline constexpr int DtmfRate = 256;
inline constexpr int KeyFunction1 = 269;
inline constexpr int KeyFunction2 = 270;
inline constexpr int IdCode = 272;
inline constexpr int VoicePrompt = 287;
inline constexpr int TimeOutTimer = 288;
inline constexpr int TimeOutWarning = 289;
inline constexpr int PttIdMode = 290;
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
inline constexpr int ScanAddBits = 366;
inline constexpr int HighPowerLevel = 371;
inline constexpr int LowPowerLevel = 376;
inline constexpr int ModelTag = 424;
inline constexpr int BandCode = 429;
inline constexpr int DtmfMemory = 496;
inline constexpr int TestFrequencyTable = 624;
inline constexpr int EmbeddedTexts = 752;
inline constexpr int ModelId = 816;
inline constexpr int BandCodeCopy = 828;
inline constexpr int TrailerCode = 832;
} // namespace offset

inline constexpr std::string_view kModelTag = "QDM74";
inline constexpr std::string_view kModelId = "QDLP610";
inline constexpr std::string_view kTrailerCode = "47120358";

struct Band {
    std::string_view text; // entry of the band list, the same in every language
    int low;               // BandLow, MHz, included
    int high;              // BandHigh, MHz, not included
    std::string_view code; // BandCode as two hex digits
};

inline constexpr std::array<Band, 7> kBands{{
    {"400-470MHz", 400, 470, "33"},
    {"450-490MHz", 450, 490, "21"},
    {"400-430MHz", 400, 430, "43"},
    {"370-390MHz", 370, 390, "63"},
    {"350-370MHz", 350, 370, "53"},
    {"136-174MHz", 136, 174, "01"},
    {"600-720MHz", 600, 720, "73"},
}};

} // namespace tlv
