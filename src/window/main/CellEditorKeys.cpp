// SPDX-License-Identifier: GPL-3.0-or-later
// The keys of the in-cell editors: what each editor takes, what commits or closes it, and the
// keys that leave it.
#include "window/main/CellEditors.h"
#include "window/main/ChannelTable.h"
#include "window/main/KeyPresses.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QLineEdit>

#include <algorithm>

namespace tlv {

namespace {

bool isFocusLossToIgnore(QEvent* event) {
    // A drop-down opening or another window becoming active does not leave the editor.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    return reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason;
}

} // namespace

bool CellEditors::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == frequencyEditor_) {
        if (type == QEvent::KeyPress) return onFrequencyKey(static_cast<QKeyEvent*>(event));
        if (type == QEvent::FocusOut && shown_ == CellEditor::Frequency &&
            !isFocusLossToIgnore(event))
            closeEditor();
        return false;
    }
    if (watched == toneList_ || watched == toneList_->lineEdit()) {
        if (type == QEvent::KeyPress) return onToneKey(static_cast<QKeyEvent*>(event));
        if (type == QEvent::FocusOut && shown_ == CellEditor::Tone && !isFocusLossToIgnore(event) &&
            !toneList_->view()->isVisible())
            closeEditor();
        return false;
    }
    if (onDropDownRowCommandKey(watched, event)) return true;
    if (watched == toneList_->view()) {
        if (type == QEvent::KeyPress) return onTonePopupKey(static_cast<QKeyEvent*>(event));
        return false;
    }
    for (int column = col::Power; column <= col::Scan; ++column) {
        QComboBox* list = optionLists_[column];
        if (watched == list->view()) {
            if (type == QEvent::KeyPress) return onEditorKey(static_cast<QKeyEvent*>(event));
            return false;
        }
        if (watched != list) continue;
        if (type == QEvent::KeyPress) return onOptionKey(static_cast<QKeyEvent*>(event));
        // Leaving an option list without a pick changes nothing.
        if (type == QEvent::FocusOut && shown_ == CellEditor::Option &&
            cursor_.cell.column == column && !isFocusLossToIgnore(event) &&
            !list->view()->isVisible())
            hideShown();
        return false;
    }
    return QObject::eventFilter(watched, event);
}

bool CellEditors::onEditorKey(QKeyEvent* event) {
    if (shown_ == CellEditor::None) return false;
    const int key = event->key();
    if (key == Qt::Key_Escape && !IsEditingCommand(event)) {
        // Closed without writing anything: the cell stays as it was.
        hideShown();
        return true;
    }
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        const bool forward = key == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier);
        closeEditor();
        table_.leave(forward);
        return true;
    }
    return false;
}

bool CellEditors::onFrequencyKey(QKeyEvent* event) {
    if (onEditorKey(event)) return true;
    if (IsEditingCommand(event)) return false;
    const int code = TypedCode(event);
    if (code < 0) return false;
    const FilteredKey key = FilterFrequencyKey(code);
    if (key.action == KeyAction::Commit) closeEditor();
    return key.action != KeyAction::Keep;
}

bool CellEditors::onToneKey(QKeyEvent* event) {
    if (onEditorKey(event)) return true;
    if (IsEditingCommand(event)) return false;
    const int code = TypedCode(event);
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
    toneList_->lineEdit()->insert(QString(QChar(key.code)));
    toneSelected_ = -1;
    return true;
}

bool CellEditors::onTonePopupKey(QKeyEvent* event) {
    if (onEditorKey(event)) return true;
    // Typing while the list is open goes into the edit field, as if the list were closed.
    const int code = TypedCode(event);
    if (IsEditingCommand(event) || code < 0 || code == kKeyEnter ||
        (code < 32 && code != kKeyBackspace) || code == 127)
        return false;
    toneList_->hidePopup();
    const FilteredKey key = FilterToneKey(code);
    if (key.action != KeyAction::Keep) return true;
    if (key.code == kKeyBackspace)
        toneList_->lineEdit()->backspace();
    else
        toneList_->lineEdit()->insert(QString(QChar(key.code)));
    toneSelected_ = -1;
    return true;
}

bool CellEditors::onDropDownRowCommandKey(QObject* list, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress) return false;
    bool dropDown = list == toneList_->view();
    for (int column = col::Power; column <= col::Scan; ++column)
        dropDown = dropDown || list == optionLists_[column]->view();
    if (!dropDown) return false;
    // The row commands' keys are the table's actions' shortcuts.
    const auto* key = static_cast<QKeyEvent*>(event);
    const QKeySequence pressed(
        QKeyCombination(key->modifiers() & ~Qt::KeypadModifier, Qt::Key(key->key())));
    const QList<QAction*> rowCommands = table_.actions();
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
    if (list == toneList_->view()) {
        toneList_->hidePopup();
        QKeyEvent onText(QEvent::KeyPress, key->key(), key->modifiers(), key->text());
        QCoreApplication::sendEvent(toneList_->lineEdit(), &onText);
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

} // namespace tlv
