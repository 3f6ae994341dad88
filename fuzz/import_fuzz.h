// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One body for the JSON and the CSV import targets: the import as the command line runs it
// (ImportText, with the user's options, onto a base), and what an accepted import gives.
#include "FuzzSupport.h"
#include "editor/EditingRules.h"
#include "exchange/ImportReport.h"
#include "exchange/ImportText.h"
#include "qt/QtJsonParser.h"
#include "radio/Bands.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

namespace tlv::fuzz {

using Export = std::string (*)(const RadioData&);

// Whether every frequency of the channels in use lies in the band in force.
inline bool ChannelsInBand(const RadioData& radio) {
    const BandLimits limits = LimitsOfBand(radio.band);
    const auto inBand = [&](const std::optional<Frequency>& frequency) {
        return !frequency || (frequency->tens >= uint64_t(limits.low) * 100000 &&
                              frequency->tens < uint64_t(limits.high) * 100000);
    };
    return std::all_of(radio.channels.begin(), radio.channels.end(), [&](const Channel& channel) {
        return inBand(channel.rx) && inBand(channel.tx);
    });
}

// The input's length chooses the language, the options (renumbering, a band from --band or
// none) and the base (the start-up editor or a file with every channel in use on another band),
// so that the text itself stays as a user writes it.
//
// An import that is refused is reported with at least one error, and nothing is written: the
// program discards the editor. One that is taken gives an image at its fixed point; if it
// changed the band, no channel lies outside the new one (a channel the input does not replace
// is refused there); and what the export writes of it imports without an error onto the same
// base to the same image (a CSV file carries only channels: the band is given as --band, the
// rest comes from the base both times).
inline void CheckImport(const uint8_t* data, std::size_t size, ExchangeFormat format,
                        Export write) {
    const Language language = LanguageOf(size);
    ImportOptions options;
    options.renumber = size / 3 % 2 != 0;
    if (const int band = static_cast<int>(size / 6 % 8); band < kBandCount) options.band = band;
    const EditorState& base = size / 48 % 2 ? FilledEditor(language) : StartupEditor(language);

    const std::string text(reinterpret_cast<const char*>(data), size);
    EditorState editor = base;
    const ImportReport report = ImportText(text, format, options, language, editor, QtJsonParser());
    if (!report.ok()) return;
    const MemoryImage image = EditorImage(editor);
    EditorState reopened = StartupEditor(language);
    LoadImage(reopened, image);
    Require(EditorImage(reopened) == image, "an imported image is at its fixed point");

    if (editor.radio().band != base.radio().band)
        Require(ChannelsInBand(editor.radio()), "an import that changes the band keeps no "
                                                "channel outside it");
    ImportOptions plain;
    if (format == ExchangeFormat::Csv) plain.band = editor.radio().band;
    EditorState reimported = base;
    const ImportReport again =
        ImportText(write(editor.radio()), format, plain, language, reimported, QtJsonParser());
    Require(again.ok(), "what the export writes imports without an error");
    Require(EditorImage(reimported) == image, "export and import agree");
}

} // namespace tlv::fuzz
