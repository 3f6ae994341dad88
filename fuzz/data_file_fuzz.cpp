// SPDX-License-Identifier: GPL-3.0-or-later
// The bytes of a .DAT file, opened as the File menu opens one: a file that is not a channel
// data file is refused; one that is carries its bytes after the magic as the image, opens,
// saves as 853 bytes, and that saved file opens and saves unchanged. The file's length chooses
// the language of the editor that opens it.
#include "FuzzSupport.h"
#include "document/EditorImage.h"
#include "editor/Startup.h"
#include "image/DataFile.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace tlv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    const std::optional<MemoryImage> image = DataFileImage(file);
    const bool dataFile = size >= kDataFileMinBytes && file.starts_with(kDataFileMagic);
    fuzz::Require(image.has_value() == dataFile,
                  "a file is refused exactly when it is short or has a wrong magic");
    if (!image) return 0;
    // Compared in one step: a loop over the 848 bytes traced three comparisons a byte for the
    // fuzzer, a tenth of a run's time.
    MemoryImage expected;
    expected.fill(0xFF);
    std::copy_n(data + kDataFileMagicBytes, std::min(size - kDataFileMagicBytes, expected.size()),
                expected.begin());
    fuzz::Require(*image == expected,
                  "the image is the bytes after the magic, completed with 0xFF");

    const Language language = fuzz::LanguageOf(size);
    EditorState editor = fuzz::StartupEditor(language);
    LoadImage(editor, *image);
    const std::string saved = BuildDataFile(editor.radio());
    fuzz::Require(saved.size() == kDataFileBytes && saved.starts_with(kDataFileMagic),
                  "a save is the magic and 848 bytes");
    const std::optional<MemoryImage> reopened = DataFileImage(saved);
    fuzz::Require(reopened.has_value(), "a saved file opens");
    EditorState again = fuzz::StartupEditor(language);
    LoadImage(again, *reopened);
    fuzz::Require(BuildDataFile(again.radio()) == saved, "a saved file opens and saves unchanged");
    return 0;
}
