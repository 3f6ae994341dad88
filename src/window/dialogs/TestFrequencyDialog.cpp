// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/dialogs/TestFrequencyDialog.h"

#include "editor/DialogInput.h"
#include "editor/TestFrequencyRules.h"
#include "window/dialogs/DialogWidgets.h"
#include "window/language/DesignText.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace tlv {

namespace {

namespace name = test_frequency_names;

constexpr int kGridColumns = 3;

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

TestFrequencyGrid::TestFrequencyGrid(QWidget* parent)
    : QTableWidget(kChannelCount, kGridColumns, parent) {}

void TestFrequencyGrid::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (currentIndex().isValid()) edit(currentIndex(), EditKeyPressed, event);
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

bool TestFrequencyGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    // Asked before every editor opens, whatever opens it.
    if (index.isValid() && canEdit && !canEdit(index.row() + 1, index.column())) return false;
    return QTableWidget::edit(index, trigger, event);
}

TestFrequencyDialog::TestFrequencyDialog(EditorModel& model, QWidget* parent)
    : RadioDialog(model, name::Window, QStringLiteral("测试频率"), parent) {
    buildGrid();
    QPushButton* ok = makeOkButton();
    QPushButton* cancel = makeCancelButton();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {ok, cancel}) {
        button->setFixedSize(twips(1095), twips(375));
        buttons->addWidget(button);
    }
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(grid_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (!loading()) commitCell(item->row(), item->column(), item->text());
    });
    grid_->setItemDelegate(
        new EveryEditCommits(grid_, [this](int row, int column, const QString& text) {
            commitCell(row, column, text);
        }));
    // Clicking a cell opens its editor at once.
    connect(grid_, &QTableWidget::cellClicked, this, [this](int row, int column) {
        QTableWidgetItem* item = grid_->item(row, column);
        if (item != nullptr && TestFrequencyCellEditable(state(), row + 1, column))
            grid_->editItem(item);
    });
    load();
}

TestFrequencyDialog::~TestFrequencyDialog() {
    // An editor still open when the window goes commits into a grid whose owner is gone.
    grid_->disconnect(this);
}

void TestFrequencyDialog::buildGrid() {
    grid_ = new TestFrequencyGrid(this);
    grid_->setObjectName(QString::fromLatin1(name::Grid));
    grid_->setHorizontalHeaderLabels(
        DesignEntries(name::Window, name::Grid, kGridColumns, CaptionItem::GridHeader));
    grid_->verticalHeader()->setVisible(false);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    // The arrows move between the cells; Tab goes on to the buttons, as in the other dialogs.
    grid_->setTabKeyNavigation(false);
    grid_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    grid_->setColumnWidth(0, twips(900));
    grid_->setColumnWidth(1, twips(1530));
    grid_->setColumnWidth(2, twips(1530));
    grid_->horizontalHeader()->setFixedHeight(twips(300));
    for (int row = 0; row < kChannelCount; ++row) {
        grid_->setRowHeight(row, twips(300));
        for (int column = 0; column < kGridColumns; ++column) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            if (column == 0) {
                item->setFlags(Qt::ItemIsEnabled);
                item->setBackground(palette().button());
            }
            grid_->setItem(row, column, item);
        }
    }
    int width = 2 * grid_->frameWidth();
    for (int column = 0; column < kGridColumns; ++column)
        width += grid_->columnWidth(column);
    const int height = 2 * grid_->frameWidth() + twips(300) * (kChannelCount + 1);
    grid_->setFixedSize(width, height);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->canEdit = [this](int row, int column) {
        return TestFrequencyCellEditable(state(), row, column);
    };
}

void TestFrequencyDialog::showDraft() {
    const auto& grid = drafts().testFrequencies.grid;
    for (int row = 1; row <= kChannelCount; ++row) {
        grid_->item(row - 1, 0)->setText(QStringLiteral("%1").arg(row, 2, 10, QLatin1Char('0')));
        for (int column = 1; column < kGridColumns; ++column) {
            const QString text = QString::fromStdString(grid[row][column]);
            QTableWidgetItem* item = grid_->item(row - 1, column);
            if (item->text() != text) item->setText(text);
        }
    }
}

void TestFrequencyDialog::commitCell(int row, int column, const QString& text) {
    if (column == 0) return;
    CommitTestFrequency(state(), row + 1, column, text.toStdString());
    load();
}

} // namespace tlv
