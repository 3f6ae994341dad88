#include "editor/gui/CellEditors.h"

#include "editor/ToneList.h"
#include "editor/gui/MainWindow.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTableWidget>

namespace tlv {

// The designer's names of the in-cell editors: their objectNames, by which the caption table
// addresses the option lists' entries and the tests find them. Option list n is "Combo5_n".
namespace cell_editor_names {
constexpr char FrequencyEditor[] = "Text1";
constexpr char ToneList[] = "Combo8";
constexpr char OptionListPrefix[] = "Combo5_";
} // namespace cell_editor_names

namespace {

namespace name = cell_editor_names;

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

// Stands in when the window was given no message box: answers Cancel, so that nothing is
// cleared on an unanswered question.
class CancellingMessageBox : public MessageBoxService {
  public:
    int LocalMsgBox(const std::string&, int, const std::string&) override { return IdCancel; }
};

// The character code a key press types, or -1 for a key that types nothing (arrows, Delete,
// Home, Tab and the like pass untouched, as they would past a character filter).
int typedCode(const QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return kKeyEnter;
    case Qt::Key_Backspace:
        return kKeyBackspace;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return -1;
    default:
        break;
    }
    const QString text = event->text();
    return text.isEmpty() ? -1 : text.at(0).unicode();
}

bool isFocusLossToIgnore(QEvent* event) {
    // A drop-down opening or another window becoming active does not leave the editor.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    return reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason;
}

} // namespace

MessageBoxService& WindowMessageBox(MainWindow& form) {
    static CancellingMessageBox fallback;
    MessageBoxService* box = form.services().msgBox;
    return box ? *box : fallback;
}

CellEditors::CellEditors(MainWindow& form) : QObject(&form), form_(form), state_(form.state()) {
    QWidget* viewport = table()->viewport();

    frequencyEditor = new QLineEdit(viewport);
    frequencyEditor->setObjectName(QString::fromLatin1(name::FrequencyEditor));
    frequencyEditor->setMaxLength(kFrequencyEditorMaxLength);
    frequencyEditor->setAlignment(Qt::AlignCenter);
    frequencyEditor->setFrame(false);
    frequencyEditor->setStyleSheet(
        QStringLiteral("QLineEdit { background-color: rgb(255, 255, 192); }"));
    frequencyEditor->hide();
    frequencyEditor->installEventFilter(this);

    toneList = new QComboBox(viewport);
    toneList->setObjectName(QString::fromLatin1(name::ToneList));
    toneList->setEditable(true);
    toneList->setInsertPolicy(QComboBox::NoInsert);
    toneList->setCompleter(nullptr); // typed text stays as typed, no inline completion
    toneList->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    toneList->setMinimumContentsLength(1);
    for (int position = 0; position < kToneListSize; ++position)
        toneList->addItem(qs(ToneListEntry(state_.lists, position)));
    toneList->hide();
    toneList->installEventFilter(this);
    toneList->lineEdit()->installEventFilter(this);
    toneList->view()->installEventFilter(this);
    connect(toneList, &QComboBox::activated, this, &CellEditors::onTonePicked);
    connect(toneList->lineEdit(), &QLineEdit::textEdited, this, [this] { toneSelected_ = -1; });

    for (int column = col::Power; column <= col::Scan; ++column) {
        auto* list = new QComboBox(viewport);
        list->setObjectName(QString::fromLatin1(name::OptionListPrefix) + QString::number(column));
        list->setEditable(false);
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        list->setMinimumContentsLength(1);
        list->addItem(qs(state_.lists.optionText(column, 0)));
        list->addItem(qs(state_.lists.optionText(column, 1)));
        list->hide();
        list->installEventFilter(this);
        connect(list, &QComboBox::activated, this,
                [this, column](int position) { onOptionPicked(column, position); });
        optionLists[column] = list;
    }

    table()->installEventFilter(this);
    viewport->installEventFilter(this);
    // An editor follows its cell when the columns are fitted to a new width.
    auto follow = [this] {
        if (QWidget* editor = shownWidget()) placeOverCell(editor, editor == frequencyEditor);
    };
    connect(table()->horizontalHeader(), &QHeaderView::sectionResized, this, follow);
    connect(table()->verticalHeader(), &QHeaderView::sectionResized, this, follow);
}

QTableWidget* CellEditors::table() const {
    return form_.channelTable;
}

QWidget* CellEditors::shownWidget() const {
    switch (shown_) {
    case CellEditor::Frequency:
        return frequencyEditor;
    case CellEditor::Tone:
        return toneList;
    case CellEditor::Option:
        return optionLists[state_.editCol];
    case CellEditor::None:
        break;
    }
    return nullptr;
}

// ---- The table ---------------------------------------------------------------------------

bool CellEditors::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    // While the editing lock is on, the table takes no input at all.
    if ((watched == table() || watched == table()->viewport()) && !table()->isEnabled())
        return false;
    if (watched == table()->viewport()) {
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)
            return onTablePress(static_cast<QMouseEvent*>(event));
        // The press is handled whole on its own: no drag selects a range.
        if (type == QEvent::MouseMove || type == QEvent::MouseButtonRelease) return true;
        return false;
    }
    if (watched == table()) {
        if (type == QEvent::KeyPress) return onTableKey(static_cast<QKeyEvent*>(event));
        return false;
    }
    if (watched == frequencyEditor) {
        if (type == QEvent::KeyPress) return onFrequencyKey(static_cast<QKeyEvent*>(event));
        if (type == QEvent::FocusOut && shown_ == CellEditor::Frequency &&
            !isFocusLossToIgnore(event))
            closeEditor();
        return false;
    }
    if (watched == toneList || watched == toneList->lineEdit()) {
        if (type == QEvent::KeyPress) return onToneKey(static_cast<QKeyEvent*>(event));
        if (type == QEvent::FocusOut && shown_ == CellEditor::Tone && !isFocusLossToIgnore(event) &&
            !toneList->view()->isVisible())
            closeEditor();
        return false;
    }
    if (watched == toneList->view()) {
        if (type == QEvent::KeyPress) return onTonePopupKey(static_cast<QKeyEvent*>(event));
        return false;
    }
    for (int column = col::Power; column <= col::Scan; ++column) {
        if (watched != optionLists[column]) continue;
        if (type == QEvent::KeyPress) return onOptionKey(static_cast<QKeyEvent*>(event));
        // Leaving an option list without a pick changes nothing.
        if (type == QEvent::FocusOut && shown_ == CellEditor::Option && state_.editCol == column &&
            !isFocusLossToIgnore(event) && !optionLists[column]->view()->isVisible())
            hideShown();
        return false;
    }
    return QObject::eventFilter(watched, event);
}

bool CellEditors::onTablePress(QMouseEvent* event) {
    // Any press takes the focus to the table, which leaves the editor shown.
    closeEditor();
    table()->setFocus(Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton) return true; // a right press only focuses the table
    const QModelIndex index = table()->indexAt(event->position().toPoint());
    // A press on a channel's number chooses the whole row for the row commands.
    if (index.isValid() && index.row() >= 1 && index.column() == col::Number) {
        form_.chooseChannelRow(index.row(), event->modifiers());
        return true;
    }
    // Header row, number column and the area below the rows are never edited.
    if (!index.isValid() || index.row() < 1 || index.column() < 1) return true;
    state_.cellClickArmed = true;
    table()->setCurrentCell(index.row(), index.column());
    onCellSelected(index.row(), index.column());
    return true;
}

bool CellEditors::onTableKey(QKeyEvent* event) {
    // Keys an editor leaves unused (Up and Down in the frequency editor, say) reach the table as
    // its parent; they must not move the current cell from under the editor.
    if (shown_ != CellEditor::None) return true;
    const int key = event->key();
    // Shift+Up/Down chooses whole rows for the row commands.
    if ((key == Qt::Key_Up || key == Qt::Key_Down) && event->modifiers() == Qt::ShiftModifier) {
        form_.extendChannelRows(key == Qt::Key_Up ? -1 : 1);
        return true;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        const int row = table()->currentRow();
        const int column = table()->currentColumn();
        if (row < 1 || column < 1) return true;
        state_.cellClickArmed = true;
        onCellSelected(row, column);
        return true;
    }
    // Typing on the table moves nothing: only the arrow keys move the current cell.
    const int code = typedCode(event);
    return code >= 32 && code != 127;
}

void CellEditors::onCellSelected(int row, int column) {
    const CellEditor editor = SelectCell(state_, row, column);
    if (editor == CellEditor::None) return;
    if (state_.editCol != column) table()->setCurrentCell(state_.editRow, state_.editCol);
    switch (editor) {
    case CellEditor::Frequency:
        openFrequencyEditor();
        break;
    case CellEditor::Tone:
        openToneList();
        break;
    case CellEditor::Option:
        openOptionList(state_.editCol);
        break;
    case CellEditor::None:
        break;
    }
}

// ---- Opening -----------------------------------------------------------------------------

void CellEditors::placeOverCell(QWidget* editor, bool sameHeight) {
    const QRect cell = table()->visualRect(table()->model()->index(state_.editRow, state_.editCol));
    const int height = sameHeight ? cell.height() : editor->sizeHint().height();
    editor->setGeometry(cell.left(), cell.top(), cell.width(), height);
}

void CellEditors::showEditor(QWidget* editor, CellEditor kind) {
    shown_ = kind;
    openedText_ = state_.table.at(state_.editRow, state_.editCol);
    editor->show();
    editor->raise();
    editor->setFocus(Qt::OtherFocusReason);
}

void CellEditors::openFrequencyEditor() {
    placeOverCell(frequencyEditor, true);
    frequencyEditor->setText(qs(state_.table.at(state_.editRow, state_.editCol)));
    frequencyEditor->selectAll();
    showEditor(frequencyEditor, CellEditor::Frequency);
}

void CellEditors::openToneList() {
    // The off text follows the language in force.
    toneList->setItemText(0, qs(state_.lists.toneOff));
    const std::string& cell = state_.table.at(state_.editRow, state_.editCol);
    const int position = ToneListPosition(state_.lists, cell);
    toneList->setCurrentIndex(position);
    toneList->setEditText(qs(cell));
    toneSelected_ = position;
    placeOverCell(toneList, false);
    showEditor(toneList, CellEditor::Tone);
    toneList->showPopup();
    // Typing replaces the cell's text, as in the frequency editor.
    toneList->lineEdit()->selectAll();
}

void CellEditors::openOptionList(int column) {
    QComboBox* list = optionLists[column];
    list->setItemText(0, qs(state_.lists.optionText(column, 0)));
    list->setItemText(1, qs(state_.lists.optionText(column, 1)));
    // Selecting the cell's entry is not a pick: setCurrentIndex does not report one.
    list->setCurrentIndex(OptionListPosition(state_, state_.editRow, column));
    placeOverCell(list, false);
    showEditor(list, CellEditor::Option);
    list->showPopup();
}

// ---- Keys --------------------------------------------------------------------------------

bool CellEditors::onFrequencyKey(QKeyEvent* event) {
    const int code = typedCode(event);
    if (code < 0) return false;
    const FilteredKey key = FilterFrequencyKey(code);
    if (key.action == KeyAction::Commit) closeEditor();
    return key.action != KeyAction::Keep;
}

bool CellEditors::onToneKey(QKeyEvent* event) {
    const int code = typedCode(event);
    if (code < 0) return false;
    const FilteredKey key = FilterToneKey(code);
    switch (key.action) {
    case KeyAction::Commit:
        closeEditor();
        return true;
    case KeyAction::Discard:
        return true;
    case KeyAction::Keep:
        break;
    }
    if (key.code == code) return false;
    toneList->lineEdit()->insert(QString(QChar(key.code)));
    toneSelected_ = -1;
    return true;
}

bool CellEditors::onTonePopupKey(QKeyEvent* event) {
    // Typing while the list is open goes into the edit field, as if the list were closed.
    const int code = typedCode(event);
    if (code < 0 || code == kKeyEnter || (code < 32 && code != kKeyBackspace) || code == 127)
        return false;
    toneList->hidePopup();
    const FilteredKey key = FilterToneKey(code);
    if (key.action != KeyAction::Keep) return true;
    if (key.code == kKeyBackspace)
        toneList->lineEdit()->backspace();
    else
        toneList->lineEdit()->insert(QString(QChar(key.code)));
    toneSelected_ = -1;
    return true;
}

bool CellEditors::onOptionKey(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
        hideShown();
        return true;
    }
    return false;
}

// ---- Picks and commits -------------------------------------------------------------------

void CellEditors::onTonePicked(int position) {
    if (shown_ != CellEditor::Tone) return;
    if (cellRewrittenBehind()) {
        hideShown();
        refresh();
        return;
    }
    PickTone(state_, position);
    openedText_ = state_.table.at(state_.editRow, state_.editCol);
    toneSelected_ = position;
    closeEditor();
}

void CellEditors::onOptionPicked(int column, int position) {
    if (shown_ != CellEditor::Option || state_.editCol != column) return;
    if (!cellRewrittenBehind()) PickOption(state_, position);
    hideShown();
    refresh();
}

void CellEditors::closeEditor() {
    if (shown_ != CellEditor::None && cellRewrittenBehind()) {
        hideShown();
        refresh();
        return;
    }
    switch (shown_) {
    case CellEditor::Frequency: {
        const std::string text = frequencyEditor->text().toStdString();
        hideShown();
        CommitFrequency(state_, WindowMessageBox(form_), text);
        refresh();
        break;
    }
    case CellEditor::Tone: {
        const std::string text = toneList->currentText().toStdString();
        const int selected = toneSelected_;
        hideShown();
        CommitTone(state_, text, selected);
        refresh();
        break;
    }
    case CellEditor::Option:
        hideShown();
        break;
    case CellEditor::None:
        break;
    }
}

CellEditor CellEditors::hideShown() {
    QWidget* editor = shownWidget();
    const CellEditor kind = shown_;
    shown_ = CellEditor::None;
    if (!editor) return kind;
    if (auto* list = qobject_cast<QComboBox*>(editor)) list->hidePopup();
    table()->setFocus(Qt::OtherFocusReason);
    editor->hide();
    return kind;
}

void CellEditors::refresh() {
    form_.refreshFromState();
}

bool CellEditors::cellRewrittenBehind() const {
    return state_.table.at(state_.editRow, state_.editCol) != openedText_;
}

} // namespace tlv
