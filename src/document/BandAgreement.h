// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The band question of a write ("the band differs, go on?"), settled before anything is sent.
// It is asked once for each band the list is set to: the agreed band is the band of the last
// answer, Yes or No, and the first band before any question. A No ends the write before it
// starts (TransferOutcome::Declined). One agreement per link: the window's, the web page's, and
// one per radio of the command line and the production line.
#include <functional>

namespace tlv {

struct BandAgreement {
    int band = 0; // the band of the last answer

    // Whether a write of a list set to `listBand` asks the question first.
    bool asks(int listBand) const { return listBand != band; }
    // The user answered the question for `listBand`, Yes or No.
    void answered(int listBand) { band = listBand; }
    // Asks the question through `ask` (true for Yes) when it is due; whether the write goes on.
    bool settle(int listBand, const std::function<bool()>& ask) {
        if (!asks(listBand)) return true;
        answered(listBand);
        return ask();
    }
};

} // namespace tlv
