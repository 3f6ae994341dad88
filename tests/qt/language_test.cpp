// The three languages over the main window: start-up in each language and every switch by
// the language menu, checked on the widgets and on the editor state.
#include "FixedClock.h"
#include "ScriptedMessageBox.h"
#include "editor/gui/CellEditors.h"
#include "editor/gui/DropDownComboBox.h"
#include "editor/gui/MainWindow.h"
#include "localisation/StartupLanguage.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTableWidget>
#include <QToolBar>
#include <QtTest>

using namespace tlv;

namespace {

class OneRequest : public LanguageRequestStore {
  public:
    explicit OneRequest(std::string value) : value(std::move(value)) {}
    std::string readRequest() override { return value; }
    void clearRequest() override { value.clear(), ++clears; }
    std::string value;
    int clears = 0;
};

struct Fixture {
    EditorState state;
    test::ScriptedMessageBox box;
    test::FixedClock clock;
    OneRequest request;
    AppServices services{&box, &clock};
    explicit Fixture(std::string startupRequest = {}) : request(std::move(startupRequest)) {
        services.languageRequest = &request;
    }
};

// The texts a user sees, in one language.
struct Expected {
    const char* title;
    const char* fileMenu;
    const char* openItem;
    const char* languageMenu;
    const char* englishItem;
    const char* optionalFunctionsItem;
    const char* bandFrame;
    const char* functionPanel;
    const char* bandLabel;
    const char* timeOutLabel;
    const char* voicePromptEntry2;
    const char* timeOutEntry0;
    const char* timeOutWarningEntry0;
    const char* squelchEntry9;
    const char* batterySaveEntry1;
    const char* header2;
    const char* header7;
    const char* toolbar5;
    // Channel 1 as set up by addChannel: receive tone, transmit tone, power, forbid.
    const char* toneOff;
    const char* power;
    const char* forbid;
};

const Expected kSimplified{"TLV6200 对讲机编程软件 V1.00",
                           "文件(&F)",
                           "打开(&O)",
                           "语言选择(&L)",
                           "英文",
                           "可选功能",
                           "机型选择",
                           "功能设置",
                           "频段",
                           "发射超时",
                           "英文",
                           "15 秒",
                           "关闭",
                           "9 级",
                           "使能",
                           "亚音频",
                           "宽\\窄带",
                           "读频",
                           "关闭",
                           "高",
                           "载波"};
const Expected kEnglish{"TLV6200 Radio Software V1.00",
                        "File(&F)",
                        "Open(&O)",
                        "Languages(&L)",
                        "Englist",
                        "Optional function ",
                        "Model",
                        "Function Set",
                        "Channel",
                        "Time-out:",
                        "Englist",
                        "15 S",
                        "Off",
                        "9 Group",
                        "On",
                        "QT/DQT",
                        "Band",
                        "Read frequency",
                        "Off",
                        "Hight",
                        "Carrow"};
// Window title and toolbar captions stay Simplified.
const Expected kTraditional{"TLV6200 对讲机编程软件 V1.00",
                            "文件(&F)",
                            "打開(&O)",
                            "語言選擇(&L)",
                            "英文",
                            "可選功能",
                            "機型選擇",
                            "功能設置",
                            "頻段",
                            "發射超時",
                            "英文",
                            "15 秒",
                            "關閉",
                            "9 級",
                            "使能",
                            "亞音頻",
                            "寬\\窄帶",
                            "读频",
                            "關閉",
                            "高",
                            "載波"};

const Expected& expectedFor(int language) {
    return language == 1 ? kEnglish : language == 2 ? kTraditional : kSimplified;
}

QString cell(const MainWindow& form, int row, int column) {
    return form.channelTable->item(row, column)->text();
}

// Channel 1 in use: receive tone off, transmit tone D023N, high power, carrier inhibit.
void addChannel(MainWindow& form) {
    EditorState& state = form.state();
    state.table.at(1, 1) = "438.12500";
    state.table.at(1, 2) = state.lists.toneOff;
    state.table.at(1, 3) = "438.12500";
    state.table.at(1, 4) = "D023N";
    state.optionIndex.at(1, 5) = 1;
    state.table.at(1, 5) = state.lists.optionText(5, 1);
    state.optionIndex.at(1, 6) = 1;
    state.table.at(1, 6) = state.lists.optionText(6, 1);
    form.refreshFromState();
}

// `edited`: the editor holds unsaved changes, which the title marks with "*".
void checkWindow(MainWindow& form, int language, bool timeOutListTranslated = true,
                 bool edited = false) {
    const Expected& e = expectedFor(language);
    const auto text = [](const char* s) { return QString::fromUtf8(s); };
    QCOMPARE(form.state().languageState, language);
    QCOMPARE(form.windowTitle(), (edited ? "*" : "") + text(e.title));
    QCOMPARE(form.fileMenu->title(), text(e.fileMenu));
    QCOMPARE(form.openAction->text(), text(e.openItem));
    QCOMPARE(form.languageMenu->title(), text(e.languageMenu));
    QCOMPARE(form.englishAction->text(), text(e.englishItem));
    QCOMPARE(form.optionalFunctionsAction->text(), text(e.optionalFunctionsItem));
    QCOMPARE(form.bandFrame->title(), text(e.bandFrame));
    QCOMPARE(form.functionPanel->title(), text(e.functionPanel));
    QCOMPARE(form.bandLabel->text(), text(e.bandLabel));
    QCOMPARE(form.timeOutLabel->text(), text(e.timeOutLabel));
    QCOMPARE(form.voicePromptList->itemText(2), text(e.voicePromptEntry2));
    // Until a table is written after start-up, the time-out list keeps the entries it was
    // filled with (" S"); converting them changes nothing.
    QCOMPARE(form.timeOutList->itemText(0), timeOutListTranslated ? text(e.timeOutEntry0) : "15 S");
    QCOMPARE(form.timeOutList->count(), 40);
    QCOMPARE(form.timeOutWarningList->itemText(0), text(e.timeOutWarningEntry0));
    QCOMPARE(form.squelchList->itemText(9), text(e.squelchEntry9));
    QCOMPARE(form.batterySaveList->itemText(1), text(e.batterySaveEntry1));
    QCOMPARE(cell(form, 0, 2), text(e.header2));
    QCOMPARE(cell(form, 0, 7), text(e.header7));
    QCOMPARE(QString::fromStdString(form.state().table.at(0, 7)), text(e.header7));
    QCOMPARE(form.toolbarButton(ToolbarButton::Read)->text(), text(e.toolbar5));
    QCOMPARE(QString::fromStdString(form.state().lists.toneOff), text(e.toneOff));
    // The in-cell editors' lists.
    QCOMPARE(form.cellEditors->toneList->itemText(0), text(e.toneOff));
    QCOMPARE(form.cellEditors->toneList->itemText(1), QString("67.0"));
    QCOMPARE(form.cellEditors->optionLists[5]->itemText(1), text(e.power));
    QCOMPARE(form.cellEditors->optionLists[6]->itemText(1), text(e.forbid));
    // Every header stays readable in every language ("Channel" is wider than its column).
    for (int column = 0; column < kTableCols; ++column)
        QVERIFY2(form.channelTable->columnWidth(column) >=
                     form.channelTable->fontMetrics().horizontalAdvance(cell(form, 0, column)),
                 qPrintable(cell(form, 0, column)));
}

void checkChannel(const MainWindow& form, int language) {
    const Expected& e = expectedFor(language);
    QCOMPARE(cell(form, 1, 1), QString("438.12500"));
    QCOMPARE(cell(form, 1, 2), QString::fromUtf8(e.toneOff));
    QCOMPARE(cell(form, 1, 4), QString("D023N"));
    QCOMPARE(cell(form, 1, 5), QString::fromUtf8(e.power));
    QCOMPARE(cell(form, 1, 6), QString::fromUtf8(e.forbid));
    QCOMPARE(cell(form, 2, 0), QString("02"));
    QVERIFY(cell(form, 2, 5).isEmpty());
}

QAction* menuCommand(MainWindow& form, int language) {
    return language == 0   ? form.simplifiedChineseAction
           : language == 1 ? form.englishAction
                           : form.traditionalChineseAction;
}

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT

  private slots:
    void startsInTheRequestedLanguage_data() {
        QTest::addColumn<QString>("request");
        QTest::addColumn<int>("language");
        QTest::newRow("none") << "" << 0;
        QTest::newRow("english") << "english" << 1;
        QTest::newRow("chinesetrad") << "chinesetrad" << 2;
        QTest::newRow("English") << "English" << 0;
    }
    void startsInTheRequestedLanguage() {
        QFETCH(QString, request);
        QFETCH(int, language);
        Fixture f(request.toStdString());
        MainWindow form(f.state, f.services);
        // The time-out list is filled after the captions, with " S" in every language.
        QCOMPARE(form.timeOutList->itemText(0), QString("15 S"));
        checkWindow(form, language, false);
        QCOMPARE(f.request.clears, request.isEmpty() ? 0 : 1);
    }

    void switchesEveryWay_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        for (int from = 0; from < 3; ++from)
            for (int to = 0; to < 3; ++to)
                if (from != to) QTest::addRow("%d to %d", from, to) << from << to;
    }
    void switchesEveryWay() {
        QFETCH(int, from);
        QFETCH(int, to);
        Fixture f;
        MainWindow form(f.state, f.services);
        if (from != 0) menuCommand(form, from)->trigger();
        addChannel(form);
        checkWindow(form, from, from == 1, true);
        checkChannel(form, from);

        menuCommand(form, to)->trigger();
        checkWindow(form, to, to != 2 || from == 1, true);
        checkChannel(form, to);
    }

    void choosingTheLanguageInForceChangesNothing() {
        for (int language = 0; language < 3; ++language) {
            Fixture f;
            MainWindow form(f.state, f.services);
            if (language != 0) menuCommand(form, language)->trigger();
            addChannel(form);
            // Marks that any rewrite would overwrite.
            form.bandLabel->setText("mark");
            form.openAction->setText("mark");
            form.batterySaveList->setItemText(0, "mark");
            form.state().table.at(1, 2) = "mark";
            form.state().table.at(1, 5) = "mark";
            form.refreshFromState();

            menuCommand(form, language)->trigger();
            QCOMPARE(form.state().languageState, language);
            QCOMPARE(form.bandLabel->text(), QString("mark"));
            QCOMPARE(form.openAction->text(), QString("mark"));
            QCOMPARE(form.batterySaveList->itemText(0), QString("mark"));
            QCOMPARE(cell(form, 1, 2), QString("mark"));
            QCOMPARE(cell(form, 1, 5), QString("mark"));
        }
    }

    void traditionalComesFromTheChineseTextsNeverTheEnglish() {
        Fixture f;
        MainWindow form(f.state, f.services);
        form.englishAction->trigger();
        form.traditionalChineseAction->trigger();
        QCOMPARE(form.voicePromptLabel->text(), QString("語言通知"));
        QCOMPARE(form.timeOutWarningLabel->text(), QString("發射超時預警"));
        QCOMPARE(form.beepList->itemText(0), QString("禁止"));
        QCOMPARE(form.traditionalChineseAction->text(), QString("繁體中文"));
        QCOMPARE(form.helpTopicsAction->text(), QString("幫助主題  F1"));
        // The toolbar buttons are rewritten in Simplified Chinese, not converted.
        for (int button : {1, 2, 3, 5, 6})
            QVERIFY(!form.toolbarButton(ToolbarButton(button))
                         ->text()
                         .contains(QRegularExpression("[A-Za-z]")));
        QCOMPARE(form.toolbarButton(ToolbarButton::Open)->text(), QString("打开"));
    }

    void traditionalLeavesTextBoxesAndCellsBelowTheHeader() {
        Fixture f;
        MainWindow form(f.state, f.services);
        addChannel(form);
        form.state().table.at(3, 1) = "446.00625";
        form.state().table.at(3, 2) = "67.0";
        form.refreshFromState();
        form.traditionalChineseAction->trigger();
        QCOMPARE(cell(form, 3, 2), QString("67.0"));
        QCOMPARE(cell(form, 1, 4), QString("D023N"));
        QCOMPARE(cell(form, 0, 0), QString("信道"));
        QCOMPARE(cell(form, 5, 0), QString("05"));
        // The band list has no caption row and stays as designed.
        QCOMPARE(form.bandList->itemText(0), QString("400-470MHz"));
    }

    void backFromTraditionalKeepsConvertedTextsOutsideTheTables() {
        Fixture f;
        MainWindow form(f.state, f.services);
        form.transferStatus->setText("请稍后"); // the status line has no caption row
        form.traditionalChineseAction->trigger();
        QCOMPARE(form.transferStatus->text(), QString("請稍後"));
        form.simplifiedChineseAction->trigger();
        QCOMPARE(form.bandLabel->text(), QString("频段"));
        QCOMPARE(form.transferStatus->text(), QString("請稍後"));
    }
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
