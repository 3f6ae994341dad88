// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The test-frequency dialog: sixteen receive/transmit pairs in a grid, over the test-frequency
// draft. Every committed cell is normalised into the draft at once, OK checks and stores the
// grid, Cancel and the close box only hide.
#include "window/dialogs/RadioDialog.h"

#include <QTableWidget>

#include <functional>

namespace tlv {

// The designer's names of the test-frequency dialog and its grid (their objectNames); the
// buttons are radio_dialog_names'.
namespace test_frequency_names {
inline constexpr char Window[] = "Form4";
inline constexpr char Grid[] = "mfgrid1";
} // namespace test_frequency_names

// The grid: row r (0-based) is test channel r + 1, column 0 the channel number, columns 1 and
// 2 receive and transmit; the header row is the table's horizontal header. An editor opens only
// where `canEdit` allows.
class TestFrequencyGrid : public QTableWidget {
    Q_OBJECT
  public:
    explicit TestFrequencyGrid(QWidget* parent);
    std::function<bool(int row, int column)> canEdit;

    // Typing never jumps to a cell that starts with the typed text: a key the current cell's
    // editor does not take (the cell is refused) does nothing at all.
    void keyboardSearch(const QString&) override {}

  protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    // Enter is the grid's own: it opens the current cell (an open cell's editor commits on
    // it), and never reaches the dialog's OK.
    void keyPressEvent(QKeyEvent* event) override;
};

class TestFrequencyDialog : public RadioDialog {
    Q_OBJECT
  public:
    TestFrequencyDialog(EditorModel& model, QWidget* parent);
    ~TestFrequencyDialog() override;

  private:
    void buildGrid();
    void showDraft() override;
    RadioDialogKind kind() const override { return RadioDialogKind::TestFrequencies; }
    void commitCell(int row, int column, const QString& text);

    TestFrequencyGrid* grid_ = nullptr;
};

} // namespace tlv
