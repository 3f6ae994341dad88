// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two exchange formats, told apart by the file name's extension: JSON (every value, by
// name) and CHIRP's memory CSV (the channel list).
#include "image/FileIo.h"
#include "radio/RadioData.h"

#include <cstddef>
#include <string>

namespace tlv {

enum class ExchangeFormat { Json, Csv, Unknown };

// The format of a file by its extension, in any letter case; "-" (standard output) is JSON.
ExchangeFormat ExchangeFormatOf(const std::string& path);

// Import files are small: a file beyond this size is not one of ours.
inline constexpr std::size_t kImportFileLimit = 1 << 20;

// Reads an import file whole; a file larger than kImportFileLimit is refused (EFBIG), never
// read cut off.
FileStatus ReadImportFile(const std::string& path, std::string& text);

// The radio data in the format (JSON or CSV); empty for Unknown.
std::string ExportText(const RadioData& radio, ExchangeFormat format);

} // namespace tlv
