// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include "radio/Bands.h"

#include <array>
#include <utility>

namespace tlv::cli {

namespace {

struct VerbInfo {
    Verb verb;
    const char* name;
    const char* synopsis;
    const char* description;
};

constexpr std::array<VerbInfo, 9> kVerbs{{
    {Verb::New, "new", "new -o FILE.DAT",
     "Writes the start-up editor (no channels, default settings) as a data file."},
    {Verb::Show, "show", "show FILE.DAT [--lang en|zh-CN|zh-TW]",
     "Prints the channel table and the settings of a data file as the window shows them."},
    {Verb::Export, "export", "export FILE.DAT -o OUT.json|OUT.csv|-",
     "Writes the data file as JSON (all values) or CHIRP CSV (the channels); the format\n"
     "  follows the extension of OUT, and \"-o -\" writes JSON to standard output."},
    {Verb::Import, "import",
     "import IN.json|IN.csv -o FILE.DAT [--base BASE.DAT] [--band N] [--renumber]",
     "Applies the values of IN to the start-up editor (or to BASE.DAT) and saves the\n"
     "  result. Every value is checked with the editor's rules; on any error nothing is\n"
     "  written. A CSV carries no band: --band N chooses it (the list below), also over\n"
     "  the band of a JSON or of BASE.DAT; a band change is refused while a channel it keeps\n"
     "  lies outside the new band. --renumber places the CSV rows in Location order\n"
     "  on channels 1..N (CHIRP files may start at Location 0 or run past 16). What the\n"
     "  radio cannot keep (names, comments, priority scan, digits finer than 10 Hz) is\n"
     "  noted on standard error."},
    {Verb::Diff, "diff", "diff A.DAT B.DAT [--json]",
     "Lists the differences between two data files by name (\"channel 3: rx old -> new\",\n"
     "  \"settings.VoxGain: old -> new\"); --json writes them as JSON. Exits 0 when the\n"
     "  files hold the same values, 1 when they differ, 2 on a file error."},
    {Verb::Read, "read", "read --port PORT -o FILE.DAT [--no-backup]",
     "Reads the radio on PORT and saves its memory as a data file. A copy of the image\n"
     "  read also goes to the backup folder (~/.local/share/TLV6200/backups, the newest\n"
     "  200 kept) unless --no-backup is given; its path is printed."},
    {Verb::Write, "write",
     "write --port PORT [--port PORT ...] FILE.DAT [--service] [--yes] [--verify] [--force]\n"
     "      [--no-backup]",
     "Writes the data file into the radio on every PORT at once. --service also writes the\n"
     "  power-level block; --yes answers Yes to the band question (asked on the terminal\n"
     "  when standard input is one, answered No otherwise); --verify reads each radio back\n"
     "  after the write and compares every written address. A file with channels outside its\n"
     "  band is refused (they are listed, exit 3) unless --force is given. Before the first\n"
     "  block, the image being written goes to the backup folder unless --no-backup is given."},
    {Verb::Ports, "ports", "ports", "Lists the port table COM1..COM20 and the devices behind it."},
    {Verb::Line, "line",
     "line BASE.DAT --units UNITS.csv [--port PORT ...] [--watch] [--verify] [--log LOG.csv]\n"
     "  [--start-at N] [--yes] [--service] [--no-backup]",
     "Production line: writes BASE.DAT into radio after radio, each with the next unused row of\n"
     "  UNITS.csv applied (a header row of names as the JSON export has them: IdCode,\n"
     "  PttIdStartCode, PttIdEndCode, embeddedTexts[0], channels[2].rx ...; an empty cell keeps\n"
     "  the base's value). Every row is checked before any radio is touched. Without --watch\n"
     "  each PORT gets one radio; with --watch every cable is served each time a radio\n"
     "  appears behind it (every new serial device of the machine when no PORT is given),\n"
     "  until the rows run out or Ctrl+C. A radio that fails leaves its row to the next one.\n"
     "  One line per radio on standard output and in LOG.csv; a restart with the same log goes\n"
     "  on at the first row not done, --start-at N starts at row N instead. UNITS.json holds\n"
     "  an array of objects with the same names as keys."},
}};

const VerbInfo* findVerb(Verb verb) {
    for (const auto& info : kVerbs)
        if (info.verb == verb) return &info;
    return nullptr;
}

Verb verbFromName(const std::string& name) {
    for (const auto& info : kVerbs)
        if (name == info.name) return info.verb;
    return Verb::None;
}

// Options each verb accepts besides --help and --lang.
bool accepts(Verb verb, const std::string& option) {
    if (option == "-o")
        return verb == Verb::New || verb == Verb::Export || verb == Verb::Import ||
               verb == Verb::Read;
    if (option == "--base" || option == "--band" || option == "--renumber")
        return verb == Verb::Import;
    if (option == "--json") return verb == Verb::Diff;
    if (option == "--force") return verb == Verb::Write;
    if (option == "--verify" || option == "--port" || option == "--service" || option == "--yes")
        return verb == Verb::Write || verb == Verb::Line ||
               (option == "--port" && verb == Verb::Read);
    if (option == "--no-backup")
        return verb == Verb::Read || verb == Verb::Write || verb == Verb::Line;
    if (option == "--units" || option == "--log" || option == "--start-at" || option == "--watch")
        return verb == Verb::Line;
    return false;
}

std::string canonical(const std::string& option) {
    if (option == "--output") return "-o";
    if (option == "-y") return "--yes";
    return option;
}

} // namespace

const char* VerbName(Verb verb) {
    const VerbInfo* info = findVerb(verb);
    return info ? info->name : "";
}

std::string BandChoices() {
    std::string text;
    for (int band = 0; band < kBandCount; ++band)
        text += (band ? ", " : "") + std::to_string(band) + " " + std::string(kBands[band].text);
    return text;
}

Language CommandLine::language() const {
    if (lang == "zh-CN") return Language::Simplified;
    if (lang == "zh-TW") return Language::Traditional;
    return Language::English;
}

std::string UsageText(Verb verb) {
    const std::string common =
        "\nOptions:\n"
        "  --lang en|zh-CN|zh-TW  language of the messages (default en)\n"
        "  -h, --help             this help\n"
        "  --version              the program's version\n"
        "\nPORT is COMn (the port table, see \"tlv6200-cli ports\") or a device path.\n"
        "Exit codes: 0 success, 1 usage (diff: the files differ), 2 file error,\n"
        "3 communication error, band question declined or failed verification, 4 invalid\n"
        "input in an import.\n";
    if (const VerbInfo* info = findVerb(verb)) {
        std::string bands;
        if (verb == Verb::Import) {
            // The band list, wrapped like the descriptions.
            std::string line = "  Bands:";
            for (int band = 0; band < kBandCount; ++band) {
                std::string entry(1, ' ');
                entry += std::to_string(band);
                entry += ' ';
                entry += kBands[band].text;
                if (band + 1 < kBandCount) entry += ',';
                if (line.size() + entry.size() > 88) {
                    bands += line + "\n";
                    line = "        ";
                }
                line += entry;
            }
            bands = "\n" + bands + line + "\n";
        }
        return std::string("Usage: tlv6200-cli ") + info->synopsis + "\n\n  " + info->description +
               "\n" + bands + common;
    }
    std::string text = "Usage: tlv6200-cli COMMAND [OPTIONS]\n\nCommands:\n";
    for (const auto& info : kVerbs)
        text += std::string("  tlv6200-cli ") + info.synopsis + "\n";
    text += "\nRun \"tlv6200-cli COMMAND --help\" for the details of a command.\n" + common;
    return text;
}

ParseResult ParseCommandLine(const std::vector<std::string>& args) {
    ParseResult result;
    CommandLine& line = result.line;
    if (args.empty()) {
        result.error = "no command given";
        return result;
    }
    std::size_t i = 0;
    if (args[0] == "-h" || args[0] == "--help") {
        line.help = true;
        result.ok = true;
        return result;
    }
    if (args[0] == "--version") {
        line.version = true;
        result.ok = true;
        return result;
    }
    line.verb = verbFromName(args[0]);
    if (line.verb == Verb::None) {
        result.error = "unknown command '" + args[0] + "'";
        return result;
    }
    bool optionsEnded = false;
    for (i = 1; i < args.size(); ++i) {
        std::string arg = args[i];
        if (optionsEnded || arg == "-" || arg.empty() || arg[0] != '-') {
            line.operands.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        std::string value;
        bool hasInlineValue = false;
        if (auto eq = arg.find('='); arg.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = arg.substr(eq + 1);
            arg = arg.substr(0, eq);
            hasInlineValue = true;
        }
        const std::string option = canonical(arg);
        if (option == "-h" || option == "--help") {
            line.help = true;
            continue;
        }
        if (option == "--version") {
            line.version = true;
            continue;
        }
        const bool takesValue = option == "-o" || option == "--base" || option == "--port" ||
                                option == "--lang" || option == "--band" || option == "--units" ||
                                option == "--log" || option == "--start-at";
        if (option != "--lang" && !accepts(line.verb, option)) {
            result.error = "unknown option '" + arg + "' for " + VerbName(line.verb);
            return result;
        }
        if (!takesValue) {
            if (hasInlineValue) {
                result.error = "option '" + arg + "' takes no value";
                return result;
            }
            if (option == "--service") line.service = true;
            if (option == "--yes") line.yes = true;
            if (option == "--renumber") line.renumber = true;
            if (option == "--json") line.json = true;
            if (option == "--verify") line.verify = true;
            if (option == "--force") line.force = true;
            if (option == "--no-backup") line.noBackup = true;
            if (option == "--watch") line.watch = true;
            continue;
        }
        if (!hasInlineValue) {
            if (i + 1 >= args.size()) {
                result.error = "option '" + arg + "' needs a value";
                return result;
            }
            value = args[++i];
        }
        if (value.empty()) {
            result.error = "option '" + arg + "' needs a value";
            return result;
        }
        if (option == "-o") {
            if (!line.output.empty()) {
                result.error = "-o given twice";
                return result;
            }
            line.output = value;
        } else if (option == "--base") {
            line.base = value;
        } else if (option == "--band") {
            const bool digit = value.size() == 1 && value[0] >= '0' &&
                               value[0] < static_cast<char>('0' + kBandCount);
            if (!digit) {
                result.error = "--band takes a band number 0.." + std::to_string(kBandCount - 1);
                return result;
            }
            line.band = value[0] - '0';
        } else if (option == "--units") {
            line.units = value;
        } else if (option == "--log") {
            line.log = value;
        } else if (option == "--start-at") {
            const bool digits =
                value.size() <= 6 && value.find_first_not_of("0123456789") == std::string::npos;
            if (!digits || std::stoi(value) < 1) {
                result.error = "--start-at takes a row number from 1";
                return result;
            }
            line.startAt = std::stoi(value);
        } else if (option == "--port") {
            line.ports.push_back(value);
        } else if (option == "--lang") {
            if (value != "en" && value != "zh-CN" && value != "zh-TW") {
                result.error = "unknown language '" + value + "' (en, zh-CN or zh-TW)";
                return result;
            }
            line.lang = value;
        }
    }
    if (line.help || line.version) {
        result.ok = true;
        return result;
    }

    // What each verb needs.
    std::size_t operands = 0;
    bool needsOutput = false;
    switch (line.verb) {
    case Verb::New:
        needsOutput = true;
        break;
    case Verb::Show:
        operands = 1;
        break;
    case Verb::Export:
    case Verb::Import:
        operands = 1;
        needsOutput = true;
        break;
    case Verb::Diff:
        operands = 2;
        break;
    case Verb::Read:
        needsOutput = true;
        if (line.ports.size() != 1) {
            result.error = "read needs exactly one --port";
            return result;
        }
        break;
    case Verb::Write:
        operands = 1;
        if (line.ports.empty()) {
            result.error = "write needs at least one --port";
            return result;
        }
        break;
    case Verb::Line:
        operands = 1;
        if (line.units.empty()) {
            result.error = "line needs --units UNITS.csv";
            return result;
        }
        if (line.ports.empty() && !line.watch) {
            result.error = "line needs at least one --port, or --watch";
            return result;
        }
        break;
    case Verb::Ports:
    case Verb::None:
        break;
    }
    if (line.operands.size() != operands) {
        result.error = line.operands.size() < operands
                           ? "missing file operand"
                           : "unexpected operand '" + line.operands[operands] + "'";
        return result;
    }
    if (needsOutput && line.output.empty()) {
        result.error = std::string(VerbName(line.verb)) + " needs -o FILE";
        return result;
    }
    if (line.output == "-" && line.verb != Verb::Export) {
        result.error = "\"-o -\" is only for export";
        return result;
    }
    result.ok = true;
    return result;
}

} // namespace tlv::cli
