#pragma once
// The editor state owned by the main window: channel table, option indices, function panel,
// band, flags, the settings stores and the values of the dialog controls that an image load
// writes. Plain data; the windows are views over it.
#include "image/Stores.h"

#include <array>
#include <cstdint>
#include <string>

namespace tlv {

inline constexpr int kTableRows = 17; // row 0 is the header, rows 1..16 the channels
inline constexpr int kTableCols = 9;  // column 0 is the channel number

// Columns of the channel table.
namespace col {
inline constexpr int Number = 0;
inline constexpr int RxFrequency = 1;
inline constexpr int RxTone = 2;
inline constexpr int TxFrequency = 3;
inline constexpr int TxTone = 4;
inline constexpr int Power = 5;
inline constexpr int Forbid = 6;
inline constexpr int Bandwidth = 7;
inline constexpr int Scan = 8;
} // namespace col

// ChannelTable: 17 x 9 cell texts.
struct ChannelTable {
    std::array<std::array<std::string, kTableCols>, kTableRows> cell{};
    std::string& at(int row, int column) { return cell[row][column]; }
    const std::string& at(int row, int column) const { return cell[row][column]; }
    bool inUse(int row) const { return !cell[row][col::RxFrequency].empty(); }

    bool operator==(const ChannelTable&) const = default;
};

// ChannelOptionIndex: 16 rows (channel-1) x 10 entries (column-2). Meaningful for the
// tone columns 2 and 4 and the option columns 5..8.
struct ChannelOptionIndex {
    std::array<std::array<int16_t, 10>, 16> entry{};
    int16_t& at(int row, int column) { return entry[row - 1][column - 2]; }
    int16_t at(int row, int column) const { return entry[row - 1][column - 2]; }

    bool operator==(const ChannelOptionIndex&) const = default;
};

// The language-dependent list entries the editor compares cells with and writes into cells:
// entry 0 of the tone list and the two entries of the option lists of columns 5..8.
struct CellListTexts {
    std::string toneOff = "关闭";
    std::array<std::array<std::string, 2>, 4> option{{
        {"低", "高"},
        {"关闭", "载波"},
        {"窄带", "宽带"},
        {"无", "有"},
    }};
    const std::string& optionText(int column, int position) const {
        return option[column - 5][position];
    }

    bool operator==(const CellListTexts&) const = default;
};

// Values of the optional-functions dialog's controls (list positions, -1 = no selection).
struct OptionalFunctions {
    int pttIdMode = 0;               // PttIdMode
    int cancelOperation = 0;         // CancelOperation
    int voxOffOnReceive = 0;         // VoxOffOnReceive
    int voxEnable = 0;               // VoxEnable
    int voxGain = 0;                 // VoxGain
    int voxDelay = 0;                // VoxDelay
    int voxTone = 0;                 // VoxTone
    int duplicate = 0;               // Duplicate
    int priorityMode = 0;            // PriorityMode
    int priorityChannel = -1;        // PriorityChannel - 1
    int revertTimeA = 0;             // RevertTimeA
    int revertTimeB = 0;             // RevertTimeB
    int returnChannel = 0;           // ReturnChannel
    std::string scanRxResumeDelay;   // ScanRxResumeDelay
    std::string scanTxResumeDelay;   // ScanTxResumeDelay
    int priorityFallbackChannel = 0; // PriorityFallbackChannel
    // The DTMF group and memory grid that travel with the dialog but are not shown.
    std::array<int, 8> dtmf{}; // in the order of DtmfSettings
    std::array<std::string, 8> dtmfMemory{};

    bool operator==(const OptionalFunctions&) const = default;
};

struct KeyFunctions {
    int keyFunction1 = 0; // KeyFunction1
    int keyFunction2 = 0; // KeyFunction2

    bool operator==(const KeyFunctions&) const = default;
};

struct PowerLevels {
    int highLevel = 0; // HighPowerLevel
    int lowLevel = 0;  // LowPowerLevel
    std::string highLevelText = "0";
    std::string lowLevelText = "0";
    bool slidersEnabled = false;

    bool operator==(const PowerLevels&) const = default;
};

struct TestFrequencyTable {
    // Rows 1..16, column 1 receive and column 2 transmit (index [row][column]).
    std::array<std::array<std::string, 3>, 17> grid{};

    bool operator==(const TestFrequencyTable&) const = default;
};

struct EmbeddedTextFields {
    std::string firstText;
    std::string secondText;

    bool operator==(const EmbeddedTextFields&) const = default;
};

struct EditorState {
    ChannelTable table;
    ChannelOptionIndex optionIndex;
    CellListTexts lists;

    // Function panel: selected positions (-1 = no selection).
    int voicePrompt = -1;    // VoicePrompt
    int timeOutTimer = -1;   // TimeOutTimer (position = value - 1)
    int timeOutWarning = -1; // TimeOutWarning
    int squelchLevel = -1;   // SquelchLevel
    int batterySave = -1;    // BatterySave
    int beep = -1;           // Beep

    // Band list.
    int currentBand = 0;  // CurrentBand: selected index of the band list
    int previousBand = 0; // PreviousBand
    int bandLow = 0;      // BandLow, MHz
    int bandHigh = 0;     // BandHigh, MHz

    // In-cell editing.
    int editRow = 0;
    int editCol = 0;
    bool cellClickArmed = false;

    int serviceMode = 0;   // ServiceMode
    int languageState = 0; // LanguageState: 0 Simplified, 1 English, 2 Traditional
    bool editingLock = false;
    int portNumber = 0; // PortNumber

    SettingsStores stores;

    OptionalFunctions optionalFunctions;
    KeyFunctions keyFunctions;
    PowerLevels powerLevels;
    TestFrequencyTable testFrequencies;
    EmbeddedTextFields embeddedTexts;

    bool operator==(const EditorState&) const = default;
};

} // namespace tlv
