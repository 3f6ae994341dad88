// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the user manual and the maker's web page are.
#include "language/Language.h"

#include <string>

namespace tlv {

// The maker's web page, opened by the about box's developer line and the main window's
// rights line.
inline constexpr const char* kMakerWebPage = "https://www.example.com/tlv6200";

// The manual's folder for a language: "zh-CN", "en" or "zh-TW".
const char* ManualLanguageFolder(Language language);

// The start page of the user manual in `language`, for the program whose
// folder is `programFolder`: in the documentation folder of an installed copy, or in the
// build folder's "manual" for a program of the build tree.
std::string ManualStartPage(const std::string& programFolder, Language language);

} // namespace tlv
