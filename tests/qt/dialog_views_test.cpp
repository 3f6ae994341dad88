// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs as views of the document: what they show after a load, an undo, an import or New,
// the about box and the manual, and their texts in each language.
#include "DialogFixture.h"

using namespace tlv;
using namespace tlv::test;

namespace {

namespace optional = optional_functions_names;
namespace power = power_level_names;
using Fixture = DialogWindow;

} // namespace

class DialogViewsTest : public QObject {
    Q_OBJECT

  private slots:
    void decodeRefreshesEveryDialog();
    void everyDialogShowsTheDataAfterUndoImportAndNew();
    void aboutBoxAndWebLinks();
    void userManualOfTheLanguageInForce();
    void dialogsFollowTheLanguageMenus();
};

void DialogViewsTest::decodeRefreshesEveryDialog() {
    Fixture f;
    RadioData source = MakeStartupEditor().radio();
    source.channel(2).rx = source.channel(2).tx = Frequency{44600625};
    source.keys = {4, 8};
    source.powerLevels = {150, 40};
    source.testFrequencies[3] = {Frequency{44012500}, Frequency{44512500}};
    source.embeddedTexts = {"FIRST LINE", "second"};
    source.options.voxGain = 7;
    source.options.priorityMode = 1;
    source.options.priorityChannel = 2;
    source.options.scanRxResumeDelay = 45;

    f.ui.model.switchServiceModeOn();
    QVERIFY(LoadImage(f.state, EncodeImage(source)).empty());
    f.ui.model.refresh();
    auto* keys = f.dialog<KeysDialog>();
    auto* power = f.dialog<PowerLevelDialog>();
    auto* options = f.dialog<OptionalFunctionsDialog>();
    QCOMPARE(list(keys, keys_names::Pf1List)->currentText(), QStringLiteral("监听"));
    QCOMPARE(list(keys, keys_names::Pf2List)->currentText(), QStringLiteral("照明灯开关"));
    QCOMPARE(slider(power, power::HighPowerSlider)->value(), 150);
    QCOMPARE(label(power, power::LowPowerValue)->text(), QStringLiteral("40"));
    QVERIFY(!f.state.session.serviceMode); // a decode ends the service mode ...
    QVERIFY(slider(power, power::HighPowerSlider)->isEnabled()); // ... but not the sliders
    QTableWidget* tests = grid(f.dialog<TestFrequencyDialog>());
    QCOMPARE(tests->item(3, 1)->text(), QStringLiteral("440.12500"));
    QCOMPARE(tests->item(3, 2)->text(), QStringLiteral("445.12500"));
    QCOMPARE(textBox(f.dialog<EmbeddedTextsDialog>(), embedded_texts_names::FirstTextBox)->text(),
             QStringLiteral("FIRST LINE"));
    QCOMPARE(list(options, optional::VoxGainList)->currentIndex(), 7);
    QCOMPARE(list(options, optional::PriorityModeList)->currentIndex(), 1);
    QCOMPARE(list(options, optional::PriorityChannelList)->currentText(), QStringLiteral("02"));
    QCOMPARE(textBox(options, optional::RxResumeDelayBox)->text(), QStringLiteral("45"));
    QVERIFY(f.box.shown.empty());
}

// The optional-functions dialog of the report: a refused OK is no step; after undo, redo, an
// import and New every dialog, open or hidden, shows the data, not what was typed before.

void DialogViewsTest::everyDialogShowsTheDataAfterUndoImportAndNew() {
    Fixture f;
    test::TemporaryFolder folder;
    f.ui.englishAction->trigger();
    auto* options = f.dialog<OptionalFunctionsDialog>();
    auto* keys = f.dialog<KeysDialog>();
    QLineEdit* rxDelay = textBox(options, optional::RxResumeDelayBox);
    const auto type = [&](const char* text) {
        rxDelay->selectAll();
        QTest::keyClicks(rxDelay, QString::fromLatin1(text));
    };
    const auto storedDelay = [&] {
        const std::optional<uint16_t>& delay = f.state.radio().options.scanRxResumeDelay;
        return delay ? QString::number(*delay) : QString();
    };
    const QString startDelay = storedDelay();
    const RadioData start = f.state.radio();

    f.ui.optionalFunctionsAction->trigger();
    type("40000");
    click(okButton(options));
    QCOMPARE(f.box.shown.size(), std::size_t(1));
    QVERIFY(f.state.radio() == start);
    QVERIFY(!f.ui.model.history().canUndo());
    type("300");
    click(okButton(options));
    QVERIFY(!options->isVisible());
    QCOMPARE(storedDelay(), QStringLiteral("300"));
    QCOMPARE(f.ui.model.history().undoSteps(), std::size_t(1));

    // Typed again but cancelled, then undone: the dialog shows the data of the start.
    f.ui.optionalFunctionsAction->trigger();
    type("40000");
    click(cancelButton(options));
    f.ui.undoAction->trigger();
    QCOMPARE(storedDelay(), startDelay);
    QCOMPARE(rxDelay->text(), startDelay);
    f.ui.redoAction->trigger();
    QCOMPARE(rxDelay->text(), QStringLiteral("300"));

    // An import while the dialogs hold typed values: they show what was imported.
    f.ui.optionalFunctionsAction->trigger();
    type("12");
    f.ui.keysAction->trigger();
    list(keys, keys_names::Pf1List)->setCurrentIndex(7);
    const std::string json = folder.file("settings.json");
    test::WriteBytes(json, R"({"settings": {"ScanRxResumeDelay": 45, "KeyFunction1": 4}})");
    f.dialogs.openAnswers = {json};
    f.ui.importAction->trigger();
    QCOMPARE(storedDelay(), QStringLiteral("45"));
    QCOMPARE(rxDelay->text(), QStringLiteral("45"));
    QCOMPARE(list(keys, keys_names::Pf1List)->currentIndex(), 4);

    // New after a value typed but not confirmed: the dialog shows the data again.
    type("99");
    f.box.answers = {IdDiscard};
    f.ui.newAction->trigger();
    QCOMPARE(rxDelay->text(), storedDelay());
    QCOMPARE(f.state.dialogs.optionalFunctions.scanRxResumeDelay, storedDelay().toStdString());
}

void DialogViewsTest::aboutBoxAndWebLinks() {
    Fixture f;
    auto* d = f.dialog<AboutDialog>();
    f.ui.aboutAction->trigger();
    QVERIFY(d->isVisible());
    QVERIFY(f.form.isEnabled()); // the main window stays usable
    QCOMPARE(label(d, about_names::VersionLabel)->text(), QStringLiteral("简体中文版 V1.00"));
    click(label(d, about_names::DeveloperLink));
    QCOMPARE(f.opened.size(), 1);
    QCOMPARE(f.opened[0].toString(), QString::fromLatin1(kMakerWebPage));
    QCOMPARE(f.opened[0].host(), QStringLiteral("www.example.com"));
    click(Control<QPushButton>(d, about_names::OkButton));
    QVERIFY(!d->isVisible());
    // The rights line of the main window opens the same page.
    click(f.ui.rightsLine);
    QCOMPARE(f.opened.size(), 2);
    QCOMPARE(f.opened[1], f.opened[0]);
    // With no program to open them, the link, F1 and the backup folder say so and give the
    // place to open by hand.
    SetUrlOpener([](const QUrl&) { return false; });
    test::TemporaryFolder folder;
    f.services.backupFolder = folder.file("backups");
    f.ui.englishAction->trigger();
    f.form.show();
    f.form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.form));
    QTest::keyClick(&f.form, Qt::Key_F1);
    f.ui.backupFolderAction->trigger();
    f.ui.aboutAction->trigger();
    click(label(d, about_names::DeveloperLink));
    const std::string noProgram = std::string(msg::NoOpeningProgram.text.en) + "\n";
    const std::string manual =
        ManualStartPage(QCoreApplication::applicationDirPath().toStdString(), Language::English);
    QCOMPARE(f.box.shown.size(), size_t(3));
    QCOMPARE(f.box.shown[0].text, noProgram + manual);
    QCOMPARE(f.box.shown[1].text, noProgram + folder.file("backups"));
    QCOMPARE(f.box.shown[2].text, noProgram + kMakerWebPage);
}

void DialogViewsTest::userManualOfTheLanguageInForce() {
    Fixture f;
    f.form.show();
    f.form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.form));
    // A program of the build tree opens the manual that the build put into the build folder.
    const auto page = [](const char* language) {
        return QUrl::fromLocalFile(QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                                   "/../manual/" + language + "/index.html"));
    };
    QTest::keyClick(&f.form, Qt::Key_F1);
    f.ui.englishAction->trigger();
    QMenuBar* bar = f.form.menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {},
                      bar->actionGeometry(f.ui.helpMenu->menuAction()).center());
    QTRY_VERIFY(f.ui.helpMenu->isVisible());
    QCOMPARE(f.ui.userManualAction->text(), QStringLiteral("User manual"));
    QTest::mouseClick(f.ui.helpMenu, Qt::LeftButton, {},
                      f.ui.helpMenu->actionGeometry(f.ui.userManualAction).center());
    f.ui.traditionalChineseAction->trigger();
    QCOMPARE(f.ui.userManualAction->text(), QStringLiteral("用戶手冊"));
    QTest::keyClick(&f.form, Qt::Key_F1);
    QCOMPARE(f.opened, QList<QUrl>({page("zh-CN"), page("en"), page("zh-TW")}));
    for (const QUrl& url : f.opened)
        QVERIFY2(QFile::exists(url.toLocalFile()), qPrintable(url.toLocalFile()));
    QVERIFY(f.box.shown.empty());

    // Without the manual the message names the page that is missing.
    test::TemporaryFolder nowhere;
    const QString program = QString::fromStdString(nowhere.file("bin"));
    OpenUserManual(f.box, Language::English, program);
    QCOMPARE(f.box.shown.size(), size_t(1));
    QCOMPARE(f.box.shown[0].text, std::string(msg::HelpFileMissing.text.en) + "\n" +
                                      ManualStartPage(program.toStdString(), Language::English));
    QCOMPARE(f.opened.size(), 3);
}

void DialogViewsTest::dialogsFollowTheLanguageMenus() {
    Fixture f;
    auto* options = f.dialog<OptionalFunctionsDialog>();
    auto* about = f.dialog<AboutDialog>();
    f.ui.englishAction->trigger();
    QCOMPARE(label(options, optional::RevertTimeALabel)->text(), QStringLiteral("Retrace Time A"));
    QCOMPARE(list(options, optional::PriorityModeList)->itemText(1), QStringLiteral("Fixed"));
    QCOMPARE(list(f.dialog<KeysDialog>(), keys_names::Pf1List)->currentText(),
             QStringLiteral("Instant cancel static noise"));
    QCOMPARE(cancelButton(f.dialog<EmbeddedTextsDialog>())->text(), QStringLiteral("Cancel"));
    QCOMPARE(label(f.dialog<PowerLevelDialog>(), power::HighPowerMaxLabel)->text(),
             QStringLiteral("Hight"));
    QCOMPARE(grid(f.dialog<TestFrequencyDialog>())->horizontalHeaderItem(2)->text(),
             QStringLiteral("TX Frequency"));
    QCOMPARE(label(about, about_names::VersionLabel)->text(),
             QStringLiteral("English version V1.00"));
    // The choice of a list survives the new entry texts.
    QCOMPARE(list(options, optional::VoxGainList)->currentIndex(), 1);

    f.ui.traditionalChineseAction->trigger();
    QCOMPARE(label(options, optional::RevertTimeALabel)->text(), QStringLiteral("回掃時間A"));
    QCOMPARE(label(about, about_names::VersionLabel)->text(), QStringLiteral("繁體中文版 V1.0"));
    // Messages follow the language too.
    f.ui.optionalFunctionsAction->trigger();
    pick(list(options, optional::PriorityModeList), 1);
    QCOMPARE(f.box.shown.back().title, std::string("提示"));
    QVERIFY(f.box.shown.back().text.find("當設定為") == 0);
}

QTEST_MAIN(DialogViewsTest)
#include "dialog_views_test.moc"
