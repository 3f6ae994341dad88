// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The channel list in CHIRP's memory CSV: one row per channel in use, Location 1..16. Written
// by ChannelCsvWriter.cpp, read by ChannelCsvReader.cpp.
#include "exchange/CsvText.h"
#include "exchange/ImportChanges.h"

#include <string>

namespace tlv {

inline constexpr const char* kChirpHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE";

// The Power column: nominal figures for the radio's two levels, as watts in the form CHIRP
// writes and reads.
inline constexpr const char* kHighPowerWatts = "5.0W";
inline constexpr const char* kLowPowerWatts = "1.0W";

// The CSV text of the channels in use (CRLF line ends, as CHIRP writes them).
std::string ExportCsv(const RadioData& radio);

// Reads CHIRP CSV by header names into the changes of channels, each placed at its line and
// column. Each row goes to the channel of its Location (1..16), or, with `renumber`, the rows in
// Location order to channels 1..N. What the radio cannot keep (names, comments, priority scan,
// digits finer than 10 Hz) gives a note.
ImportChanges ParseCsv(const std::string& text, bool renumber, Language language,
                       ImportReport& report);

} // namespace tlv
