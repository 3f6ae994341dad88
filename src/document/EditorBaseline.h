// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether the editor holds changes the user has not saved: it does when its memory image
// differs from the image taken at the last open, save, read, New or start-up. Comparing images
// rather than counting edits makes an edit undone by hand count as no change, and anything
// outside the image (the language, the editing lock, the port) count as none at all.
#include "image/MemoryImage.h"

#include <optional>

namespace tlv {

struct RadioData;

class EditorBaseline {
  public:
    // Takes the present image of the radio data as the baseline.
    void Reset(const RadioData& radio);

    // True when the image of the radio data differs from the baseline (always before the
    // first Reset).
    bool Modified(const RadioData& radio) const;

  private:
    std::optional<MemoryImage> image_; // EncodeImage at the last Reset
};

} // namespace tlv
