// CSV import in CHIRP's memory format (tlv6200-cli import FILE.csv): any text.
#include "exchange/ChannelCsv.h"
#include "import_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    // Rows go to the channels their Location names, as a plain import does.
    const auto parse = [](const std::string& text, int language, tlv::ImportReport& report) {
        return tlv::ParseCsv(text, false, language, report);
    };
    tlv::fuzz::CheckImport(data, size, parse, tlv::ExportCsv);
    return 0;
}
