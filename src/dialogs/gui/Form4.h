#pragma once
// The test-frequency dialog: sixteen receive/transmit pairs in the grid mfgrid1. A view over
// EditorState::form4; every commit is normalised into the state at once, OK stores the grid,
// Cancel and the close box only hide.
#include <QDialog>
#include <QTableWidget>

class QPushButton;

namespace tlv {

class Form1;

// The grid: row r (0-based) is test channel r + 1, column 0 the channel number, columns 1 and
// 2 receive and transmit; the header row is the table's horizontal header. An editor opens only
// where `canEdit` allows.
class TestFrequencyGrid : public QTableWidget {
    Q_OBJECT
  public:
    explicit TestFrequencyGrid(QWidget* parent);
    std::function<bool(int row, int column)> canEdit;

  protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
};

class Form4 : public QDialog {
    Q_OBJECT
  public:
    explicit Form4(Form1& main);
    ~Form4() override;

    void refreshFromState();

    TestFrequencyGrid* mfgrid1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

  public slots:
    void Command1_Click();
    void Command2_Click();

  private:
    void cellCommitted(QTableWidgetItem* item);

    Form1& main_;
    bool refreshing_ = false;
};

} // namespace tlv
