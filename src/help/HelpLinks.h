#pragma once
// Where the help file and the maker's web page are.
#include <string>

namespace tlv {

// The help file: the application title with ".CHM", in the program's folder.
inline constexpr const char* kHelpFileName = "TLV6200.CHM";

// The maker's web page, opened by the about box's developer line and the main window's
// rights line.
inline constexpr const char* kMakerWebPage = "https://www.example.com/tlv6200";

// The help file's full path for the program folder `programFolder` (no trailing separator).
std::string HelpFilePath(const std::string& programFolder);

} // namespace tlv
