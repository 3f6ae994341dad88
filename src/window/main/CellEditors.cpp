// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/main/CellEditors.h"

#include "editor/CellTexts.h"
#include "texts/WindowTexts.h"
#include "window/main/ChannelTable.h"
#include "window/main/EditorModel.h"
#include "window/main/MainWindowNames.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QValidator>

namespace tlv {

namespace {

namespace name = mainwindow_names;

QString qs(const std::string& text) {
    return QString::fromStdString(text);
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

CellEditors::CellEditors(ChannelTable& table, EditorModel& model)
    : QObject(&table), table_(table), model_(model) {
    // An editor follows its cell when the columns are fitted to a new width.
    auto follow = [this] {
        if (QWidget* editor = shownWidget()) placeOverCell(editor, editor == frequencyEditor_);
    };
    connect(table.horizontalHeader(), &QHeaderView::sectionResized, this, follow);
    connect(table.verticalHeader(), &QHeaderView::sectionResized, this, follow);
}

void CellEditors::make() {
    if (frequencyEditor_ != nullptr) return;
    QWidget* viewport = table_.viewport();
    const Language language = model_.language();

    frequencyEditor_ = new QLineEdit(viewport);
    frequencyEditor_->setObjectName(QString::fromLatin1(name::FrequencyEditor));
    frequencyEditor_->setMaxLength(kFrequencyEditorMaxLength);
    frequencyEditor_->setValidator(new FrequencyTextValidator(frequencyEditor_));
    frequencyEditor_->setAlignment(Qt::AlignCenter);
    frequencyEditor_->setFrame(false);
    // A light yellow field, in every state (a palette, not a style sheet: cheaper at the start).
    QPalette editing = frequencyEditor_->palette();
    for (QPalette::ColorRole role : {QPalette::Base, QPalette::Button, QPalette::Window})
        editing.setColor(role, QColor(255, 255, 192));
    frequencyEditor_->setPalette(editing);
    frequencyEditor_->hide();
    frequencyEditor_->installEventFilter(this);

    toneList_ = new QComboBox(viewport);
    toneList_->setObjectName(QString::fromLatin1(name::ToneList));
    toneList_->setEditable(true);
    toneList_->setInsertPolicy(QComboBox::NoInsert);
    toneList_->setCompleter(nullptr); // typed text stays as typed, no inline completion
    toneList_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    toneList_->setMinimumContentsLength(1);
    for (int position = 0; position < kToneListSize; ++position)
        toneList_->addItem(qs(ToneListEntryText(language, position)));
    toneList_->hide();
    toneList_->installEventFilter(this);
    toneList_->lineEdit()->installEventFilter(this);
    toneList_->view()->installEventFilter(this);
    connect(toneList_, &QComboBox::activated, this, &CellEditors::onTonePicked);
    connect(toneList_->lineEdit(), &QLineEdit::textEdited, this, [this] { toneSelected_ = -1; });

    for (int column = col::Power; column <= col::Scan; ++column) {
        auto* list = new QComboBox(viewport);
        list->setObjectName(QString::fromLatin1(name::OptionListPrefix) + QString::number(column));
        list->setEditable(false);
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        list->setMinimumContentsLength(1);
        list->addItem(qs(OptionText(language, column, 0)));
        list->addItem(qs(OptionText(language, column, 1)));
        list->hide();
        list->installEventFilter(this);
        list->view()->installEventFilter(this);
        connect(list, &QComboBox::activated, this,
                [this, column](int position) { onOptionPicked(column, position); });
        optionLists_[column] = list;
    }
}

QWidget* CellEditors::shownWidget() const {
    switch (shown_) {
    case CellEditor::Frequency:
        return frequencyEditor_;
    case CellEditor::Tone:
        return toneList_;
    case CellEditor::Option:
        return optionLists_[cursor_.cell.column];
    case CellEditor::None:
        break;
    }
    return nullptr;
}

std::string CellEditors::cellText() const {
    return CellText(model_.state(), cursor_.cell.row, cursor_.cell.column);
}

// ---- Opening -----------------------------------------------------------------------------

void CellEditors::open(int row, int column, OpenedBy openedBy) {
    make();
    cursor_.clickArmed = true;
    const CellEditor editor = SelectCell(model_.state(), cursor_, row, column);
    if (editor == CellEditor::None) return;
    if (cursor_.cell.column != column) table_.setCurrentCell(cursor_.cell.row, cursor_.cell.column);
    switch (editor) {
    case CellEditor::Frequency:
        openFrequencyEditor();
        break;
    case CellEditor::Tone:
        openToneList(openedBy);
        break;
    case CellEditor::Option:
        openOptionList(cursor_.cell.column, openedBy);
        break;
    case CellEditor::None:
        break;
    }
}

bool CellEditors::openByTyping(int row, int column, int code) {
    if (!TypingOpensEditor(EditorForCell(model_.state(), row, column), code)) return false;
    open(row, column, OpenedBy::Typing);
    // The character starts the text of a text editor; an option list only opens.
    if (shown_ == CellEditor::Frequency) {
        frequencyEditor_->setText(QString(QChar(code)));
    } else if (shown_ == CellEditor::Tone) {
        toneList_->setEditText(QString(QChar(FilterToneKey(code).code)));
        toneSelected_ = -1;
    }
    return true;
}

void CellEditors::pressReleased() {
    // A drop-down shown during the press would take this release as a click outside itself and
    // close at once; it opens now instead.
    if (QComboBox* list = std::exchange(dropDownOnRelease_, nullptr))
        if (list == shownWidget()) showDropDown(list);
}

void CellEditors::placeOverCell(QWidget* editor, bool sameHeight) {
    const QRect rect =
        table_.visualRect(table_.model()->index(cursor_.cell.row, cursor_.cell.column));
    const int height = sameHeight ? rect.height() : editor->sizeHint().height();
    editor->setGeometry(rect.left(), rect.top(), rect.width(), height);
}

void CellEditors::showEditor(QWidget* editor, CellEditor kind) {
    shown_ = kind;
    openedText_ = cellText();
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
    if (list == toneList_) toneList_->lineEdit()->selectAll();
}

void CellEditors::openFrequencyEditor() {
    placeOverCell(frequencyEditor_, true);
    frequencyEditor_->setText(qs(cellText()));
    frequencyEditor_->selectAll();
    // The band's limits, so that a refused frequency is no riddle.
    const QString limits = qs(BandLimitsHint(model_.state()));
    frequencyEditor_->setToolTip(limits);
    emit editingHint(limits);
    showEditor(frequencyEditor_, CellEditor::Frequency);
}

void CellEditors::openToneList(OpenedBy openedBy) {
    emit editingHint({}); // the note of an earlier refusal goes
    // The off text follows the language in force.
    toneList_->setItemText(0, qs(ToneOffText(model_.language())));
    const std::string text = cellText();
    const Channel& channel = model_.state().radio().channel(cursor_.cell.row);
    const Tone& tone = cursor_.cell.column == col::RxTone ? channel.rxTone : channel.txTone;
    // An empty cell (an off transmit tone beside no transmit frequency) selects no entry.
    const int position = text.empty() ? -1 : ToneListPosition(tone);
    toneList_->setCurrentIndex(position);
    toneList_->setEditText(qs(text));
    toneSelected_ = position;
    placeOverCell(toneList_, false);
    showEditor(toneList_, CellEditor::Tone);
    toneList_->lineEdit()->selectAll();
    if (openedBy != OpenedBy::Typing) openDropDown(toneList_, openedBy);
}

void CellEditors::openOptionList(int column, OpenedBy openedBy) {
    QComboBox* list = optionLists_[column];
    list->setItemText(0, qs(OptionText(model_.language(), column, 0)));
    list->setItemText(1, qs(OptionText(model_.language(), column, 1)));
    // Selecting the cell's entry is not a pick: setCurrentIndex does not report one.
    list->setCurrentIndex(OptionListPosition(model_.state(), cell()));
    placeOverCell(list, false);
    showEditor(list, CellEditor::Option);
    openDropDown(list, openedBy);
}

// ---- Picks and commits -------------------------------------------------------------------

void CellEditors::onTonePicked(int position) {
    if (shown_ != CellEditor::Tone) return;
    if (cellRewrittenBehind()) {
        hideShown();
        refresh();
        return;
    }
    model_.show(model_.document().pickTone(cell(), position).notices);
    openedText_ = cellText();
    toneSelected_ = position;
    closeEditor();
}

void CellEditors::onOptionPicked(int column, int position) {
    if (shown_ != CellEditor::Option || cursor_.cell.column != column) return;
    if (!cellRewrittenBehind()) model_.document().pickOption(cell(), position);
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
        const std::string text = frequencyEditor_->text().toStdString();
        hideShown();
        model_.show(model_.document().commitFrequency(cell(), text).notices);
        refresh();
        break;
    }
    case CellEditor::Tone: {
        const std::string text = toneList_->currentText().toStdString();
        const int selected = toneSelected_;
        hideShown();
        const EditOutcome outcome = model_.document().commitTone(cell(), text, selected);
        // A refused text is said in the status line, so that the cell's old tone is no riddle.
        emit editingHint(qs(outcome.hint));
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

void CellEditors::closeForPress() {
    closeEditor();
    dropDownOnRelease_ = nullptr;
}

void CellEditors::hideShown() {
    QWidget* editor = shownWidget();
    const CellEditor kind = shown_;
    shown_ = CellEditor::None;
    dropDownOnRelease_ = nullptr;
    if (kind == CellEditor::Frequency) emit editingHint({});
    if (!editor) return;
    if (auto* list = qobject_cast<QComboBox*>(editor)) list->hidePopup();
    table_.setFocus(Qt::OtherFocusReason);
    editor->hide();
}

void CellEditors::refresh() {
    model_.refresh();
}

bool CellEditors::cellRewrittenBehind() const {
    return cellText() != openedText_;
}

} // namespace tlv
