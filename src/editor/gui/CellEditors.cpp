#include "editor/gui/CellEditors.h"

#include "editor/ToneList.h"
#include "editor/gui/MainWindow.h"
#include "localisation/WindowTexts.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTableWidget>
#include <QValidator>

#include <algorithm>
#include <utility>

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
    case Qt::Key_Escape:
        return -1;
    default:
        break;
    }
    const QString text = event->text();
    return text.isEmpty() ? -1 : text.at(0).unicode();
}

// A key with Ctrl (or Meta) is an editing command of the text field (select all, copy, paste,
// undo...), never a typed character.
bool isEditingCommand(const QKeyEvent* event) {
    return (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) != 0;
}

// The key and its modifiers as a binding names them; the keypad's flag does not count.
bool isKey(const QKeyEvent* event, int key, Qt::KeyboardModifiers modifiers) {
    return event->key() == key && (event->modifiers() & ~Qt::KeypadModifier) == modifiers;
}

bool isFocusLossToIgnore(QEvent* event) {
    // A drop-down opening or another window becoming active does not leave the editor.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    return reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason;
}

// Text put into the frequency editor other than by a key (a paste, a drop) passes the filter
// of typed keys: text with any character no key could give is refused as a whole.
class FrequencyTextValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& /*position*/) const override {
        for (QChar c : input) {
            const int code = c.unicode();
            if (code < 32 || code > 126 || FilterFrequencyKey(code).action != KeyAction::Keep)
                return Invalid;
        }
        return Acceptable;
    }
};

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
    frequencyEditor->setValidator(new FrequencyTextValidator(frequencyEditor));
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
        list->view()->installEventFilter(this);
        connect(list, &QComboBox::activated, this,
                [this, column](int position) { onOptionPicked(column, position); });
        optionLists[column] = list;
    }

    table()->installEventFilter(this);
    viewport->installEventFilter(this);
    // Tab and Shift+Tab leave the table; the arrows move within it.
    table()->setTabKeyNavigation(false);
    connect(table(), &QTableWidget::currentCellChanged, this,
            &CellEditors::keepCurrentCellOnChannels);
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
        if (type == QEvent::MouseButtonRelease) return onTableRelease();
        // The press is handled whole on its own: no drag selects a range.
        if (type == QEvent::MouseMove) return true;
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
    if (onDropDownRowCommandKey(watched, event)) return true;
    if (watched == toneList->view()) {
        if (type == QEvent::KeyPress) return onTonePopupKey(static_cast<QKeyEvent*>(event));
        return false;
    }
    for (int column = col::Power; column <= col::Scan; ++column) {
        QComboBox* list = optionLists[column];
        if (watched == list->view()) {
            if (type == QEvent::KeyPress) return onEditorKey(static_cast<QKeyEvent*>(event));
            return false;
        }
        if (watched != list) continue;
        if (type == QEvent::KeyPress) return onOptionKey(static_cast<QKeyEvent*>(event));
        // Leaving an option list without a pick changes nothing.
        if (type == QEvent::FocusOut && shown_ == CellEditor::Option && state_.editCol == column &&
            !isFocusLossToIgnore(event) && !list->view()->isVisible())
            hideShown();
        return false;
    }
    return QObject::eventFilter(watched, event);
}

bool CellEditors::onTablePress(QMouseEvent* event) {
    // Any press takes the focus to the table, which leaves the editor shown.
    closeEditor();
    dropDownOnRelease_ = nullptr;
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
    onCellSelected(index.row(), index.column(), OpenedBy::Press);
    return true;
}

bool CellEditors::onTableRelease() {
    // A drop-down shown during the press would take this release as a click outside itself
    // and close at once; it opens now instead.
    if (QComboBox* list = std::exchange(dropDownOnRelease_, nullptr))
        if (list == shownWidget()) showDropDown(list);
    return true;
}

namespace {

// The table's own keys while no editor is shown: one line per key, the first that matches
// runs. A key no line names and that types a character is dropped; any other key (the arrows,
// Home, End, Page Up and Down, Tab) does what the table does with it.
struct TableKeyBinding {
    int key;
    Qt::KeyboardModifiers modifiers;
    bool (CellEditors::*command)(QKeyEvent*);
};

} // namespace

bool CellEditors::onTableKey(QKeyEvent* event) {
    // Keys an editor leaves unused (Up and Down in the frequency editor, say) reach the table as
    // its parent; they must not move the current cell from under the editor.
    if (shown_ != CellEditor::None) return true;
    static const TableKeyBinding bindings[] = {
        {Qt::Key_Return, Qt::NoModifier, &CellEditors::openCurrentCell},
        {Qt::Key_Enter, Qt::NoModifier, &CellEditors::openCurrentCell},
        {Qt::Key_F2, Qt::NoModifier, &CellEditors::openCurrentCell},
        {Qt::Key_Tab, Qt::ControlModifier, &CellEditors::leaveTableForward},
        {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier,
         &CellEditors::leaveTableBackward},
        {Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier, &CellEditors::leaveTableBackward},
        {Qt::Key_Up, Qt::ShiftModifier, &CellEditors::extendChosenRows},
        {Qt::Key_Down, Qt::ShiftModifier, &CellEditors::extendChosenRows},
    };
    for (const TableKeyBinding& binding : bindings)
        if (isKey(event, binding.key, binding.modifiers)) return (this->*binding.command)(event);
    if (isEditingCommand(event)) return false;
    if (startTyping(event)) return true;
    // Typing moves nothing: only the arrow keys move the current cell.
    const int code = typedCode(event);
    return code >= 32 && code != 127;
}

bool CellEditors::openCurrentCell(QKeyEvent*) {
    const int row = table()->currentRow();
    const int column = table()->currentColumn();
    if (row < 1 || column < 1) return true;
    state_.cellClickArmed = true;
    onCellSelected(row, column, OpenedBy::Key);
    return true;
}

bool CellEditors::leaveTableForward(QKeyEvent*) {
    leaveTable(true);
    return true;
}

bool CellEditors::leaveTableBackward(QKeyEvent*) {
    leaveTable(false);
    return true;
}

bool CellEditors::extendChosenRows(QKeyEvent* event) {
    // Shift+Up/Down chooses whole rows for the row commands.
    form_.extendChannelRows(event->key() == Qt::Key_Up ? -1 : 1);
    return true;
}

bool CellEditors::startTyping(QKeyEvent* event) {
    const int row = table()->currentRow();
    const int column = table()->currentColumn();
    const int code = typedCode(event);
    if (row < 1 || column < 1 || code < 0) return false;
    if (!TypingOpensEditor(EditorForCell(state_, row, column), code)) return false;
    state_.cellClickArmed = true;
    onCellSelected(row, column, OpenedBy::Typing);
    // The character starts the text of a text editor; an option list only opens.
    if (shown_ == CellEditor::Frequency) {
        frequencyEditor->setText(QString(QChar(code)));
    } else if (shown_ == CellEditor::Tone) {
        toneList->setEditText(QString(QChar(FilterToneKey(code).code)));
        toneSelected_ = -1;
    }
    return true;
}

void CellEditors::leaveTable(bool forward) {
    // The table does not move between its cells with Tab, so a Tab sent to it moves the focus
    // on to the next control, as the user's Tab does.
    QKeyEvent tab(QEvent::KeyPress, forward ? Qt::Key_Tab : Qt::Key_Backtab,
                  forward ? Qt::NoModifier : Qt::ShiftModifier);
    QCoreApplication::sendEvent(table(), &tab);
}

void CellEditors::keepCurrentCellOnChannels(int row, int column) {
    if (row < 0 || column < 0 || (row >= 1 && column >= 1)) return;
    table()->setCurrentCell(std::max(row, 1), std::max(column, 1));
}

void CellEditors::onCellSelected(int row, int column, OpenedBy openedBy) {
    const CellEditor editor = SelectCell(state_, row, column);
    if (editor == CellEditor::None) return;
    if (state_.editCol != column) table()->setCurrentCell(state_.editRow, state_.editCol);
    switch (editor) {
    case CellEditor::Frequency:
        openFrequencyEditor();
        break;
    case CellEditor::Tone:
        openToneList(openedBy);
        break;
    case CellEditor::Option:
        openOptionList(state_.editCol, openedBy);
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

void CellEditors::openDropDown(QComboBox* list, OpenedBy openedBy) {
    if (openedBy == OpenedBy::Press)
        dropDownOnRelease_ = list;
    else
        showDropDown(list);
}

void CellEditors::showDropDown(QComboBox* list) {
    list->showPopup();
    // Typing replaces the tone's text, as in the frequency editor.
    if (list == toneList) toneList->lineEdit()->selectAll();
}

void CellEditors::openFrequencyEditor() {
    placeOverCell(frequencyEditor, true);
    frequencyEditor->setText(qs(state_.table.at(state_.editRow, state_.editCol)));
    frequencyEditor->selectAll();
    // The band's limits, so that a refused frequency is no riddle.
    const QString limits = qs(BandLimitsHint(state_));
    frequencyEditor->setToolTip(limits);
    form_.showEditingHint(limits);
    showEditor(frequencyEditor, CellEditor::Frequency);
}

void CellEditors::openToneList(OpenedBy openedBy) {
    // The off text follows the language in force.
    toneList->setItemText(0, qs(state_.lists.toneOff));
    const std::string& cell = state_.table.at(state_.editRow, state_.editCol);
    const int position = ToneListPosition(state_.lists, cell);
    toneList->setCurrentIndex(position);
    toneList->setEditText(qs(cell));
    toneSelected_ = position;
    placeOverCell(toneList, false);
    showEditor(toneList, CellEditor::Tone);
    toneList->lineEdit()->selectAll();
    if (openedBy != OpenedBy::Typing) openDropDown(toneList, openedBy);
}

void CellEditors::openOptionList(int column, OpenedBy openedBy) {
    QComboBox* list = optionLists[column];
    list->setItemText(0, qs(state_.lists.optionText(column, 0)));
    list->setItemText(1, qs(state_.lists.optionText(column, 1)));
    // Selecting the cell's entry is not a pick: setCurrentIndex does not report one.
    list->setCurrentIndex(OptionListPosition(state_, state_.editRow, column));
    placeOverCell(list, false);
    showEditor(list, CellEditor::Option);
    openDropDown(list, openedBy);
}

// ---- Keys --------------------------------------------------------------------------------

bool CellEditors::onEditorKey(QKeyEvent* event) {
    if (shown_ == CellEditor::None) return false;
    const int key = event->key();
    if (key == Qt::Key_Escape && !isEditingCommand(event)) {
        cancelEditor();
        return true;
    }
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        const bool forward = key == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier);
        closeEditor();
        leaveTable(forward);
        return true;
    }
    return false;
}

bool CellEditors::onFrequencyKey(QKeyEvent* event) {
    if (onEditorKey(event)) return true;
    if (isEditingCommand(event)) return false;
    const int code = typedCode(event);
    if (code < 0) return false;
    const FilteredKey key = FilterFrequencyKey(code);
    if (key.action == KeyAction::Commit) closeEditor();
    return key.action != KeyAction::Keep;
}

bool CellEditors::onToneKey(QKeyEvent* event) {
    if (onEditorKey(event)) return true;
    if (isEditingCommand(event)) return false;
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
    if (onEditorKey(event)) return true;
    // Typing while the list is open goes into the edit field, as if the list were closed.
    const int code = typedCode(event);
    if (isEditingCommand(event) || code < 0 || code == kKeyEnter ||
        (code < 32 && code != kKeyBackspace) || code == 127)
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

bool CellEditors::onDropDownRowCommandKey(QObject* list, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress) return false;
    bool dropDown = list == toneList->view();
    for (int column = col::Power; column <= col::Scan; ++column)
        dropDown = dropDown || list == optionLists[column]->view();
    if (!dropDown) return false;
    // The row commands' keys are the table's actions' shortcuts.
    const auto* key = static_cast<QKeyEvent*>(event);
    const QKeySequence pressed(
        QKeyCombination(key->modifiers() & ~Qt::KeypadModifier, Qt::Key(key->key())));
    const QList<QAction*> rowCommands = table()->actions();
    if (std::none_of(rowCommands.begin(), rowCommands.end(), [&](const QAction* command) {
            return command->shortcuts().contains(pressed);
        }))
        return false;
    // An open list is part of the cell's editor: taking the key here keeps it from the row
    // commands, which would empty, move or replace the channel being edited.
    if (type == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    // In the tone list the key acts on the tone's text, as typing with the list open does; a
    // pick-only list has no text, and the key does nothing.
    if (list == toneList->view()) {
        toneList->hidePopup();
        QKeyEvent onText(QEvent::KeyPress, key->key(), key->modifiers(), key->text());
        QCoreApplication::sendEvent(toneList->lineEdit(), &onText);
    }
    return true;
}

bool CellEditors::onOptionKey(QKeyEvent* event) {
    if (onEditorKey(event)) return true;
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
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

void CellEditors::cancelEditor() {
    hideShown();
}

CellEditor CellEditors::hideShown() {
    QWidget* editor = shownWidget();
    const CellEditor kind = shown_;
    shown_ = CellEditor::None;
    dropDownOnRelease_ = nullptr;
    if (kind == CellEditor::Frequency) form_.showEditingHint({});
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
