// SPDX-License-Identifier: GPL-3.0-or-later
// importOntoStartupEditor: an import of a file's bytes onto the start-up editor in English, as
// the web edition's core runs it, for the import corpus under Node (web/test/import-corpus.mjs).
#include "BrowserJsonParser.h"
#include "WebValues.h"

#include "document/EditorImage.h"
#include "editor/Startup.h"
#include "exchange/ImportText.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

namespace tlv {

namespace {

using emscripten::val;

// The findings as an array of {where, message}.
val issuesValue(const std::vector<ImportIssue>& issues) {
    val list = val::array();
    for (const ImportIssue& issue : issues) {
        val entry = val::object();
        entry.set("where", issue.where);
        entry.set("message", issue.message);
        list.call<void>("push", entry);
    }
    return list;
}

// bytes: the file (Uint8Array); format: "csv" or "json"; options: {band, renumber} or nothing.
// Gives {ok, errors, notes, image}: the findings as {where, message}, and the memory image of an
// import taken (Uint8Array, else null).
val importOntoStartupEditor(const val& bytes, const std::string& format, const val& options) {
    const std::vector<uint8_t> content = web::BytesOf(bytes);
    ImportOptions chosen;
    if (web::Given(options)) {
        if (options["band"].isNumber()) chosen.band = options["band"].as<int>();
        chosen.renumber = options["renumber"].isTrue();
    }
    EditorState editor = MakeStartupEditor(Language::English);
    const ImportReport report =
        ImportText(std::string(content.begin(), content.end()),
                   format == "csv" ? ExchangeFormat::Csv : ExchangeFormat::Json, chosen,
                   Language::English, editor, BrowserJsonParser());
    val result = val::object();
    result.set("ok", report.ok());
    result.set("errors", issuesValue(report.errors));
    result.set("notes", issuesValue(report.notes));
    result.set("image", report.ok() ? web::Bytes(EditorImage(editor)) : val::null());
    return result;
}

} // namespace

EMSCRIPTEN_BINDINGS(tlv6200_import_check) {
    emscripten::function("importOntoStartupEditor", &importOntoStartupEditor);
}

} // namespace tlv
