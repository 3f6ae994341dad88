// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tone columns of a row of CHIRP's memory CSV (Tone, rToneFreq, cToneFreq, DtcsCode,
// DtcsPolarity, RxDtcsCode, CrossMode) read into the channel's two tones, as CHIRP defines
// them. Part of the CSV reader (ChannelCsvReader.cpp).
#include "exchange/ImportChanges.h"
#include "language/Messages.h"

#include <functional>
#include <optional>
#include <string>

namespace tlv {

// The row as the tone columns need it.
struct ChirpRow {
    std::function<bool(const char* column)> has;          // the file has the column
    std::function<std::string(const char* column)> value; // the row's value, blanks trimmed
    // A finding at a column, naming a value.
    std::function<void(const char* column, const LocalText& message, const std::string& value)>
        refuse;
};

// The two tones, each with the column it was read from.
struct ChirpTones {
    ToneChange rx, tx;
    const char* rxColumn;
    const char* txColumn;
};

// The tones of a row whose file has a Tone column; nothing after a finding (refused).
std::optional<ChirpTones> ReadChirpTones(const ChirpRow& row);

} // namespace tlv
