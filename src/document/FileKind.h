// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The kinds of file the program opens and saves, each chosen with its own file dialog.

namespace tlv {

enum class FileKind {
    ChannelData, // the channel data files, "TLV6200(*.DAT)"
    Pdf,         // the channel card as a PDF file
    Exchange,    // channel lists and settings to import or export: CHIRP's CSV, JSON
};

} // namespace tlv
