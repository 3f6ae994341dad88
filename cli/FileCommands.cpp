// new, show, export, import: the data-file verbs.
#include "CliTexts.h"
#include "Commands.h"
#include "Console.h"

#include "editor/Startup.h"
#include "exchange/EditorComparison.h"
#include "exchange/ExchangeFormat.h"
#include "exchange/ExchangeTexts.h"
#include "exchange/SettingNames.h"
#include "exchange/qt/ImportText.h"
#include "image/DataFile.h"
#include "image/FileIo.h"
#include "image/ImageCodec.h"
#include "image/ImageLayout.h"
#include "localisation/CaptionTables.h"
#include "localisation/CellTexts.h"
#include "localisation/Traditional.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace tlv::cli {

namespace {

void fileMessage(int language, const Message& message, const std::string& path,
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

// Caption texts of the main window as the language shows them.
std::string captionText(const CaptionRow& row, int language) {
    if (language == 2) return ToTraditional(row.zh);
    return row.text(language);
}

const CaptionRow* findCaption(std::string_view control, CaptionItem item, int index) {
    return FindCaption("Form1", control, item, index);
}

std::string caption(std::string_view control, int language) {
    const CaptionRow* row = findCaption(control, CaptionItem::Caption, 0);
    return row ? captionText(*row, language) : std::string(control);
}

std::string listEntry(std::string_view list, int position, int language) {
    if (position < 0) return "";
    const CaptionRow* row = findCaption(list, CaptionItem::ListEntry, position);
    return row ? captionText(*row, language) : std::to_string(position);
}

} // namespace

int OpenDataFile(const std::string& path, int language, EditorState& state) {
    state = MakeStartupEditor(language);
    ConsoleMessageBox box;
    const LoadResult result = LoadDataFile(path, state, box);
    switch (result.status) {
    case LoadStatus::Loaded:
        return kExitOk;
    case LoadStatus::ReadFailed:
        fileMessage(language, msg::OpenFailed, path, result.reason);
        break;
    case LoadStatus::WrongType:
        fileMessage(language, msg::WrongFileType, path);
        break;
    case LoadStatus::Refused:
        fileMessage(language, msg::OpenFailed, path);
        break;
    }
    return kExitFile;
}

int SaveDataFile(const std::string& path, const EditorState& state, int language) {
    const FileStatus status = tlv::SaveDataFile(path, state);
    if (!status.ok) {
        fileMessage(language, msg::SaveFailed, path, status.reason);
        return kExitFile;
    }
    return kExitOk;
}

int CheckOutputFolder(const std::string& path, int language) {
    std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (folder.empty()) folder = ".";
    std::error_code error;
    if (std::filesystem::is_directory(folder, error)) return kExitOk;
    fileMessage(language, msg::SaveFailed, path, std::strerror(error ? error.value() : ENOTDIR));
    return kExitFile;
}

int RunNew(const CommandLine& line) {
    const int language = line.languageState();
    return SaveDataFile(line.output, MakeStartupEditor(language), language);
}

int RunExport(const CommandLine& line) {
    const int language = line.languageState();
    const ExchangeFormat format = ExchangeFormatOf(line.output);
    if (format == ExchangeFormat::Unknown) {
        ErrorLine(line.output + ": " + Localise(language, text::UnknownFormat));
        return kExitUsage;
    }
    EditorState state;
    if (int code = OpenDataFile(line.operands[0], language, state)) return code;
    const std::string content = ExportText(state, format);
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
    const int language = line.languageState();
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
    const ImportReport report = ImportText(content, format, options, language, state);
    for (const auto& note : report.notes)
        ErrorLine(input + ": " + IssueText(note));
    if (!report.ok()) {
        for (const auto& error : report.errors)
            ErrorLine(input + ": " + IssueText(error));
        if (report.hinted(ImportHint::Renumber)) ErrorLine(Localise(language, text::RenumberHint));
        if (report.hinted(ImportHint::Band) && format == ExchangeFormat::Csv)
            ErrorLine(Localise(language, text::CsvBandHint, BandChoices()));
        ErrorLine(Localise(language, text::NothingWritten));
        return kExitInvalidImport;
    }
    return SaveDataFile(line.output, state, language);
}

int RunDiff(const CommandLine& line) {
    const int language = line.languageState();
    EditorState before, after;
    if (int code = OpenDataFile(line.operands[0], language, before)) return code;
    if (int code = OpenDataFile(line.operands[1], language, after)) return code;
    const std::vector<Difference> differences = CompareEditors(before, after, language);
    const std::string out = line.json ? DifferencesJson(differences) : DifferencesText(differences);
    std::fwrite(out.data(), 1, out.size(), stdout);
    if (std::fflush(stdout) != 0) return kExitFile;
    return differences.empty() ? kExitOk : kExitDifferent;
}

int RunShow(const CommandLine& line) {
    const int language = line.languageState();
    EditorState state;
    if (int code = OpenDataFile(line.operands[0], language, state)) return code;

    std::string out;
    // Band frame.
    out += caption("Frame1", language) + "  " + caption("Label3", language) + " ";
    out += state.currentBand >= 0 && state.currentBand < static_cast<int>(kBands.size())
               ? std::string(kBands[state.currentBand].text)
               : std::string();
    out += "\n\n";

    // Channel table, as the main window shows it.
    constexpr std::size_t widths[kTableCols] = {8, 14, 8, 14, 8, 8, 8, 8, 6};
    for (int column = 0; column < kTableCols; ++column) {
        const LocalText& header = kChannelTableHeaders[column];
        out += pad(Localise(language, header), widths[column]);
    }
    out += "\n";
    for (int row = 1; row <= kChannelCount; ++row) {
        char number[4];
        std::snprintf(number, sizeof number, "%02d", row);
        std::string text = pad(number, widths[0]);
        for (int column = 1; column < kTableCols; ++column)
            text += pad(state.table.at(row, column), widths[column]);
        while (!text.empty() && text.back() == ' ')
            text.pop_back();
        out += text + "\n";
    }

    // Function panel, as the main window shows it.
    out += "\n" + caption("Frame2", language) + "\n";
    const std::pair<const char*, std::pair<const char*, int>> panel[] = {
        {"Label4", {"Combo2", state.voicePrompt}},    {"Label5", {"Combo3", state.timeOutTimer}},
        {"Label1", {"Combo4", state.timeOutWarning}}, {"Label6", {"Combo9", state.squelchLevel}},
        {"Label7", {"Combo6", state.batterySave}},    {"Label8", {"Combo7", state.beep}},
    };
    for (const auto& [label, list] : panel)
        out += "  " + pad(caption(label, language), 18) +
               listEntry(list.first, list.second, language) + "\n";

    // The settings kept in the stores, by name.
    out += "\n";
    for (const auto& key : SettingKeys()) {
        out += "  " + pad(key.name, 20) +
               (key.text ? "\"" + SettingText(state, key.name) + "\""
                         : std::to_string(SettingNumber(state, key.name))) +
               "\n";
    }
    out += "  " + pad("dtmfMemory", 20);
    for (std::size_t i = 0; i < state.stores.dtmfMemory.size(); ++i)
        out += (i ? " " : "") + ("\"" + state.stores.dtmfMemory[i] + "\"");
    out += "\n";
    for (int i = 0; i < 2; ++i)
        out += "  " + pad("embeddedText" + std::to_string(i + 1), 20) + "\"" +
               state.stores.embeddedTexts[i] + "\"\n";
    std::fwrite(out.data(), 1, out.size(), stdout);
    return std::fflush(stdout) == 0 ? kExitOk : kExitFile;
}

} // namespace tlv::cli
