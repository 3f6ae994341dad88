// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The document: the editor being edited with its undo history, whether it differs from what it
// was last matched with (a file opened or saved, a read, New, the start-up), which file that is,
// whether a transfer holds it, the service mode and the band a write last agreed. The window
// program and the web edition change the editor only through its commands: an edit returns what
// it did and what the user is to be told; a command that needs the user's decision (New, Open,
// Save, Import, Export, Read, Write, a band change, the end of the program) returns a Flow whose
// steps the front end shows and answers (Flow.h).
#include "document/BandAgreement.h"
#include "document/EditorBaseline.h"
#include "document/FileKind.h"
#include "editor/EditingRules.h"
#include "editor/EditorState.h"
#include "editor/FunctionPanel.h"
#include "editor/HiddenServiceSwitch.h"
#include "editor/ServiceMode.h"
#include "editor/UndoHistory.h"
#include "exchange/ExchangeFormat.h"
#include "exchange/ImportReport.h"
#include "exchange/JsonValue.h"
#include "image/FileIo.h"
#include "language/Messages.h"
#include "link/RadioProtocol.h"

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tlv {

class Flow;

// What an edit did.
struct EditOutcome {
    bool changed = false;        // the data changed and an undo step was recorded
    bool refused = false;        // a dialog's OK refused its draft (the notice says why)
    std::vector<Notice> notices; // what to tell the user, in order
    std::vector<int> rows;       // the channel rows the command leaves chosen
    std::string hint;            // a line for beside the table (why a typed tone was not taken)
};

// The five radio dialogs, whose drafts the document keeps (EditorState::dialogs).
enum class RadioDialogKind { OptionalFunctions, Keys, PowerLevels, TestFrequencies, EmbeddedTexts };

class Document {
  public:
    // Keeps references to the editor and to the front end's JSON parser (Qt's, the browser's),
    // which must outlive the document. The history starts with startHistory(), once the
    // start-up has filled the editor.
    Document(EditorState& state, const JsonParser& json);
    ~Document();
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    EditorState& state() { return state_; }
    const EditorState& state() const { return state_; }
    Language language() const { return state_.language(); }

    // ---- History and the file the editor matches
    // The start-up is done: no step to undo, nothing modified, no file.
    void startHistory();
    // Records an undo step when the data differ from the last recorded data (a change made
    // outside the commands, such as a draft's OK in a view); true when one was recorded.
    bool recordStep();
    // Undo and redo of a step: the data before it come back and the dialogs show them. False,
    // and nothing changed, when there is no step or the data may not change now.
    bool undo();
    bool redo();
    const UndoHistory& history() const { return history_; }
    bool modified() const { return baseline_.Modified(state_.radio()); }
    // The file the editor was last opened from or saved to; empty after New, a read or the
    // start-up. For the web edition, the name the file was given.
    const std::string& path() const { return path_; }
    // The editor now matches `path` (empty: no file): the baseline of "modified".
    void matchFile(const std::string& path);

    // ---- What holds the editor
    // A transfer with the radio runs (from its start until its controls come back): the data
    // may not change meanwhile, and no dialog's OK stores anything.
    bool transferRunning() const { return transferRunning_; }
    void setTransferRunning(bool running) { transferRunning_ = running; }
    bool editingLock() const { return state_.session.editingLock; }
    void setEditingLock(bool on) { state_.session.editingLock = on; }
    // The channel table, the band list, the function panel and the row commands take changes:
    // no editing lock and no transfer.
    bool dataMayChange() const { return !editingLock() && !transferRunning_; }
    void setLanguage(Language language) { state_.session.language = language; }

    // ---- The channel table (cells are channel rows 1..16 and the table's columns)
    EditOutcome commitFrequency(ChannelCell cell, std::string_view text);
    // A typed tone; `selectedPosition` is the list's selection when it was committed (-1: none).
    EditOutcome commitTone(ChannelCell cell, std::string_view text, int selectedPosition);
    EditOutcome pickTone(ChannelCell cell, int position);
    EditOutcome pickOption(ChannelCell cell, int position);

    // ---- The band list and the function panel
    // The band list was opened: a band change is compared with the band in force now.
    void bandListOpened();
    // A pick in the band list: the band is set at once; with channels in use that the change
    // would clear, the flow asks first (OK clears them, Cancel keeps them with the new band).
    std::unique_ptr<Flow> selectBand(int index);
    EditOutcome pickPanel(PanelList list, int position);

    // ---- Whole channel rows
    EditOutcome deleteChannels(std::span<const int> rows);
    EditOutcome insertEmptyChannel(int row);
    EditOutcome moveChannels(std::span<const int> rows, int step);
    EditOutcome pasteRows(int firstRow, std::string_view text);

    // ---- The radio dialogs
    // A dialog's OK: its draft checked and stored (refused: the notice, nothing stored). Nothing
    // is stored while a transfer runs.
    EditOutcome confirmDialog(RadioDialogKind dialog);
    // The priority lists of the optional-functions dialog, through their rules: either list may
    // move back in the draft, and the notice says why.
    std::vector<Notice> selectPriorityMode(int index);
    std::vector<Notice> selectPriorityChannel(int index);
    // Every draft loaded from the data again (what the dialogs show after start-up).
    std::vector<Notice> loadDialogs();

    // ---- The service mode
    bool serviceMode() const { return state_.session.serviceMode; }
    // A click on one of the hidden switch's captions at `secondsSinceMidnight`: true when the
    // service mode came on.
    bool serviceCaptionClicked(ServiceCaption caption, double secondsSinceMidnight);
    // A click on the toolbar's service button: two quick clicks switch the service mode off.
    ServiceClick serviceButtonClicked(double secondsSinceMidnight);
    const ServiceSwitch& serviceSwitch() const { return serviceSwitch_; }

    // ---- Commands with questions (FileFlows.cpp, RadioFlows.cpp)
    std::unique_ptr<Flow> newDocument();
    std::unique_ptr<Flow> open();
    std::unique_ptr<Flow> save();
    // An import of a CSV or JSON file: the file is chosen, read and applied (CSV rows beyond the
    // table are placed on channels 1..N, with a note); any error refuses the whole file.
    std::unique_ptr<Flow> importFile();
    // An export of `kind`: the exchange formats (by the name chosen) or, with `content`, what
    // the front end makes of the editor (the channel card's PDF).
    std::unique_ptr<Flow> exportFile(FileKind kind, std::function<std::string()> content = nullptr);
    // A data file's bytes opened as a file is (a backup reopened), after "Save changes?".
    std::unique_ptr<Flow> openContent(std::string name, std::string bytes);
    // A read from the radio: "Save changes?", the transfer, the image read loaded.
    std::unique_ptr<Flow> read();
    // A write into the radio: the channels outside the band listed, the band question once for
    // each band, the transfer of the editor's image.
    std::unique_ptr<Flow> write();
    // The end of the program: a running transfer stopped only after Yes (`running` says which
    // one runs), then "Save changes?". Completed: the program may end.
    std::unique_ptr<Flow> quit(std::optional<TransferDirection> running);

    // The band question of the writes: the band of the last answer.
    const BandAgreement& bandAgreement() const { return bandAgreement_; }

    // Injected failures of the file replacement, for tests.
    WriteFault writeFault;

  private:
    // Records the step of an edit that changed the data.
    EditOutcome changed(EditOutcome outcome = {});

    EditorState& state_;
    const JsonParser& json_;
    UndoHistory history_;
    EditorBaseline baseline_;
    std::string path_;
    bool transferRunning_ = false;
    BandAgreement bandAgreement_;
    ServiceSwitch serviceSwitch_;
    ServiceButtonStamp buttonStamp_;
};

} // namespace tlv
