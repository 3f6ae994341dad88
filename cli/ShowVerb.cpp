// SPDX-License-Identifier: GPL-3.0-or-later
// show: the channel table and the settings of a data file as the window shows them.
#include "Console.h"
#include "DataFiles.h"
#include "Verb.h"

#include "editor/CellTexts.h"
#include "exchange/SettingNames.h"
#include "radio/Bands.h"
#include "texts/SettingCaptions.h"

#include <cstdio>

namespace tlv::cli {

namespace {

// Column width of a text in terminal cells: CJK characters take two.
std::size_t displayWidth(const std::string& text) {
    std::size_t width = 0;
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const int length = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        width += length >= 3 ? 2 : 1;
        i += static_cast<std::size_t>(length);
    }
    return width;
}

std::string pad(const std::string& text, std::size_t width) {
    const std::size_t shown = displayWidth(text);
    return text + std::string(shown < width ? width - shown : 0, ' ');
}

class ShowVerb : public Verb {
  public:
    const char* name() const override { return "show"; }
    const char* synopsis() const override { return "show FILE.DAT [--lang en|zh-CN|zh-TW]"; }
    std::string description() const override {
        return "Prints the channel table and the settings of a data file as the window shows them.";
    }
    void declare(ArgumentParser&) override {}
    std::string check(const Invocation& invocation) const override {
        return CheckOperands(invocation.operands, 1);
    }
    int run(const Invocation& invocation) override {
        const Language language = invocation.language();
        EditorState state;
        if (int code = OpenDataFile(invocation.operands[0], language, state)) return code;
        const RadioData& radio = state.radio();

        std::string out;
        // Band frame.
        out += BandFrameCaption(language) + "  " + BandListLabel(language) + " ";
        out += IsBand(radio.band) ? std::string(kBands[static_cast<std::size_t>(radio.band)].text)
                                  : std::string();
        out += "\n\n";

        // Channel table, as the main window shows it.
        constexpr std::size_t widths[kTableCols] = {8, 14, 8, 14, 8, 8, 8, 8, 6};
        for (int row = 0; row <= kChannelCount; ++row) {
            std::string text;
            for (int column = 0; column < kTableCols; ++column)
                text += pad(CellText(state, row, column), widths[column]);
            // The header row keeps its padding, as the window's columns do.
            while (row > 0 && !text.empty() && text.back() == ' ')
                text.pop_back();
            out += text + "\n";
        }

        // A line of a setting: indented, the name padded to `width` columns, the value.
        const auto addLine = [&out](const std::string& name, std::size_t width,
                                    const std::string& value) {
            out += "  ";
            out += pad(name, width);
            out += value;
            out += '\n';
        };
        const auto quoted = [](const std::string& text) {
            std::string result(1, '"');
            result += text;
            result += '"';
            return result;
        };

        // Function panel, as the main window shows it.
        out += '\n';
        out += FunctionPanelCaption(language);
        out += '\n';
        for (PanelList list : kPanelLists)
            addLine(PanelListLabel(language, list), 18,
                    PanelListEntry(language, list, PanelListPosition(radio, list)));

        // The other settings, by name.
        out += '\n';
        for (const SettingKey& key : SettingKeys())
            addLine(key.name, 20,
                    key.text ? quoted(SettingText(radio, key.name))
                             : std::to_string(SettingNumber(radio, key.name)));
        std::string memories;
        for (std::size_t i = 0; i < radio.dtmf.memories.size(); ++i) {
            if (i) memories += ' ';
            memories += quoted(radio.dtmf.memories[i]);
        }
        addLine("dtmfMemory", 20, memories);
        for (std::size_t i = 0; i < radio.embeddedTexts.size(); ++i)
            addLine(std::string("embeddedText").append(std::to_string(i + 1)), 20,
                    quoted(radio.embeddedTexts[i]));
        std::fwrite(out.data(), 1, out.size(), stdout);
        return std::fflush(stdout) == 0 ? kExitOk : kExitFile;
    }
};

} // namespace

std::unique_ptr<Verb> MakeShowVerb() {
    return std::make_unique<ShowVerb>();
}

} // namespace tlv::cli
