#pragma once
// The channel list in CHIRP's memory CSV: one row per channel in use, Location 1..16.
#include "exchange/ImportPatch.h"

#include <string>

namespace tlv {

inline constexpr const char* kChirpHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE";

// The CSV text of the channels in use (CRLF line ends, as CHIRP writes them).
std::string ExportCsv(const EditorState& state);

// Reads CHIRP CSV by header names into a patch of channels; listed locations only.
ImportPatch ParseCsv(const std::string& text, int languageState, ImportReport& report);

} // namespace tlv
