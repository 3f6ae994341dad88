// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One verb of tlv6200-cli: its name, its usage text, its own options, what it needs and its run.
// main.cpp finds the verb, lets it declare its options to the shared parser, checks what it
// needs and runs it; every verb returns the program's exit code.
#include "Arguments.h"

#include <memory>
#include <string>
#include <vector>

namespace tlv::cli {

class Verb {
  public:
    virtual ~Verb() = default;

    virtual const char* name() const = 0;
    // How it is called (the usage's first line and the program's list), and what it does.
    virtual const char* synopsis() const = 0;
    virtual std::string description() const = 0;
    // Its options, each bound to a member of its own.
    virtual void declare(ArgumentParser& parser) = 0;
    // What the arguments lack (the usage error), or "" when they give everything it needs.
    virtual std::string check(const Invocation& invocation) const = 0;
    virtual int run(const Invocation& invocation) = 0;
};

// Every verb, in the order the program's usage lists them.
std::vector<std::unique_ptr<Verb>> MakeVerbs();

std::unique_ptr<Verb> MakeNewVerb();
std::unique_ptr<Verb> MakeShowVerb();
std::unique_ptr<Verb> MakeExportVerb();
std::unique_ptr<Verb> MakeImportVerb();
std::unique_ptr<Verb> MakeDiffVerb();
std::unique_ptr<Verb> MakeReadVerb();
std::unique_ptr<Verb> MakeWriteVerb();
std::unique_ptr<Verb> MakePortsVerb();
std::unique_ptr<Verb> MakeLineVerb();

// The usage text of `verb`, or of the whole program (the list of the verbs) without one.
std::string UsageText(const Verb* verb, const std::vector<std::unique_ptr<Verb>>& verbs);

} // namespace tlv::cli
