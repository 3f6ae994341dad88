// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What ended a failed transfer, in the user's words: the lines shown after the communication
// error.
#include "language/Language.h"
#include "link/TransferSession.h"

#include <string>

namespace tlv {

// The lines that follow the communication error: what happened and, after a write that
// stopped after at least one block, that the radio holds part of the new memory. Empty for
// no failure.
std::string DescribeFailure(const TransferFailure& failure, Language language);

} // namespace tlv
