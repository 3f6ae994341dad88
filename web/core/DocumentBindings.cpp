// SPDX-License-Identifier: GPL-3.0-or-later
// The document's commands for the page: each answers with what it did (EditResult: changed,
// refused, notices in the language in force, rows, hint) or with the Flow of its questions.
#include "BrowserJsonParser.h"
#include "WebDocument.h"
#include "WebFlow.h"
#include "WebValues.h"

#include "editor/ChannelRows.h"
#include "editor/HiddenServiceSwitch.h"
#include "editor/Startup.h"
#include "editor/TestFrequencyRules.h"
#include "exchange/ImportText.h"
#include "image/ImageCodec.h"

#include <emscripten/bind.h>

using emscripten::val;

namespace tlv::web {

namespace {

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

std::optional<RadioDialogKind> dialogKindOf(const std::string& name) {
    if (name == "optionalFunctions") return RadioDialogKind::OptionalFunctions;
    if (name == "keys") return RadioDialogKind::Keys;
    if (name == "powerLevels") return RadioDialogKind::PowerLevels;
    if (name == "testFrequencies") return RadioDialogKind::TestFrequencies;
    if (name == "embeddedTexts") return RadioDialogKind::EmbeddedTexts;
    return std::nullopt;
}

} // namespace

WebDocument::WebDocument(const std::string& language)
    : state_(MakeStartupEditor(LanguageOfCode(language))), document_(state_, json_) {
    document_.startHistory();
}

void WebDocument::setLanguage(const std::string& code) {
    document_.setLanguage(LanguageOfCode(code));
}

std::string WebDocument::languageCode() const {
    return CodeOfLanguage(language());
}

WebFlow* WebDocument::flow(std::unique_ptr<Flow> flow) {
    return new WebFlow(*this, std::move(flow));
}

val WebDocument::outcome(const EditOutcome& outcome) const {
    val out = val::object();
    out.set("changed", outcome.changed);
    out.set("refused", outcome.refused);
    out.set("notices", NoticeTexts(language(), outcome.notices));
    out.set("rows", Numbers(outcome.rows));
    out.set("hint", outcome.hint);
    return out;
}

// ---- The channel table -------------------------------------------------------------------

// The editor a selection of the cell opens, and the cell it works on: a channel not in use is
// started with its receive frequency, whichever of its cells was chosen.
val WebDocument::cellEditor(int row, int column) const {
    const CellEditor kind = EditorForCell(state_, row, column);
    val out = val::object();
    out.set("kind", std::string(editorKindName(kind)));
    out.set("row", row);
    out.set("column", state_.radio().inUse(row) ? column : col::RxFrequency);
    return out;
}

bool WebDocument::typingOpensEditor(const std::string& kind, int code) const {
    return TypingOpensEditor(editorKindOf(kind), code);
}

val WebDocument::filterKey(const std::string& kind, int code) const {
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

val WebDocument::commitFrequency(int row, int column, const std::string& text) {
    return outcome(document_.commitFrequency({row, column}, text));
}

val WebDocument::commitTone(int row, int column, const std::string& text, int selected) {
    return outcome(document_.commitTone({row, column}, text, selected));
}

val WebDocument::pickTone(int row, int column, int position) {
    return outcome(document_.pickTone({row, column}, position));
}

val WebDocument::pickOption(int row, int column, int position) {
    return outcome(document_.pickOption({row, column}, position));
}

int WebDocument::listPosition(int row, int column) const {
    return OptionListPosition(state_, {row, column});
}

// ---- Band list, function panel, rows ------------------------------------------------------

WebFlow* WebDocument::selectBand(int index) {
    return flow(document_.selectBand(index));
}

val WebDocument::pickPanel(int list, int position) {
    if (list < 0 || list >= static_cast<int>(kPanelLists.size())) return outcome({});
    return outcome(document_.pickPanel(kPanelLists[static_cast<std::size_t>(list)], position));
}

val WebDocument::deleteChannels(const val& rows) {
    return outcome(document_.deleteChannels(NumbersOf(rows)));
}

val WebDocument::insertEmptyChannel(int row) {
    return outcome(document_.insertEmptyChannel(row));
}

val WebDocument::moveChannels(const val& rows, int step) {
    return outcome(document_.moveChannels(NumbersOf(rows), step));
}

val WebDocument::pasteRows(int firstRow, const std::string& text) {
    return outcome(document_.pasteRows(firstRow, text));
}

std::string WebDocument::copyRows(const val& rows) const {
    return ChannelRowsText(state_, NumbersOf(rows));
}

// ---- Files and the radio -----------------------------------------------------------------

WebFlow* WebDocument::newDocument() {
    return flow(document_.newDocument());
}

WebFlow* WebDocument::open() {
    return flow(document_.open());
}

WebFlow* WebDocument::openContent(const std::string& name, const val& bytes) {
    const std::vector<uint8_t> content = BytesOf(bytes);
    return flow(document_.openContent(name, std::string(content.begin(), content.end())));
}

WebFlow* WebDocument::save() {
    return flow(document_.save());
}

WebFlow* WebDocument::importFile() {
    return flow(document_.importFile());
}

WebFlow* WebDocument::exportFile() {
    return flow(document_.exportFile(FileKind::Exchange));
}

WebFlow* WebDocument::read() {
    return flow(document_.read());
}

WebFlow* WebDocument::write() {
    return flow(document_.write());
}

val WebDocument::image() const {
    return Bytes(EncodeImage(state_.radio()));
}

// ---- Dialogs and the service mode ----------------------------------------------------------

val WebDocument::confirm(const std::string& dialog) {
    const std::optional<RadioDialogKind> kind = dialogKindOf(dialog);
    return outcome(kind ? document_.confirmDialog(*kind) : EditOutcome{});
}

val WebDocument::selectPriorityMode(int index) {
    return NoticeTexts(language(), document_.selectPriorityMode(index));
}

val WebDocument::selectPriorityChannel(int index) {
    return NoticeTexts(language(), document_.selectPriorityChannel(index));
}

bool WebDocument::testFrequencyCellEditable(int row, int column) const {
    return TestFrequencyCellEditable(state_, row, column);
}

void WebDocument::commitTestFrequency(int row, int column, const std::string& text) {
    CommitTestFrequency(state_, row, column, text);
}

bool WebDocument::serviceCaptionClicked(int caption, double secondsSinceMidnight) {
    if (caption < 0 || caption > 2) return false;
    return document_.serviceCaptionClicked(static_cast<ServiceCaption>(caption),
                                           secondsSinceMidnight);
}

std::string WebDocument::serviceButtonClicked(double secondsSinceMidnight) {
    switch (document_.serviceButtonClicked(secondsSinceMidnight)) {
    case ServiceClick::Armed:
        return "armed";
    case ServiceClick::Restarted:
        return "restarted";
    case ServiceClick::SwitchedOff:
        break;
    }
    return "switchedOff";
}

} // namespace tlv::web
