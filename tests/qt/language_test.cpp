// The three languages over the main window: start-up in each language and every switch by
// the language menu, checked on the widgets and on the editor state.
#include "WindowFixture.h"
#include "editor/gui/DropDownComboBox.h"
#include "localisation/StartupLanguage.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTableWidget>
#include <QToolBar>
#include <QtTest>

#include <array>
#include <memory>

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

struct Fixture : test::WindowServices {
    OneRequest request;
    explicit Fixture(std::string startupRequest = {}) : request(std::move(startupRequest)) {
        services.languageRequest = &request;
    }
};

// The texts a user sees, one control of each kind, by language state: Simplified, English,
// Traditional. Window title and toolbar captions stay Simplified.
enum Text {
    Title,
    LanguageMenu,
    OptionalFunctionsItem,
    BandFrame,
    TimeOutLabel,
    VoicePromptEntry2,
    TimeOutEntry0,
    SquelchEntry9,
    Header7,
    Toolbar5,
    ToneOff,
    Power,
    Forbid
};
const char* const kTexts[][3] = {{"TLV6200 对讲机编程软件 V1.00", "TLV6200 Radio Software V1.00",
                                  "TLV6200 对讲机编程软件 V1.00"},
                                 {"语言选择(&L)", "Languages(&L)", "語言選擇(&L)"},
                                 {"可选功能", "Optional function ", "可選功能"},
                                 {"机型选择", "Model", "機型選擇"},
                                 {"发射超时", "Time-out:", "發射超時"},
                                 {"英文", "Englist", "英文"},
                                 {"15 秒", "15 S", "15 秒"},
                                 {"9 级", "9 Group", "9 級"},
                                 {"宽\\窄带", "Band", "寬\\窄帶"},
                                 {"读频", "Read frequency", "读频"},
                                 {"关闭", "Off", "關閉"},
                                 {"高", "Hight", "高"},
                                 {"载波", "Carrow", "載波"}};

QString text(Text which, int language) {
    return QString::fromUtf8(kTexts[which][language]);
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
    const auto e = [language](Text which) { return text(which, language); };
    QCOMPARE(form.state().languageState, language);
    QCOMPARE(form.windowTitle(), (edited ? "*" : "") + e(Title));
    QCOMPARE(form.languageMenu->title(), e(LanguageMenu));
    QCOMPARE(form.optionalFunctionsAction->text(), e(OptionalFunctionsItem));
    QCOMPARE(form.bandFrame->title(), e(BandFrame));
    QCOMPARE(form.timeOutLabel->text(), e(TimeOutLabel));
    QCOMPARE(form.voicePromptList->itemText(2), e(VoicePromptEntry2));
    // Until a table is written after start-up, the time-out list keeps the entries it was
    // filled with (" S"); converting them changes nothing.
    QCOMPARE(form.timeOutList->itemText(0), timeOutListTranslated ? e(TimeOutEntry0) : "15 S");
    QCOMPARE(form.timeOutList->count(), 40);
    QCOMPARE(form.squelchList->itemText(9), e(SquelchEntry9));
    QCOMPARE(cell(form, 0, 7), e(Header7));
    QCOMPARE(QString::fromStdString(form.state().table.at(0, 7)), e(Header7));
    QCOMPARE(form.toolbarButton(ToolbarButton::Read)->text(), e(Toolbar5));
    QCOMPARE(QString::fromStdString(form.state().lists.toneOff), e(ToneOff));
    // The in-cell editors' lists.
    QCOMPARE(form.cellEditors->toneList->itemText(0), e(ToneOff));
    QCOMPARE(form.cellEditors->toneList->itemText(1), QString("67.0"));
    QCOMPARE(form.cellEditors->optionLists[5]->itemText(1), e(Power));
    QCOMPARE(form.cellEditors->optionLists[6]->itemText(1), e(Forbid));
    // Every header stays readable in every language ("Channel" is wider than its column).
    for (int column = 0; column < kTableCols; ++column)
        QVERIFY2(form.channelTable->columnWidth(column) >=
                     form.channelTable->fontMetrics().horizontalAdvance(cell(form, 0, column)),
                 qPrintable(cell(form, 0, column)));
}

void checkChannel(const MainWindow& form, int language) {
    QCOMPARE(cell(form, 1, 1), QString("438.12500"));
    QCOMPARE(cell(form, 1, 2), text(ToneOff, language));
    QCOMPARE(cell(form, 1, 4), QString("D023N"));
    QCOMPARE(cell(form, 1, 5), text(Power, language));
    QCOMPARE(cell(form, 1, 6), text(Forbid, language));
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

    // Qt's own texts follow the language: the standard context menu of a text field.
    void qtsOwnTextsFollowTheLanguage() {
        Fixture f;
        MainWindow form(f.state, f.services);
        const std::array<QString, 3> paste{QStringLiteral("粘贴"), QStringLiteral("Paste"),
                                           QStringLiteral("貼上")};
        for (int language : {1, 2, 0}) {
            menuCommand(form, language)->trigger();
            QLineEdit field;
            std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
            QStringList texts;
            for (QAction* action : menu->actions())
                texts << action->text();
            QVERIFY2(texts.join(QLatin1Char(' ')).contains(paste[language]),
                     qPrintable(texts.join(QLatin1Char(' '))));
        }
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
