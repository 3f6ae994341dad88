// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading the JSON of an import into a patch of values to be checked.
#include "exchange/ImportPatch.h"
#include "exchange/JsonValue.h"

#include <string>

namespace tlv {

// Reads a JSON text with the front end's parser into a patch. Syntax and type faults go into
// report.errors.
ImportPatch ParseJson(const std::string& text, const JsonParser& parser, Language language,
                      ImportReport& report);

} // namespace tlv
