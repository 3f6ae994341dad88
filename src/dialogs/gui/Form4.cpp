#include "dialogs/gui/Form4.h"

#include "dialogs/DialogInput.h"
#include "dialogs/Form4Logic.h"
#include "dialogs/gui/DialogWidgets.h"
#include "editor/gui/Form1.h"
#include "image/ImageLayout.h"
#include "localisation/gui/DesignText.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

namespace tlv {

TestFrequencyGrid::TestFrequencyGrid(QWidget* parent) : QTableWidget(kChannelCount, 3, parent) {}

bool TestFrequencyGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    // Asked before every editor opens, whatever opens it.
    if (index.isValid() && canEdit && !canEdit(index.row() + 1, index.column())) return false;
    return QTableWidget::edit(index, trigger, event);
}

Form4::Form4(Form1& main) : QDialog(&main), main_(main) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("测试频率"));
    setModal(false);

    mfgrid1 = new TestFrequencyGrid(this);
    mfgrid1->setObjectName(QStringLiteral("mfgrid1"));
    mfgrid1->setHorizontalHeaderLabels(
        DesignEntries("Form4", "mfgrid1", 3, CaptionItem::GridHeader));
    mfgrid1->verticalHeader()->setVisible(false);
    mfgrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    mfgrid1->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    mfgrid1->setColumnWidth(0, twips(900));
    mfgrid1->setColumnWidth(1, twips(1530));
    mfgrid1->setColumnWidth(2, twips(1530));
    mfgrid1->horizontalHeader()->setFixedHeight(twips(300));
    for (int row = 0; row < kChannelCount; ++row) {
        mfgrid1->setRowHeight(row, twips(300));
        for (int column = 0; column < 3; ++column) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            if (column == 0) {
                item->setFlags(Qt::ItemIsEnabled);
                item->setBackground(palette().button());
            }
            mfgrid1->setItem(row, column, item);
        }
    }
    int width = 2 * mfgrid1->frameWidth();
    for (int column = 0; column < 3; ++column)
        width += mfgrid1->columnWidth(column);
    const int height = 2 * mfgrid1->frameWidth() + twips(300) * (kChannelCount + 1);
    mfgrid1->setFixedSize(width, height);
    mfgrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mfgrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mfgrid1->canEdit = [this](int row, int column) {
        return Form4CanEdit(main_.state(), row, column);
    };

    Command1 = makeButton(this, "Command1", DesignText("Form4", "Command1"));
    Command2 = makeButton(this, "Command2", DesignText("Form4", "Command2"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {Command1, Command2}) {
        button->setFixedSize(twips(1095), twips(375));
        buttons->addWidget(button);
    }
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mfgrid1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(mfgrid1, &QTableWidget::itemChanged, this, &Form4::cellCommitted);
    // Clicking a cell opens its editor at once.
    connect(mfgrid1, &QTableWidget::cellClicked, this, [this](int row, int column) {
        QTableWidgetItem* item = mfgrid1->item(row, column);
        if (item != nullptr && Form4CanEdit(main_.state(), row + 1, column))
            mfgrid1->editItem(item);
    });
    connect(Command1, &QPushButton::clicked, this, &Form4::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form4::Command2_Click);
    connect(&main_, &Form1::refreshed, this, &Form4::refreshFromState);
    refreshFromState();
}

Form4::~Form4() {
    // An editor still open when the window goes commits into a grid whose owner is gone.
    mfgrid1->disconnect(this);
}

void Form4::refreshFromState() {
    refreshing_ = true;
    const auto& grid = main_.state().form4.grid;
    for (int row = 1; row <= kChannelCount; ++row) {
        mfgrid1->item(row - 1, 0)->setText(QStringLiteral("%1").arg(row, 2, 10, QLatin1Char('0')));
        for (int column = 1; column <= 2; ++column) {
            const QString text = qs(grid[row][column]);
            QTableWidgetItem* item = mfgrid1->item(row - 1, column);
            if (item->text() != text) item->setText(text);
        }
    }
    refreshing_ = false;
}

void Form4::cellCommitted(QTableWidgetItem* item) {
    if (refreshing_ || item->column() == 0) return;
    Form4AfterEdit(main_.state(), item->row() + 1, item->column(), item->text().toStdString());
    refreshFromState();
}

void Form4::Command1_Click() {
    MessageBoxService* box = main_.services().msgBox;
    if (Form4Confirm(main_.state(), box != nullptr ? *box : SilentMessageBoxService())) hide();
}

void Form4::Command2_Click() {
    hide();
}

} // namespace tlv
