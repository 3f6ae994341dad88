// DecodeImage on any text: it takes a text of at least 1632 hex digits and refuses anything
// else without changing the editor; what it takes encodes to a whole image again.
#include "FuzzSupport.h"
#include "editor/Startup.h"
#include "image/ImageLayout.h"

#include <cstddef>
#include <cstdint>

using namespace tlv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const EditorState before = MakeStartupEditor(static_cast<int>(size % 3));
    EditorState editor = before;
    fuzz::AnsweringBox box;
    if (!DecodeImage(editor, text, box)) {
        fuzz::Require(fuzz::SameEditor(editor, before), "a refused text changes nothing");
        fuzz::Require(box.shown == 0, "a refused text shows nothing");
        return 0;
    }
    fuzz::Require(text.size() >= static_cast<std::size_t>(kMinDecodeDigits),
                  "only a text of 1632 digits or more is taken");
    fuzz::Require(fuzz::WellFormedImage(EncodeImage(editor)), "a decoded editor encodes whole");
    return 0;
}
