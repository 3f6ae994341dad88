// SPDX-License-Identifier: GPL-3.0-or-later
// diff: the differences between two data files, by name, as text or JSON.
#include "Console.h"
#include "DataFiles.h"
#include "Verb.h"

#include "exchange/EditorComparison.h"

#include <cstdio>

namespace tlv::cli {

namespace {

class DiffVerb : public Verb {
  public:
    const char* name() const override { return "diff"; }
    const char* synopsis() const override { return "diff A.DAT B.DAT [--json]"; }
    std::string description() const override {
        return "Lists the differences between two data files by name (\"channel 3: rx old -> "
               "new\",\n"
               "  \"settings.VoxGain: old -> new\"); --json writes them as JSON. Exits 0 when the\n"
               "  files hold the same values, 1 when they differ, 2 on a file error.";
    }
    void declare(ArgumentParser& parser) override { parser.flag("--json", json_); }
    std::string check(const Invocation& invocation) const override {
        return CheckOperands(invocation.operands, 2);
    }
    int run(const Invocation& invocation) override {
        const Language language = invocation.language();
        EditorState before, after;
        if (int code = OpenDataFile(invocation.operands[0], language, before)) return code;
        if (int code = OpenDataFile(invocation.operands[1], language, after)) return code;
        const std::vector<Difference> differences =
            CompareRadioData(before.radio(), after.radio(), language);
        const std::string out = json_ ? DifferencesJson(differences) : DifferencesText(differences);
        std::fwrite(out.data(), 1, out.size(), stdout);
        if (std::fflush(stdout) != 0) return kExitFile;
        return differences.empty() ? kExitOk : kExitDifferent;
    }

  private:
    bool json_ = false;
};

} // namespace

std::unique_ptr<Verb> MakeDiffVerb() {
    return std::make_unique<DiffVerb>();
}

} // namespace tlv::cli
