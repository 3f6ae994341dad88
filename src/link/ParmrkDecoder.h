// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Splits the input of a terminal set to mark line conditions (termios PARMRK) into received
// data and breaks, so that a break on the line can be reported like the receive notification
// of kind 1001:
//   0xFF 0xFF    a data byte 0xFF
//   0xFF 0x00 0  a break; reported as a break followed by the NUL character the line received
//   0xFF 0x00 c  the character c, received with a framing or parity error
// Sequences may be split across reads; the decoder keeps the unfinished part.
#include <cstdint>
#include <span>
#include <vector>

namespace tlv {

class ParmrkDecoder {
  public:
    struct Event {
        bool isBreak = false;
        std::vector<uint8_t> data; // for data events
    };
    // Decodes the next bytes read from the terminal into events in arrival order.
    std::vector<Event> feed(std::span<const uint8_t> bytes);

  private:
    int marks_ = 0; // 0: plain, 1: after 0xFF, 2: after 0xFF 0x00
};

} // namespace tlv
