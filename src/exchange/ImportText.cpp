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

ImportReport ImportIntoEditor(const std::string& text, ExchangeFormat format, Language language,
                              EditorState& state, const JsonParser& json) {
    EditorState imported = state;
    ImportReport report = ImportText(text, format, {}, language, imported, json);
    if (report.hinted(ImportHint::Renumber)) {
        imported = state;
        report = ImportText(text, format, {std::nullopt, true}, language, imported, json);
        if (report.ok())
            report.notes.insert(report.notes.begin(),
                                {"", Localise(language, text::PlacedInLocationOrder)});
    }
    if (!report.ok()) return report;
    state = std::move(imported);
    // The dialogs show the imported data, not what was typed into them before; the priority
    // rules' messages are not repeated (the import checked the values).
    LoadDialogsAfterImage(state);
    return report;
}

} // namespace tlv
