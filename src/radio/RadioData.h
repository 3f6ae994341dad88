// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The radio's memory as values: what a memory image, a data file and a transfer carry, and
// what undo, the unsaved-changes check and the exchange formats work on. No texts of the
// user interface live here: the windows render these values in the language in force.
//
// Settings shown in a drop-down list are kept as the list position of their entry (the
// radio stores that position); -1 means no entry is selected.
#include "radio/Frequency.h"
#include "radio/Tone.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace tlv {

inline constexpr int kChannelCount = 16;

enum class Power : uint8_t { Low = 0, High = 1 };
// Transmitting on a busy channel: allowed (Off), or forbidden while a carrier is received.
enum class TransmitForbid : uint8_t { Off = 0, OnCarrier = 1 };
enum class Bandwidth : uint8_t { Narrow = 0, Wide = 1 };

// One memory channel. A channel without a receive frequency is not in use; it then holds the
// values below, which are what the radio's memory holds for an empty channel.
struct Channel {
    std::optional<Frequency> rx; // none: the channel is not in use
    std::optional<Frequency> tx; // none: the channel only receives
    Tone rxTone;
    Tone txTone;
    Power power = Power::High;
    TransmitForbid forbid = TransmitForbid::OnCarrier;
    Bandwidth bandwidth = Bandwidth::Wide;
    bool scan = false;

    bool inUse() const { return rx.has_value(); }
    bool operator==(const Channel&) const = default;
};

// The function panel of the main window.
struct FunctionSettings {
    int voicePrompt = -1;    // 0 off, 1 Chinese, 2 English
    int timeOutTimer = -1;   // position p is (p + 1) x 15 s; the radio holds p + 1
    int timeOutWarning = -1; // 0 off, 1..10
    int squelchLevel = -1;   // 0..9
    int batterySave = -1;    // 0 off, 1 on
    int beep = -1;           // 0 off, 1 on

    bool operator==(const FunctionSettings&) const = default;
};

// The settings of the optional-functions dialog (VOX, scan and priority, PTT ID, duplicate).
struct OptionalFunctions {
    int pttIdMode = 0; // 0 at the start of a transmission, 1 at its end, 2 both
    bool cancelOperation = false;
    bool voxOffOnReceive = false;
    int voxEnable = 0;       // 0 off, 1 on
    int voxGain = 0;         // 0 off, 1..10
    int voxDelay = 0;        // 0.3, 0.5, 1, 1.5, 2, 3 s
    int voxTone = 0;         // 0 off, 1 on
    int duplicate = 0;       // 0..1
    int priorityMode = 0;    // 0 none, 1 fixed, 2 selected
    int priorityChannel = 0; // channel 1..16; 0 when none is chosen
    int revertTimeA = 0;     // 0 none, p = 0.50 s + (p - 1) x 0.05 s
    int revertTimeB = 0;
    int returnChannel = 0; // 0..3
    // Seconds, 0..300. Empty while no value has been given (a new editor): the dialog shows an
    // empty box and the radio gets 0.
    std::optional<uint16_t> scanRxResumeDelay;
    std::optional<uint16_t> scanTxResumeDelay;

    bool operator==(const OptionalFunctions&) const = default;
};

// The DTMF settings and memories (not shown by any window; they travel with the image and
// the exchange formats).
struct DtmfSettings {
    int dtmfRate = 0;        // 0..3
    int firstDigitTime = 0;  // 0..3
    int firstDigitDelay = 0; // milliseconds; the radio holds tens, 100..1000 ms
    int starHashTone = 0;    // 0..3
    int dKeySetting = 0;     // 0..16
    int dtmfSidetone = 0;    // 0..1
    int groupCallCode = 0;   // 0 none, 1..6 *, #, A..D
    int autoResetTimer = 0;  // 0..15
    std::array<std::string, 8> memories{};

    bool operator==(const DtmfSettings&) const = default;
};

// The codes the radio sends to identify itself: the ID code and the PTT ID codes sent as DTMF
// at the start and the end of a transmission (ASCII).
struct IdentityCodes {
    std::string idCode;         // at most 10 characters
    std::string pttIdStartCode; // at most 16
    std::string pttIdEndCode;   // at most 16

    bool operator==(const IdentityCodes&) const = default;
};

// The functions of the programmable keys PF1 and PF2: list positions 0..11.
struct KeyFunctions {
    int pf1 = 0;
    int pf2 = 0;

    bool operator==(const KeyFunctions&) const = default;
};

// The transmit power levels, 0..255 (set in service mode only).
struct PowerLevels {
    int high = 0;
    int low = 0;

    bool operator==(const PowerLevels&) const = default;
};

struct TestFrequency {
    std::optional<Frequency> rx;
    std::optional<Frequency> tx;

    bool operator==(const TestFrequency&) const = default;
};

struct RadioData {
    std::array<Channel, kChannelCount> channels{};
    int band = 0; // index of kBands
    FunctionSettings functions;
    OptionalFunctions options;
    DtmfSettings dtmf;
    IdentityCodes codes;
    KeyFunctions keys;
    PowerLevels powerLevels;
    std::array<TestFrequency, kChannelCount> testFrequencies{};
    std::array<std::string, 2> embeddedTexts{}; // each at most 32 characters

    // Channel `number`, 1..16.
    Channel& channel(int number) { return channels[static_cast<std::size_t>(number - 1)]; }
    const Channel& channel(int number) const {
        return channels[static_cast<std::size_t>(number - 1)];
    }
    bool inUse(int number) const {
        return number >= 1 && number <= kChannelCount && channel(number).inUse();
    }

    bool operator==(const RadioData&) const = default;
};

} // namespace tlv
