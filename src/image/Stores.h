#pragma once
// Program-wide settings stores: the radio settings that the main window does not show.
// They leave the program only inside a memory image.
#include <array>
#include <cstdint>
#include <string>

namespace tlv {

// 24 texts; list settings hold their list position as decimal text.
struct OptionSettings {
    enum Entry : int {
        PttIdMode = 3,
        VoxEnable = 5,
        VoxGain = 6,
        VoxDelay = 7,
        VoxTone = 8,
        Duplicate = 9,
        PriorityMode = 10,
        PriorityChannel = 11, // channel number 1..16, "0" when no selection
        RevertTimeA = 12,
        RevertTimeB = 13,
        ReturnChannel = 14,
        IdCode = 15,
        PttIdStartCode = 16,
        PttIdEndCode = 17,
        ScanRxResumeDelay = 18,
        ScanTxResumeDelay = 19,
        CancelOperation = 22,
        VoxOffOnReceive = 23,
    };
    std::array<std::string, 24> entry{};

    bool operator==(const OptionSettings&) const = default;
};

// Eight signed 16-bit values in this order.
struct DtmfSettings {
    enum Field : int {
        DtmfRate = 0,
        FirstDigitTime = 1,
        FirstDigitDelay = 2, // milliseconds
        StarHashTone = 3,
        DKeySetting = 4,
        DtmfSidetone = 5,
        GroupCallCode = 6,
        AutoResetTimer = 7,
    };
    std::array<int16_t, 8> value{};

    bool operator==(const DtmfSettings&) const = default;
};

struct SettingsStores {
    OptionSettings options;
    DtmfSettings dtmf;
    std::array<std::string, 8> dtmfMemory{}; // DtmfMemory entries 0..7
    int16_t keyFunction1 = 0;                // KeyFunction1: PF1 list position 0..11
    int16_t keyFunction2 = 0;                // KeyFunction2
    int16_t highPowerLevel = 0;              // HighPowerLevel 0..255
    int16_t lowPowerLevel = 0;               // LowPowerLevel 0..255
    // TestFrequencyStore: index n-1 is the receive text of test channel n (1..16),
    // index n+15 its transmit text; "0.00000" form or empty.
    std::array<std::string, 32> testFrequencies{};
    std::array<std::string, 2> embeddedTexts{}; // EmbeddedTexts 1 and 2

    bool operator==(const SettingsStores&) const = default;
};

} // namespace tlv
