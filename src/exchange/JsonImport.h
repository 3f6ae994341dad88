// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading the JSON of an import into its typed changes, each placed at its key path.
#include "exchange/ImportChanges.h"
#include "exchange/JsonValue.h"

#include <string>

namespace tlv {

// Reads a JSON text with the front end's parser into the changes it gives. Syntax and type faults
// go into report.errors.
ImportChanges ParseJson(const std::string& text, const JsonParser& parser, Language language,
                        ImportReport& report);

} // namespace tlv
