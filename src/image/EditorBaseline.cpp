#include "image/EditorBaseline.h"

#include "image/ImageCodec.h"

namespace tlv {

void EditorBaseline::Reset(const EditorState& state) {
    image_ = EncodeImage(state);
}

bool EditorBaseline::Modified(const EditorState& state) const {
    return image_.empty() || EncodeImage(state) != image_;
}

} // namespace tlv
