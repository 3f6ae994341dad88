// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/ImportText.h"

#include "editor/DialogState.h"
#include "exchange/ChannelCsv.h"
#include "exchange/ExchangeTexts.h"
#include "exchange/JsonImport.h"

#include <utility>

namespace tlv {

ImportReport ImportText(const std::string& text, ExchangeFormat format,
                        const ImportOptions& options, Language language, EditorState& state,
                        const JsonParser& json) {
    ImportReport report;
    if (format == ExchangeFormat::Unknown) {
        report.errors.push_back({"", Localise(language, text::UnknownFormat)});
        return report;
    }
    ImportChanges changes = format == ExchangeFormat::Json
                                ? ParseJson(text, json, language, report)
                                : ParseCsv(text, options.renumber, language, report);
    if (options.band) {
        ImportPlace place;
        place.key = "band";
        changes.band = {*options.band, place};
    }
    // The values read are checked also after errors in reading, so that one pass finds all.
    ApplyImport(state, changes, language, report);
    return report;
}

} // namespace tlv
