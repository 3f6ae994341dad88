// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared pieces of the fuzz targets: invariant checks that end the run with a message, and the
// editors a run starts from.
#include "document/EditorImage.h"
#include "editor/Startup.h"
#include "image/ImageCodec.h"

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <map>

namespace tlv::fuzz {

// A broken invariant is a finding like a crash: libFuzzer keeps the input that caused it.
inline void Require(bool holds, const char* invariant) {
    if (holds) return;
    std::fprintf(stderr, "invariant broken: %s\n", invariant);
    std::abort();
}

// The language an input chooses by a number of its own (its length, a byte).
inline Language LanguageOf(std::size_t choice) {
    return LanguageOfCode(static_cast<int>(choice % 3)).value_or(Language::English);
}

// The start-up editor of `language`, made once a language: making one converts the captions
// to Traditional Chinese, which took most of a run's time when each run made its own.
inline const EditorState& StartupEditor(Language language) {
    static std::map<Language, EditorState> made;
    auto it = made.find(language);
    if (it == made.end()) it = made.emplace(language, MakeStartupEditor(language)).first;
    return it->second;
}

// A base for an import that is not the start-up editor: another band (136-174 MHz), every
// channel in use with a tone, as a file opened from a radio would hold them.
inline const EditorState& FilledEditor(Language language) {
    static std::map<Language, EditorState> made;
    auto it = made.find(language);
    if (it != made.end()) return it->second;
    EditorState editor = StartupEditor(language);
    RadioData radio = editor.radio();
    radio.band = 5;
    for (int number = 1; number <= kChannelCount; ++number) {
        Channel& channel = radio.channel(number);
        channel.rx = Frequency{14600000u + 125000u * static_cast<uint32_t>(number)};
        channel.tx = number % 4 == 0 ? std::nullopt : channel.rx;
        channel.rxTone = number % 2 ? Tone::Ctcss(885) : Tone{};
        channel.power = number % 3 ? Power::High : Power::Low;
        channel.scan = number % 5 != 0;
    }
    LoadImage(editor, EncodeImage(radio));
    return made.emplace(language, editor).first->second;
}

} // namespace tlv::fuzz
