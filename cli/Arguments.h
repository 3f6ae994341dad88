// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small parser every verb of tlv6200-cli shares: the options a verb declares (each bound to
// a member of its own), the options every verb takes (--lang, -h/--help, --version), the
// operands, "--" and "--name=value".
#include "language/Language.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tlv::cli {

// What every verb is given besides its own options.
struct Invocation {
    std::vector<std::string> operands; // FILE arguments
    std::string lang = "en";           // --lang: en, zh-CN, zh-TW
    bool help = false;                 // -h / --help
    bool version = false;              // --version
    int argc = 0;                      // the program's own arguments, for the event loop
    char** argv = nullptr;
    Language language() const; // the language --lang names
};

class ArgumentParser {
  public:
    // A value checked as it is taken: the usage error, or "" when it is taken.
    using Take = std::function<std::string(const std::string& value)>;

    // An option without a value: --verify. `alias` is a second spelling (-y for --yes).
    void flag(const std::string& name, bool& on, const std::string& alias = {});
    // An option with a value; the last one given counts. `once`: given twice is an error.
    void value(const std::string& name, std::string& value, const std::string& alias = {},
               bool once = false);
    // An option that may be given again, each value kept: --port.
    void values(const std::string& name, std::vector<std::string>& values);
    // An option whose value `take` checks and keeps.
    void checked(const std::string& name, Take take);

    // Reads the arguments after the verb `verb` into `invocation` and the options declared.
    // Returns the fault of the first argument that is wrong, or "" (English, for the usage
    // error).
    std::string parse(const std::string& verb, const std::vector<std::string>& args,
                      Invocation& invocation) const;

  private:
    struct Option {
        std::string name;
        std::string alias;
        bool takesValue = false;
        Take take;                 // options with a value
        std::function<void()> set; // flags
    };
    const Option* find(const std::string& spelled) const;
    std::vector<Option> options_;
};

// The checks several verbs share, each the usage error or "":
// exactly `count` operands;
std::string CheckOperands(const std::vector<std::string>& operands, std::size_t count);
// -o given, and "-" (standard output) only where it may be.
std::string CheckOutput(const std::string& verb, const std::string& output,
                        bool standardOutput = false);

// The bands --band chooses from: "0 400-470MHz, 1 450-490MHz, ...".
std::string BandChoices();

} // namespace tlv::cli
