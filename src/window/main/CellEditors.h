// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The in-cell editors of the channel table: the frequency editor, the tone list and the option
// lists of columns 5..8. The table opens them (a left press, Enter or F2 on a cell, or a
// character typed on it, which starts the editor's text). The editor covers the cell, commits
// through the editing rules on Enter or when it loses the focus, and hands the focus back to
// the table; Escape closes it and keeps the cell as it was; Tab and Shift+Tab commit it and
// move on past the table. At most one is shown. The cell being edited and the click that armed
// the table are kept here (CellCursor), not in the editor state.
#include "editor/EditingRules.h"

#include <QObject>
#include <QString>

#include <array>
#include <string>

class QComboBox;
class QKeyEvent;
class QLineEdit;
class QWidget;

namespace tlv {

class ChannelTable;
class EditorModel;

class CellEditors : public QObject {
    Q_OBJECT
  public:
    // What opened an editor: a left press (a drop-down opens when the button is released, so
    // that the release does not close it again), Enter or F2 (a drop-down opens at once), or a
    // typed character (which starts the editor's text; no drop-down).
    enum class OpenedBy { Press, Key, Typing };

    // Over the viewport of `table`; the editors themselves are made by make().
    CellEditors(ChannelTable& table, EditorModel& model);

    // Creates the editors, hidden, in the language in force (their texts follow the language
    // each time one opens); once. The first edit makes them, or the window right after its
    // first paint.
    void make();

    // The editor shown, CellEditor::None when idle.
    CellEditor shown() const { return shown_; }
    // The cell edited last, and whether the table is armed to open an editor.
    const CellCursor& cursor() const { return cursor_; }

    // Opens the editor a selection of cell (row, column) asks for (SelectCell).
    void open(int row, int column, OpenedBy openedBy);
    // A character typed on cell (row, column) while no editor is shown: true when it opened the
    // cell's editor and started its text.
    bool openByTyping(int row, int column, int code);
    // The button of the press that opened an editor was released: its drop-down opens now.
    void pressReleased();
    // Commits the editor shown (as its focus loss does) and hides it.
    void closeEditor();
    // A press on the table: the editor shown is committed, nothing waits for the release.
    void closeForPress();

  signals:
    // The text the status line shows while a cell is edited (the band's limits while a
    // frequency is typed); empty when nothing is edited.
    void editingHint(const QString& text);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* shownWidget() const;
    ChannelCell cell() const { return cursor_.cell; }

    void openFrequencyEditor();
    void openToneList(OpenedBy openedBy);
    void openOptionList(int column, OpenedBy openedBy);
    void openDropDown(QComboBox* list, OpenedBy openedBy);
    void showDropDown(QComboBox* list);
    void placeOverCell(QWidget* editor, bool sameHeight);
    void showEditor(QWidget* editor, CellEditor kind);

    // Keys (CellEditorKeys.cpp). Each returns true when the key was used.
    // Escape, Tab and Shift+Tab (also with Ctrl), which every editor shares.
    bool onEditorKey(QKeyEvent* event);
    bool onFrequencyKey(QKeyEvent* event);
    bool onToneKey(QKeyEvent* event);
    bool onTonePopupKey(QKeyEvent* event);
    bool onOptionKey(QKeyEvent* event);
    // The keys of the row commands (Delete, Ctrl+V, Ctrl+A ...) pressed in an open drop-down
    // list. True when `event` was one of them and is used.
    bool onDropDownRowCommandKey(QObject* list, QEvent* event);

    void onTonePicked(int position);
    void onOptionPicked(int column, int position);

    // Hides the editor shown without committing, and gives the focus to the table.
    void hideShown();
    void refresh();
    // The cell's text when its editor opened differs from its text now: the table was
    // rewritten under the open editor (a file opened, a radio read, New, a language change),
    // and the editor is closed without writing, so that nothing lands in a channel the user no
    // longer sees.
    bool cellRewrittenBehind() const;
    std::string cellText() const;

    ChannelTable& table_;
    EditorModel& model_;
    // Frequency editor: nine characters, centred, pale yellow.
    QLineEdit* frequencyEditor_ = nullptr;
    // Tone list: the 261 tone entries; the user may also type.
    QComboBox* toneList_ = nullptr;
    // Option lists, pick only: [5] power, [6] transmit inhibit, [7] bandwidth, [8] scan add
    // (indices 0..4 unused).
    std::array<QComboBox*, kTableCols> optionLists_{};
    CellCursor cursor_;
    CellEditor shown_ = CellEditor::None;
    // The tone list's selected position: the entry last picked, -1 after typing.
    int toneSelected_ = -1;
    // The drop-down that opens when the press that opened its list is released.
    QComboBox* dropDownOnRelease_ = nullptr;
    std::string openedText_;
};

} // namespace tlv
