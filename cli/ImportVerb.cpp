// SPDX-License-Identifier: GPL-3.0-or-later
// import: the values of a JSON or CHIRP CSV file applied to the start-up editor (or a base data
// file) with the editor's checks, saved only when every value was taken.
#include "CliTexts.h"
#include "Console.h"
#include "DataFiles.h"
#include "Verb.h"

#include "editor/Startup.h"
#include "exchange/ExchangeFormat.h"
#include "exchange/ExchangeTexts.h"
#include "exchange/ImportText.h"
#include "image/FileIo.h"
#include "qt/QtJsonParser.h"
#include "radio/Bands.h"

#include <filesystem>
#include <optional>

namespace tlv::cli {

namespace {

// The band list, wrapped like the descriptions.
std::string bandLines() {
    std::string bands;
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
    return bands + line;
}

class ImportVerb : public Verb {
  public:
    const char* name() const override { return "import"; }
    const char* synopsis() const override {
        return "import IN.json|IN.csv -o FILE.DAT [--base BASE.DAT] [--band N] [--renumber]";
    }
    std::string description() const override {
        return "Applies the values of IN to the start-up editor (or to BASE.DAT) and saves the\n"
               "  result. Every value is checked with the editor's rules; on any error nothing is\n"
               "  written. A CSV carries no band: --band N chooses it (the list below), also over\n"
               "  the band of a JSON or of BASE.DAT; a band change is refused while a channel it "
               "keeps\n"
               "  lies outside the new band. --renumber places the CSV rows in Location order\n"
               "  on channels 1..N (CHIRP files may start at Location 0 or run past 16). What the\n"
               "  radio cannot keep (names, comments, priority scan, digits finer than 10 Hz) is\n"
               "  noted on standard error.\n\n" +
               bandLines();
    }
    void declare(ArgumentParser& parser) override {
        parser.value("-o", output_, "--output", true);
        parser.value("--base", base_);
        parser.checked("--band", [this](const std::string& value) {
            const bool digit = value.size() == 1 && value[0] >= '0' &&
                               value[0] < static_cast<char>('0' + kBandCount);
            if (!digit) return "--band takes a band number 0.." + std::to_string(kBandCount - 1);
            band_ = value[0] - '0';
            return std::string();
        });
        parser.flag("--renumber", renumber_);
    }
    std::string check(const Invocation& invocation) const override {
        std::string fault = CheckOperands(invocation.operands, 1);
        return fault.empty() ? CheckOutput(name(), output_) : fault;
    }
    int run(const Invocation& invocation) override {
        const Language language = invocation.language();
        const std::string& input = invocation.operands[0];
        const ExchangeFormat format = ExchangeFormatOf(input);
        if (format == ExchangeFormat::Unknown) {
            ErrorLine(input + ": " + Localise(language, text::UnknownFormat));
            return kExitUsage;
        }
        std::error_code sameFileError;
        if (std::filesystem::equivalent(input, output_, sameFileError)) {
            ErrorLine(input + ": " + Localise(language, text::OutputIsTheInput));
            return kExitUsage;
        }
        std::string content;
        const FileStatus status = ReadImportFile(input, content);
        if (!status.ok) {
            FileMessage(language, msg::OpenFailed, input, status.reason);
            return kExitFile;
        }
        EditorState state = MakeStartupEditor(language);
        if (!base_.empty())
            if (int code = OpenDataFile(base_, language, state)) return code;

        const ImportOptions options{band_, renumber_};
        const ImportReport report =
            ImportText(content, format, options, language, state, QtJsonParser());
        for (const auto& note : report.notes)
            ErrorLine(input + ": " + IssueText(note));
        if (!report.ok()) {
            for (const auto& error : report.errors)
                ErrorLine(input + ": " + IssueText(error));
            if (report.hinted(ImportHint::Renumber))
                ErrorLine(Localise(language, text::RenumberHint));
            if (report.hinted(ImportHint::Band) && format == ExchangeFormat::Csv)
                ErrorLine(Localise(language,
                                   base_.empty() ? text::CsvBandHint : text::CsvBandOfBaseHint,
                                   BandChoices()));
            ErrorLine(Localise(language, text::NothingWritten));
            return kExitInvalidImport;
        }
        return SaveDataFile(output_, state.radio(), language);
    }

  private:
    std::string output_;
    std::string base_;
    std::optional<int> band_;
    bool renumber_ = false;
};

} // namespace

std::unique_ptr<Verb> MakeImportVerb() {
    return std::make_unique<ImportVerb>();
}

} // namespace tlv::cli
