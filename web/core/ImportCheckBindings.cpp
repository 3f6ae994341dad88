// SPDX-License-Identifier: GPL-3.0-or-later
// importOntoStartupEditor: an import of a file's bytes onto the start-up editor in English, as
// the web edition's core runs it, for the import corpus under Node (web/test/import-corpus.mjs).
#include "BrowserJsonParser.h"

#include "editor/EditorImage.h"
#include "editor/Startup.h"
#include "exchange/ImportText.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cstdio>

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

// bytes: a Uint8Array of the file; format: "csv" or "json"; options: {band, renumber} or
// undefined. Gives {ok, errors, notes, image}: the findings as {where, message}, and the memory
// image of an import taken in hex (else null).
val importOntoStartupEditor(const val& bytes, const std::string& format, const val& options) {
    std::string text(bytes["length"].as<std::size_t>(), '\0');
    val(emscripten::typed_memory_view(text.size(), reinterpret_cast<uint8_t*>(text.data())))
        .call<void>("set", bytes);
    ImportOptions chosen;
    if (!options.isUndefined() && !options.isNull()) {
        if (options["band"].isNumber()) chosen.band = options["band"].as<int>();
        if (options["renumber"].isTrue()) chosen.renumber = true;
    }
    EditorState editor = MakeStartupEditor(Language::English);
    const ImportReport report =
        ImportText(text, format == "csv" ? ExchangeFormat::Csv : ExchangeFormat::Json, chosen,
                   Language::English, editor, BrowserJsonParser());
    val result = val::object();
    result.set("ok", report.ok());
    result.set("errors", issuesValue(report.errors));
    result.set("notes", issuesValue(report.notes));
    if (!report.ok()) {
        result.set("image", val::null());
        return result;
    }
    std::string hex;
    for (uint8_t byte : EditorImage(editor)) {
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02x", byte);
        hex += digits;
    }
    result.set("image", hex);
    return result;
}

} // namespace

EMSCRIPTEN_BINDINGS(tlv6200_import_check) {
    emscripten::function("importOntoStartupEditor", &importOntoStartupEditor);
}

} // namespace tlv
