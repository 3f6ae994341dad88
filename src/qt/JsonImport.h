// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading the JSON of an import (QJsonDocument) into a patch of values to be checked.
#include "exchange/ImportPatch.h"

#include <string>

namespace tlv {

// Reads a JSON text into a patch. Syntax and type faults go into report.errors.
ImportPatch ParseJson(const std::string& text, Language language, ImportReport& report);

} // namespace tlv
