// SPDX-License-Identifier: GPL-3.0-or-later
// The verbs in their order, and the usage texts made of what each verb says of itself.
#include "Verb.h"

namespace tlv::cli {

std::vector<std::unique_ptr<Verb>> MakeVerbs() {
    std::vector<std::unique_ptr<Verb>> verbs;
    for (auto make : {MakeNewVerb, MakeShowVerb, MakeExportVerb, MakeImportVerb, MakeDiffVerb,
                      MakeReadVerb, MakeWriteVerb, MakePortsVerb, MakeLineVerb})
        verbs.push_back(make());
    return verbs;
}

std::string UsageText(const Verb* verb, const std::vector<std::unique_ptr<Verb>>& verbs) {
    const std::string common =
        "\nOptions:\n"
        "  --lang en|zh-CN|zh-TW  language of the messages (default en)\n"
        "  -h, --help             this help\n"
        "  --version              the program's version\n"
        "\nPORT is COMn (the port table, see \"tlv6200-cli ports\") or a device path.\n"
        "Exit codes: 0 success, 1 usage (diff: the files differ), 2 file error,\n"
        "3 communication error, band question declined or failed verification, 4 invalid\n"
        "input in an import.\n";
    if (verb != nullptr)
        return std::string("Usage: tlv6200-cli ") + verb->synopsis() + "\n\n  " +
               verb->description() + "\n" + common;
    std::string text = "Usage: tlv6200-cli COMMAND [OPTIONS]\n\nCommands:\n";
    for (const auto& each : verbs)
        text += std::string("  tlv6200-cli ") + each->synopsis() + "\n";
    text += "\nRun \"tlv6200-cli COMMAND --help\" for the details of a command.\n" + common;
    return text;
}

} // namespace tlv::cli
