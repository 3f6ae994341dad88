// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/DataFile.h"

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

} // namespace tlv
