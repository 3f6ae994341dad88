#include "image/DataFile.h"

#include "image/ImageCodec.h"

namespace tlv {

std::optional<std::string> DataFileImageText(std::string_view fileBytes) {
    if (fileBytes.size() < kDataFileMinBytes ||
        fileBytes.substr(0, kDataFileMagicBytes) != kDataFileMagic)
        return std::nullopt;
    std::string_view image = fileBytes.substr(kDataFileMagicBytes, kImageBytes);
    std::string text =
        BytesToImageText(reinterpret_cast<const uint8_t*>(image.data()), image.size());
    text.resize(kImageDigits, 'F');
    return text;
}

std::string DataFileContent(std::string_view imageText) {
    std::string content(kDataFileMagic);
    if (std::optional<std::vector<uint8_t>> bytes = ImageTextToBytes(imageText))
        content.append(bytes->begin(), bytes->end());
    return content;
}

std::string BuildDataFile(const EditorState& state) {
    return DataFileContent(EncodeImage(state));
}

FileStatus SaveDataFile(const std::string& path, const EditorState& state,
                        const WriteFault& fault) {
    return WriteFileAtomically(path, BuildDataFile(state), fault);
}

LoadResult LoadDataFile(const std::string& path, EditorState& state, MessageBoxService& box) {
    std::string bytes;
    FileStatus read = ReadFileHead(path, kDataFileReadLimit, bytes);
    if (!read.ok) return {LoadStatus::ReadFailed, read.reason};
    std::optional<std::string> image = DataFileImageText(bytes);
    if (!image) return {LoadStatus::WrongType, {}};
    if (!DecodeImage(state, *image, box)) return {LoadStatus::Refused, {}};
    return {LoadStatus::Loaded, {}};
}

} // namespace tlv
