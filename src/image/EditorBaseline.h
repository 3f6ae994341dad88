#pragma once
// Whether the editor holds changes the user has not saved: it does when its memory image
// differs from the image taken at the last open, save, read, New or start-up. Comparing images
// rather than counting edits makes an edit undone by hand count as no change, and anything
// outside the image (the language, the editing lock, the port) count as none at all.
#include "editor/EditorState.h"

#include <string>

namespace tlv {

class EditorBaseline {
  public:
    // Takes the editor's present image as the baseline.
    void Reset(const EditorState& state);

    // True when the editor's image differs from the baseline (always before the first Reset).
    bool Modified(const EditorState& state) const;

  private:
    std::string image_; // EncodeImage at the last Reset
};

} // namespace tlv
