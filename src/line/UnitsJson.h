// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The units list as JSON: an array with one object per radio, its keys the column names of the
// CSV form ({"IdCode": "101", "embeddedTexts[0]": "UNIT 1", "VoxGain": 3}). Checked as the CSV
// form is, row 1 being the first object.
#include "exchange/JsonValue.h"
#include "line/UnitsList.h"

namespace tlv {

// The units list in JSON, read by the front end's parser.
std::vector<Unit> ReadUnitsJson(const std::string& text, const EditorState& base, Language language,
                                UnitsReport& report, const JsonParser& parser);

} // namespace tlv
