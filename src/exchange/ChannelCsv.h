// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The channel list in CHIRP's memory CSV: one row per channel in use, Location 1..16.
#include "exchange/ImportPatch.h"

#include <string>
#include <utility>
#include <vector>

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

// Reads CHIRP CSV by header names into a patch of channels. Each row goes to the channel of its
// Location (1..16), or, with `renumber`, the rows in Location order to channels 1..N. What the
// radio cannot keep (names, comments, priority scan, digits finer than 10 Hz) gives a note.
ImportPatch ParseCsv(const std::string& text, bool renumber, Language language,
                     ImportReport& report);

// Splits CSV text into records of fields, each with the line it starts on (quotes with doubled
// quote characters; CR, LF or CRLF line ends). Returns false on an unbalanced quote.
bool SplitCsv(const std::string& text, std::vector<std::pair<int, std::vector<std::string>>>& rows);
// One CSV field: quoted (quotes doubled) when it holds a comma, a quote or a line end.
std::string CsvField(const std::string& value);

} // namespace tlv
