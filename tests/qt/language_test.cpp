// SPDX-License-Identifier: GPL-3.0-or-later
// The three languages over the main window: start-up in each language and every switch by
// the language menu, checked on the widgets and on the editor state.
#include "WindowFixture.h"
#include "language/StartupLanguage.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QFile>
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

QString text(Text which, Language language) {
    return QString::fromUtf8(kTexts[which][LanguageCode(language)]);
}

using test::MainWindowControls;

QString cell(const MainWindowControls& ui, int row, int column) {
    return ui.table->item(row, column)->text();
}

// Channel 1 in use: receive tone off, transmit tone D023N, high power, carrier inhibit.
void addChannel(MainWindowControls& ui) {
    Channel& channel = ui.model.state().radio().channel(1);
    channel.rx = channel.tx = Frequency{43812500};
    channel.txTone = Tone::Dcs(0023, false);
    channel.power = Power::High;
    channel.forbid = TransmitForbid::OnCarrier;
    ui.model.refresh();
}

// `edited`: the editor holds unsaved changes, which the title marks with "*".
void checkWindow(MainWindowControls& ui, Language language, bool timeOutListTranslated = true,
                 bool edited = false) {
    const auto e = [language](Text which) { return text(which, language); };
    QCOMPARE(ui.model.language(), language);
    QCOMPARE(ui.form.windowTitle(), (edited ? "*" : "") + e(Title));
    QCOMPARE(ui.languageMenu->title(), e(LanguageMenu));
    QCOMPARE(ui.optionalFunctionsAction->text(), e(OptionalFunctionsItem));
    QCOMPARE(ui.bandFrame->title(), e(BandFrame));
    QCOMPARE(ui.timeOutLabel->text(), e(TimeOutLabel));
    QCOMPARE(ui.voicePromptList->itemText(2), e(VoicePromptEntry2));
    // Until a table is written after start-up, the time-out list keeps the entries it was
    // filled with (" S"); converting them changes nothing.
    QCOMPARE(ui.timeOutList->itemText(0), timeOutListTranslated ? e(TimeOutEntry0) : "15 S");
    QCOMPARE(ui.timeOutList->count(), 40);
    QCOMPARE(ui.squelchList->itemText(9), e(SquelchEntry9));
    QCOMPARE(cell(ui, 0, 7), e(Header7));
    QCOMPARE(ui.toolbarButton(ToolbarButton::Read)->text(), e(Toolbar5));
    // The in-cell editors' lists.
    QCOMPARE(ui.toneList->itemText(0), e(ToneOff));
    QCOMPARE(ui.toneList->itemText(1), QString("67.0"));
    QCOMPARE(ui.optionLists[5]->itemText(1), e(Power));
    QCOMPARE(ui.optionLists[6]->itemText(1), e(Forbid));
    // Every header stays readable in every language ("Channel" is wider than its column).
    for (int column = 0; column < kTableCols; ++column)
        QVERIFY2(ui.table->columnWidth(column) >=
                     ui.table->fontMetrics().horizontalAdvance(cell(ui, 0, column)),
                 qPrintable(cell(ui, 0, column)));
}

void checkChannel(const MainWindowControls& ui, Language language) {
    QCOMPARE(cell(ui, 1, 1), QString("438.12500"));
    QCOMPARE(cell(ui, 1, 2), text(ToneOff, language));
    QCOMPARE(cell(ui, 1, 4), QString("D023N"));
    QCOMPARE(cell(ui, 1, 5), text(Power, language));
    QCOMPARE(cell(ui, 1, 6), text(Forbid, language));
    QCOMPARE(cell(ui, 2, 0), QString("02"));
    QVERIFY(cell(ui, 2, 5).isEmpty());
}

QAction* menuCommand(const MainWindowControls& ui, Language language) {
    switch (language) {
    case Language::Simplified:
        return ui.simplifiedChineseAction;
    case Language::English:
        return ui.englishAction;
    case Language::Traditional:
        break;
    }
    return ui.traditionalChineseAction;
}

// Every text a user reads in `window`: its title and each control's caption, entries and
// cells, with the control's name.
QStringList textsOf(QWidget* window) {
    QStringList texts{window->windowTitle()};
    for (QWidget* control : window->findChildren<QWidget*>()) {
        const QString name = control->objectName() + QLatin1Char('=');
        if (auto* label = qobject_cast<QLabel*>(control)) texts << name + label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(control)) texts << name + button->text();
        if (auto* frame = qobject_cast<QGroupBox*>(control)) texts << name + frame->title();
        if (auto* field = qobject_cast<QLineEdit*>(control)) texts << name + field->text();
        if (auto* list = qobject_cast<QComboBox*>(control))
            for (int i = 0; i < list->count(); ++i)
                texts << name + list->itemText(i);
        if (auto* grid = qobject_cast<QTableWidget*>(control))
            for (int row = 0; row < grid->rowCount(); ++row)
                for (int column = 0; column < grid->columnCount(); ++column)
                    if (const QTableWidgetItem* item = grid->item(row, column))
                        texts << name + item->text();
    }
    return texts;
}

} // namespace

// Whether OpenCC's library is mapped into this program.
bool openccLoaded() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libopencc");
}

class LanguageTest : public QObject {
    Q_OBJECT

  private slots:
    // First of this program's tests: nothing has converted a text yet. A start in Simplified
    // Chinese does not load OpenCC; choosing Traditional Chinese does.
    void traditionalConversionIsLoadedWhenFirstChosen() {
        Fixture f;
        MainWindow form(f.state, f.services);
        test::MainWindowControls ui(form);
        QVERIFY(!openccLoaded());
        ui.traditionalChineseAction->trigger();
        QCOMPARE(f.state.language(), Language::Traditional);
        QVERIFY(openccLoaded());
    }
    void startsInTheRequestedLanguage_data() {
        QTest::addColumn<QString>("request");
        QTest::addColumn<int>("code");
        QTest::newRow("none") << "" << 0;
        QTest::newRow("english") << "english" << 1;
        QTest::newRow("chinesetrad") << "chinesetrad" << 2;
        QTest::newRow("English") << "English" << 0;
    }
    void startsInTheRequestedLanguage() {
        QFETCH(QString, request);
        QFETCH(int, code);
        const Language language = *LanguageOfCode(code);
        Fixture f(request.toStdString());
        MainWindow window(f.state, f.services);
        MainWindowControls ui(window);
        // The time-out list is filled after the captions, with " S" in every language.
        QCOMPARE(ui.timeOutList->itemText(0), QString("15 S"));
        checkWindow(ui, language, false);
        QCOMPARE(f.request.clears, request.isEmpty() ? 0 : 1);
    }

    void switchesEveryWay_data() {
        QTest::addColumn<int>("fromCode");
        QTest::addColumn<int>("toCode");
        for (int from = 0; from < 3; ++from)
            for (int to = 0; to < 3; ++to)
                if (from != to) QTest::addRow("%d to %d", from, to) << from << to;
    }
    void switchesEveryWay() {
        QFETCH(int, fromCode);
        QFETCH(int, toCode);
        const Language from = *LanguageOfCode(fromCode);
        const Language to = *LanguageOfCode(toCode);
        Fixture f;
        MainWindow window(f.state, f.services);
        MainWindowControls ui(window);
        if (from != Language::Simplified) menuCommand(ui, from)->trigger();
        addChannel(ui);
        checkWindow(ui, from, from == Language::English, true);
        checkChannel(ui, from);

        menuCommand(ui, to)->trigger();
        checkWindow(ui, to, to != Language::Traditional || from == Language::English, true);
        checkChannel(ui, to);
    }

    // Qt's own texts follow the language: the standard context menu of a text field.
    void qtsOwnTextsFollowTheLanguage() {
        Fixture f;
        MainWindow window(f.state, f.services);
        MainWindowControls ui(window);
        const std::array<QString, 3> paste{QStringLiteral("粘贴"), QStringLiteral("Paste"),
                                           QStringLiteral("貼上")};
        for (Language language : {Language::English, Language::Traditional, Language::Simplified}) {
            menuCommand(ui, language)->trigger();
            QLineEdit field;
            std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
            QStringList texts;
            for (QAction* action : menu->actions())
                texts << action->text();
            QVERIFY2(texts.join(QLatin1Char(' ')).contains(paste[LanguageCode(language)]),
                     qPrintable(texts.join(QLatin1Char(' '))));
        }
    }

    void choosingTheLanguageInForceChangesNothing() {
        for (Language language : {Language::Simplified, Language::English, Language::Traditional}) {
            Fixture f;
            MainWindow window(f.state, f.services);
            MainWindowControls ui(window);
            if (language != Language::Simplified) menuCommand(ui, language)->trigger();
            addChannel(ui);
            // Marks that any rewrite would overwrite.
            ui.bandLabel->setText("mark");
            ui.openAction->setText("mark");
            ui.batterySaveList->setItemText(0, "mark");
            ui.table->item(1, 2)->setText("mark");
            ui.table->item(1, 5)->setText("mark");

            menuCommand(ui, language)->trigger();
            QCOMPARE(ui.model.language(), language);
            QCOMPARE(ui.bandLabel->text(), QString("mark"));
            QCOMPARE(ui.openAction->text(), QString("mark"));
            QCOMPARE(ui.batterySaveList->itemText(0), QString("mark"));
            QCOMPARE(cell(ui, 1, 2), QString("mark"));
            QCOMPARE(cell(ui, 1, 5), QString("mark"));
        }
    }

    // The radio dialogs, the about box, the port window and the in-cell editors are made after
    // the window's first paint; whenever they are made, they read exactly as windows made at start
    // would: in the start-up language, and after language switches made before they were.
    void windowsMadeLaterReadAsIfMadeAtStart_data() {
        QTest::addColumn<QString>("request");
        QTest::addColumn<QList<int>>("switches");
        QTest::newRow("traditional") << "chinesetrad" << QList<int>{};
        QTest::newRow("traditional, english") << "chinesetrad" << QList<int>{1};
        QTest::newRow("simplified, traditional") << "" << QList<int>{2};
        QTest::newRow("english, traditional, simplified") << "english" << QList<int>{2, 0};
    }
    void windowsMadeLaterReadAsIfMadeAtStart() {
        QFETCH(QString, request);
        QFETCH(QList<int>, switches);
        Fixture lateServices(request.toStdString());
        MainWindow late(lateServices.state, lateServices.services);
        Fixture earlyServices(request.toStdString());
        MainWindow early(earlyServices.state, earlyServices.services);
        MainWindowControls ui(early); // finishes building at once
        const char* const commands[] = {mainwindow_names::SimplifiedChineseAction,
                                        mainwindow_names::EnglishAction,
                                        mainwindow_names::TraditionalChineseAction};
        for (int code : switches) {
            test::Control<QAction>(&late, commands[code])->trigger();
            menuCommand(ui, *LanguageOfCode(code))->trigger();
        }
        QVERIFY(late.findChild<QDialog*>() == nullptr);
        QVERIFY(test::Control<QLineEdit>(&late, mainwindow_names::FrequencyEditor) == nullptr);

        late.finishDeferredBuild();
        // The in-cell editors, made in the language in force.
        QCOMPARE(textsOf(test::MainWindowControls(late).table->viewport()),
                 textsOf(ui.table->viewport()));
        const QList<QDialog*> made = early.findChildren<QDialog*>();
        QCOMPARE(made.size(), 7);
        QCOMPARE(late.findChildren<QDialog*>().size(), 7);
        for (QDialog* dialog : made) {
            auto* twin = late.findChild<QDialog*>(dialog->objectName());
            QVERIFY2(twin != nullptr, qPrintable(dialog->objectName()));
            QCOMPARE(textsOf(twin), textsOf(dialog));
        }
        const std::array<QString, 3> scan{QStringLiteral("扫描"), QStringLiteral("Scan"),
                                          QStringLiteral("掃描")};
        auto* optionalFunctions = late.findChild<QDialog*>("Form5");
        QCOMPARE(test::Control<QGroupBox>(optionalFunctions, "Frame2")->title(),
                 scan[LanguageCode(lateServices.state.language())]);
    }

    void backFromTraditionalKeepsConvertedTextsOutsideTheTables() {
        Fixture f;
        MainWindow window(f.state, f.services);
        MainWindowControls ui(window);
        ui.transferStatus->setText("请稍后"); // the status line has no caption row
        ui.traditionalChineseAction->trigger();
        QCOMPARE(ui.transferStatus->text(), QString("請稍後"));
        ui.simplifiedChineseAction->trigger();
        QCOMPARE(ui.bandLabel->text(), QString("频段"));
        QCOMPARE(ui.transferStatus->text(), QString("請稍後"));
    }
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
