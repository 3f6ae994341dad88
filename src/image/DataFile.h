#pragma once
// Channel data files (.DAT): the five bytes "QDM74" followed by the 848-byte memory image.
// Plain functions shared by the main window's File commands and the command-line program.
#include "editor/EditorState.h"
#include "image/FileIo.h"
#include "image/ImageLayout.h"
#include "localisation/Messages.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// The 853 bytes of a data file holding the radio data's image.
std::string BuildDataFile(const RadioData& radio);

// Replaces the file at `path` with the radio data's file, atomically.
FileStatus SaveDataFile(const std::string& path, const RadioData& radio,
                        const WriteFault& fault = {});

enum class LoadStatus {
    Loaded,     // the image went into the editor
    ReadFailed, // the file could not be read (reason given); the editor is unchanged
    WrongType,  // not a channel data file; the editor is unchanged
};

struct LoadResult {
    LoadStatus status;
    std::string reason;           // the system's reason for ReadFailed
    std::vector<Notice> notices;  // Loaded: what LoadImage has to tell
};

// Reads the file at `path` (at most kDataFileReadLimit bytes) and loads its image into `state`
// with LoadImage. The caller chooses the editor the image goes into: the window's own, or a
// start-up editor (MakeStartupEditor).
LoadResult LoadDataFile(const std::string& path, EditorState& state);

} // namespace tlv
