// SPDX-License-Identifier: GPL-3.0-or-later
// tlv6200-cli: the programming software's engine without the window. The first argument names
// the verb; the verb declares its options, the shared parser reads them, the verb says what it
// still needs and runs.
#include "CliTexts.h"
#include "Console.h"
#include "Verb.h"

#include "help/ProgramVersion.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

using namespace tlv::cli;

namespace {

// A usage error: the fault on standard error in the language asked for, then the usage.
int usageError(const std::string& fault, const Invocation& invocation, const Verb* verb,
               const std::vector<std::unique_ptr<Verb>>& verbs) {
    ErrorLine("tlv6200-cli: " + tlv::Localise(invocation.language(), tlv::text::UsageError, fault));
    std::fputs(UsageText(verb, verbs).c_str(), stderr);
    return kExitUsage;
}

} // namespace

int main(int argc, char* argv[]) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const std::vector<std::unique_ptr<Verb>> verbs = MakeVerbs();
    Invocation invocation;
    invocation.argc = argc;
    invocation.argv = argv;
    if (args.empty()) return usageError("no command given", invocation, nullptr, verbs);
    if (args[0] == "-h" || args[0] == "--help") {
        std::fputs(UsageText(nullptr, verbs).c_str(), stdout);
        return kExitOk;
    }
    if (args[0] == "--version") {
        std::printf("tlv6200-cli %s\n", tlv::kProgramVersion);
        return kExitOk;
    }
    const auto found = std::find_if(verbs.begin(), verbs.end(),
                                    [&](const auto& verb) { return args[0] == verb->name(); });
    if (found == verbs.end())
        return usageError("unknown command '" + args[0] + "'", invocation, nullptr, verbs);
    Verb& verb = **found;

    ArgumentParser parser;
    verb.declare(parser);
    std::string fault = parser.parse(verb.name(), {args.begin() + 1, args.end()}, invocation);
    if (fault.empty() && !invocation.help && !invocation.version) fault = verb.check(invocation);
    if (!fault.empty()) return usageError(fault, invocation, &verb, verbs);
    if (invocation.version) {
        std::printf("tlv6200-cli %s\n", tlv::kProgramVersion);
        return kExitOk;
    }
    if (invocation.help) {
        std::fputs(UsageText(&verb, verbs).c_str(), stdout);
        return kExitOk;
    }
    return verb.run(invocation);
}
