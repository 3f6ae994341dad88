// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/ParmrkDecoder.h"

namespace tlv {

std::vector<ParmrkDecoder::Event> ParmrkDecoder::feed(std::span<const uint8_t> bytes) {
    std::vector<Event> events;
    auto data = [&]() -> std::vector<uint8_t>& {
        if (events.empty() || events.back().isBreak) events.push_back({});
        return events.back().data;
    };
    for (uint8_t byte : bytes) {
        switch (marks_) {
        case 0:
            if (byte == 0xFF) {
                marks_ = 1;
            } else {
                data().push_back(byte);
            }
            break;
        case 1:
            if (byte == 0x00) {
                marks_ = 2;
            } else {
                // 0xFF 0xFF, or a stray 0xFF that no mark explains: both are data.
                if (byte != 0xFF) data().push_back(0xFF);
                data().push_back(byte);
                marks_ = 0;
            }
            break;
        default:
            if (byte == 0x00) events.push_back({true, {}});
            data().push_back(byte);
            marks_ = 0;
            break;
        }
    }
    std::erase_if(events, [](const Event& e) { return !e.isBreak && e.data.empty(); });
    return events;
}

} // namespace tlv
