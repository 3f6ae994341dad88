#pragma once
// One body for the JSON and the CSV import targets: parse, apply to the start-up editor, and
// check what an accepted import gives.
#include "FuzzSupport.h"
#include "editor/Startup.h"
#include "exchange/ImportPatch.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace tlv::fuzz {

using Parse = ImportPatch (*)(const std::string&, int, ImportReport&);
using Export = std::string (*)(const EditorState&);

// An import that is refused is reported with at least one error, and nothing is written: the
// program discards the editor. One that is taken gives a whole image at its fixed point, and
// what the export writes of it is taken again without an error, to the same image (a CSV file
// carries only channels; the rest comes from the same start-up editor both times).
inline void CheckImport(const uint8_t* data, std::size_t size, Parse parse, Export write) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    ImportReport report;
    const ImportPatch patch = parse(text, 1, report);
    if (!report.ok()) return;
    EditorState editor = MakeStartupEditor(1);
    ApplyImport(editor, patch, 1, report);
    if (!report.ok()) return;
    const std::string image = EncodeImage(editor);
    Require(WellFormedImage(image), "an imported editor encodes whole");
    AnsweringBox box;
    EditorState reopened = MakeStartupEditor(1);
    Require(DecodeImage(reopened, image, box), "an imported image is taken");
    Require(EncodeImage(reopened) == image, "an imported image is at its fixed point");

    ImportReport again;
    const ImportPatch exported = parse(write(editor), 1, again);
    EditorState reimported = MakeStartupEditor(1);
    if (again.ok()) ApplyImport(reimported, exported, 1, again);
    Require(again.ok(), "what the export writes imports without an error");
    Require(EncodeImage(reimported) == image, "export and import agree");
}

} // namespace tlv::fuzz
