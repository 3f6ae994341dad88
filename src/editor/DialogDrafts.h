// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the five radio dialogs show: their controls' values from the last load until their OK
// stores them into the radio data. A dialog closed with Cancel keeps what the user set; a load
// (start-up, an opened file, a read, an import, undo and redo) shows the data again.
#include <array>
#include <string>

namespace tlv {

// The optional-functions dialog (list positions, -1 = no selection).
struct OptionalFunctionsDraft {
    int pttIdMode = 0;
    bool cancelOperation = false; // check boxes
    bool voxOffOnReceive = false;
    int voxEnable = 0;
    int voxGain = 0;
    int voxDelay = 0;
    int voxTone = 0;
    int duplicate = 0;
    int priorityMode = 0;
    int priorityChannel = -1; // channel - 1
    int revertTimeA = 0;
    int revertTimeB = 0;
    int returnChannel = 0;
    std::string scanRxResumeDelay; // the text boxes
    std::string scanTxResumeDelay;
    // The channel the Fixed priority mode found when it was chosen; the priority channel goes
    // back to it when an empty channel is chosen.
    int priorityFallbackChannel = 0;

    bool operator==(const OptionalFunctionsDraft&) const = default;
};

struct KeysDraft {
    int pf1 = 0;
    int pf2 = 0;

    bool operator==(const KeysDraft&) const = default;
};

struct PowerLevelsDraft {
    int high = 0;
    int low = 0;
    std::string highText = "0";
    std::string lowText = "0";
    bool slidersEnabled = false; // in service mode only

    bool operator==(const PowerLevelsDraft&) const = default;
};

struct TestFrequenciesDraft {
    // Rows 1..16: column 0 the number, 1 receive, 2 transmit ([row][column]).
    std::array<std::array<std::string, 3>, 17> grid{};

    bool operator==(const TestFrequenciesDraft&) const = default;
};

struct EmbeddedTextsDraft {
    std::string first;
    std::string second;

    bool operator==(const EmbeddedTextsDraft&) const = default;
};

struct DialogDrafts {
    OptionalFunctionsDraft optionalFunctions;
    KeysDraft keys;
    PowerLevelsDraft powerLevels;
    TestFrequenciesDraft testFrequencies;
    EmbeddedTextsDraft embeddedTexts;

    bool operator==(const DialogDrafts&) const = default;
};

} // namespace tlv
