// Rendering the editor state in the main window: the channel table's cells, column widths and
// shading, the panel lists, the band list and the editing lock.
#include "editor/gui/MainWindow.h"

#include "dialogs/gui/DialogWidgets.h"
#include "editor/gui/DropDownComboBox.h"
#include "localisation/WindowTexts.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QTableWidget>
#include <QToolBar>
#include <cmath>

namespace tlv {

namespace {

constexpr std::array<int, kTableCols> kColumnTwips{500, 1330, 1000, 1330, 1000,
                                                   800, 850,  1000, 900};
constexpr int kChannelRowTwips = 300;
const QColor kEvenRowColour(192, 192, 255);

} // namespace

void MainWindow::refreshFromState() {
    refreshing_ = true;
    for (int row = 0; row < kTableRows; ++row)
        for (int column = 0; column < kTableCols; ++column)
            channelTable->item(row, column)->setText(qs(state_.table.at(row, column)));
    // The header texts may have changed language: keep every header readable.
    setColumnWidths();
    fitColumnsToWidth();

    const std::array<std::pair<QComboBox*, int>, 6> lists{{
        {voicePromptList, state_.voicePrompt},
        {timeOutList, state_.timeOutTimer},
        {timeOutWarningList, state_.timeOutWarning},
        {squelchList, state_.squelchLevel},
        {batterySaveList, state_.batterySave},
        {beepList, state_.beep},
    }};
    for (const auto& [list, position] : lists)
        list->setCurrentIndex(position >= 0 && position < list->count() ? position : -1);
    bandList->setCurrentIndex(state_.currentBand >= 0 && state_.currentBand < bandList->count()
                                  ? state_.currentBand
                                  : -1);
    applyEditingLock();
    applyToolTips();
    refreshing_ = false;
    showTitle();
    emit refreshed();
}

void MainWindow::applyEditingLock() {
    lockAction->setChecked(state_.editingLock);
    bandFrame->setEnabled(!state_.editingLock);
    // A transfer keeps them disabled whatever the lock (setTransferRunning).
    functionPanel->setEnabled(!state_.editingLock && !transferRunning_);
    channelTable->setEnabled(!state_.editingLock && !transferRunning_);
    // A locked table looks it: grey cells (the stripes kept) and grey text.
    if (cellsShownLocked_ == int(state_.editingLock)) return;
    cellsShownLocked_ = int(state_.editingLock);
    for (int row = 0; row < kTableRows; ++row)
        for (int column = 0; column < kTableCols; ++column)
            channelTable->item(row, column)
                ->setBackground(cellBackground(row, column, state_.editingLock));
}

// Header row and number column in the button face; channel rows white, even rows shaded. The
// channel rows of a locked table turn grey: light grey and the shade's own grey.
QColor MainWindow::cellBackground(int row, int column, bool locked) const {
    const bool fixed = row == 0 || column == 0;
    if (row > 0 && row % 2 == 0) {
        if (!locked) return kEvenRowColour;
        const int grey = qGray(kEvenRowColour.rgb());
        return QColor(grey, grey, grey);
    }
    if (fixed) return palette().color(QPalette::Button);
    return palette().color(locked ? QPalette::Window : QPalette::Base);
}

// The tooltips of the toolbar, the band and panel lists and the table's columns, in the
// language in force (written again only when the language changed).
void MainWindow::applyToolTips() {
    if (toolTipLanguage_ == state_.languageState) return;
    toolTipLanguage_ = state_.languageState;
    const int language = state_.languageState;
    auto local = [language](const LocalText& text) { return qs(Localise(language, text)); };
    for (int n = 1; n <= int(tip::ToolbarButtons.size()); ++n)
        if (ToolbarButton(n) != ToolbarButton::Separator)
            toolbarButton(ToolbarButton(n))->setToolTip(local(tip::ToolbarButtons[n - 1]));
    bandList->setToolTip(local(tip::BandList));
    const std::array<QComboBox*, 6> panelLists{voicePromptList, timeOutList,     timeOutWarningList,
                                               squelchList,     batterySaveList, beepList};
    for (std::size_t i = 0; i < panelLists.size(); ++i)
        panelLists[i]->setToolTip(local(tip::PanelLists[i]));
    for (int column = 0; column < kTableCols; ++column)
        channelTable->item(0, column)->setToolTip(local(tip::ChannelColumns[column]));
}

void MainWindow::showEditingHint(const QString& text) {
    editingHint->setText(text);
    editingHint->setVisible(!text.isEmpty());
}

// The designed column widths. Where a header text (in the language in force) would not fit
// its column, the column is widened and the width is taken from columns with room to spare,
// so that no header is cut short and the table keeps its designed width.
std::array<int, kTableCols> MainWindow::designedColumnWidths() const {
    std::array<int, kTableCols> width{};
    std::array<int, kTableCols> room{};
    int deficit = 0;
    int roomTotal = 0;
    for (int column = 0; column < kTableCols; ++column) {
        width[column] = twips(kColumnTwips[column]);
        const QTableWidgetItem* header = channelTable->item(0, column);
        const int text =
            header ? channelTable->fontMetrics().horizontalAdvance(header->text()) + 8 : 0;
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

void MainWindow::setColumnWidths() {
    const auto designed = designedColumnWidths();
    for (int column = 0; column < kTableCols; ++column)
        channelTable->setColumnWidth(column, designed[column]);
    int total = 0;
    for (int column = 0; column < kTableCols; ++column)
        total += channelTable->columnWidth(column);
    const int frame = 2 * channelTable->frameWidth();
    channelTable->setMinimumWidth(std::max(total + frame, twips(8835)));
}

void MainWindow::centreColumns() {
    for (int row = 0; row < kTableRows; ++row)
        for (int column = 0; column < kTableCols; ++column)
            channelTable->item(row, column)->setTextAlignment(Qt::AlignCenter);
}

void MainWindow::setRowHeights() {
    for (int row = 1; row < kTableRows; ++row)
        channelTable->setRowHeight(row, twips(kChannelRowTwips));
    int total = 0;
    for (int row = 0; row < kTableRows; ++row)
        total += channelTable->rowHeight(row);
    channelTable->setMinimumHeight(std::max(total + 2 * channelTable->frameWidth(), twips(5190)));
}

void MainWindow::shadeEvenRows() {
    for (int row = 2; row < kTableRows; row += 2)
        for (int column = 0; column < kTableCols; ++column)
            channelTable->item(row, column)->setBackground(cellBackground(row, column, false));
}

// Shares the width of an enlarged table among the columns in their designed proportions.
void MainWindow::fitColumnsToWidth() {
    const int available = channelTable->viewport()->width();
    const auto widths = designedColumnWidths();
    int designed = 0;
    for (int width : widths)
        designed += width;
    if (available <= designed) {
        for (int column = 0; column < kTableCols; ++column)
            channelTable->setColumnWidth(column, widths[column]);
        return;
    }
    int used = 0;
    for (int column = 0; column < kTableCols; ++column) {
        const int width = column + 1 < kTableCols
                              ? int(std::lround(double(widths[column]) * available / designed))
                              : available - used;
        channelTable->setColumnWidth(column, width);
        used += width;
    }
}

} // namespace tlv
