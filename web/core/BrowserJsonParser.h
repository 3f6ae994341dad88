// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The browser's JSON parser (JSON.parse) as the JSON parser of the core's readers in the web
// edition.
#include "exchange/JsonValue.h"

namespace tlv {

class BrowserJsonParser final : public JsonParser {
  public:
    JsonValue parse(std::string_view text) const override;
};

} // namespace tlv
