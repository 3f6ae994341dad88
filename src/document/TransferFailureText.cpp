// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/TransferFailureText.h"

#include "language/Messages.h"

#include <vector>

namespace tlv {

std::string DescribeFailure(const TransferFailure& failure, Language language) {
    std::vector<std::string> lines;
    auto say = [&](const LocalText& text, const std::string& a = {}, const std::string& b = {}) {
        lines.push_back(Localise(language, text, a, b));
    };
    const bool write = failure.direction == TransferDirection::Write;
    switch (failure.cause) {
    case FailureCause::None:
        return {};
    case FailureCause::NoAnswer:
        say(cause::NoAnswer);
        break;
    case FailureCause::UnexpectedIdentification:
        say(cause::UnexpectedIdentification, failure.received);
        break;
    case FailureCause::PortLost:
        say(cause::PortLost, failure.device);
        break;
    case FailureCause::TimeLimit:
        say(cause::TimeLimit, std::to_string(kTransferLimitTicks * kSupervisionIntervalMs / 1000));
        break;
    case FailureCause::Stopped:
        break;
    }
    if (failure.dataPhase) {
        say(write ? cause::WriteStopped : cause::ReadStopped, std::to_string(failure.blocksDone),
            std::to_string(failure.blocksTotal));
    }
    if (write && failure.blocksDone > 0) say(cause::PartlyWritten);
    std::string text;
    for (const std::string& line : lines)
        text += (text.empty() ? "" : "\n") + line;
    return text;
}

} // namespace tlv
