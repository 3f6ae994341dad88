// SPDX-License-Identifier: GPL-3.0-or-later
#include "Arguments.h"

#include "radio/Bands.h"

namespace tlv::cli {

Language Invocation::language() const {
    if (lang == "zh-CN") return Language::Simplified;
    if (lang == "zh-TW") return Language::Traditional;
    return Language::English;
}

void ArgumentParser::flag(const std::string& name, bool& on, const std::string& alias) {
    options_.push_back({name, alias, false, {}, [&on] { on = true; }});
}

void ArgumentParser::value(const std::string& name, std::string& value, const std::string& alias,
                           bool once) {
    options_.push_back({name,
                        alias,
                        true,
                        [&value, name, once](const std::string& given) -> std::string {
                            if (once && !value.empty()) return name + " given twice";
                            value = given;
                            return {};
                        },
                        {}});
}

void ArgumentParser::values(const std::string& name, std::vector<std::string>& values) {
    checked(name, [&values](const std::string& given) {
        values.push_back(given);
        return std::string();
    });
}

void ArgumentParser::checked(const std::string& name, Take take) {
    options_.push_back({name, {}, true, std::move(take), {}});
}

const ArgumentParser::Option* ArgumentParser::find(const std::string& spelled) const {
    for (const Option& option : options_)
        if (spelled == option.name || (!option.alias.empty() && spelled == option.alias))
            return &option;
    return nullptr;
}

std::string ArgumentParser::parse(const std::string& verb, const std::vector<std::string>& args,
                                  Invocation& invocation) const {
    // --lang is every verb's.
    const Option language{"--lang",
                          {},
                          true,
                          [&invocation](const std::string& value) {
                              if (value != "en" && value != "zh-CN" && value != "zh-TW")
                                  return "unknown language '" + value + "' (en, zh-CN or zh-TW)";
                              invocation.lang = value;
                              return std::string();
                          },
                          {}};
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        if (optionsEnded || arg == "-" || arg.empty() || arg[0] != '-') {
            invocation.operands.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        std::string value;
        bool inlineValue = false;
        if (auto eq = arg.find('='); arg.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = arg.substr(eq + 1);
            arg = arg.substr(0, eq);
            inlineValue = true;
        }
        if (arg == "-h" || arg == "--help") {
            invocation.help = true;
            continue;
        }
        if (arg == "--version") {
            invocation.version = true;
            continue;
        }
        const Option* option = arg == language.name ? &language : find(arg);
        if (option == nullptr) return "unknown option '" + arg + "' for " + verb;
        if (!option->takesValue) {
            if (inlineValue) return "option '" + arg + "' takes no value";
            option->set();
            continue;
        }
        if (!inlineValue) {
            if (i + 1 >= args.size()) return "option '" + arg + "' needs a value";
            value = args[++i];
        }
        if (value.empty()) return "option '" + arg + "' needs a value";
        if (std::string fault = option->take(value); !fault.empty()) return fault;
    }
    return {};
}

std::string CheckOperands(const std::vector<std::string>& operands, std::size_t count) {
    if (operands.size() == count) return {};
    return operands.size() < count ? "missing file operand"
                                   : "unexpected operand '" + operands[count] + "'";
}

std::string CheckOutput(const std::string& verb, const std::string& output, bool standardOutput) {
    if (output.empty()) return verb + " needs -o FILE";
    if (output == "-" && !standardOutput) return "\"-o -\" is only for export";
    return {};
}

std::string BandChoices() {
    std::string text;
    for (int band = 0; band < kBandCount; ++band)
        text += (band ? ", " : "") + std::to_string(band) + " " + std::string(kBands[band].text);
    return text;
}

} // namespace tlv::cli
