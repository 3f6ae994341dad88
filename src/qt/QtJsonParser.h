// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Qt's JSON parser (QJsonDocument) as the JSON parser of the core's readers, for the window
// program, the command line and the production line.
#include "exchange/JsonValue.h"

namespace tlv {

class QtJsonParser final : public JsonParser {
  public:
    JsonValue parse(std::string_view text) const override;
};

} // namespace tlv
