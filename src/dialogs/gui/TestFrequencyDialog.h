#pragma once
// The test-frequency dialog: sixteen receive/transmit pairs in the grid testFrequencyGrid. A view
// over EditorState::form4; every commit is normalised into the state at once, OK stores the grid,
// Cancel and the close box only hide.
#include <QDialog>
#include <QTableWidget>

#include <functional>

class QPushButton;

namespace tlv {

class MainWindow;

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
};

class TestFrequencyDialog : public QDialog {
    Q_OBJECT
  public:
    explicit TestFrequencyDialog(MainWindow& main);
    ~TestFrequencyDialog() override;

    void refreshFromState();

    TestFrequencyGrid* testFrequencyGrid = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;

  public slots:
    void onOk();
    void onCancel();

  private:
    void cellCommitted(QTableWidgetItem* item);
    void commitCell(int row, int column, const QString& text);

    MainWindow& main_;
    bool refreshing_ = false;
};

} // namespace tlv
