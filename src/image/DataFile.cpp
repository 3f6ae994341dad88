#include "image/DataFile.h"

#include "image/ImageCodec.h"

namespace tlv {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

int HexValue(char digit) {
    if (digit >= '0' && digit <= '9') return digit - '0';
    if (digit >= 'A' && digit <= 'F') return digit - 'A' + 10;
    if (digit >= 'a' && digit <= 'f') return digit - 'a' + 10;
    return 0;
}

} // namespace

std::optional<std::string> DataFileImageText(std::string_view fileBytes) {
    if (fileBytes.size() < kDataFileMinBytes ||
        fileBytes.substr(0, kDataFileMagicBytes) != kDataFileMagic)
        return std::nullopt;
    std::string_view image = fileBytes.substr(kDataFileMagicBytes, kImageBytes);
    std::string text;
    text.reserve(kImageDigits);
    for (char byte : image) {
        auto value = static_cast<unsigned char>(byte);
        text += kHexDigits[value >> 4];
        text += kHexDigits[value & 0x0F];
    }
    while (text.size() < static_cast<std::size_t>(kImageDigits))
        text += "FF";
    return text;
}

std::string DataFileContent(std::string_view imageText) {
    std::string content(kDataFileMagic);
    content.reserve(kDataFileMagicBytes + imageText.size() / 2);
    for (std::size_t i = 0; i + 1 < imageText.size(); i += 2)
        content += static_cast<char>(HexValue(imageText[i]) * 16 + HexValue(imageText[i + 1]));
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
