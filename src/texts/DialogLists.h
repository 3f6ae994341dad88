// SPDX-License-Identifier: GPL-3.0-or-later
// The entries of the optional functions dialog's lists that the program computes rather than
// takes from the caption table (the window's dialog and the web edition fill them alike).
#pragma once
#include "language/Language.h"

#include <string>
#include <vector>

namespace tlv {

// VOX gain: the table's "off" entry, then 1 ... 10.
std::vector<std::string> VoxGainEntries(Language language);
// VOX delay: 0.3S ... 3S.
std::vector<std::string> VoxDelayEntries();
// Priority channel: 01 ... 16.
std::vector<std::string> PriorityChannelEntries();
// Both revert times: the table's empty entry, then 0.50 S ... 5.00 S in steps of 0.05 s.
std::vector<std::string> RevertTimeEntries(Language language);

} // namespace tlv
