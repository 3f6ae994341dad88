#include "dialogs/gui/TestFrequencyDialog.h"

#include "dialogs/DialogInput.h"
#include "dialogs/TestFrequencyRules.h"
#include "dialogs/gui/DialogWidgets.h"
#include "editor/gui/MainWindow.h"
#include "image/ImageLayout.h"
#include "localisation/gui/DesignText.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace tlv {

// The designer's names of the test-frequency dialog and its controls: each control's objectName, by
// which the caption table addresses its texts and the language code and the tests find it.
namespace test_frequency_names {
constexpr char Window[] = "Form4";
constexpr char Grid[] = "mfgrid1";
constexpr char OkButton[] = "Command1";
constexpr char CancelButton[] = "Command2";
} // namespace test_frequency_names

namespace name = test_frequency_names;

namespace {

// Writes a closed editor's text into its cell, and reports an edit that left the text as it
// was too (the grid's change signal does not): retyping a receive frequency still copies it
// into the transmit cell.
class EveryEditCommits : public QStyledItemDelegate {
  public:
    EveryEditCommits(QObject* parent, std::function<void(int, int, const QString&)> unchanged)
        : QStyledItemDelegate(parent), unchanged_(std::move(unchanged)) {}

    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override {
        const QString before = index.data(Qt::EditRole).toString();
        QStyledItemDelegate::setModelData(editor, model, index);
        const QString after = index.data(Qt::EditRole).toString();
        if (after == before) unchanged_(index.row(), index.column(), after);
    }

  private:
    std::function<void(int, int, const QString&)> unchanged_;
};

} // namespace

TestFrequencyGrid::TestFrequencyGrid(QWidget* parent) : QTableWidget(kChannelCount, 3, parent) {}

bool TestFrequencyGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    // Asked before every editor opens, whatever opens it.
    if (index.isValid() && canEdit && !canEdit(index.row() + 1, index.column())) return false;
    return QTableWidget::edit(index, trigger, event);
}

TestFrequencyDialog::TestFrequencyDialog(MainWindow& main) : QDialog(&main), main_(main) {
    setObjectName(QString::fromLatin1(name::Window));
    setWindowTitle(QStringLiteral("测试频率"));
    setModal(false);

    testFrequencyGrid = new TestFrequencyGrid(this);
    testFrequencyGrid->setObjectName(QString::fromLatin1(name::Grid));
    testFrequencyGrid->setHorizontalHeaderLabels(
        DesignEntries(name::Window, name::Grid, 3, CaptionItem::GridHeader));
    testFrequencyGrid->verticalHeader()->setVisible(false);
    testFrequencyGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    // The arrows move between the cells; Tab goes on to the buttons, as in the other dialogs.
    testFrequencyGrid->setTabKeyNavigation(false);
    testFrequencyGrid->setEditTriggers(
        QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
        QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    testFrequencyGrid->setColumnWidth(0, twips(900));
    testFrequencyGrid->setColumnWidth(1, twips(1530));
    testFrequencyGrid->setColumnWidth(2, twips(1530));
    testFrequencyGrid->horizontalHeader()->setFixedHeight(twips(300));
    for (int row = 0; row < kChannelCount; ++row) {
        testFrequencyGrid->setRowHeight(row, twips(300));
        for (int column = 0; column < 3; ++column) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            if (column == 0) {
                item->setFlags(Qt::ItemIsEnabled);
                item->setBackground(palette().button());
            }
            testFrequencyGrid->setItem(row, column, item);
        }
    }
    int width = 2 * testFrequencyGrid->frameWidth();
    for (int column = 0; column < 3; ++column)
        width += testFrequencyGrid->columnWidth(column);
    const int height = 2 * testFrequencyGrid->frameWidth() + twips(300) * (kChannelCount + 1);
    testFrequencyGrid->setFixedSize(width, height);
    testFrequencyGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    testFrequencyGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    testFrequencyGrid->canEdit = [this](int row, int column) {
        return TestFrequencyCellEditable(main_.state(), row, column);
    };

    okButton = makeButton(this, name::OkButton, DesignText(name::Window, name::OkButton));
    cancelButton =
        makeButton(this, name::CancelButton, DesignText(name::Window, name::CancelButton));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {okButton, cancelButton}) {
        button->setFixedSize(twips(1095), twips(375));
        buttons->addWidget(button);
    }
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(testFrequencyGrid);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(testFrequencyGrid, &QTableWidget::itemChanged, this,
            &TestFrequencyDialog::cellCommitted);
    testFrequencyGrid->setItemDelegate(
        new EveryEditCommits(testFrequencyGrid, [this](int row, int column, const QString& text) {
            commitCell(row, column, text);
        }));
    // Clicking a cell opens its editor at once.
    connect(testFrequencyGrid, &QTableWidget::cellClicked, this, [this](int row, int column) {
        QTableWidgetItem* item = testFrequencyGrid->item(row, column);
        if (item != nullptr && TestFrequencyCellEditable(main_.state(), row + 1, column))
            testFrequencyGrid->editItem(item);
    });
    connect(okButton, &QPushButton::clicked, this, &TestFrequencyDialog::onOk);
    connect(cancelButton, &QPushButton::clicked, this, &TestFrequencyDialog::onCancel);
    connect(&main_, &MainWindow::refreshed, this, &TestFrequencyDialog::refreshFromState);
    refreshFromState();
}

TestFrequencyDialog::~TestFrequencyDialog() {
    // An editor still open when the window goes commits into a grid whose owner is gone.
    testFrequencyGrid->disconnect(this);
}

void TestFrequencyDialog::refreshFromState() {
    refreshing_ = true;
    const auto& grid = main_.state().testFrequencies.grid;
    for (int row = 1; row <= kChannelCount; ++row) {
        testFrequencyGrid->item(row - 1, 0)
            ->setText(QStringLiteral("%1").arg(row, 2, 10, QLatin1Char('0')));
        for (int column = 1; column <= 2; ++column) {
            const QString text = qs(grid[row][column]);
            QTableWidgetItem* item = testFrequencyGrid->item(row - 1, column);
            if (item->text() != text) item->setText(text);
        }
    }
    refreshing_ = false;
}

void TestFrequencyDialog::cellCommitted(QTableWidgetItem* item) {
    if (refreshing_) return;
    commitCell(item->row(), item->column(), item->text());
}

void TestFrequencyDialog::commitCell(int row, int column, const QString& text) {
    if (column == 0) return;
    CommitTestFrequency(main_.state(), row + 1, column, text.toStdString());
    refreshFromState();
}

void TestFrequencyDialog::onOk() {
    MessageBoxService* box = main_.services().msgBox;
    if (ConfirmTestFrequencies(main_.state(), box != nullptr ? *box : SilentMessageBoxService()))
        hide();
}

void TestFrequencyDialog::onCancel() {
    hide();
}

} // namespace tlv
