#pragma once
// Channel data files (.DAT): the five bytes "QDM74" followed by the 848-byte memory image.
// Plain functions shared by the main window's File commands and the command-line program.
#include "editor/EditorState.h"
#include "image/FileIo.h"
#include "image/ImageLayout.h"
#include "localisation/LocalMsgBox.h"

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

// The ImageText carried by the bytes of a file, or nothing when the bytes are not a channel
// data file (wrong magic, or right magic but shorter than kDataFileMinBytes). Bytes past the
// image are ignored; a file between 821 and 852 bytes is completed with the fill byte 0xFF,
// which the decoder never reads.
std::optional<std::string> DataFileImageText(std::string_view fileBytes);

// The 853 bytes of a data file holding the image given as ImageText (1696 hex digits, as
// EncodeImage gives it; a text that is not hex gives the magic alone).
std::string DataFileContent(std::string_view imageText);

// The 853 bytes of a data file holding the editor's image (EncodeImage).
std::string BuildDataFile(const EditorState& state);

// Replaces the file at `path` with the editor's data file, atomically.
FileStatus SaveDataFile(const std::string& path, const EditorState& state,
                        const WriteFault& fault = {});

enum class LoadStatus {
    Loaded,     // the image went into the editor
    ReadFailed, // the file could not be read (reason given); the editor is unchanged
    WrongType,  // not a channel data file; the editor is unchanged
    Refused,    // the decoder refused the image; the editor is unchanged
};

struct LoadResult {
    LoadStatus status;
    std::string reason; // the system's reason for ReadFailed
};

// Reads the file at `path` (at most kDataFileReadLimit bytes) and decodes its image into
// `state` with DecodeImage, whose priority messages go to `box`. The caller chooses the
// editor the image goes into: the window's own, or a start-up editor (MakeStartupEditor).
LoadResult LoadDataFile(const std::string& path, EditorState& state, MessageBoxService& box);

} // namespace tlv
