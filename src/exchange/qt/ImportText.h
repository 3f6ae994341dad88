#pragma once
// An import as the window and the command line run it: the text is read in its format and
// every value applied to the editor through the editor's own rules.
#include "exchange/ExchangeFormat.h"
#include "exchange/ImportPatch.h"

#include <string>

namespace tlv {

// Reads `text` (JSON or CSV) and applies it to `state`, the base of the import, with the
// user's options. On errors in the report the state may be partly changed: the caller discards
// it.
ImportReport ImportText(const std::string& text, ExchangeFormat format,
                        const ImportOptions& options, int languageState, EditorState& state);

} // namespace tlv
