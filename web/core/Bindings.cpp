// SPDX-License-Identifier: GPL-3.0-or-later
// The core for the page: an Editor (the editor state with its undo history, modified state and
// the rules of the window program) and a Transfer (the session over it, driven by the page's
// bytes and timers) as JavaScript classes. web/src/core-api.ts declares what they offer; every
// text is rendered here in the language in force, so the page never carries texts of its own.
#include "BrowserJsonParser.h"
#include "ImportCheckBindings.h"

#include "document/EditorBaseline.h"
#include "editor/CellTexts.h"
#include "editor/ChannelRows.h"
#include "editor/DialogInput.h"
#include "editor/DialogState.h"
#include "editor/EditingRules.h"
#include "editor/EditorImage.h"
#include "editor/EditorOps.h"
#include "editor/HiddenServiceSwitch.h"
#include "editor/PriorityRules.h"
#include "editor/ServiceMode.h"
#include "editor/Startup.h"
#include "editor/TestFrequencyRules.h"
#include "editor/UndoHistory.h"
#include "exchange/ChannelCsv.h"
#include "exchange/ExchangeFormat.h"
#include "exchange/ExchangeTexts.h"
#include "exchange/ImportReport.h"
#include "exchange/ImportText.h"
#include "image/DataFile.h"
#include "image/ImageCodec.h"
#include "language/ButtonTexts.h"
#include "language/Messages.h"
#include "link/TransferSession.h"
#include "radio/Bands.h"
#include "radio/Tone.h"
#include "texts/CaptionTables.h"
#include "texts/ChannelCard.h"
#include "texts/DialogLists.h"
#include "texts/SettingCaptions.h"
#include "texts/WindowTexts.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

using emscripten::val;

namespace tlv {

namespace {

constexpr std::size_t kIssuesShown = 20; // as the window program's import box

Language languageOf(const std::string& code) {
    if (code == "en") return Language::English;
    if (code == "zh-TW") return Language::Traditional;
    return Language::Simplified;
}

const char* languageCode(Language language) {
    switch (language) {
    case Language::English:
        return "en";
    case Language::Traditional:
        return "zh-TW";
    case Language::Simplified:
        break;
    }
    return "zh-CN";
}

val messageText(Language language, const Message& message, const std::string& detail = {}) {
    val box = val::object();
    box.set("text", Localise(language, message.text));
    box.set("title", Localise(language, message.title));
    box.set("flags", message.flags);
    box.set("detail", detail);
    return box;
}

val noticeText(Language language, const Notice& notice) {
    if (notice.message == nullptr) {
        val box = val::object();
        box.set("text", notice.detail);
        box.set("title", std::string());
        box.set("flags", 0);
        box.set("detail", std::string());
        return box;
    }
    return messageText(language, *notice.message, notice.detail);
}

val noticeTexts(Language language, const std::vector<Notice>& notices) {
    val list = val::array();
    for (const Notice& notice : notices)
        list.call<void>("push", noticeText(language, notice));
    return list;
}

val stringList(const std::vector<std::string>& texts) {
    val list = val::array();
    for (const auto& text : texts)
        list.call<void>("push", text);
    return list;
}

val bytes(const std::string& data) {
    val array = val::global("Uint8Array").new_(data.size());
    array.call<void>("set", val(emscripten::typed_memory_view(
                                data.size(), reinterpret_cast<const uint8_t*>(data.data()))));
    return array;
}

val bytes(std::span<const uint8_t> data) {
    val array = val::global("Uint8Array").new_(data.size());
    array.call<void>("set", val(emscripten::typed_memory_view(data.size(), data.data())));
    return array;
}

std::vector<uint8_t> bytesOf(const val& array) {
    return emscripten::convertJSArrayToNumberVector<uint8_t>(array);
}

std::vector<int> rowsOf(const val& array) {
    return emscripten::convertJSArrayToNumberVector<int>(array);
}

// The messages the page asks for by name (the boxes it shows itself: New, Save changes?, the
// band questions, the quit questions while a transfer runs ...).
const std::map<std::string, const Message*>& namedMessages() {
    static const std::map<std::string, const Message*> messages{
        {"WrongFileType", &msg::WrongFileType},
        {"NewConfirm", &msg::NewConfirm},
        {"SaveFailed", &msg::SaveFailed},
        {"OpenFailed", &msg::OpenFailed},
        {"PortNotOpen", &msg::PortNotOpen},
        {"PortOpenFailed", &msg::PortOpenFailed},
        {"BandMismatch", &msg::BandMismatch},
        {"CommunicationError", &msg::CommunicationError},
        {"OutOfBand", &msg::OutOfBand},
        {"BandChange", &msg::BandChange},
        {"PasteRefused", &msg::PasteRefused},
        {"NoChannelRows", &msg::NoChannelRows},
        {"InsertRefused", &msg::InsertRefused},
        {"ImportRefused", &msg::ImportRefused},
        {"ImportNotes", &msg::ImportNotes},
        {"SaveChanges", &msg::SaveChanges},
        {"StopWriteAndQuit", &msg::StopWriteAndQuit},
        {"StopReadAndQuit", &msg::StopReadAndQuit},
        {"PasswordWrong", &msg::PasswordWrong},
    };
    return messages;
}

const std::map<std::string, const LocalText*>& namedStatusTexts() {
    static const std::map<std::string, const LocalText*> texts{
        {"Communicating", &status::Communicating}, {"ReadSuccess", &status::ReadSuccess},
        {"WriteSuccess", &status::WriteSuccess},   {"BackupFailed", &status::BackupFailed},
        {"PartlyWritten", &cause::PartlyWritten},
    };
    return texts;
}

constexpr LocalText kNoSerial{
    "此浏览器不能连接写频线：读频和写频需要 Chrome、Edge 或 Opera 等支持 Web Serial "
    "的浏览器（电脑版）。文件的编辑、打开和保存在此浏览器中照常可用。",
    "This browser cannot talk to the programming cable: reading and writing the radio needs a "
    "browser with Web Serial, such as Chrome, Edge or Opera on a computer. Editing, opening and "
    "saving files work in this browser as usual."};
// The same line as readers in Taiwan and Hong Kong write it: the character conversion of the
// Simplified line keeps mainland words (支持, 文件, 打开, 保存).
constexpr const char* kNoSerialTraditional =
    "此瀏覽器無法連接寫頻線：讀頻和寫頻需要支援 Web Serial 的瀏覽器，例如電腦上的 Chrome、Edge "
    "或 Opera。檔案的編輯、開啟和儲存在此瀏覽器中照常可用。";

const char* editorKindName(CellEditor kind) {
    switch (kind) {
    case CellEditor::Frequency:
        return "frequency";
    case CellEditor::Tone:
        return "tone";
    case CellEditor::Option:
        return "option";
    case CellEditor::None:
        break;
    }
    return "none";
}

CellEditor editorKindOf(const std::string& name) {
    if (name == "frequency") return CellEditor::Frequency;
    if (name == "tone") return CellEditor::Tone;
    if (name == "option") return CellEditor::Option;
    return CellEditor::None;
}

const char* bandChangeName(BandChange change) {
    switch (change) {
    case BandChange::Same:
        return "same";
    case BandChange::Ask:
        return "ask";
    case BandChange::Cleared:
        return "cleared";
    case BandChange::Kept:
        return "kept";
    case BandChange::Ignored:
        break;
    }
    return "ignored";
}

const char* captionItemName(CaptionItem item) {
    switch (item) {
    case CaptionItem::WindowTitle:
        return "windowTitle";
    case CaptionItem::ListEntry:
        return "listEntry";
    case CaptionItem::GridHeader:
        return "gridHeader";
    case CaptionItem::ToolbarButton:
        return "toolbarButton";
    case CaptionItem::Caption:
        break;
    }
    return "caption";
}

CaptionItem captionItemOf(const std::string& name) {
    if (name == "windowTitle") return CaptionItem::WindowTitle;
    if (name == "listEntry") return CaptionItem::ListEntry;
    if (name == "gridHeader") return CaptionItem::GridHeader;
    if (name == "toolbarButton") return CaptionItem::ToolbarButton;
    return CaptionItem::Caption;
}

// The window program's caption tables hold the Simplified and English rows; Traditional is the
// Simplified row converted.
std::string rowText(const CaptionRow& row, Language language) {
    if (language == Language::Traditional) return Localise(language, LocalText{row.zh.c_str(), ""});
    return row.text(language);
}

// The entries of the function panel's lists: the time-out list is filled by the program, the
// others come from the caption table.
constexpr std::array<int, 6> kPanelListSizes{3, 40, 11, 10, 2, 2};

std::string panelEntry(Language language, PanelList list, int position) {
    if (list == PanelList::TimeOutTimer) return std::to_string((position + 1) * 15) + " S";
    return PanelListEntry(language, list, position);
}

} // namespace

class WebEditor {
  public:
    explicit WebEditor(const std::string& language)
        : state_(MakeStartupEditor(languageOf(language))) {
        history_.reset(state_);
        baseline_.Reset(state_.radio());
    }

    EditorState& state() { return state_; }
    Language language() const { return state_.language(); }

    // ---- Language and texts
    void setLanguage(const std::string& code) { state_.session.language = languageOf(code); }
    std::string languageName() const { return languageCode(language()); }

    val captions(const val& window) const {
        val list = val::array();
        const bool all = window.isUndefined() || window.isNull();
        const std::string wanted = all ? std::string() : window.as<std::string>();
        for (const CaptionRow& row : CaptionTable()) {
            if (!all && row.window != wanted) continue;
            val entry = val::object();
            entry.set("window", row.window);
            entry.set("control", row.control);
            entry.set("item", std::string(captionItemName(row.item)));
            entry.set("index", row.index);
            entry.set("text", rowText(row, language()));
            list.call<void>("push", entry);
        }
        return list;
    }

    std::string caption(const std::string& window, const std::string& control, const val& item,
                        const val& index) const {
        const CaptionItem kind =
            item.isUndefined() ? CaptionItem::Caption : captionItemOf(item.as<std::string>());
        return CaptionText(language(), window, control, kind,
                           index.isUndefined() ? 0 : index.as<int>());
    }

    val message(const std::string& name, const val& detail) const {
        const auto& messages = namedMessages();
        const auto found = messages.find(name);
        const std::string extra = detail.isUndefined() ? std::string() : detail.as<std::string>();
        if (found == messages.end())
            return messageText(language(), Message{{"", ""}, {"", ""}, 0}, extra);
        return messageText(language(), *found->second, extra);
    }

    std::string statusText(const std::string& name) const {
        const auto& texts = namedStatusTexts();
        const auto found = texts.find(name);
        return found == texts.end() ? std::string() : Localise(language(), *found->second);
    }

    std::string noSerialText() const {
        if (language() == Language::Traditional) return kNoSerialTraditional;
        return Localise(language(), kNoSerial);
    }

    // ---- Channel table
    std::string header(int column) const { return ChannelTableHeader(language(), column); }
    std::string columnTooltip(int column) const {
        if (column < 0 || column >= kTableCols) return {};
        return Localise(language(), tip::ChannelColumns[static_cast<std::size_t>(column)]);
    }
    std::string cellText(int row, int column) const { return CellText(state_, row, column); }
    val tableTexts() const {
        val rows = val::array();
        for (int row = 1; row < kTableRows; ++row) {
            val cells = val::array();
            for (int column = 0; column < kTableCols; ++column)
                cells.call<void>("push", CellText(state_, row, column));
            rows.call<void>("push", cells);
        }
        return rows;
    }
    std::string editorForCell(int row, int column) const {
        return editorKindName(EditorForCell(state_, row, column));
    }
    bool typingOpensEditor(const std::string& kind, int code) const {
        return TypingOpensEditor(editorKindOf(kind), code);
    }
    val filterKey(const std::string& kind, int code) const {
        const CellEditor editor = editorKindOf(kind);
        FilteredKey filtered{KeyAction::Keep, code};
        if (editor == CellEditor::Frequency) filtered = FilterFrequencyKey(code);
        if (editor == CellEditor::Tone) filtered = FilterToneKey(code);
        val result = val::object();
        result.set("action", std::string(filtered.action == KeyAction::Keep      ? "keep"
                                         : filtered.action == KeyAction::Discard ? "discard"
                                                                                 : "commit"));
        result.set("code", filtered.code);
        return result;
    }
    val commitFrequency(int row, int column, const std::string& text) {
        const FrequencyResult result = CommitFrequency(state_, {row, column}, text);
        static constexpr const char* kOutcomes[] = {"unchanged", "deleted", "outOfBand", "written",
                                                    "newChannel"};
        val out = val::object();
        out.set("outcome", std::string(kOutcomes[static_cast<int>(result.outcome)]));
        out.set("message",
                result.message != nullptr ? messageText(language(), *result.message) : val::null());
        return out;
    }
    val toneList() const {
        std::vector<std::string> entries;
        for (int position = 0; position < kToneListSize; ++position)
            entries.push_back(ToneListEntryText(language(), position));
        return stringList(entries);
    }
    int toneListPosition(int row, int column) const {
        return OptionListPosition(state_, {row, column});
    }
    bool pickTone(int row, int column, int position) {
        return PickTone(state_, {row, column}, position);
    }
    std::string commitTone(int row, int column, const std::string& text, int selected) {
        switch (CommitTone(state_, {row, column}, text, selected)) {
        case ToneCommit::Written:
            return "written";
        case ToneCommit::Restored:
            return "restored";
        case ToneCommit::Unchanged:
            break;
        }
        return "unchanged";
    }
    val optionList(int column) const {
        return stringList({OptionText(language(), column, 0), OptionText(language(), column, 1)});
    }
    int optionListPosition(int row, int column) const {
        return OptionListPosition(state_, {row, column});
    }
    bool pickOption(int row, int column, int position) {
        return PickOption(state_, {row, column}, position);
    }

    // ---- Band list and function panel
    val bandList() const {
        std::vector<std::string> entries;
        for (const Band& band : kBands)
            entries.emplace_back(band.text);
        return stringList(entries);
    }
    std::string bandLabel() const { return BandListLabel(language()); }
    std::string bandFrameCaption() const { return BandFrameCaption(language()); }
    int band() const { return state_.radio().band; }
    std::string bandLimitsHint() const { return BandLimitsHint(state_); }
    std::string bandTooltip() const { return Localise(language(), tip::BandList); }
    void bandDropDownOpened() { BandDropDownOpened(state_); }
    std::string bandSelected(int index) { return bandChangeName(BandSelected(state_, index)); }
    std::string answerBandQuestion(bool clear) {
        return bandChangeName(AnswerBandQuestion(state_, clear));
    }
    std::string functionPanelCaption() const { return FunctionPanelCaption(language()); }
    val panelLists() const {
        val lists = val::array();
        for (std::size_t i = 0; i < kPanelLists.size(); ++i) {
            const PanelList list = kPanelLists[i];
            std::vector<std::string> entries;
            for (int position = 0; position < kPanelListSizes[i]; ++position)
                entries.push_back(panelEntry(language(), list, position));
            val entry = val::object();
            entry.set("label", PanelListLabel(language(), list));
            entry.set("entries", stringList(entries));
            entry.set("position", PanelListPosition(state_.radio().functions, list));
            entry.set("tooltip", Localise(language(), tip::PanelLists[i]));
            lists.call<void>("push", entry);
        }
        return lists;
    }
    void pickPanel(int list, int position) {
        if (list < 0 || list >= static_cast<int>(kPanelLists.size())) return;
        if (position < 0 || position >= kPanelListSizes[static_cast<std::size_t>(list)]) return;
        FunctionSettings& f = state_.radio().functions;
        int* const settings[] = {&f.voicePrompt,  &f.timeOutTimer, &f.timeOutWarning,
                                 &f.squelchLevel, &f.batterySave,  &f.beep};
        *settings[list] = position;
    }

    // ---- Row commands and clipboard rows
    void deleteChannels(const val& rows) { DeleteChannels(state_, rowsOf(rows)); }
    val insertEmptyChannel(int row) {
        if (InsertEmptyChannel(state_, row)) return val::null();
        return messageText(language(), msg::InsertRefused);
    }
    val moveChannels(const val& rows, int step) {
        const std::vector<int> moved = MoveChannels(state_, rowsOf(rows), step);
        val list = val::array();
        for (int row : moved)
            list.call<void>("push", row);
        return list;
    }
    void clearAllChannels() { ClearAllChannels(state_); }
    std::string copyRows(const val& rows) const { return ChannelRowsText(state_, rowsOf(rows)); }
    val pasteRows(int firstRow, const std::string& text) {
        const PasteOutcome pasted = PasteChannelRows(state_, firstRow, text);
        val out = val::object();
        out.set("rows", pasted.rows);
        if (!pasted.problem.empty())
            out.set("message", messageText(language(), msg::PasteRefused, pasted.problem));
        else if (pasted.rows == 0)
            out.set("message", messageText(language(), msg::NoChannelRows));
        else
            out.set("message", val::null());
        return out;
    }

    // ---- Undo and redo
    bool record() { return history_.record(state_); }
    bool undo() { return history_.undo(state_); }
    bool redo() { return history_.redo(state_); }
    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }

    // ---- Files and the modified state
    void newImage() {
        ClearChannelsInUse(state_);
        history_.record(state_);
        baseline_.Reset(state_.radio());
    }
    val openDat(const val& data) {
        const std::vector<uint8_t> content = bytesOf(data);
        val out = val::object();
        const std::string_view file(reinterpret_cast<const char*>(content.data()), content.size());
        const std::optional<MemoryImage> image =
            content.size() <= kDataFileReadLimit ? DataFileImage(file) : std::nullopt;
        if (!image) {
            out.set("status", std::string("wrongType"));
            out.set("message", messageText(language(), msg::WrongFileType));
            out.set("notices", val::array());
            return out;
        }
        const std::vector<Notice> notices = LoadImage(state_, *image);
        history_.record(state_);
        baseline_.Reset(state_.radio());
        out.set("status", std::string("loaded"));
        out.set("message", val::null());
        out.set("notices", noticeTexts(language(), notices));
        return out;
    }
    // The file's bytes only: the page calls markSaved() once the browser has written them.
    val saveDat() const { return bytes(BuildDataFile(state_.radio())); }
    val image() const {
        const MemoryImage memory = EditorImage(state_);
        return bytes(std::span<const uint8_t>(memory.data(), memory.size()));
    }
    bool modified() const { return baseline_.Modified(state_.radio()); }
    void markSaved() { baseline_.Reset(state_.radio()); }
    // After a read the editor holds the radio's memory: that is the document's state.
    void matchDocument() {
        history_.record(state_);
        baseline_.Reset(state_.radio());
    }

    std::string buttonText(int itemId) const {
        const auto text = MsgBoxButtonText(language(), itemId);
        return text ? std::string(*text) : std::string();
    }
    val channelCard() const {
        const ChannelCard card = MakeChannelCard(state_);
        val out = val::object();
        out.set("title", card.title);
        val band = val::object();
        band.set("label", card.band.label);
        band.set("value", card.band.value);
        out.set("band", band);
        out.set("columns", stringList({card.columns.begin(), card.columns.end()}));
        val channels = val::array();
        for (const auto& row : card.channels)
            channels.call<void>("push", stringList({row.begin(), row.end()}));
        out.set("channels", channels);
        val sections = val::array();
        for (const auto& section : card.sections) {
            val entry = val::object();
            entry.set("title", section.title);
            val settings = val::array();
            for (const auto& setting : section.settings) {
                val pair = val::object();
                pair.set("label", setting.label);
                pair.set("value", setting.value);
                settings.call<void>("push", pair);
            }
            entry.set("settings", settings);
            sections.call<void>("push", entry);
        }
        out.set("sections", sections);
        return out;
    }

    // ---- Import and export
    std::string exportText(const std::string& format) const {
        return ExportText(state_.radio(),
                          format == "csv" ? ExchangeFormat::Csv : ExchangeFormat::Json);
    }
    val importText(const std::string& text, const std::string& format, const val& options) {
        const ExchangeFormat kind = format == "csv" ? ExchangeFormat::Csv : ExchangeFormat::Json;
        ImportOptions given;
        if (!options.isUndefined() && !options.isNull()) {
            if (options["band"].isNumber()) given.band = options["band"].as<int>();
            if (options["renumber"].isTrue()) given.renumber = true;
        }
        const Language lang = language();
        const auto run = [&](const ImportOptions& chosen, EditorState& target) {
            return ImportText(text, kind, chosen, lang, target, BrowserJsonParser());
        };
        EditorState imported = state_;
        ImportReport report = run(given, imported);
        // As the window program: CSV rows with Locations beyond the table go on channels 1..N.
        if (report.hinted(ImportHint::Renumber) && !given.renumber) {
            imported = state_;
            ImportOptions renumbered = given;
            renumbered.renumber = true;
            report = run(renumbered, imported);
            if (report.ok())
                report.notes.insert(report.notes.begin(),
                                    {"", Localise(lang, text::PlacedInLocationOrder)});
        }
        val out = val::object();
        out.set("ok", report.ok());
        out.set("errors", ImportIssuesValue(report.errors));
        out.set("notes", ImportIssuesValue(report.notes));
        if (!report.ok()) {
            std::string detail = IssueLines(report.errors, lang, kIssuesShown);
            if (kind == ExchangeFormat::Csv && report.hinted(ImportHint::Band))
                detail += "\n" + Localise(lang, text::CsvUsesWindowBand);
            out.set("message", messageText(lang, msg::ImportRefused, detail));
            return out;
        }
        state_ = std::move(imported);
        out.set("message", report.notes.empty()
                               ? val::null()
                               : messageText(lang, msg::ImportNotes,
                                             IssueLines(report.notes, lang, kIssuesShown)));
        return out;
    }

    // ---- Dialogs
    // Two dialogs keep the window program's fixed titles (PowerLevelDialog.cpp,
    // TestFrequencyDialog.cpp); Traditional Chinese converts them as it converts every window.
    std::string dialogTitle(const std::string& dialog) const {
        if (dialog == "powerLevels") return "Debug";
        if (dialog == "testFrequencies")
            return Localise(language() == Language::Traditional ? language() : Language::Simplified,
                            LocalText{"测试频率", ""});
        return CaptionText(language(), windowOf(dialog), {}, CaptionItem::WindowTitle);
    }
    val loadDialogs() { return noticeTexts(language(), LoadAllDialogs(state_)); }
    val draft(const std::string& dialog) const {
        const DialogDrafts& d = state_.dialogs;
        val out = val::object();
        if (dialog == "optionalFunctions") {
            const OptionalFunctionsDraft& o = d.optionalFunctions;
            out.set("pttIdMode", o.pttIdMode);
            out.set("cancelOperation", o.cancelOperation);
            out.set("voxOffOnReceive", o.voxOffOnReceive);
            out.set("voxEnable", o.voxEnable);
            out.set("voxGain", o.voxGain);
            out.set("voxDelay", o.voxDelay);
            out.set("voxTone", o.voxTone);
            out.set("duplicate", o.duplicate);
            out.set("priorityMode", o.priorityMode);
            out.set("priorityChannel", o.priorityChannel);
            out.set("revertTimeA", o.revertTimeA);
            out.set("revertTimeB", o.revertTimeB);
            out.set("returnChannel", o.returnChannel);
            out.set("scanRxResumeDelay", o.scanRxResumeDelay);
            out.set("scanTxResumeDelay", o.scanTxResumeDelay);
            out.set("priorityFallbackChannel", o.priorityFallbackChannel);
        } else if (dialog == "keys") {
            out.set("pf1", d.keys.pf1);
            out.set("pf2", d.keys.pf2);
        } else if (dialog == "powerLevels") {
            const PowerLevelsDraft& p = d.powerLevels;
            out.set("high", p.high);
            out.set("low", p.low);
            out.set("highText", p.highText);
            out.set("lowText", p.lowText);
            out.set("slidersEnabled", p.slidersEnabled);
        } else if (dialog == "testFrequencies") {
            val grid = val::array();
            for (const auto& row : d.testFrequencies.grid)
                grid.call<void>("push", stringList({row[0], row[1], row[2]}));
            out.set("grid", grid);
        } else if (dialog == "embeddedTexts") {
            out.set("first", d.embeddedTexts.first);
            out.set("second", d.embeddedTexts.second);
        }
        return out;
    }
    void setDraft(const std::string& dialog, const val& in) {
        DialogDrafts& d = state_.dialogs;
        const auto number = [&](const char* key, int& target) {
            if (in[key].isNumber()) target = in[key].as<int>();
        };
        const auto flag = [&](const char* key, bool& target) {
            if (!in[key].isUndefined()) target = in[key].as<bool>();
        };
        const auto text = [&](const char* key, std::string& target) {
            if (in[key].isString()) target = in[key].as<std::string>();
        };
        if (dialog == "optionalFunctions") {
            OptionalFunctionsDraft& o = d.optionalFunctions;
            number("pttIdMode", o.pttIdMode);
            flag("cancelOperation", o.cancelOperation);
            flag("voxOffOnReceive", o.voxOffOnReceive);
            number("voxEnable", o.voxEnable);
            number("voxGain", o.voxGain);
            number("voxDelay", o.voxDelay);
            number("voxTone", o.voxTone);
            number("duplicate", o.duplicate);
            number("priorityMode", o.priorityMode);
            number("priorityChannel", o.priorityChannel);
            number("revertTimeA", o.revertTimeA);
            number("revertTimeB", o.revertTimeB);
            number("returnChannel", o.returnChannel);
            text("scanRxResumeDelay", o.scanRxResumeDelay);
            text("scanTxResumeDelay", o.scanTxResumeDelay);
            number("priorityFallbackChannel", o.priorityFallbackChannel);
        } else if (dialog == "keys") {
            number("pf1", d.keys.pf1);
            number("pf2", d.keys.pf2);
        } else if (dialog == "powerLevels") {
            PowerLevelsDraft& p = d.powerLevels;
            // The sliders move only in service mode, as in the window program.
            if (p.slidersEnabled) {
                number("high", p.high);
                number("low", p.low);
                text("highText", p.highText);
                text("lowText", p.lowText);
            }
        } else if (dialog == "testFrequencies") {
            const val grid = in["grid"];
            if (!grid.isArray()) return;
            auto& target = d.testFrequencies.grid;
            for (std::size_t r = 0; r < target.size() && r < grid["length"].as<std::size_t>(); ++r)
                for (std::size_t c = 0; c < 3; ++c)
                    if (grid[r][c].isString()) target[r][c] = grid[r][c].as<std::string>();
        } else if (dialog == "embeddedTexts") {
            text("first", d.embeddedTexts.first);
            text("second", d.embeddedTexts.second);
        }
    }
    // The priority lists of the optional-functions dialog run their rules at each pick, as in
    // the window program: either list may move back, and the message (or null) says why.
    val selectPriorityMode(int index) {
        const Message* message = SelectPriorityMode(state_, index);
        return message != nullptr ? messageText(language(), *message) : val::null();
    }
    val selectPriorityChannel(int index) {
        const Message* message = SelectPriorityChannel(state_, index);
        return message != nullptr ? messageText(language(), *message) : val::null();
    }
    // The test-frequency grid: whether a cell's editor may open (a key on any other cell does
    // nothing), and a cell's commit (normalised, the row's other cell updated).
    bool testFrequencyCellEditable(int row, int column) const {
        return TestFrequencyCellEditable(state_, row, column);
    }
    void commitTestFrequency(int row, int column, const std::string& text) {
        CommitTestFrequency(state_, row, column, text);
    }
    val confirm(const std::string& dialog) {
        std::optional<Notice> refusal;
        if (dialog == "optionalFunctions")
            refusal = ConfirmOptionalFunctions(state_);
        else if (dialog == "keys")
            StoreKeyFunctions(state_);
        else if (dialog == "powerLevels")
            StorePowerLevels(state_);
        else if (dialog == "testFrequencies")
            refusal = ConfirmTestFrequencies(state_);
        else if (dialog == "embeddedTexts")
            refusal = ConfirmEmbeddedTexts(state_);
        return refusal ? noticeText(language(), *refusal) : val::null();
    }
    val listEntries(const std::string& window, const std::string& control) const {
        // The optional functions dialog's computed lists (DialogLists), by designer name.
        if (window == "Form5") {
            if (control == "Combo7") return stringList(VoxGainEntries(language()));
            if (control == "Combo8") return stringList(VoxDelayEntries());
            if (control == "Combo12") return stringList(PriorityChannelEntries());
            if (control == "Combo13" || control == "Combo14")
                return stringList(RevertTimeEntries(language()));
        }
        std::vector<std::string> entries;
        for (const CaptionRow& row : CaptionRowsOf(window)) {
            if (row.control != control || row.item != CaptionItem::ListEntry) continue;
            if (row.index >= static_cast<int>(entries.size()))
                entries.resize(static_cast<std::size_t>(row.index) + 1);
            entries[static_cast<std::size_t>(row.index)] = rowText(row, language());
        }
        return stringList(entries);
    }
    bool serviceMode() const { return state_.session.serviceMode; }
    bool serviceSwitchClick(int caption, double seconds) {
        if (!ServiceSwitchClick(serviceSwitch_, static_cast<ServiceCaption>(caption), seconds))
            return false;
        ServiceModeOn(state_);
        return true;
    }
    std::string serviceButtonClick(double seconds) {
        switch (ServiceButtonClick(state_, buttonStamp_, seconds)) {
        case ServiceClick::Armed:
            return "armed";
        case ServiceClick::Restarted:
            return "restarted";
        case ServiceClick::SwitchedOff:
            break;
        }
        return "switchedOff";
    }
    bool editingLock() const { return state_.session.editingLock; }
    void setEditingLock(bool on) { state_.session.editingLock = on; }

  private:
    // The dialogs' designer windows (the names of src/dialogs/gui/*Dialog.h).
    static std::string windowOf(const std::string& dialog) {
        if (dialog == "powerLevels") return "Form2";
        if (dialog == "testFrequencies") return "Form4";
        if (dialog == "optionalFunctions") return "Form5";
        if (dialog == "keys") return "Form6";
        if (dialog == "embeddedTexts") return "Form7";
        return "Form1";
    }

    EditorState state_;
    UndoHistory history_;
    EditorBaseline baseline_;
    ServiceSwitch serviceSwitch_;
    ServiceButtonStamp buttonStamp_;
};

// The session's host: everything goes to the page's object; the band question was asked by the
// page before the start (the answer is handed in with it).
class WebTransferHost : public TransferHost {
  public:
    WebTransferHost(WebEditor& editor, val host) : editor_(editor), host_(std::move(host)) {}

    bool bandAnswer = true;

    bool portIsOpen() const override { return true; }
    void sendBytes(std::span<const uint8_t> frame) override {
        host_.call<void>("sendBytes", bytes(frame));
    }
    void setSupervisionTimer(bool) override {}
    void setStatusTimer(bool) override {}
    void tell(const Notice& notice) override {
        if (has("tell")) host_.call<void>("tell", noticeText(editor_.language(), notice));
    }
    bool confirmBandMismatch() override { return bandAnswer; }
    void setStatusText(const std::string& text) override {
        if (has("setStatusText")) host_.call<void>("setStatusText", text);
    }
    void setStatusVisible(bool visible) override {
        if (has("setStatusVisible")) host_.call<void>("setStatusVisible", visible);
    }
    void setProgress(bool visible, int value) override {
        if (has("setProgress")) host_.call<void>("setProgress", visible, value);
    }
    void setTransferControlsEnabled(bool enabled) override {
        if (has("setTransferControlsEnabled"))
            host_.call<void>("setTransferControlsEnabled", enabled);
    }
    void transferEnded(TransferOutcome outcome) override {
        if (outcome == TransferOutcome::Success && ended_direction_ == TransferDirection::Read)
            editor_.matchDocument();
        static constexpr const char* kOutcomes[] = {"success", "communicationError", "declined",
                                                    "stopped"};
        if (has("transferEnded"))
            host_.call<void>("transferEnded", std::string(kOutcomes[static_cast<int>(outcome)]));
    }
    void imageAboutToBeWritten(const MemoryImage& image) override {
        if (has("imageAboutToBeWritten"))
            host_.call<void>("imageAboutToBeWritten",
                             bytes(std::span<const uint8_t>(image.data(), image.size())));
    }
    void imageRead(const MemoryImage& image) override {
        if (has("imageRead"))
            host_.call<void>("imageRead",
                             bytes(std::span<const uint8_t>(image.data(), image.size())));
    }

    TransferDirection ended_direction_ = TransferDirection::Read;

  private:
    bool has(const char* member) const {
        return host_[member].typeOf().as<std::string>() == "function";
    }

    WebEditor& editor_;
    val host_;
};

class WebTransfer {
  public:
    WebTransfer(WebEditor& editor, val host)
        : host_(editor, std::move(host)), session_(editor.state(), host_), editor_(editor) {}

    bool needsBandQuestion() const { return session_.agreedBand() != editor_.state().radio().band; }
    bool start(const std::string& direction, const val& bandAnswer) {
        host_.bandAnswer = bandAnswer.isUndefined() || bandAnswer.isTrue();
        const TransferDirection chosen =
            direction == "write" ? TransferDirection::Write : TransferDirection::Read;
        host_.ended_direction_ = chosen;
        return session_.start(chosen);
    }
    void stop() { session_.stop(); }
    void onBytes(const val& data) {
        const std::vector<uint8_t> received = bytesOf(data);
        session_.onBytes(received);
    }
    void onSupervisionTick() { session_.onSupervisionTick(); }
    void onStatusTick() { session_.onStatusTick(); }
    void onPortLost(const std::string& device) { session_.onPortLost(device); }
    bool running() const { return session_.running(); }
    bool supervisionTimerOn() const { return session_.supervisionTimerOn(); }
    bool statusTimerOn() const { return session_.statusTimerOn(); }
    std::string failureText() const {
        if (session_.lastFailure().cause == FailureCause::None) return {};
        return DescribeFailure(session_.lastFailure(), editor_.language());
    }
    std::string failureCause() const {
        static constexpr const char* kCauses[] = {"none",    "noAnswer", "unexpectedIdentification",
                                                  "stopped", "portLost", "timeLimit"};
        return kCauses[static_cast<int>(session_.lastFailure().cause)];
    }

  private:
    WebTransferHost host_;
    TransferSession session_;
    WebEditor& editor_;
};

// The .DAT file of a memory image (a backup to download or reopen); empty for a wrong size.
val dataFile(const val& image) {
    const std::vector<uint8_t> content = bytesOf(image);
    MemoryImage memory{};
    if (content.size() != memory.size()) return bytes(std::string());
    std::copy(content.begin(), content.end(), memory.begin());
    return bytes(DataFileContent(memory));
}

// The buttons, icon and default of a message box's flags.
val msgBoxLayout(int flags) {
    const MsgBoxLayout layout = DecodeMsgBoxFlags(flags);
    static constexpr const char* kIcons[] = {"none", "stop", "question", "warning", "information"};
    val out = val::object();
    val buttons = val::array();
    for (int id : layout.buttons)
        buttons.call<void>("push", id);
    out.set("buttons", buttons);
    out.set("icon", std::string(kIcons[static_cast<int>(layout.icon)]));
    out.set("defaultButton", layout.defaultButton);
    out.set("escapeButton", layout.escapeButton);
    return out;
}

// The numbers the page needs; web/core/pre.js puts them on the module as `constants`.
val coreConstants() {
    val constants = val::object();
    constants.set("tableRows", kTableRows);
    constants.set("tableColumns", kTableCols);
    constants.set("progressMaximum", kProgressMaximum);
    constants.set("supervisionIntervalMs", kSupervisionIntervalMs);
    constants.set("statusIntervalMs", kStatusIntervalMs);
    constants.set("imageBytes", static_cast<int>(kImageBytes));
    constants.set("frequencyEditorMaxLength", kFrequencyEditorMaxLength);
    constants.set("keyEnter", kKeyEnter);
    constants.set("keyBackspace", kKeyBackspace);
    constants.set("powerLevelMinimum", kPowerLevelMinimum);
    constants.set("powerLevelMaximum", kPowerLevelMaximum);
    return constants;
}

} // namespace tlv

EMSCRIPTEN_BINDINGS(tlv6200_core) {
    using namespace emscripten;
    using tlv::WebEditor;
    using tlv::WebTransfer;
    class_<WebEditor>("Editor")
        .constructor<std::string>()
        .function("setLanguage", &WebEditor::setLanguage)
        .function("language", &WebEditor::languageName)
        .function("captions", &WebEditor::captions)
        .function("caption", &WebEditor::caption)
        .function("message", &WebEditor::message)
        .function("statusText", &WebEditor::statusText)
        .function("noSerialText", &WebEditor::noSerialText)
        .function("header", &WebEditor::header)
        .function("columnTooltip", &WebEditor::columnTooltip)
        .function("cellText", &WebEditor::cellText)
        .function("tableTexts", &WebEditor::tableTexts)
        .function("editorForCell", &WebEditor::editorForCell)
        .function("typingOpensEditor", &WebEditor::typingOpensEditor)
        .function("filterKey", &WebEditor::filterKey)
        .function("commitFrequency", &WebEditor::commitFrequency)
        .function("toneList", &WebEditor::toneList)
        .function("toneListPosition", &WebEditor::toneListPosition)
        .function("pickTone", &WebEditor::pickTone)
        .function("commitTone", &WebEditor::commitTone)
        .function("optionList", &WebEditor::optionList)
        .function("optionListPosition", &WebEditor::optionListPosition)
        .function("pickOption", &WebEditor::pickOption)
        .function("bandList", &WebEditor::bandList)
        .function("bandLabel", &WebEditor::bandLabel)
        .function("bandFrameCaption", &WebEditor::bandFrameCaption)
        .function("band", &WebEditor::band)
        .function("bandLimitsHint", &WebEditor::bandLimitsHint)
        .function("bandTooltip", &WebEditor::bandTooltip)
        .function("bandDropDownOpened", &WebEditor::bandDropDownOpened)
        .function("bandSelected", &WebEditor::bandSelected)
        .function("answerBandQuestion", &WebEditor::answerBandQuestion)
        .function("functionPanelCaption", &WebEditor::functionPanelCaption)
        .function("panelLists", &WebEditor::panelLists)
        .function("pickPanel", &WebEditor::pickPanel)
        .function("deleteChannels", &WebEditor::deleteChannels)
        .function("insertEmptyChannel", &WebEditor::insertEmptyChannel)
        .function("moveChannels", &WebEditor::moveChannels)
        .function("clearAllChannels", &WebEditor::clearAllChannels)
        .function("copyRows", &WebEditor::copyRows)
        .function("pasteRows", &WebEditor::pasteRows)
        .function("record", &WebEditor::record)
        .function("undo", &WebEditor::undo)
        .function("redo", &WebEditor::redo)
        .function("canUndo", &WebEditor::canUndo)
        .function("canRedo", &WebEditor::canRedo)
        .function("newImage", &WebEditor::newImage)
        .function("openDat", &WebEditor::openDat)
        .function("saveDat", &WebEditor::saveDat)
        .function("image", &WebEditor::image)
        .function("modified", &WebEditor::modified)
        .function("markSaved", &WebEditor::markSaved)
        .function("buttonText", &WebEditor::buttonText)
        .function("channelCard", &WebEditor::channelCard)
        .function("exportText", &WebEditor::exportText)
        .function("importText", &WebEditor::importText)
        .function("dialogTitle", &WebEditor::dialogTitle)
        .function("loadDialogs", &WebEditor::loadDialogs)
        .function("draft", &WebEditor::draft)
        .function("setDraft", &WebEditor::setDraft)
        .function("selectPriorityMode", &WebEditor::selectPriorityMode)
        .function("selectPriorityChannel", &WebEditor::selectPriorityChannel)
        .function("testFrequencyCellEditable", &WebEditor::testFrequencyCellEditable)
        .function("commitTestFrequency", &WebEditor::commitTestFrequency)
        .function("confirm", &WebEditor::confirm)
        .function("listEntries", &WebEditor::listEntries)
        .function("serviceMode", &WebEditor::serviceMode)
        .function("serviceSwitchClick", &WebEditor::serviceSwitchClick)
        .function("serviceButtonClick", &WebEditor::serviceButtonClick)
        .function("editingLock", &WebEditor::editingLock)
        .function("setEditingLock", &WebEditor::setEditingLock);
    class_<WebTransfer>("Transfer")
        .constructor<WebEditor&, val>()
        .function("needsBandQuestion", &WebTransfer::needsBandQuestion)
        .function("start", &WebTransfer::start)
        .function("stop", &WebTransfer::stop)
        .function("onBytes", &WebTransfer::onBytes)
        .function("onSupervisionTick", &WebTransfer::onSupervisionTick)
        .function("onStatusTick", &WebTransfer::onStatusTick)
        .function("onPortLost", &WebTransfer::onPortLost)
        .function("running", &WebTransfer::running)
        .function("supervisionTimerOn", &WebTransfer::supervisionTimerOn)
        .function("statusTimerOn", &WebTransfer::statusTimerOn)
        .function("failureText", &WebTransfer::failureText)
        .function("failureCause", &WebTransfer::failureCause);
    function("coreConstants", &tlv::coreConstants);
    function("dataFile", &tlv::dataFile);
    function("msgBoxLayout", &tlv::msgBoxLayout);
}
