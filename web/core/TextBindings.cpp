// SPDX-License-Identifier: GPL-3.0-or-later
// The texts the page shows, rendered from the document in the language in force: captions of
// the window program's windows, messages, the channel table's cells and lists, the band list,
// the function panel and the channel card.
#include "WebDocument.h"
#include "WebValues.h"

#include "editor/CellTexts.h"
#include "language/ButtonTexts.h"
#include "radio/Bands.h"
#include "radio/Tone.h"
#include "texts/CaptionTables.h"
#include "texts/ChannelCard.h"
#include "texts/DialogLists.h"
#include "texts/SettingCaptions.h"
#include "texts/WindowTexts.h"

#include <map>

using emscripten::val;

namespace tlv::web {

namespace {

// The messages the page asks for by name (the boxes it shows without a command of the document:
// a port that does not open, the quit questions while a transfer runs ...).
const std::map<std::string, const Message*>& namedMessages() {
    static const std::map<std::string, const Message*> messages{
        {"PortNotOpen", &msg::PortNotOpen},
        {"PortOpenFailed", &msg::PortOpenFailed},
        {"BandMismatch", &msg::BandMismatch},
        {"CommunicationError", &msg::CommunicationError},
        {"SaveFailed", &msg::SaveFailed},
        {"StopWriteAndQuit", &msg::StopWriteAndQuit},
        {"StopReadAndQuit", &msg::StopReadAndQuit},
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
std::string panelEntry(Language language, PanelList list, int position) {
    if (list == PanelList::TimeOutTimer) return std::to_string((position + 1) * 15) + " S";
    return PanelListEntry(language, list, position);
}

// The dialogs' designer windows (the names of src/window/dialogs/*Dialog.h).
std::string windowOf(const std::string& dialog) {
    if (dialog == "powerLevels") return "Form2";
    if (dialog == "testFrequencies") return "Form4";
    if (dialog == "optionalFunctions") return "Form5";
    if (dialog == "keys") return "Form6";
    if (dialog == "embeddedTexts") return "Form7";
    return "Form1";
}

} // namespace

val WebDocument::captions(const val& window) const {
    val list = val::array();
    const bool all = !Given(window);
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

std::string WebDocument::caption(const std::string& window, const std::string& control,
                                 const val& item, const val& index) const {
    const CaptionItem kind =
        Given(item) ? captionItemOf(item.as<std::string>()) : CaptionItem::Caption;
    return CaptionText(language(), window, control, kind, Given(index) ? index.as<int>() : 0);
}

val WebDocument::message(const std::string& name, const val& detail) const {
    const auto& messages = namedMessages();
    const auto found = messages.find(name);
    const std::string extra = Given(detail) ? detail.as<std::string>() : std::string();
    if (found == messages.end()) return MessageText(language(), {{"", ""}, {"", ""}, 0}, extra);
    return MessageText(language(), *found->second, extra);
}

std::string WebDocument::statusText(const std::string& name) const {
    const auto& texts = namedStatusTexts();
    const auto found = texts.find(name);
    return found == texts.end() ? std::string() : Localise(language(), *found->second);
}

std::string WebDocument::noSerialText() const {
    if (language() == Language::Traditional) return kNoSerialTraditional;
    return Localise(language(), kNoSerial);
}

std::string WebDocument::header(int column) const {
    return ChannelTableHeader(language(), column);
}

std::string WebDocument::columnTooltip(int column) const {
    if (column < 0 || column >= kTableCols) return {};
    return Localise(language(), tip::ChannelColumns[static_cast<std::size_t>(column)]);
}

std::string WebDocument::cellText(int row, int column) const {
    return CellText(state_, row, column);
}

val WebDocument::tableTexts() const {
    val rows = val::array();
    for (int row = 1; row < kTableRows; ++row) {
        std::vector<std::string> cells;
        for (int column = 0; column < kTableCols; ++column)
            cells.push_back(CellText(state_, row, column));
        rows.call<void>("push", Texts(cells));
    }
    return rows;
}

val WebDocument::toneList() const {
    std::vector<std::string> entries;
    for (int position = 0; position < kToneListSize; ++position)
        entries.push_back(ToneListEntryText(language(), position));
    return Texts(entries);
}

val WebDocument::optionList(int column) const {
    return Texts({OptionText(language(), column, 0), OptionText(language(), column, 1)});
}

val WebDocument::bandList() const {
    std::vector<std::string> entries;
    for (const Band& band : kBands)
        entries.emplace_back(band.text);
    return Texts(entries);
}

std::string WebDocument::bandLabel() const {
    return BandListLabel(language());
}

std::string WebDocument::bandFrameCaption() const {
    return BandFrameCaption(language());
}

std::string WebDocument::bandLimitsHint() const {
    return BandLimitsHint(state_);
}

std::string WebDocument::bandTooltip() const {
    return Localise(language(), tip::BandList);
}

std::string WebDocument::functionPanelCaption() const {
    return FunctionPanelCaption(language());
}

val WebDocument::panelLists() const {
    val lists = val::array();
    for (std::size_t i = 0; i < kPanelLists.size(); ++i) {
        const PanelList list = kPanelLists[i];
        std::vector<std::string> entries;
        for (int position = 0; position < PanelListSize(list); ++position)
            entries.push_back(panelEntry(language(), list, position));
        val entry = val::object();
        entry.set("label", PanelListLabel(language(), list));
        entry.set("entries", Texts(entries));
        entry.set("position", PanelListPosition(state_.radio(), list));
        entry.set("tooltip", Localise(language(), tip::PanelLists[i]));
        lists.call<void>("push", entry);
    }
    return lists;
}

std::string WebDocument::buttonText(int itemId) const {
    const auto text = MsgBoxButtonText(language(), itemId);
    return text ? std::string(*text) : std::string();
}

val WebDocument::channelCard() const {
    const ChannelCard card = MakeChannelCard(state_);
    val out = val::object();
    out.set("title", card.title);
    val band = val::object();
    band.set("label", card.band.label);
    band.set("value", card.band.value);
    out.set("band", band);
    out.set("columns", Texts({card.columns.begin(), card.columns.end()}));
    val channels = val::array();
    for (const auto& row : card.channels)
        channels.call<void>("push", Texts({row.begin(), row.end()}));
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

// Two dialogs keep the window program's fixed titles (PowerLevelDialog.cpp,
// TestFrequencyDialog.cpp); Traditional Chinese converts them as it converts every window.
std::string WebDocument::dialogTitle(const std::string& dialog) const {
    if (dialog == "powerLevels") return "Debug";
    if (dialog == "testFrequencies")
        return Localise(language() == Language::Traditional ? language() : Language::Simplified,
                        LocalText{"测试频率", ""});
    return CaptionText(language(), windowOf(dialog), {}, CaptionItem::WindowTitle);
}

val WebDocument::listEntries(const std::string& window, const std::string& control) const {
    // The optional functions dialog's computed lists (DialogLists), by designer name.
    if (window == "Form5") {
        if (control == "Combo7") return Texts(VoxGainEntries(language()));
        if (control == "Combo8") return Texts(VoxDelayEntries());
        if (control == "Combo12") return Texts(PriorityChannelEntries());
        if (control == "Combo13" || control == "Combo14")
            return Texts(RevertTimeEntries(language()));
    }
    std::vector<std::string> entries;
    for (const CaptionRow& row : CaptionRowsOf(window)) {
        if (row.control != control || row.item != CaptionItem::ListEntry) continue;
        if (row.index >= static_cast<int>(entries.size()))
            entries.resize(static_cast<std::size_t>(row.index) + 1);
        entries[static_cast<std::size_t>(row.index)] = rowText(row, language());
    }
    return Texts(entries);
}

} // namespace tlv::web
