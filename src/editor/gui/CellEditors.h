#pragma once
// The in-cell editors of the channel table: the frequency editor, the tone list and the option
// lists of columns 5..8. A left press, Enter or F2 on a cell opens its editor, and so does a
// character typed on it, which starts the editor's text. The editor covers the cell, commits
// through the editing rules on Enter or when it loses the focus, and hands the focus back to
// the table; Escape closes it and keeps the cell as it was; Tab and Shift+Tab commit it and
// move on past the table. At most one is shown.
#include "editor/EditingRules.h"

#include <QObject>
#include <array>
#include <string>

class QComboBox;
class QKeyEvent;
class QLineEdit;
class QMouseEvent;
class QTableWidget;
class QWidget;

namespace tlv {

class MainWindow;

// The window's message box; one that answers Cancel when the window was given none.
MessageBoxService& WindowMessageBox(MainWindow& form);

class CellEditors : public QObject {
    Q_OBJECT
  public:
    // Creates the editors, hidden, over the channel table of `form`, and starts watching the table.
    explicit CellEditors(MainWindow& form);

    // Frequency editor: nine characters, centred, pale yellow.
    QLineEdit* frequencyEditor = nullptr;
    // Tone list: the 261 tone entries; the user may also type.
    QComboBox* toneList = nullptr;
    // Option lists, pick only: [5] power, [6] transmit inhibit, [7] bandwidth, [8] scan
    // add (indices 0..4 unused).
    std::array<QComboBox*, 9> optionLists{};

    // The editor shown, CellEditor::None when idle.
    CellEditor shown() const { return shown_; }
    // The widget of the editor shown, nullptr when idle.
    QWidget* shownWidget() const;

    // Commits the editor shown (as its focus loss does) and hides it.
    void closeEditor();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // What opened an editor: a left press (a drop-down opens when the button is released, so
    // that the release does not close it again), Enter or F2 (a drop-down opens at once), or a
    // typed character (which starts the editor's text; no drop-down).
    enum class OpenedBy { Press, Key, Typing };

    QTableWidget* table() const;

    // The table's events.
    bool onTablePress(QMouseEvent* event);
    bool onTableRelease();
    bool onTableKey(QKeyEvent* event);
    // Opens the editor of cell (row, column) when a left press or a key armed it.
    void onCellSelected(int row, int column, OpenedBy openedBy);

    // The table's own keys while no editor is shown (see the bindings in CellEditors.cpp).
    // Each returns true when it used the key.
    bool openCurrentCell(QKeyEvent* event);
    bool leaveTableForward(QKeyEvent* event);
    bool leaveTableBackward(QKeyEvent* event);
    bool extendChosenRows(QKeyEvent* event);
    bool startTyping(QKeyEvent* event);
    // Gives the focus to the control after (or before) the table, as Tab (Shift+Tab) does.
    void leaveTable(bool forward);
    // Keeps the current cell on the channels' editable cells (rows 1..16, columns 1..8).
    void keepCurrentCellOnChannels(int row, int column);

    void openFrequencyEditor();
    void openToneList(OpenedBy openedBy);
    void openOptionList(int column, OpenedBy openedBy);
    void openDropDown(QComboBox* list, OpenedBy openedBy);
    void showDropDown(QComboBox* list);
    void placeOverCell(QWidget* editor, bool sameHeight);
    void showEditor(QWidget* editor, CellEditor kind);

    // Keys every editor shares: Escape, Tab and Shift+Tab (also with Ctrl). True when used.
    bool onEditorKey(QKeyEvent* event);
    // Key filters. Return true when the key was consumed.
    bool onFrequencyKey(QKeyEvent* event);
    bool onToneKey(QKeyEvent* event);
    bool onTonePopupKey(QKeyEvent* event);
    bool onOptionKey(QKeyEvent* event);
    // The keys of the row commands (Delete, Ctrl+V, Ctrl+A ...) pressed in an open drop-down
    // list. True when `event` was one of them and is used.
    bool onDropDownRowCommandKey(QObject* list, QEvent* event);

    void onTonePicked(int position);
    void onOptionPicked(int column, int position);

    // Closes the editor shown without writing anything: the cell stays as it was.
    void cancelEditor();
    // Hides the editor shown without committing, and gives the focus to the table.
    CellEditor hideShown();
    void refresh();
    bool cellRewrittenBehind() const;

    MainWindow& form_;
    EditorState& state_;
    CellEditor shown_ = CellEditor::None;
    // The tone list's selected position: the entry last picked, -1 after typing.
    int toneSelected_ = -1;
    // The drop-down that opens when the press that opened its list is released.
    QComboBox* dropDownOnRelease_ = nullptr;
    // The text of the edited cell when its editor opened. When the table is rewritten under an
    // open editor (a file opened, a radio read, New, a language change), the editor is closed
    // without writing, so that nothing lands in a channel the user no longer sees.
    std::string openedText_;
};

} // namespace tlv
