// SPDX-License-Identifier: GPL-3.0-or-later
// new: the start-up editor as a data file.
#include "DataFiles.h"
#include "Verb.h"

#include "editor/Startup.h"

namespace tlv::cli {

namespace {

class NewVerb : public Verb {
  public:
    const char* name() const override { return "new"; }
    const char* synopsis() const override { return "new -o FILE.DAT"; }
    std::string description() const override {
        return "Writes the start-up editor (no channels, default settings) as a data file.";
    }
    void declare(ArgumentParser& parser) override { parser.value("-o", output_, "--output", true); }
    std::string check(const Invocation& invocation) const override {
        std::string fault = CheckOperands(invocation.operands, 0);
        return fault.empty() ? CheckOutput(name(), output_) : fault;
    }
    int run(const Invocation& invocation) override {
        const Language language = invocation.language();
        return SaveDataFile(output_, MakeStartupEditor(language).radio(), language);
    }

  private:
    std::string output_;
};

} // namespace

std::unique_ptr<Verb> MakeNewVerb() {
    return std::make_unique<NewVerb>();
}

} // namespace tlv::cli
