#pragma once
// The in-cell editors of the channel table: the frequency editor, the tone list and the option
// lists of columns 5..8. A left press or Enter on the table opens the
// editor of the cell; the editor covers the cell, commits through the editing rules on Enter
// or when it loses the focus, and hands the focus back to the table. At most one is shown.
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
    QTableWidget* table() const;

    // The table's events.
    bool onTablePress(QMouseEvent* event);
    bool onTableKey(QKeyEvent* event);
    // Opens the editor of cell (row, column) when a left press or Enter armed it.
    void onCellSelected(int row, int column);

    void openFrequencyEditor();
    void openToneList();
    void openOptionList(int column);
    void placeOverCell(QWidget* editor, bool sameHeight);
    void showEditor(QWidget* editor, CellEditor kind);

    // Key filters. Return true when the key was consumed.
    bool onFrequencyKey(QKeyEvent* event);
    bool onToneKey(QKeyEvent* event);
    bool onTonePopupKey(QKeyEvent* event);
    bool onOptionKey(QKeyEvent* event);

    void onTonePicked(int position);
    void onOptionPicked(int column, int position);

    // Hides the editor shown without committing, and gives the focus to the table.
    CellEditor hideShown();
    void refresh();
    bool cellRewrittenBehind() const;

    MainWindow& form_;
    EditorState& state_;
    CellEditor shown_ = CellEditor::None;
    // The tone list's selected position: the entry last picked, -1 after typing.
    int toneSelected_ = -1;
    // The text of the edited cell when its editor opened. When the table is rewritten under an
    // open editor (a file opened, a radio read, New, a language change), the editor is closed
    // without writing, so that nothing lands in a channel the user no longer sees.
    std::string openedText_;
};

} // namespace tlv
