// The bytes of a .DAT file, opened as the File menu opens one: a file that is not a channel
// data file is refused and changes nothing; one that is opens, saves as 853 bytes, and that
// saved file opens to the same editor image.
#include "FuzzSupport.h"
#include "editor/Startup.h"
#include "image/DataFile.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace tlv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    const EditorState before = MakeStartupEditor(1);
    EditorState editor = before;
    fuzz::AnsweringBox box;
    const std::optional<std::string> image = DataFileImageText(file);
    if (!image) {
        fuzz::Require(size < kDataFileMinBytes || file.substr(0, 5) != "QDM74",
                      "only a short file or a wrong magic is refused");
        return 0;
    }
    if (!DecodeImage(editor, *image, box)) {
        fuzz::Require(fuzz::SameEditor(editor, before), "a refused image changes nothing");
        return 0;
    }
    const std::string saved = BuildDataFile(editor);
    fuzz::Require(saved.size() == kDataFileBytes && saved.starts_with("QDM74"),
                  "a save is the magic and 848 bytes");
    const std::optional<std::string> reopened = DataFileImageText(saved);
    fuzz::Require(reopened.has_value(), "a saved file opens");
    EditorState again = MakeStartupEditor(1);
    fuzz::Require(DecodeImage(again, *reopened, box), "a saved image is taken");
    fuzz::Require(BuildDataFile(again) == saved, "a saved file opens and saves unchanged");
    return 0;
}
