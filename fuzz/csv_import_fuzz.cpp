// SPDX-License-Identifier: GPL-3.0-or-later
// CSV import in CHIRP's memory format (tlv6200-cli import FILE.csv): any text.
#include "exchange/ChannelCsv.h"
#include "import_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    tlv::fuzz::CheckImport(data, size, tlv::ExchangeFormat::Csv, tlv::ExportCsv);
    return 0;
}
