// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// CSV text: records of fields with quotes, as CHIRP's memory CSV, the units list and the
// production line's log have them.
#include <string>
#include <utility>
#include <vector>

namespace tlv {

// Splits CSV text into records of fields, each with the line it starts on (quotes with doubled
// quote characters; CR, LF or CRLF line ends). Returns false on an unbalanced quote.
bool SplitCsv(const std::string& text, std::vector<std::pair<int, std::vector<std::string>>>& rows);

// One CSV field: quoted (quotes doubled) when it holds a comma, a quote or a line end.
std::string CsvField(const std::string& value);

} // namespace tlv
