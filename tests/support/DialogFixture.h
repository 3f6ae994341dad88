// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dialogs' tests: a main window with a recording web opener, and the dialogs' controls by
// their designer names.
#include "TemporaryFolder.h"
#include "WindowFixture.h"
#include "document/EditorImage.h"
#include "editor/Startup.h"
#include "help/HelpLinks.h"
#include "image/ImageCodec.h"
#include "language/Messages.h"
#include "window/dialogs/EmbeddedTextsDialog.h"
#include "window/dialogs/KeysDialog.h"
#include "window/dialogs/OptionalFunctionsDialog.h"
#include "window/dialogs/PowerLevelDialog.h"
#include "window/dialogs/TestFrequencyDialog.h"
#include "window/help/AboutDialog.h"
#include "window/help/HelpServices.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QTableWidget>
#include <QtTest>

namespace tlv::test {

namespace optional = optional_functions_names;
namespace power = power_level_names;

struct DialogWindow : Window {
    QList<QUrl> opened;
    DialogWindow() {
        SetUrlOpener([this](const QUrl& url) {
            opened << url;
            return true;
        });
    }
    ~DialogWindow() { SetUrlOpener({}); }

    template <typename Dialog> Dialog* dialog() { return OwnedWindow<Dialog>(form); }
};

inline void pick(QComboBox* list, int index) {
    list->setCurrentIndex(index); // the same signal as a user's pick
}

inline void click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton);
}

inline QComboBox* list(QWidget* dialog, const char* name) {
    return Control<QComboBox>(dialog, name);
}
inline QLabel* label(QWidget* dialog, const char* name) {
    return Control<QLabel>(dialog, name);
}
inline QLineEdit* textBox(QWidget* dialog, const char* name) {
    return Control<QLineEdit>(dialog, name);
}
inline QSlider* slider(QWidget* dialog, const char* name) {
    return Control<QSlider>(dialog, name);
}
inline QScrollBar* spinner(QWidget* dialog, const char* name) {
    return Control<QScrollBar>(dialog, name);
}
inline QPushButton* okButton(QWidget* dialog) {
    return Control<QPushButton>(dialog, radio_dialog_names::OkButton);
}
inline QPushButton* cancelButton(QWidget* dialog) {
    return Control<QPushButton>(dialog, radio_dialog_names::CancelButton);
}
inline QTableWidget* grid(QWidget* dialog) {
    return Control<QTableWidget>(dialog, test_frequency_names::Grid);
}

inline std::string text(const LocalText& t) {
    return t.zh;
}

} // namespace tlv::test
