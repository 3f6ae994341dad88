// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a JSON import in the WebAssembly core: the browser's JSON parser reads the text, and
// the values are checked and turned into an ImportPatch with the same keys, types and messages
// as the desktop programs' reader (src/qt/JsonImport.cpp).
#pragma once
#include "exchange/ImportPatch.h"

#include <string>

namespace tlv {

ImportPatch ParseJsonText(const std::string& text, Language language, ImportReport& report);

} // namespace tlv
