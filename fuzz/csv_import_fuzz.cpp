// CSV import in CHIRP's memory format (tlv6200-cli import FILE.csv): any text.
#include "../cli/CsvFormat.h"
#include "import_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    tlv::fuzz::CheckImport(data, size, tlv::cli::ParseCsv, tlv::cli::ExportCsv);
    return 0;
}
