// SPDX-License-Identifier: GPL-3.0-or-later
// JSON import (tlv6200-cli import FILE.json): any text.
#include "exchange/JsonExport.h"
#include "import_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    tlv::fuzz::CheckImport(data, size, tlv::ExchangeFormat::Json, tlv::ExportJson);
    return 0;
}
