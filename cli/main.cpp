// SPDX-License-Identifier: GPL-3.0-or-later
// tlv6200-cli: the programming software's engine without the window.
#include "CliTexts.h"
#include "CommandLine.h"
#include "Commands.h"
#include "Console.h"

#include "help/ProgramVersion.h"

#include <cstdio>
#include <string>
#include <vector>

using namespace tlv::cli;

int main(int argc, char* argv[]) {
    std::vector<std::string> args(argv + 1, argv + argc);
    const ParseResult parsed = ParseCommandLine(args);
    const CommandLine& line = parsed.line;
    if (!parsed.ok) {
        ErrorLine("tlv6200-cli: " +
                  tlv::Localise(line.language(), tlv::text::UsageError, parsed.error));
        std::fputs(UsageText(line.verb).c_str(), stderr);
        return kExitUsage;
    }
    if (line.version) {
        std::printf("tlv6200-cli %s\n", tlv::kProgramVersion);
        return kExitOk;
    }
    if (line.help) {
        std::fputs(UsageText(line.verb).c_str(), stdout);
        return kExitOk;
    }
    switch (line.verb) {
    case Verb::New:
        return RunNew(line);
    case Verb::Show:
        return RunShow(line);
    case Verb::Export:
        return RunExport(line);
    case Verb::Import:
        return RunImport(line);
    case Verb::Diff:
        return RunDiff(line);
    case Verb::Read:
        return RunRead(line, argc, argv);
    case Verb::Write:
        return RunWrite(line, argc, argv);
    case Verb::Ports:
        return RunPorts(line, argc, argv);
    case Verb::Line:
        return RunLine(line, argc, argv);
    case Verb::None:
        break;
    }
    std::fputs(UsageText(Verb::None).c_str(), stderr);
    return kExitUsage;
}
