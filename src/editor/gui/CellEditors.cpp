#include "editor/gui/CellEditors.h"

#include "editor/ToneList.h"
#include "editor/gui/Form1.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTableWidget>

namespace tlv {

namespace {

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

MessageBoxService& FormMessageBox(Form1& form) {
    static CancellingMessageBox fallback;
    MessageBoxService* box = form.services().msgBox;
    return box ? *box : fallback;
}

CellEditors::CellEditors(Form1& form) : QObject(&form), form_(form), state_(form.state()) {
    QWidget* viewport = grid()->viewport();

    Text1 = new QLineEdit(viewport);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setMaxLength(kFrequencyEditorMaxLength);
    Text1->setAlignment(Qt::AlignCenter);
    Text1->setFrame(false);
    Text1->setStyleSheet(QStringLiteral("QLineEdit { background-color: rgb(255, 255, 192); }"));
    Text1->hide();
    Text1->installEventFilter(this);

    Combo8 = new QComboBox(viewport);
    Combo8->setObjectName(QStringLiteral("Combo8"));
    Combo8->setEditable(true);
    Combo8->setInsertPolicy(QComboBox::NoInsert);
    Combo8->setCompleter(nullptr); // typed text stays as typed, no inline completion
    Combo8->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    Combo8->setMinimumContentsLength(1);
    for (int position = 0; position < kToneListSize; ++position)
        Combo8->addItem(qs(ToneListEntry(state_.lists, position)));
    Combo8->hide();
    Combo8->installEventFilter(this);
    Combo8->lineEdit()->installEventFilter(this);
    Combo8->view()->installEventFilter(this);
    connect(Combo8, &QComboBox::activated, this, &CellEditors::Combo8_Click);
    connect(Combo8->lineEdit(), &QLineEdit::textEdited, this, [this] { toneSelected_ = -1; });

    for (int column = col::Power; column <= col::Scan; ++column) {
        auto* list = new QComboBox(viewport);
        list->setObjectName(QStringLiteral("Combo5_%1").arg(column));
        list->setEditable(false);
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        list->setMinimumContentsLength(1);
        list->addItem(qs(state_.lists.optionText(column, 0)));
        list->addItem(qs(state_.lists.optionText(column, 1)));
        list->hide();
        list->installEventFilter(this);
        connect(list, &QComboBox::activated, this,
                [this, column](int position) { Combo5_Click(column, position); });
        Combo5[column] = list;
    }

    grid()->installEventFilter(this);
    viewport->installEventFilter(this);
    // An editor follows its cell when the columns are fitted to a new width.
    auto follow = [this] {
        if (QWidget* editor = shownWidget()) placeOverCell(editor, editor == Text1);
    };
    connect(grid()->horizontalHeader(), &QHeaderView::sectionResized, this, follow);
    connect(grid()->verticalHeader(), &QHeaderView::sectionResized, this, follow);
}

QTableWidget* CellEditors::grid() const {
    return form_.Grid1;
}

QWidget* CellEditors::shownWidget() const {
    switch (shown_) {
    case CellEditor::Frequency:
        return Text1;
    case CellEditor::Tone:
        return Combo8;
    case CellEditor::Option:
        return Combo5[state_.editCol];
    case CellEditor::None:
        break;
    }
    return nullptr;
}

// ---- The table ---------------------------------------------------------------------------

bool CellEditors::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    // While the editing lock is on, the table takes no input at all.
    if ((watched == grid() || watched == grid()->viewport()) && !grid()->isEnabled()) return false;
    if (watched == grid()->viewport()) {
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)
            return Grid1_MouseDown(static_cast<QMouseEvent*>(event));
        // The press is handled whole on its own: no drag selects a range.
        if (type == QEvent::MouseMove || type == QEvent::MouseButtonRelease) return true;
        return false;
    }
    if (watched == grid()) {
        if (type == QEvent::KeyPress) return Grid1_KeyDown(static_cast<QKeyEvent*>(event));
        return false;
    }
    if (watched == Text1) {
        if (type == QEvent::KeyPress) return Text1_KeyPress(static_cast<QKeyEvent*>(event));
        if (type == QEvent::FocusOut && shown_ == CellEditor::Frequency &&
            !isFocusLossToIgnore(event))
            closeEditor();
        return false;
    }
    if (watched == Combo8 || watched == Combo8->lineEdit()) {
        if (type == QEvent::KeyPress) return Combo8_KeyPress(static_cast<QKeyEvent*>(event));
        if (type == QEvent::FocusOut && shown_ == CellEditor::Tone && !isFocusLossToIgnore(event) &&
            !Combo8->view()->isVisible())
            closeEditor();
        return false;
    }
    if (watched == Combo8->view()) {
        if (type == QEvent::KeyPress) return Combo8_PopupKeyPress(static_cast<QKeyEvent*>(event));
        return false;
    }
    for (int column = col::Power; column <= col::Scan; ++column) {
        if (watched != Combo5[column]) continue;
        if (type == QEvent::KeyPress) return Combo5_KeyPress(static_cast<QKeyEvent*>(event));
        // Leaving an option list without a pick changes nothing.
        if (type == QEvent::FocusOut && shown_ == CellEditor::Option && state_.editCol == column &&
            !isFocusLossToIgnore(event) && !Combo5[column]->view()->isVisible())
            hideShown();
        return false;
    }
    return QObject::eventFilter(watched, event);
}

bool CellEditors::Grid1_MouseDown(QMouseEvent* event) {
    // Any press takes the focus to the table, which leaves the editor shown.
    closeEditor();
    grid()->setFocus(Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton) return true; // a right press only focuses the table
    const QModelIndex index = grid()->indexAt(event->position().toPoint());
    // Header row, number column and the area below the rows are never edited.
    if (!index.isValid() || index.row() < 1 || index.column() < 1) return true;
    state_.cellClickArmed = true;
    grid()->setCurrentCell(index.row(), index.column());
    Grid1_SelChange(index.row(), index.column());
    return true;
}

bool CellEditors::Grid1_KeyDown(QKeyEvent* event) {
    // Keys an editor leaves unused (Up and Down in Text1, say) reach the table as its parent;
    // they must not move the current cell from under the editor.
    if (shown_ != CellEditor::None) return true;
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        const int row = grid()->currentRow();
        const int column = grid()->currentColumn();
        if (row < 1 || column < 1) return true;
        state_.cellClickArmed = true;
        Grid1_SelChange(row, column);
        return true;
    }
    // Typing on the table moves nothing: only the arrow keys move the current cell.
    const int code = typedCode(event);
    return code >= 32 && code != 127;
}

void CellEditors::Grid1_SelChange(int row, int column) {
    const CellEditor editor = SelectCell(state_, row, column);
    if (editor == CellEditor::None) return;
    if (state_.editCol != column) grid()->setCurrentCell(state_.editRow, state_.editCol);
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
    const QRect cell = grid()->visualRect(grid()->model()->index(state_.editRow, state_.editCol));
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
    placeOverCell(Text1, true);
    Text1->setText(qs(state_.table.at(state_.editRow, state_.editCol)));
    Text1->selectAll();
    showEditor(Text1, CellEditor::Frequency);
}

void CellEditors::openToneList() {
    // The off text follows the language in force.
    Combo8->setItemText(0, qs(state_.lists.toneOff));
    const std::string& cell = state_.table.at(state_.editRow, state_.editCol);
    const int position = ToneListPosition(state_.lists, cell);
    Combo8->setCurrentIndex(position);
    Combo8->setEditText(qs(cell));
    toneSelected_ = position;
    placeOverCell(Combo8, false);
    showEditor(Combo8, CellEditor::Tone);
    Combo8->showPopup();
    // Typing replaces the cell's text, as in the frequency editor.
    Combo8->lineEdit()->selectAll();
}

void CellEditors::openOptionList(int column) {
    QComboBox* list = Combo5[column];
    list->setItemText(0, qs(state_.lists.optionText(column, 0)));
    list->setItemText(1, qs(state_.lists.optionText(column, 1)));
    // Selecting the cell's entry is not a pick: setCurrentIndex does not report one.
    list->setCurrentIndex(OptionListPosition(state_, state_.editRow, column));
    placeOverCell(list, false);
    showEditor(list, CellEditor::Option);
    list->showPopup();
}

// ---- Keys --------------------------------------------------------------------------------

bool CellEditors::Text1_KeyPress(QKeyEvent* event) {
    const int code = typedCode(event);
    if (code < 0) return false;
    const FilteredKey key = FilterFrequencyKey(code);
    if (key.action == KeyAction::Commit) closeEditor();
    return key.action != KeyAction::Keep;
}

bool CellEditors::Combo8_KeyPress(QKeyEvent* event) {
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
    Combo8->lineEdit()->insert(QString(QChar(key.code)));
    toneSelected_ = -1;
    return true;
}

bool CellEditors::Combo8_PopupKeyPress(QKeyEvent* event) {
    // Typing while the list is open goes into the edit field, as if the list were closed.
    const int code = typedCode(event);
    if (code < 0 || code == kKeyEnter || (code < 32 && code != kKeyBackspace) || code == 127)
        return false;
    Combo8->hidePopup();
    const FilteredKey key = FilterToneKey(code);
    if (key.action != KeyAction::Keep) return true;
    if (key.code == kKeyBackspace)
        Combo8->lineEdit()->backspace();
    else
        Combo8->lineEdit()->insert(QString(QChar(key.code)));
    toneSelected_ = -1;
    return true;
}

bool CellEditors::Combo5_KeyPress(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
        hideShown();
        return true;
    }
    return false;
}

// ---- Picks and commits -------------------------------------------------------------------

void CellEditors::Combo8_Click(int position) {
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

void CellEditors::Combo5_Click(int column, int position) {
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
        const std::string text = Text1->text().toStdString();
        hideShown();
        CommitFrequency(state_, FormMessageBox(form_), text);
        refresh();
        break;
    }
    case CellEditor::Tone: {
        const std::string text = Combo8->currentText().toStdString();
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
    grid()->setFocus(Qt::OtherFocusReason);
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
