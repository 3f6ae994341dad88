// SPDX-License-Identifier: GPL-3.0-or-later
// export: a data file as JSON (all values) or CHIRP CSV (the channels).
#include "Console.h"
#include "DataFiles.h"
#include "Verb.h"

#include "exchange/ExchangeFormat.h"
#include "exchange/ExchangeTexts.h"
#include "image/FileIo.h"

#include <cstdio>

namespace tlv::cli {

namespace {

class ExportVerb : public Verb {
  public:
    const char* name() const override { return "export"; }
    const char* synopsis() const override { return "export FILE.DAT -o OUT.json|OUT.csv|-"; }
    std::string description() const override {
        return "Writes the data file as JSON (all values) or CHIRP CSV (the channels); the format\n"
               "  follows the extension of OUT, and \"-o -\" writes JSON to standard output.";
    }
    void declare(ArgumentParser& parser) override { parser.value("-o", output_, "--output", true); }
    std::string check(const Invocation& invocation) const override {
        std::string fault = CheckOperands(invocation.operands, 1);
        return fault.empty() ? CheckOutput(name(), output_, true) : fault;
    }
    int run(const Invocation& invocation) override {
        const Language language = invocation.language();
        const ExchangeFormat format = ExchangeFormatOf(output_);
        if (format == ExchangeFormat::Unknown) {
            ErrorLine(output_ + ": " + Localise(language, text::UnknownFormat));
            return kExitUsage;
        }
        EditorState state;
        if (int code = OpenDataFile(invocation.operands[0], language, state)) return code;
        const std::string content = ExportText(state.radio(), format);
        if (output_ == "-") {
            std::fwrite(content.data(), 1, content.size(), stdout);
            return std::fflush(stdout) == 0 ? kExitOk : kExitFile;
        }
        const FileStatus status = WriteFileAtomically(output_, content);
        if (!status.ok) {
            FileMessage(language, msg::SaveFailed, output_, status.reason);
            return kExitFile;
        }
        return kExitOk;
    }

  private:
    std::string output_;
};

} // namespace

std::unique_ptr<Verb> MakeExportVerb() {
    return std::make_unique<ExportVerb>();
}

} // namespace tlv::cli
