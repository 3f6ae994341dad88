// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Channel data files (.DAT): the five bytes "QDM74" followed by the 848-byte memory image.
// The format alone; an editor's files are saved and loaded by document/EditorImage.h.
#include "image/ImageLayout.h"
#include "image/MemoryImage.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tlv {

inline constexpr std::string_view kDataFileMagic = kModelTag; // "QDM74"
inline constexpr std::size_t kDataFileMagicBytes = 5;
// A file written by the system.
inline constexpr std::size_t kDataFileBytes = kDataFileMagicBytes + kImageBytes; // 853
// Open reads no more than this.
inline constexpr std::size_t kDataFileReadLimit = 855;
// The magic and the image bytes the decoder reads; a shorter file is not a data file.
inline constexpr std::size_t kDataFileMinBytes = kDataFileMagicBytes + kDecodedBytes; // 821

// The image carried by the bytes of a file, or nothing when the bytes are not a channel data
// file (wrong magic, or right magic but shorter than kDataFileMinBytes). Bytes past the image
// are ignored; a file between 821 and 852 bytes is completed with the fill byte 0xFF, which the
// decoder never reads.
std::optional<MemoryImage> DataFileImage(std::string_view fileBytes);

// The 853 bytes of a data file holding `image`.
std::string DataFileContent(const MemoryImage& image);

} // namespace tlv
