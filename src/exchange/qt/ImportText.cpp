#include "exchange/qt/ImportText.h"

#include "exchange/ChannelCsv.h"
#include "exchange/ExchangeTexts.h"
#include "exchange/qt/JsonImport.h"

#include <utility>

namespace tlv {

ImportReport ImportText(const std::string& text, ExchangeFormat format,
                        const ImportOptions& options, int languageState, EditorState& state) {
    ImportReport report;
    if (format == ExchangeFormat::Unknown) {
        report.errors.push_back({"", Localise(languageState, text::UnknownFormat)});
        return report;
    }
    ImportPatch patch = format == ExchangeFormat::Json
                            ? ParseJson(text, languageState, report)
                            : ParseCsv(text, options.renumber, languageState, report);
    if (options.band) patch.band = options.band;
    if (report.ok()) ApplyImport(state, patch, languageState, report);
    return report;
}

ImportReport ImportIntoEditor(const std::string& text, ExchangeFormat format, int languageState,
                              EditorState& state) {
    EditorState imported = state;
    ImportReport report = ImportText(text, format, {}, languageState, imported);
    if (report.hinted(ImportHint::Renumber)) {
        imported = state;
        report = ImportText(text, format, {std::nullopt, true}, languageState, imported);
        if (report.ok())
            report.notes.insert(report.notes.begin(),
                                {"", Localise(languageState, text::PlacedInLocationOrder)});
    }
    if (report.ok()) state = std::move(imported);
    return report;
}

} // namespace tlv
