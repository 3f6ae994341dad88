#pragma once
// The editor's values as JSON: band, the 16 channels (null = not in use), the settings by
// name, the DTMF memories, the test frequencies and the embedded texts.
#include "ImportPatch.h"

#include <string>

namespace tlv::cli {

// The JSON text of the editor, keys in a fixed order, ending with a newline.
std::string ExportJson(const EditorState& state);

// Reads a JSON text into a patch. Syntax and type faults go into report.errors.
ImportPatch ParseJson(const std::string& text, int languageState, ImportReport& report);

} // namespace tlv::cli
