// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/EditorBaseline.h"

#include "image/ImageCodec.h"

namespace tlv {

void EditorBaseline::Reset(const RadioData& radio) {
    image_ = EncodeImage(radio);
}

bool EditorBaseline::Modified(const RadioData& radio) const {
    return !image_ || EncodeImage(radio) != *image_;
}

} // namespace tlv
