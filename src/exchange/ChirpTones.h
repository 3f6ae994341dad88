// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tone columns of a row of CHIRP's memory CSV (Tone, rToneFreq, cToneFreq, DtcsCode,
// DtcsPolarity, RxDtcsCode, CrossMode) read into the channel's two tones, as CHIRP defines
// them. Part of the CSV reader (ChannelCsvReader.cpp).
#include "exchange/ImportChanges.h"
#include "language/Messages.h"

#include <optional>
#include <string>

namespace tlv {

// The row as the tone columns need it.
class ChirpRow {
  public:
    virtual ~ChirpRow() = default;
    virtual bool has(const char* column) const = 0;          // the file has the column
    virtual std::string value(const char* column) const = 0; // the row's value, blanks trimmed
    // A finding at a column, naming a value.
    virtual void refuse(const char* column, const LocalText& message,
                        const std::string& value) const = 0;
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
