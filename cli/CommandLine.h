// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Argument parsing of tlv6200-cli: a verb followed by its options and operands.
#include "language/Language.h"

#include <optional>
#include <string>
#include <vector>

namespace tlv::cli {

enum class Verb { None, New, Show, Export, Import, Diff, Read, Write, Ports, Line };

struct CommandLine {
    Verb verb = Verb::None;
    std::vector<std::string> operands; // FILE arguments
    std::string output;                // -o / --output ("-" = standard output)
    std::string base;                  // --base
    std::optional<int> band;           // --band N (import)
    std::vector<std::string> ports;    // --port, repeatable
    std::string lang = "en";           // --lang: en, zh-CN, zh-TW
    bool service = false;              // --service
    bool yes = false;                  // --yes
    bool renumber = false;             // --renumber (import)
    bool json = false;                 // --json (diff)
    bool verify = false;               // --verify (write)
    bool force = false;                // --force (write)
    bool noBackup = false;             // --no-backup
    std::string units;                 // --units (line)
    std::string log;                   // --log (line)
    std::optional<int> startAt;        // --start-at N (line)
    bool watch = false;                // --watch (line)
    bool help = false;                 // --help / -h
    bool version = false;              // --version
    Language language() const;         // the language --lang names
};

// Result of parsing: on failure `error` names the fault (English, for the usage message)
// and `line.verb` is what could be recognised, so that the right usage can be printed.
struct ParseResult {
    CommandLine line;
    bool ok = false;
    std::string error;
};

ParseResult ParseCommandLine(const std::vector<std::string>& args);

// The usage text of one verb, or of the whole program for Verb::None.
std::string UsageText(Verb verb);

const char* VerbName(Verb verb);

// The bands --band chooses from: "0 400-470MHz, 1 450-490MHz, ...".
std::string BandChoices();

} // namespace tlv::cli
