// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/Document.h"

#include "document/Flow.h"
#include "editor/ChannelRows.h"
#include "editor/DialogInput.h"
#include "editor/DialogState.h"
#include "editor/PriorityRules.h"
#include "editor/TestFrequencyRules.h"

#include <utility>

namespace tlv {

Document::Document(EditorState& state, const JsonParser& json) : state_(state), json_(json) {}

Document::~Document() = default;

// ---- History and the file ----------------------------------------------------------------

void Document::startHistory() {
    history_.reset(state_);
    matchFile({});
}

bool Document::recordStep() {
    return history_.record(state_);
}

bool Document::undo() {
    return dataMayChange() && history_.undo(state_);
}

bool Document::redo() {
    return dataMayChange() && history_.redo(state_);
}

void Document::matchFile(const std::string& path) {
    baseline_.Reset(state_.radio());
    path_ = path;
}

EditOutcome Document::changed(EditOutcome outcome) {
    outcome.changed = history_.record(state_);
    return outcome;
}

// ---- The channel table -------------------------------------------------------------------

EditOutcome Document::commitFrequency(ChannelCell cell, std::string_view text) {
    if (!dataMayChange()) return {};
    const FrequencyResult result = CommitFrequency(state_, cell, text);
    EditOutcome outcome;
    if (result.message != nullptr) outcome.notices.push_back({result.message, {}});
    return changed(std::move(outcome));
}

EditOutcome Document::commitTone(ChannelCell cell, std::string_view text, int selectedPosition) {
    if (!dataMayChange()) return {};
    const ToneCommit commit = CommitTone(state_, cell, text, selectedPosition);
    EditOutcome outcome;
    // A refused text is said beside the table, so that the cell's old tone is no riddle.
    const LocalText* why = nullptr;
    if (commit == ToneCommit::Restored && !text.empty())
        why = &status::ToneNotCtcss;
    else if (commit == ToneCommit::Unchanged && selectedPosition != 0 && text.starts_with('D'))
        why = &status::ToneNotDcs;
    if (why != nullptr) outcome.hint = std::string(text) + ": " + Localise(language(), *why);
    return changed(std::move(outcome));
}

EditOutcome Document::pickTone(ChannelCell cell, int position) {
    if (!dataMayChange()) return {};
    PickTone(state_, cell, position);
    return changed();
}

EditOutcome Document::pickOption(ChannelCell cell, int position) {
    if (!dataMayChange()) return {};
    PickOption(state_, cell, position);
    return changed();
}

// ---- Band list and function panel --------------------------------------------------------

void Document::bandListOpened() {
    BandDropDownOpened(state_);
}

EditOutcome Document::pickPanel(PanelList list, int position) {
    if (!dataMayChange() || position < -1 || position >= PanelListSize(list)) return {};
    PanelListSetting(list).set(state_.radio(), position);
    return changed();
}

// ---- Whole rows --------------------------------------------------------------------------

EditOutcome Document::deleteChannels(std::span<const int> rows) {
    if (!dataMayChange()) return {};
    DeleteChannels(state_, rows);
    return changed();
}

EditOutcome Document::insertEmptyChannel(int row) {
    if (!dataMayChange()) return {};
    if (!InsertEmptyChannel(state_, row)) {
        EditOutcome refused;
        refused.notices.push_back({&msg::InsertRefused, {}});
        return refused;
    }
    EditOutcome outcome;
    outcome.rows = {row};
    return changed(std::move(outcome));
}

EditOutcome Document::moveChannels(std::span<const int> rows, int step) {
    if (!dataMayChange()) return {};
    EditOutcome outcome;
    outcome.rows = MoveChannels(state_, rows, step);
    return changed(std::move(outcome));
}

EditOutcome Document::pasteRows(int firstRow, std::string_view text) {
    if (!dataMayChange()) return {};
    const PasteOutcome pasted = PasteChannelRows(state_, firstRow, text);
    EditOutcome outcome;
    if (!pasted.problem.empty()) {
        outcome.notices.push_back({&msg::PasteRefused, pasted.problem});
        return outcome;
    }
    if (pasted.rows == 0) {
        outcome.notices.push_back({&msg::NoChannelRows, {}});
        return outcome;
    }
    for (int row = firstRow; row < firstRow + pasted.rows; ++row)
        outcome.rows.push_back(row);
    return changed(std::move(outcome));
}

// ---- Dialogs -----------------------------------------------------------------------------

EditOutcome Document::confirmDialog(RadioDialogKind dialog) {
    if (transferRunning_) return {};
    std::optional<Notice> refusal;
    switch (dialog) {
    case RadioDialogKind::OptionalFunctions:
        refusal = ConfirmOptionalFunctions(state_);
        break;
    case RadioDialogKind::Keys:
        StoreKeyFunctions(state_);
        break;
    case RadioDialogKind::PowerLevels:
        StorePowerLevels(state_);
        break;
    case RadioDialogKind::TestFrequencies:
        refusal = ConfirmTestFrequencies(state_);
        break;
    case RadioDialogKind::EmbeddedTexts:
        refusal = ConfirmEmbeddedTexts(state_);
        break;
    }
    if (refusal) {
        EditOutcome refused;
        refused.notices.push_back(*refusal);
        refused.refused = true;
        return refused;
    }
    return changed();
}

std::vector<Notice> Document::selectPriorityMode(int index) {
    if (const Message* message = SelectPriorityMode(state_, index)) return {{message, {}}};
    return {};
}

std::vector<Notice> Document::selectPriorityChannel(int index) {
    if (const Message* message = SelectPriorityChannel(state_, index)) return {{message, {}}};
    return {};
}

std::vector<Notice> Document::loadDialogs() {
    return LoadAllDialogs(state_);
}

// ---- Service mode ------------------------------------------------------------------------

bool Document::serviceCaptionClicked(ServiceCaption caption, double secondsSinceMidnight) {
    if (!ServiceSwitchClick(serviceSwitch_, caption, secondsSinceMidnight)) return false;
    ServiceModeOn(state_);
    return true;
}

ServiceClick Document::serviceButtonClicked(double secondsSinceMidnight) {
    const ServiceClick click = ServiceButtonClick(state_, buttonStamp_, secondsSinceMidnight);
    if (click == ServiceClick::SwitchedOff) ResetServiceSwitch(serviceSwitch_);
    return click;
}

} // namespace tlv
