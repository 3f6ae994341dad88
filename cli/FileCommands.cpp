// SPDX-License-Identifier: GPL-3.0-or-later
// new, show, export, import: the data-file verbs.
#include "CliTexts.h"
#include "Commands.h"
#include "Console.h"

#include "editor/CellTexts.h"
#include "editor/EditorImage.h"
#include "editor/Startup.h"
#include "exchange/EditorComparison.h"
#include "exchange/ExchangeFormat.h"
#include "exchange/ExchangeTexts.h"
#include "exchange/ImportText.h"
#include "exchange/SettingNames.h"
#include "image/FileIo.h"
#include "qt/QtJsonParser.h"
#include "radio/Bands.h"
#include "texts/SettingCaptions.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace tlv::cli {

namespace {

void fileMessage(Language language, const Message& message, const std::string& path,
                 const std::string& reason = {}) {
    ErrorLine(Localise(language, message.text) + " " + path +
              (reason.empty() ? "" : ": " + reason));
}

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

} // namespace

int OpenDataFile(const std::string& path, Language language, EditorState& state) {
    state = MakeStartupEditor(language);
    const LoadResult result = LoadDataFile(path, state);
    switch (result.status) {
    case LoadStatus::Loaded: {
        ConsoleMessageBox box;
        ShowNotices(box, language, result.notices);
        return kExitOk;
    }
    case LoadStatus::ReadFailed:
        fileMessage(language, msg::OpenFailed, path, result.reason);
        break;
    case LoadStatus::WrongType:
        fileMessage(language, msg::WrongFileType, path);
        break;
    }
    return kExitFile;
}

int SaveDataFile(const std::string& path, const RadioData& radio, Language language) {
    const FileStatus status = tlv::SaveDataFile(path, radio);
    if (!status.ok) {
        fileMessage(language, msg::SaveFailed, path, status.reason);
        return kExitFile;
    }
    return kExitOk;
}

int CheckOutputFolder(const std::string& path, Language language) {
    std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (folder.empty()) folder = ".";
    std::error_code error;
    if (std::filesystem::is_directory(folder, error)) return kExitOk;
    fileMessage(language, msg::SaveFailed, path, std::strerror(error ? error.value() : ENOTDIR));
    return kExitFile;
}

int RunNew(const CommandLine& line) {
    const Language language = line.language();
    return SaveDataFile(line.output, MakeStartupEditor(language).radio(), language);
}

int RunExport(const CommandLine& line) {
    const Language language = line.language();
    const ExchangeFormat format = ExchangeFormatOf(line.output);
    if (format == ExchangeFormat::Unknown) {
        ErrorLine(line.output + ": " + Localise(language, text::UnknownFormat));
        return kExitUsage;
    }
    EditorState state;
    if (int code = OpenDataFile(line.operands[0], language, state)) return code;
    const std::string content = ExportText(state.radio(), format);
    if (line.output == "-") {
        std::fwrite(content.data(), 1, content.size(), stdout);
        return std::fflush(stdout) == 0 ? kExitOk : kExitFile;
    }
    const FileStatus status = WriteFileAtomically(line.output, content);
    if (!status.ok) {
        fileMessage(language, msg::SaveFailed, line.output, status.reason);
        return kExitFile;
    }
    return kExitOk;
}

int RunImport(const CommandLine& line) {
    const Language language = line.language();
    const std::string& input = line.operands[0];
    const ExchangeFormat format = ExchangeFormatOf(input);
    if (format == ExchangeFormat::Unknown) {
        ErrorLine(input + ": " + Localise(language, text::UnknownFormat));
        return kExitUsage;
    }
    std::error_code sameFileError;
    if (std::filesystem::equivalent(input, line.output, sameFileError)) {
        ErrorLine(input + ": " + Localise(language, text::OutputIsTheInput));
        return kExitUsage;
    }
    std::string content;
    const FileStatus status = ReadImportFile(input, content);
    if (!status.ok) {
        fileMessage(language, msg::OpenFailed, input, status.reason);
        return kExitFile;
    }
    EditorState state = MakeStartupEditor(language);
    if (!line.base.empty())
        if (int code = OpenDataFile(line.base, language, state)) return code;

    const ImportOptions options{line.band, line.renumber};
    const ImportReport report =
        ImportText(content, format, options, language, state, QtJsonParser());
    for (const auto& note : report.notes)
        ErrorLine(input + ": " + IssueText(note));
    if (!report.ok()) {
        for (const auto& error : report.errors)
            ErrorLine(input + ": " + IssueText(error));
        if (report.hinted(ImportHint::Renumber)) ErrorLine(Localise(language, text::RenumberHint));
        if (report.hinted(ImportHint::Band) && format == ExchangeFormat::Csv)
            ErrorLine(Localise(language,
                               line.base.empty() ? text::CsvBandHint : text::CsvBandOfBaseHint,
                               BandChoices()));
        ErrorLine(Localise(language, text::NothingWritten));
        return kExitInvalidImport;
    }
    return SaveDataFile(line.output, state.radio(), language);
}

int RunDiff(const CommandLine& line) {
    const Language language = line.language();
    EditorState before, after;
    if (int code = OpenDataFile(line.operands[0], language, before)) return code;
    if (int code = OpenDataFile(line.operands[1], language, after)) return code;
    const std::vector<Difference> differences =
        CompareRadioData(before.radio(), after.radio(), language);
    const std::string out = line.json ? DifferencesJson(differences) : DifferencesText(differences);
    std::fwrite(out.data(), 1, out.size(), stdout);
    if (std::fflush(stdout) != 0) return kExitFile;
    return differences.empty() ? kExitOk : kExitDifferent;
}

int RunShow(const CommandLine& line) {
    const Language language = line.language();
    EditorState state;
    if (int code = OpenDataFile(line.operands[0], language, state)) return code;
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
                PanelListEntry(language, list, PanelListPosition(radio.functions, list)));

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

} // namespace tlv::cli
