// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The document for the page (JavaScript class RadioDocument): the core's Document over its own
// editor, with every command of the window program, and the texts the page shows, rendered in
// the language in force. DocumentBindings.cpp binds the commands, TextBindings.cpp the texts,
// FlowBindings.cpp the flows the commands return. web/src/core-api.ts declares them for the page
// (a test checks that the two name the same members).
#include "document/Document.h"
#include "editor/EditorState.h"

#include "BrowserJsonParser.h"

#include <emscripten/val.h>

#include <string>

namespace tlv::web {

class WebFlow;

class WebDocument {
  public:
    explicit WebDocument(const std::string& language);

    Document& document() { return document_; }
    const EditorState& state() const { return state_; }
    Language language() const { return state_.language(); }

    // ---- Commands (DocumentBindings.cpp)
    void setLanguage(const std::string& code);
    std::string languageCode() const;
    bool editingLock() const { return state_.session.editingLock; }
    void setEditingLock(bool on) { document_.setEditingLock(on); }
    bool transferRunning() const { return document_.transferRunning(); }
    void setTransferRunning(bool running) { document_.setTransferRunning(running); }
    bool dataMayChange() const { return document_.dataMayChange(); }

    emscripten::val cellEditor(int row, int column) const;
    bool typingOpensEditor(const std::string& kind, int code) const;
    emscripten::val filterKey(const std::string& kind, int code) const;
    emscripten::val commitFrequency(int row, int column, const std::string& text);
    emscripten::val commitTone(int row, int column, const std::string& text, int selected);
    emscripten::val pickTone(int row, int column, int position);
    emscripten::val pickOption(int row, int column, int position);
    int listPosition(int row, int column) const;

    void bandListOpened() { document_.bandListOpened(); }
    WebFlow* selectBand(int index);
    emscripten::val pickPanel(int list, int position);

    emscripten::val deleteChannels(const emscripten::val& rows);
    emscripten::val insertEmptyChannel(int row);
    emscripten::val moveChannels(const emscripten::val& rows, int step);
    emscripten::val pasteRows(int firstRow, const std::string& text);
    std::string copyRows(const emscripten::val& rows) const;

    bool undo() { return document_.undo(); }
    bool redo() { return document_.redo(); }
    bool canUndo() const { return document_.dataMayChange() && document_.history().canUndo(); }
    bool canRedo() const { return document_.dataMayChange() && document_.history().canRedo(); }
    bool modified() const { return document_.modified(); }
    std::string path() const { return document_.path(); }

    WebFlow* newDocument();
    WebFlow* open();
    WebFlow* openContent(const std::string& name, const emscripten::val& bytes);
    WebFlow* save();
    WebFlow* importFile();
    WebFlow* exportFile();
    WebFlow* read();
    WebFlow* write();
    emscripten::val image() const;

    emscripten::val draft(const std::string& dialog) const;
    void setDraft(const std::string& dialog, const emscripten::val& values);
    emscripten::val confirm(const std::string& dialog);
    emscripten::val selectPriorityMode(int index);
    emscripten::val selectPriorityChannel(int index);
    bool testFrequencyCellEditable(int row, int column) const;
    void commitTestFrequency(int row, int column, const std::string& text);
    bool serviceMode() const { return document_.serviceMode(); }
    bool serviceCaptionClicked(int caption, double secondsSinceMidnight);
    std::string serviceButtonClicked(double secondsSinceMidnight);

    // ---- Texts (TextBindings.cpp)
    emscripten::val captions(const emscripten::val& window) const;
    std::string caption(const std::string& window, const std::string& control,
                        const emscripten::val& item, const emscripten::val& index) const;
    emscripten::val message(const std::string& name, const emscripten::val& detail) const;
    std::string statusText(const std::string& name) const;
    std::string noSerialText() const;
    std::string header(int column) const;
    std::string columnTooltip(int column) const;
    std::string cellText(int row, int column) const;
    emscripten::val tableTexts() const;
    emscripten::val toneList() const;
    emscripten::val optionList(int column) const;
    emscripten::val bandList() const;
    std::string bandLabel() const;
    std::string bandFrameCaption() const;
    int band() const { return state_.radio().band; }
    std::string bandLimitsHint() const;
    std::string bandTooltip() const;
    std::string functionPanelCaption() const;
    emscripten::val panelLists() const;
    std::string buttonText(int itemId) const;
    emscripten::val channelCard() const;
    std::string dialogTitle(const std::string& dialog) const;
    emscripten::val listEntries(const std::string& window, const std::string& control) const;

  private:
    WebFlow* flow(std::unique_ptr<Flow> flow);
    emscripten::val outcome(const EditOutcome& outcome) const;

    EditorState state_;
    BrowserJsonParser json_; // the page reads JSON with the browser's parser
    Document document_;
};

} // namespace tlv::web
