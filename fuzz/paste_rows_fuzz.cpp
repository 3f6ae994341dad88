// SPDX-License-Identifier: GPL-3.0-or-later
// Channel rows pasted from the clipboard (text of a spreadsheet, an editor or another copy of the
// program): any text, in any of the three languages, onto any first row. A refused paste
// changes nothing; one that is taken writes only its own rows, and what the table shows of
// them, copied and pasted onto the same editor, gives the same channels.
#include "FuzzSupport.h"
#include "editor/ChannelRows.h"
#include "editor/Startup.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <numeric>
#include <string_view>
#include <vector>

using namespace tlv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const Language language =
        LanguageOfCode(static_cast<int>(size % 3)).value_or(Language::English);
    const int firstRow = 1 + static_cast<int>(size / 3 % kChannelCount);

    // Every other channel in use, so that rows a paste must leave alone hold something; made
    // once a language, as the start-up editor is.
    static std::map<Language, EditorState> made;
    auto it = made.find(language);
    if (it == made.end()) {
        EditorState editor = fuzz::StartupEditor(language);
        for (int number = 1; number <= kChannelCount; number += 2) {
            Channel& channel = editor.radio().channel(number);
            channel.rx = Frequency{44600625 + 625u * static_cast<uint32_t>(number)};
            channel.tx = channel.rx;
            channel.rxTone = Tone::Ctcss(885);
            channel.scan = true;
        }
        it = made.emplace(language, std::move(editor)).first;
    }
    const EditorState& before = it->second;

    EditorState state = before;
    const PasteOutcome outcome = PasteChannelRows(state, firstRow, text);
    if (outcome.rows == 0) {
        fuzz::Require(state.data == before.data, "a refused paste changes nothing");
        return 0;
    }
    fuzz::Require(outcome.problem.empty(), "a paste taken has no problem");
    const int lastRow = firstRow + outcome.rows - 1;
    fuzz::Require(lastRow <= kChannelCount, "a paste ends at channel 16");
    for (int number = 1; number <= kChannelCount; ++number)
        if (number < firstRow || number > lastRow)
            fuzz::Require(state.radio().channel(number) == before.radio().channel(number),
                          "a paste writes only its own rows");

    std::vector<int> rows(static_cast<std::size_t>(outcome.rows));
    std::iota(rows.begin(), rows.end(), firstRow);
    EditorState again = before;
    const PasteOutcome repasted = PasteChannelRows(again, firstRow, ChannelRowsText(state, rows));
    fuzz::Require(repasted.rows == outcome.rows, "the pasted rows, copied, paste again");
    fuzz::Require(again.radio() == state.radio(), "copied rows paste to the same channels");
    return 0;
}
