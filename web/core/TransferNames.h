// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The names the page gives a transfer's outcome and a failure's cause, in the order of
// TransferOutcome and FailureCause.
namespace tlv::web {

inline constexpr const char* kTransferOutcomeNames[] = {"success", "communicationError", "declined",
                                                        "stopped"};
inline constexpr const char* kFailureCauseNames[] = {
    "none", "noAnswer", "unexpectedIdentification", "stopped", "portLost", "timeLimit"};

} // namespace tlv::web
