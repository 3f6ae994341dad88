#pragma once
// Shared pieces of the fuzz targets: invariant checks that end the run with a message, a
// message box that answers without blocking, and the parts of an editor that a refused input
// must leave as they were.
#include "editor/EditorState.h"
#include "image/ImageCodec.h"
#include "localisation/LocalMsgBox.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace tlv::fuzz {

// A broken invariant is a finding like a crash: libFuzzer keeps the input that caused it.
inline void Require(bool holds, const char* invariant) {
    if (holds) return;
    std::fprintf(stderr, "invariant broken: %s\n", invariant);
    std::abort();
}

// Answers every box at once with OK (Yes to a question).
class AnsweringBox : public MessageBoxService {
  public:
    int LocalMsgBox(const std::string&, int flags, const std::string&) override {
        ++shown;
        return (flags & 7) == mb::YesNo ? IdYes : IdOk;
    }
    int shown = 0;
};

// What an input could change in the editor: the channel table, its list positions and the
// image of everything else.
inline bool SameEditor(const EditorState& a, const EditorState& b) {
    return a.table.cell == b.table.cell && a.optionIndex.entry == b.optionIndex.entry &&
           EncodeImage(a) == EncodeImage(b);
}

// The image an editor encodes to is whole: 1696 upper-case hex digits.
inline bool WellFormedImage(const std::string& text) {
    if (text.size() != 2 * 848) return false;
    for (char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) return false;
    return true;
}

} // namespace tlv::fuzz
