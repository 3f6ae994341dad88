// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/main/ChannelTable.h"

#include "editor/CellTexts.h"
#include "editor/ChannelRows.h"
#include "texts/WindowTexts.h"
#include "window/dialogs/DialogWidgets.h"
#include "window/language/GridHeaderAccess.h"
#include "window/main/CellEditors.h"
#include "window/main/KeyPresses.h"
#include "window/main/MainWindowNames.h"

#include <QApplication>
#include <QCoreApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionFrame>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace tlv {

namespace {

constexpr std::array<int, kTableCols> kColumnTwips{500, 1330, 1000, 1330, 1000,
                                                   800, 850,  1000, 900};
constexpr int kChannelRowTwips = 300;
constexpr int kHeaderRowPixels = 24;
const QColor kEvenRowColour(192, 192, 255);
const QColor kGridLineColour(192, 192, 192);
const QColor kBelowRowsColour(128, 128, 128);

std::vector<int> rowRange(int from, int to) {
    std::vector<int> rows(std::size_t(std::abs(to - from) + 1));
    std::iota(rows.begin(), rows.end(), std::min(from, to));
    return rows;
}

bool contains(const std::vector<int>& rows, int row) {
    return std::find(rows.begin(), rows.end(), row) != rows.end();
}

// The application's style with the table's grid colour. It stays with the table: the widgets
// inside it (the in-cell editors) keep the application's style.
class GridLineStyle : public QProxyStyle {
  public:
    explicit GridLineStyle(QObject* owner)
        : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {
        setParent(owner);
    }
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == SH_Table_GridLineColor) return static_cast<int>(kGridLineColour.rgba());
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
    // The table's frame takes its shades from the colour beyond the cells.
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
        if (element != PE_Frame || frame == nullptr) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        QStyleOptionFrame shaded(*frame);
        for (QPalette::ColorRole role : {QPalette::Base, QPalette::Button, QPalette::Window})
            shaded.palette.setBrush(role, kBelowRowsColour);
        QProxyStyle::drawPrimitive(element, &shaded, painter, widget);
    }
};

} // namespace

ChannelTable::ChannelTable(QWidget* parent) : QTableWidget(kTableRows, kTableCols, parent) {
    setObjectName(QString::fromLatin1(mainwindow_names::ChannelTable));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    // Grid lines and the area beyond the cells; the cells paint their own backgrounds. A style
    // sheet would do the same, but at a cost of milliseconds at every start: the table keeps the
    // application's style with its own grid colour, and paints the area beyond the cells itself
    // (viewportEvent and event), so that the in-cell editors keep the window's colours.
    setStyle(new GridLineStyle(this));

    // The cells take the colours of the window, not those of the table's style sheet.
    const QColor fixedColour = window()->palette().color(QPalette::Button);
    const QColor cellColour = window()->palette().color(QPalette::Base);
    for (int row = 0; row < kTableRows; ++row) {
        for (int column = 0; column < kTableCols; ++column) {
            auto* item = new QTableWidgetItem;
            const bool fixed = row == 0 || column == 0;
            item->setFlags(fixed ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            item->setBackground(fixed ? fixedColour : cellColour);
            setItem(row, column, item);
        }
    }
    setRowHeight(0, kHeaderRowPixels);
    // A locked table shows its texts in grey, dark enough to stay readable on its grey cells.
    QPalette tablePalette = palette();
    const QColor text = tablePalette.color(QPalette::Active, QPalette::Text);
    const QColor background = tablePalette.color(QPalette::Active, QPalette::Window);
    const QColor lockedText((text.red() + background.red()) * 9 / 20,
                            (text.green() + background.green()) * 9 / 20,
                            (text.blue() + background.blue()) * 9 / 20);
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        tablePalette.setColor(QPalette::Disabled, role, lockedText);
    setPalette(tablePalette);

    // Tab and Shift+Tab leave the table; the arrows move within it.
    setTabKeyNavigation(false);
    connect(this, &QTableWidget::currentCellChanged, this,
            &ChannelTable::keepCurrentCellOnChannels);
    // The language code reads and writes the header row through its cells.
    SetGridHeaderAccess(this, {[] { return kTableCols; },
                               [this](int column) { return item(0, column)->text(); },
                               [this](int column, const QString& text) {
                                   if (column >= 0 && column < kTableCols)
                                       item(0, column)->setText(text);
                               }});

    setColumnWidths();
    centreCells();
    setRowHeights();
    for (int row = 2; row < kTableRows; row += 2)
        for (int column = 0; column < kTableCols; ++column)
            item(row, column)->setBackground(cellBackground(row, column, false));
}

// ---- Showing the state -------------------------------------------------------------------

void ChannelTable::showState(const EditorState& state) {
    for (int row = 0; row < kTableRows; ++row)
        for (int column = 0; column < kTableCols; ++column)
            item(row, column)->setText(QString::fromStdString(CellText(state, row, column)));
    // The header texts may have changed language: keep every header readable.
    setColumnWidths();
    fitColumnsToWidth();
    showToolTips(state.language());
}

void ChannelTable::showLock(bool locked) {
    if (cellsShownLocked_ == locked) return;
    cellsShownLocked_ = locked;
    for (int row = 0; row < kTableRows; ++row)
        for (int column = 0; column < kTableCols; ++column)
            item(row, column)->setBackground(cellBackground(row, column, locked));
}

// Header row and number column in the button face; channel rows white, even rows shaded. The
// channel rows of a locked table turn grey: light grey and the shade's own grey.
QColor ChannelTable::cellBackground(int row, int column, bool locked) const {
    const bool fixed = row == 0 || column == 0;
    if (row > 0 && row % 2 == 0) {
        if (!locked) return kEvenRowColour;
        const int grey = qGray(kEvenRowColour.rgb());
        return QColor(grey, grey, grey);
    }
    const QPalette& colours = window()->palette();
    if (fixed) return colours.color(QPalette::Button);
    return colours.color(locked ? QPalette::Window : QPalette::Base);
}

// What each column holds, in the language in force (written again only when it changed).
void ChannelTable::showToolTips(Language language) {
    if (toolTipLanguage_ == language) return;
    toolTipLanguage_ = language;
    for (int column = 0; column < kTableCols; ++column)
        item(0, column)->setToolTip(
            QString::fromStdString(Localise(language, tip::ChannelColumns[column])));
}

void ChannelTable::centreCells() {
    for (int row = 0; row < kTableRows; ++row)
        for (int column = 0; column < kTableCols; ++column)
            item(row, column)->setTextAlignment(Qt::AlignCenter);
}

void ChannelTable::setRowHeights() {
    for (int row = 1; row < kTableRows; ++row)
        setRowHeight(row, twips(kChannelRowTwips));
    int total = 0;
    for (int row = 0; row < kTableRows; ++row)
        total += rowHeight(row);
    setMinimumHeight(std::max(total + 2 * frameWidth(), twips(5190)));
}

// Shares the height of an enlarged table among the sixteen channel rows, so that no empty
// space is left below channel 16; the header row keeps its height.
void ChannelTable::fitRowsToHeight() {
    const int channels = kTableRows - 1;
    const int spare = viewport()->height() - rowHeight(0) - channels * twips(kChannelRowTwips);
    const int extra = std::max(spare, 0);
    for (int row = 1; row < kTableRows; ++row)
        setRowHeight(row, twips(kChannelRowTwips) + extra / channels +
                              (row - 1 < extra % channels ? 1 : 0));
}

// The designed column widths. Where a header text (in the language in force) would not fit its
// column, the column is widened and the width is taken from columns with room to spare, so that
// no header is cut short and the table keeps its designed width.
std::array<int, kTableCols> ChannelTable::designedColumnWidths() const {
    std::array<int, kTableCols> width{};
    std::array<int, kTableCols> room{};
    int deficit = 0;
    int roomTotal = 0;
    for (int column = 0; column < kTableCols; ++column) {
        width[column] = twips(kColumnTwips[column]);
        const int text = fontMetrics().horizontalAdvance(item(0, column)->text()) + 8;
        if (text > width[column]) {
            deficit += text - width[column];
            width[column] = text;
        } else {
            room[column] = width[column] - text;
            roomTotal += room[column];
        }
    }
    int remaining = deficit;
    for (int column = 0; column < kTableCols && remaining > 0; ++column) {
        if (room[column] == 0) continue;
        const int share = (deficit * room[column] + roomTotal - 1) / roomTotal;
        const int take = std::min({room[column], remaining, share});
        width[column] -= take;
        remaining -= take;
    }
    return width;
}

void ChannelTable::setColumnWidths() {
    const auto designed = designedColumnWidths();
    for (int column = 0; column < kTableCols; ++column)
        setColumnWidth(column, designed[column]);
    int total = 0;
    for (int column = 0; column < kTableCols; ++column)
        total += columnWidth(column);
    setMinimumWidth(std::max(total + 2 * frameWidth(), twips(8835)));
}

// Shares the width of an enlarged table among the columns in their designed proportions.
void ChannelTable::fitColumnsToWidth() {
    const int available = viewport()->width();
    const auto widths = designedColumnWidths();
    int designed = 0;
    for (int width : widths)
        designed += width;
    if (available <= designed) {
        for (int column = 0; column < kTableCols; ++column)
            setColumnWidth(column, widths[column]);
        return;
    }
    int used = 0;
    for (int column = 0; column < kTableCols; ++column) {
        const int width = column + 1 < kTableCols
                              ? int(std::lround(double(widths[column]) * available / designed))
                              : available - used;
        setColumnWidth(column, width);
        used += width;
    }
}

bool ChannelTable::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::Resize) {
        fitColumnsToWidth();
        fitRowsToHeight();
    }
    // The area beyond the cells, under the cells and grid the table paints next.
    if (event->type() == QEvent::Paint)
        QPainter(viewport()).fillRect(static_cast<QPaintEvent*>(event)->rect(), kBelowRowsColour);
    return QTableWidget::viewportEvent(event);
}

bool ChannelTable::event(QEvent* event) {
    // The table's own background, under its frame.
    if (event->type() == QEvent::Paint)
        QPainter(this).fillRect(static_cast<QPaintEvent*>(event)->rect(), kBelowRowsColour);
    return QTableWidget::event(event);
}

// ---- Choosing rows -----------------------------------------------------------------------

std::vector<int> ChannelTable::selectedChannelRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedIndexes())
        rows.push_back(index.row());
    if (rows.empty()) rows.push_back(currentRow());
    return ChannelRowSet(rows);
}

void ChannelTable::selectChannelRows(const std::vector<int>& rows, int current) {
    QItemSelection selection;
    for (int row : ChannelRowSet(rows))
        selection.select(model()->index(row, col::RxFrequency), model()->index(row, col::Scan));
    if (current == 0 && !rows.empty()) current = rows.front();
    if (current >= 1 && current <= kChannelCount)
        selectionModel()->setCurrentIndex(
            model()->index(current, std::max<int>(col::RxFrequency, currentColumn())),
            QItemSelectionModel::NoUpdate);
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

void ChannelTable::chooseChannelRow(int row, Qt::KeyboardModifiers modifiers) {
    if (row < 1 || row > kChannelCount) return;
    if ((modifiers & Qt::ShiftModifier) && rowAnchor_ >= 1) {
        selectChannelRows(rowRange(rowAnchor_, row), row);
        return;
    }
    if (modifiers & Qt::ControlModifier) {
        std::vector<int> rows;
        for (const QModelIndex& index : selectionModel()->selectedIndexes())
            if (index.row() != row) rows.push_back(index.row());
        if (!contains(selectedChannelRows(), row)) rows.push_back(row);
        selectChannelRows(rows, row);
    } else {
        selectChannelRows({row});
    }
    rowAnchor_ = row;
}

void ChannelTable::extendChannelRows(int step) {
    const int current = std::clamp(currentRow(), 1, kChannelCount);
    // A row chosen by a press on a cell or by the arrow keys starts a new range.
    if (!contains(selectedChannelRows(), rowAnchor_)) rowAnchor_ = current;
    const int next = std::clamp(current + step, 1, kChannelCount);
    selectChannelRows(rowRange(rowAnchor_, next), next);
}

void ChannelTable::chooseAllChannelRows() {
    selectChannelRows(rowRange(1, kChannelCount), std::max(1, currentRow()));
    rowAnchor_ = 1;
}

// ---- The user's presses and keys ---------------------------------------------------------

void ChannelTable::mousePressEvent(QMouseEvent* event) {
    press(event);
}

void ChannelTable::mouseDoubleClickEvent(QMouseEvent* event) {
    press(event);
}

void ChannelTable::press(QMouseEvent* event) {
    // Any press takes the focus to the table, which leaves the editor shown.
    editors_->closeForPress();
    setFocus(Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton) return; // a right press only focuses the table
    const QModelIndex index = indexAt(event->position().toPoint());
    // A press on a channel's number chooses the whole row for the row commands.
    if (index.isValid() && index.row() >= 1 && index.column() == col::Number) {
        chooseChannelRow(index.row(), event->modifiers());
        return;
    }
    // Header row, number column and the area below the rows are never edited.
    if (!index.isValid() || index.row() < 1 || index.column() < 1) return;
    setCurrentCell(index.row(), index.column());
    editors_->open(index.row(), index.column(), CellEditors::OpenedBy::Press);
}

void ChannelTable::mouseReleaseEvent(QMouseEvent*) {
    editors_->pressReleased();
}

void ChannelTable::mouseMoveEvent(QMouseEvent*) {
    // The press is handled whole on its own: no drag selects a range.
}

void ChannelTable::keyPressEvent(QKeyEvent* event) {
    if (!tableKey(event)) QTableWidget::keyPressEvent(event);
}

bool ChannelTable::tableKey(QKeyEvent* event) {
    // Keys an editor leaves unused (Up and Down in the frequency editor, say) reach the table as
    // its parent; they must not move the current cell from under the editor.
    if (editors_->shown() != CellEditor::None) return true;
    // Enter or F2 opens the current cell's editor, Ctrl+Tab and Ctrl+Shift+Tab leave the table,
    // Shift+Up and Shift+Down choose rows.
    if (IsKey(event, Qt::Key_Return, Qt::NoModifier) || IsKey(event, Qt::Key_Enter, {}) ||
        IsKey(event, Qt::Key_F2, {})) {
        if (currentRow() >= 1 && currentColumn() >= 1)
            editors_->open(currentRow(), currentColumn(), CellEditors::OpenedBy::Key);
        return true;
    }
    if (IsKey(event, Qt::Key_Tab, Qt::ControlModifier)) {
        leave(true);
        return true;
    }
    if (IsKey(event, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier) ||
        IsKey(event, Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier)) {
        leave(false);
        return true;
    }
    if (IsKey(event, Qt::Key_Up, Qt::ShiftModifier) ||
        IsKey(event, Qt::Key_Down, Qt::ShiftModifier)) {
        extendChannelRows(event->key() == Qt::Key_Up ? -1 : 1);
        return true;
    }
    // A key no line names and that types a character opens the current cell's editor with it,
    // or is dropped; any other key (the arrows, Home, End, Page Up and Down, Tab) does what the
    // table does with it.
    if (IsEditingCommand(event)) return false;
    const int code = TypedCode(event);
    if (currentRow() >= 1 && currentColumn() >= 1 && code >= 0 &&
        editors_->openByTyping(currentRow(), currentColumn(), code))
        return true;
    // Typing moves nothing: only the arrow keys move the current cell.
    return code >= 32 && code != 127;
}

void ChannelTable::leave(bool forward) {
    // The table does not move between its cells with Tab, so a Tab sent to it moves the focus
    // on to the next control, as the user's Tab does.
    QKeyEvent tab(QEvent::KeyPress, forward ? Qt::Key_Tab : Qt::Key_Backtab,
                  forward ? Qt::NoModifier : Qt::ShiftModifier);
    QCoreApplication::sendEvent(this, &tab);
}

void ChannelTable::keepCurrentCellOnChannels(int row, int column) {
    if (row < 0 || column < 0 || (row >= 1 && column >= 1)) return;
    setCurrentCell(std::max(row, 1), std::max(column, 1));
}

} // namespace tlv
