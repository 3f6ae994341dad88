// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An import as every front end runs it: the text is read in its format (a JSON text by the
// front end's parser) and every value applied to the editor through the editor's own rules.
#include "editor/EditorState.h"
#include "exchange/ExchangeFormat.h"
#include "exchange/ImportReport.h"
#include "exchange/JsonValue.h"

#include <string>

namespace tlv {

// Reads `text` (JSON or CSV) and applies it to `state`, the base of the import, with the
// user's options. On errors in the report the state may be partly changed: the caller discards
// it.
ImportReport ImportText(const std::string& text, ExchangeFormat format,
                        const ImportOptions& options, Language language, EditorState& state,
                        const JsonParser& json);

} // namespace tlv
