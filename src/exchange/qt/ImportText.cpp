#include "exchange/qt/ImportText.h"

#include "exchange/ChannelCsv.h"
#include "exchange/ExchangeTexts.h"
#include "exchange/qt/JsonImport.h"

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

} // namespace tlv
