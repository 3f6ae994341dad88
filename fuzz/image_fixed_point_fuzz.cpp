// Image bytes -> decode -> encode -> decode -> encode: one save reaches a fixed point, so that
// opening and saving a damaged file twice gives the same file, whether it is opened into a
// fresh editor or into the one that opened it before.
#include "FuzzSupport.h"
#include "editor/Startup.h"
#include "image/ImageFields.h"
#include "image/ImageLayout.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

using namespace tlv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    std::vector<uint8_t> image(data, data + std::min<std::size_t>(size, kImageBytes));
    image.resize(kImageBytes, 0xFF);
    const int language = size > kImageBytes ? data[kImageBytes] % 3 : 0;
    fuzz::AnsweringBox box;

    EditorState first = MakeStartupEditor(language);
    fuzz::Require(DecodeImage(first, BytesToImageText(image), box), "an image is taken");
    const std::string saved = EncodeImage(first);
    fuzz::Require(fuzz::WellFormedImage(saved), "the first save is whole");

    EditorState fresh = MakeStartupEditor(language);
    fuzz::Require(DecodeImage(fresh, saved, box), "a saved image is taken");
    fuzz::Require(EncodeImage(fresh) == saved, "fixed point after one save (fresh editor)");

    fuzz::Require(DecodeImage(first, saved, box), "a saved image is taken again");
    fuzz::Require(EncodeImage(first) == saved, "fixed point after one save (same editor)");
    return 0;
}
