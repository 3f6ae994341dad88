// SPDX-License-Identifier: GPL-3.0-or-later
// CSV import in CHIRP's memory format (tlv6200-cli import FILE.csv): any text.
#include "exchange/ChannelCsv.h"
#include "import_fuzz.h"

#include <algorithm>

namespace {

// The Power column holds watts, and a file's highest power reads as high: the channels of a
// file in which none is high come back high.
void givenBackByCsv(tlv::RadioData& radio) {
    const auto highInUse = [](const tlv::Channel& channel) {
        return channel.inUse() && channel.power == tlv::Power::High;
    };
    if (std::any_of(radio.channels.begin(), radio.channels.end(), highInUse)) return;
    for (tlv::Channel& channel : radio.channels)
        if (channel.inUse()) channel.power = tlv::Power::High;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    // Rows go to the channels their Location names, as a plain import does.
    const auto parse = [](const std::string& text, tlv::Language language,
                          tlv::ImportReport& report) {
        return tlv::ParseCsv(text, false, language, report);
    };
    tlv::fuzz::CheckImport(data, size, parse, tlv::ExportCsv, givenBackByCsv);
    return 0;
}
