#pragma once
// The memory image of the editor, and an image loaded into the editor: the radio data, the
// tone-list entries of the table and the dialogs follow the image.
#include "editor/EditorState.h"
#include "image/MemoryImage.h"
#include "localisation/Messages.h"

#include <vector>

namespace tlv {

// The image of the editor's radio data.
MemoryImage EditorImage(const EditorState& state);

// Loads `image` into the editor: DecodeImage into the radio data, the service mode off, the
// tone-list entries of the channels in use, the band without a question, and the dialogs'
// loads. Returns what the user is to be told, in order: the priority rules' messages, then the
// damaged frequencies (msg::DamagedFrequencies, one field a line).
std::vector<Notice> LoadImage(EditorState& state, const MemoryImage& image);

} // namespace tlv
