// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a key press means to the channel table and its in-cell editors.
#include "editor/EditingRules.h"

#include <QKeyEvent>

namespace tlv {

// The character code a key press types, or -1 for a key that types nothing (arrows, Delete,
// Home, Tab and the like pass untouched, as they would past a character filter).
inline int TypedCode(const QKeyEvent* event) {
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
inline bool IsEditingCommand(const QKeyEvent* event) {
    return (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) != 0;
}

// The key and its modifiers as a binding names them; the keypad's flag does not count.
inline bool IsKey(const QKeyEvent* event, int key, Qt::KeyboardModifiers modifiers) {
    return event->key() == key && (event->modifiers() & ~Qt::KeypadModifier) == modifiers;
}

} // namespace tlv
