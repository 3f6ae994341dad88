// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One body for the JSON and the CSV import targets: parse, apply to the start-up editor, and
// check what an accepted import gives.
#include "FuzzSupport.h"
#include "editor/Startup.h"
#include "exchange/ImportPatch.h"
#include "image/EditorImage.h"
#include "image/ImageCodec.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace tlv::fuzz {

using Parse = ImportPatch (*)(const std::string&, Language, ImportReport&);
using Export = std::string (*)(const RadioData&);
// What the format gives back of the radio data its export was written from.
using GivenBack = void (*)(RadioData&);

inline void GivenBackWhole(RadioData&) {}

// An import that is refused is reported with at least one error, and nothing is written: the
// program discards the editor. One that is taken gives an image at its fixed point, and what
// the export writes of it is taken again without an error, to the same image apart from what
// the format does not give back (a CSV file carries only channels; the rest comes from the same
// start-up editor both times).
inline void CheckImport(const uint8_t* data, std::size_t size, Parse parse, Export write,
                        GivenBack givenBack = GivenBackWhole) {
    constexpr Language language = Language::English;
    const std::string text(reinterpret_cast<const char*>(data), size);
    ImportReport report;
    const ImportPatch patch = parse(text, language, report);
    if (!report.ok()) return;
    EditorState editor = MakeStartupEditor(language);
    ApplyImport(editor, patch, language, report);
    if (!report.ok()) return;
    const MemoryImage image = EditorImage(editor);
    EditorState reopened = MakeStartupEditor(language);
    LoadImage(reopened, image);
    Require(EditorImage(reopened) == image, "an imported image is at its fixed point");

    ImportReport again;
    const ImportPatch exported = parse(write(editor.radio()), language, again);
    EditorState reimported = MakeStartupEditor(language);
    if (again.ok()) ApplyImport(reimported, exported, language, again);
    Require(again.ok(), "what the export writes imports without an error");
    RadioData expected = editor.radio();
    givenBack(expected);
    Require(EditorImage(reimported) == EncodeImage(expected), "export and import agree");
}

} // namespace tlv::fuzz
