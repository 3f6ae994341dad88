// SPDX-License-Identifier: GPL-3.0-or-later
// Image bytes -> load -> save -> load -> save: one save reaches a fixed point, so that opening
// and saving a damaged file twice gives the same file, whether it is opened into a fresh editor
// or into the one that opened it before; and a saved image holds no damaged frequency. The
// first byte chooses the language; the others are the image up to its model identification
// (offset 816), which the decoder never reads: bytes the fuzzer changes there would change
// nothing. The rest of the image is what a save writes.
#include "FuzzSupport.h"
#include "document/EditorImage.h"
#include "editor/Startup.h"
#include "image/ImageLayout.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

using namespace tlv;

namespace {

bool namesDamagedFrequencies(const std::vector<Notice>& notices) {
    return std::any_of(notices.begin(), notices.end(), [](const Notice& notice) {
        return notice.message == &msg::DamagedFrequencies;
    });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const Language language = fuzz::LanguageOf(data[0]);
    static const MemoryImage startup = EditorImage(fuzz::StartupEditor(Language::English));
    MemoryImage image = startup;
    std::fill_n(image.begin(), offset::ModelId, 0xFF);
    std::copy_n(data + 1, std::min<std::size_t>(size - 1, offset::ModelId), image.begin());

    EditorState first = fuzz::StartupEditor(language);
    LoadImage(first, image);
    const MemoryImage saved = EditorImage(first);

    EditorState fresh = fuzz::StartupEditor(language);
    fuzz::Require(!namesDamagedFrequencies(LoadImage(fresh, saved)),
                  "a saved image holds no damaged frequency");
    fuzz::Require(EditorImage(fresh) == saved, "fixed point after one save (fresh editor)");

    LoadImage(first, saved);
    fuzz::Require(EditorImage(first) == saved, "fixed point after one save (same editor)");
    return 0;
}
