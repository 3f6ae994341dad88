// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt side of the captions on a window built here: writing captions by name and
// converting a window to Traditional Chinese.
#include "window/language/ConvertFormToTraditional.h"
#include "window/language/GridHeaderAccess.h"
#include "window/language/LanguageCommands.h"
#include "window/language/QtCaptionTarget.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QToolBar>
#include <QVBoxLayout>

#include <memory>

using namespace tlv;

namespace {

// A window with one control of every kind the captions touch.
struct TestWindow {
    std::unique_ptr<QMainWindow> window = std::make_unique<QMainWindow>();
    QMenu* fileMenu = nullptr;
    QAction* traditionalAction = nullptr;
    QToolBar* toolbar = nullptr;
    QLabel* label = nullptr;
    QRadioButton* option = nullptr;
    QPushButton* command = nullptr;
    QCheckBox* check = nullptr;
    QComboBox* list = nullptr;
    QComboBox* emptyList = nullptr;
    QTableWidget* grid = nullptr;
    QTableWidget* noColumns = nullptr;
    QLineEdit* text = nullptr;
    QDialog* ownedDialog = nullptr;
    QLabel* dialogLabel = nullptr;

    TestWindow() {
        window->setObjectName("Form9");
        window->setWindowTitle("测试窗口");
        fileMenu = window->menuBar()->addMenu("文件(&F)");
        fileMenu->setObjectName("mnuFile");
        QMenu* languageMenu = fileMenu->addMenu("语言选择(&L)");
        languageMenu->setObjectName("mnuLanguage");
        traditionalAction = languageMenu->addAction("繁体中文");
        traditionalAction->setObjectName("mnuChineseF");

        toolbar = window->addToolBar("工具");
        toolbar->setObjectName("Toolbar1");
        toolbar->setToolTip("工具栏");
        toolbar->addAction("新建");
        toolbar->addAction("打开");
        toolbar->addSeparator();
        toolbar->addAction("读频");

        auto* central = new QWidget;
        auto* layout = new QVBoxLayout(central);
        label = new QLabel("频段");
        label->setObjectName("Label3");
        option = new QRadioButton("选定");
        option->setObjectName("Option1");
        command = new QPushButton("确定");
        command->setObjectName("Command1");
        check = new QCheckBox("取消操作");
        check->setObjectName("Check3");
        list = new QComboBox;
        list->setObjectName("Combo6");
        list->addItems({"禁止", "使能"});
        emptyList = new QComboBox;
        emptyList->setObjectName("Combo13");
        grid = new QTableWidget(2, 2);
        grid->setObjectName("mfgrid1");
        grid->setHorizontalHeaderLabels({"频道", "接收频率"});
        grid->setItem(0, 0, new QTableWidgetItem("频道"));
        noColumns = new QTableWidget(3, 0);
        noColumns->setObjectName("mfgrid2");
        text = new QLineEdit("频道");
        text->setObjectName("Text1");
        for (QWidget* w : std::initializer_list<QWidget*>{label, option, command, check, list,
                                                          emptyList, grid, noColumns, text})
            layout->addWidget(w);
        window->setCentralWidget(central);

        // A dialog parented to the window is a window of its own.
        ownedDialog = new QDialog(window.get());
        ownedDialog->setObjectName("Form4");
        dialogLabel = new QLabel("频道", ownedDialog);
        dialogLabel->setObjectName("Label3");
    }
};

} // namespace

class FormConversionTest : public QObject {
    Q_OBJECT

  private slots:
    // (Titles, menus, items, frames, labels, list entries, grid headers and toolbar buttons are
    // checked on the real windows in language_test and dialogs_test.)
    void captionsAreWrittenByNameIntoTheirWindowOnly() {
        TestWindow w;
        QtCaptionTarget target;
        target.setCaption("Form9", "Label3", "Channel");
        target.setCaption("Form9", "Check3", "Cancel operation");
        target.setListEntry("Form9", "Combo6", 1, "On");
        target.setGridHeader("Form9", "mfgrid1", 1, "RX Frequency");
        QCOMPARE(w.label->text(), QString("Channel"));
        QCOMPARE(w.check->text(), QString("Cancel operation"));
        QCOMPARE(w.list->itemText(0), QString("禁止"));
        QCOMPARE(w.grid->item(0, 0)->text(), QString("频道"));
        // The owned dialog's control of the same name is not the window's.
        QCOMPARE(w.dialogLabel->text(), QString("频道"));
    }

    void writesToWhatIsNotThereArePassedOver() {
        TestWindow w;
        QtCaptionTarget target;
        target.setCaption("Form9", "Label99", "x");
        target.setCaption("NoSuchForm", "Label3", "x");
        target.setWindowTitle("NoSuchForm", "x");
        target.setListEntry("Form9", "Combo6", 2, "x"); // beyond the entries
        target.setListEntry("Form9", "Combo6", -1, "x");
        target.setListEntry("Form9", "Combo13", 0, "x"); // no entries at all
        target.setListEntry("Form9", "Label3", 0, "x");  // not a list
        target.setGridHeader("Form9", "mfgrid1", 2, "x");
        target.setGridHeader("Form9", "mfgrid2", 0, "x");
        target.setToolbarButton("Form9", "Toolbar1", 3, "x"); // the separator
        target.setToolbarButton("Form9", "Toolbar1", 9, "x");
        QCOMPARE(w.list->count(), 2);
        QCOMPARE(w.emptyList->count(), 0);
        QCOMPARE(w.grid->columnCount(), 2);
        QCOMPARE(w.noColumns->columnCount(), 0);
        QCOMPARE(w.label->text(), QString("频段"));
        QVERIFY(w.toolbar->actions().at(2)->isSeparator());
        QCOMPARE(w.toolbar->actions().size(), 4);
    }

    void windowsAreFoundThroughTheFinder() {
        TestWindow w;
        QStringList asked;
        QtCaptionTarget target([&](const QString& name) -> QWidget* {
            asked << name;
            return name == "Form4" ? w.ownedDialog : nullptr;
        });
        target.setCaption("Form4", "Label3", "Channel");
        target.setCaption("Form7", "Command1", "OK");
        QCOMPARE(w.dialogLabel->text(), QString("Channel"));
        QCOMPARE(asked, (QStringList{"Form4", "Form7"}));
    }

    void conversionTouchesCaptionsListsAndHeadersOnly() {
        TestWindow w;
        ConvertFormToTraditional(w.window.get());
        QCOMPARE(w.fileMenu->title(), QString("文件(&F)"));
        QCOMPARE(w.traditionalAction->text(), QString("繁體中文"));
        QCOMPARE(w.option->text(), QString("選定"));
        QCOMPARE(w.command->text(), QString("確定"));
        QCOMPARE(w.check->text(), QString("取消操作"));
        QCOMPARE(w.list->count(), 2);
        QCOMPARE(w.emptyList->count(), 0);
        QCOMPARE(w.grid->horizontalHeaderItem(1)->text(), QString("接收頻率"));
        QCOMPARE(w.toolbar->toolTip(), QString("工具欄"));
        // Left alone: title, toolbar buttons, grid cells, text boxes, other windows.
        QCOMPARE(w.window->windowTitle(), QString("测试窗口"));
        QCOMPARE(w.toolbar->actions().at(1)->text(), QString("打开"));
        QCOMPARE(w.grid->item(0, 0)->text(), QString("频道"));
        QCOMPARE(w.text->text(), QString("频道"));
        QCOMPARE(w.dialogLabel->text(), QString("频道"));
    }

    void conversionUsesAnAttachedHeaderAccess() {
        TestWindow w;
        QStringList header{"信道", "亚音频", "宽\\窄带"};
        int writes = 0;
        SetGridHeaderAccess(w.grid, {[&] { return static_cast<int>(header.size()); },
                                     [&](int c) { return header[c]; },
                                     [&](int c, const QString& text) {
                                         header[c] = text;
                                         ++writes;
                                     }});
        ConvertFormToTraditional(w.window.get());
        QCOMPARE(header, (QStringList{"信道", "亞音頻", "寬\\窄帶"}));
        QCOMPARE(writes, 3);
        QCOMPARE(w.grid->horizontalHeaderItem(0)->text(), QString("频道")); // not the widget's
    }

    void aLateWindowTakesTheLanguageInForce() {
        const char* ok[] = {"确定", "OK", "確定"};
        const char* title[] = {"嵌入信息", "Embedded Information", "嵌入信息"};
        for (Language language : {Language::Simplified, Language::English, Language::Traditional}) {
            QDialog dialog;
            dialog.setObjectName("Form7");
            dialog.setWindowTitle("design");
            auto* okButton = new QPushButton("design", &dialog);
            okButton->setObjectName("Command1");
            auto* textBox = new QLineEdit("关闭", &dialog);
            ApplyCaptionsToWindow(&dialog, language);
            QCOMPARE(okButton->text(), QString(ok[LanguageCode(language)]));
            // Traditional writes the Simplified title, which the conversion leaves alone.
            QCOMPARE(dialog.windowTitle(), QString(title[LanguageCode(language)]));
            QCOMPARE(textBox->text(), QString("关闭"));
        }
        ApplyCaptionsToWindow(nullptr, Language::English);
    }
};

QTEST_MAIN(FormConversionTest)
#include "window_conversion_test.moc"
