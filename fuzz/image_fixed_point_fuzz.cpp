// SPDX-License-Identifier: GPL-3.0-or-later
// Image bytes -> load -> save -> load -> save: one save reaches a fixed point, so that opening
// and saving a damaged file twice gives the same file, whether it is opened into a fresh editor
// or into the one that opened it before; and a saved image holds no damaged frequency.
#include "FuzzSupport.h"
#include "editor/Startup.h"
#include "image/EditorImage.h"

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
    MemoryImage image;
    image.fill(0xFF);
    std::copy_n(data, std::min<std::size_t>(size, kImageBytes), image.begin());
    const Language language =
        LanguageOfCode(size > kImageBytes ? data[kImageBytes] % 3 : 0).value_or(Language::English);

    EditorState first = MakeStartupEditor(language);
    LoadImage(first, image);
    const MemoryImage saved = EditorImage(first);

    EditorState fresh = MakeStartupEditor(language);
    fuzz::Require(!namesDamagedFrequencies(LoadImage(fresh, saved)),
                  "a saved image holds no damaged frequency");
    fuzz::Require(EditorImage(fresh) == saved, "fixed point after one save (fresh editor)");

    LoadImage(first, saved);
    fuzz::Require(EditorImage(first) == saved, "fixed point after one save (same editor)");
    return 0;
}
