#include "image/DataFile.h"

#include "image/EditorImage.h"
#include "image/ImageCodec.h"

#include <algorithm>

namespace tlv {

std::optional<MemoryImage> DataFileImage(std::string_view fileBytes) {
    if (fileBytes.size() < kDataFileMinBytes ||
        fileBytes.substr(0, kDataFileMagicBytes) != kDataFileMagic)
        return std::nullopt;
    const std::string_view bytes = fileBytes.substr(kDataFileMagicBytes, kImageBytes);
    MemoryImage image;
    image.fill(0xFF);
    std::copy(bytes.begin(), bytes.end(), image.begin());
    return image;
}

std::string DataFileContent(const MemoryImage& image) {
    std::string content(kDataFileMagic);
    content.append(image.begin(), image.end());
    return content;
}

std::string BuildDataFile(const RadioData& radio) {
    return DataFileContent(EncodeImage(radio));
}

FileStatus SaveDataFile(const std::string& path, const RadioData& radio, const WriteFault& fault) {
    return WriteFileAtomically(path, BuildDataFile(radio), fault);
}

LoadResult LoadDataFile(const std::string& path, EditorState& state) {
    std::string bytes;
    FileStatus read = ReadFileHead(path, kDataFileReadLimit, bytes);
    if (!read.ok) return {LoadStatus::ReadFailed, read.reason, {}};
    const std::optional<MemoryImage> image = DataFileImage(bytes);
    if (!image) return {LoadStatus::WrongType, {}, {}};
    return {LoadStatus::Loaded, {}, LoadImage(state, *image)};
}

} // namespace tlv
