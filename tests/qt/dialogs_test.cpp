// The dialogs driven through their widgets from the main window's menus, with a scripted
// message box, a fixed clock and a recording web opener.
#include "TemporaryFolder.h"
#include "WindowFixture.h"
#include "dialogs/gui/EmbeddedTextsDialog.h"
#include "dialogs/gui/KeysDialog.h"
#include "dialogs/gui/OptionalFunctionsDialog.h"
#include "dialogs/gui/PowerLevelDialog.h"
#include "dialogs/gui/TestFrequencyDialog.h"
#include "editor/Startup.h"
#include "editor/gui/MainWindow.h"
#include "help/HelpLinks.h"
#include "help/gui/AboutDialog.h"
#include "help/gui/HelpServices.h"
#include "image/ImageCodec.h"
#include "localisation/Messages.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QTableWidget>
#include <QToolBar>
#include <QtTest>

using namespace tlv;

namespace {

struct Fixture : test::WindowServices {
    QList<QUrl> opened;
    MainWindow form{state, services};
    Fixture() {
        SetUrlOpener([this](const QUrl& url) {
            opened << url;
            return true;
        });
    }
    ~Fixture() { SetUrlOpener({}); }
};

void pick(QComboBox* list, int index) {
    list->setCurrentIndex(index); // the same signal as a user's pick
}

void click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton);
}

std::string text(const LocalText& t) {
    return t.zh;
}

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void menusOpenEachDialogModelessOwnedByTheMainWindow();
    void dialogsShowTheStartupValues();
    void form5OkStoresCancelKeeps();
    void form5FixedPriorityMessages();
    void form5SpinnerKeepsItsOwnPosition();
    void form5RefusesABadResumeDelay();
    void serviceCaptionsSwitchOnAndServiceButtonSwitchesOff();
    void form2SlidersOnlyInServiceMode();
    void form4EditsNormaliseAndOkStores();
    void form6OkStoresCancelKeeps();
    void enterPressesTheButtonTabbedTo();
    void form7KeystrokeLimitAndAsciiCheck();
    void decodeRefreshesEveryDialog();
    void aboutBoxAndWebLinks();
    void userManualOfTheLanguageInForce();
    void dialogsFollowTheLanguageMenus();
};

void DialogsTest::menusOpenEachDialogModelessOwnedByTheMainWindow() {
    Fixture f;
    const std::tuple<QAction*, QDialog*, const char*> menus[] = {
        {f.form.optionalFunctionsAction, f.form.optionalFunctionsDialog, "Form5"},
        {f.form.keysAction, f.form.keysDialog, "Form6"},
        {f.form.embeddedTextsAction, f.form.embeddedTextsDialog, "Form7"},
        {f.form.powerLevelsAction, f.form.powerLevelDialog, "Form2"},
        {f.form.testFrequenciesAction, f.form.testFrequencyDialog, "Form4"},
        {f.form.aboutAction, f.form.aboutDialog, "frmAbout"}};
    for (const auto& [action, dialog, name] : menus) {
        QCOMPARE(dialog->objectName(), QString(name));
        QVERIFY(!dialog->isVisible());
        action->trigger();
        QVERIFY(dialog->isVisible());
        QVERIFY(!dialog->isModal());
        QCOMPARE(dialog->parentWidget(), &f.form);
    }
    // The close box only hides; the instance and its controls stay.
    f.form.optionalFunctionsDialog->close();
    QVERIFY(!f.form.optionalFunctionsDialog->isVisible());
    QCOMPARE(f.form.findChildren<OptionalFunctionsDialog*>().size(), 1);
}

void DialogsTest::dialogsShowTheStartupValues() {
    Fixture f;
    QCOMPARE(f.form.keysDialog->pf1List->currentIndex(), 10); // the start value, not 0
    QCOMPARE(f.form.powerLevelDialog->highPowerValue->text(), QStringLiteral("208"));
    QCOMPARE(f.form.powerLevelDialog->lowPowerSlider->value(), 92);
    QCOMPARE(f.form.optionalFunctionsDialog->voxGainList->currentIndex(), 1);
    QCOMPARE(f.form.optionalFunctionsDialog->revertTimeAList->itemText(91),
             QStringLiteral("5.00 S"));
    // OK everywhere right after start-up keeps every store.
    const SettingsStores before = f.state.stores;
    for (QPushButton* ok : {f.form.optionalFunctionsDialog->okButton, f.form.keysDialog->okButton,
                            f.form.embeddedTextsDialog->okButton, f.form.powerLevelDialog->okButton,
                            f.form.testFrequencyDialog->okButton})
        click(ok);
    QCOMPARE(f.state.stores.options.entry, before.options.entry);
    QCOMPARE(f.state.stores.dtmf.value, before.dtmf.value);
    QCOMPARE(f.state.stores.keyFunction1, before.keyFunction1);
    QCOMPARE(f.state.stores.highPowerLevel, before.highPowerLevel);
    QCOMPARE(f.state.stores.testFrequencies, before.testFrequencies);
    QVERIFY(f.box.shown.empty());
}

void DialogsTest::form5OkStoresCancelKeeps() {
    Fixture f;
    OptionalFunctionsDialog* d = f.form.optionalFunctionsDialog;
    f.form.optionalFunctionsAction->trigger();
    pick(d->voxGainList, 6);
    d->cancelOperationBox->click(); // start value 1: now unchecked
    d->rxResumeDelayBox->setText(QStringLiteral("120"));
    click(d->cancelButton);
    QVERIFY(!d->isVisible());
    QCOMPARE(f.state.stores.options.entry[OptionSettings::VoxGain], std::string("1"));
    QCOMPARE(f.state.stores.options.entry[OptionSettings::CancelOperation], std::string("1"));
    // Shown again: the changes are still there, and OK stores them.
    f.form.optionalFunctionsAction->trigger();
    QCOMPARE(d->voxGainList->currentIndex(), 6);
    QVERIFY(!d->cancelOperationBox->isChecked());
    click(d->okButton);
    QVERIFY(!d->isVisible());
    QCOMPARE(f.state.stores.options.entry[OptionSettings::VoxGain], std::string("6"));
    QCOMPARE(f.state.stores.options.entry[OptionSettings::CancelOperation], std::string("0"));
    QCOMPARE(f.state.stores.options.entry[OptionSettings::ScanRxResumeDelay], std::string("120"));
}

void DialogsTest::form5FixedPriorityMessages() {
    Fixture f;
    OptionalFunctionsDialog* d = f.form.optionalFunctionsDialog;
    f.form.optionalFunctionsAction->trigger();
    // All channels empty: Fixed is refused with the tip and the list goes back to "无".
    pick(d->priorityModeList, 1);
    QCOMPARE(f.box.shown.size(), size_t(1));
    QCOMPARE(f.box.shown[0].text, text(msg::FixedNeedsChannel.text));
    QCOMPARE(f.box.shown[0].title, std::string("提示"));
    QCOMPARE(d->priorityModeList->currentIndex(), 0);

    f.state.table.at(4, col::RxFrequency) = "446.00625";
    f.state.table.at(7, col::RxFrequency) = "446.10000";
    pick(d->priorityModeList, 1);
    QCOMPARE(d->priorityModeList->currentIndex(), 1);
    QCOMPARE(d->priorityChannelList->currentText(), QStringLiteral("04"));
    pick(d->priorityChannelList, 6); // "07" is in use
    QCOMPARE(d->priorityChannelList->currentText(), QStringLiteral("07"));
    QCOMPARE(f.box.shown.size(), size_t(1));
    pick(d->priorityChannelList, 8); // "09" is empty: back to the Fixed search's channel, not "07"
    QCOMPARE(f.box.shown.size(), size_t(2));
    QCOMPARE(f.box.shown[1].text, text(msg::EmptyChannelChosen.text));
    QCOMPARE(d->priorityChannelList->currentText(), QStringLiteral("04"));
    // Selected: any channel.
    pick(d->priorityModeList, 2);
    pick(d->priorityChannelList, 8);
    QCOMPARE(d->priorityChannelList->currentText(), QStringLiteral("09"));
    QCOMPARE(f.box.shown.size(), size_t(2));
}

void DialogsTest::form5SpinnerKeepsItsOwnPosition() {
    Fixture f;
    OptionalFunctionsDialog* d = f.form.optionalFunctionsDialog;
    f.state.optionalFunctions.scanRxResumeDelay = "120";
    f.form.refreshFromState();
    QCOMPARE(d->rxResumeDelayBox->text(), QStringLiteral("120"));
    d->rxResumeDelaySpinner->triggerAction(
        QAbstractSlider::SliderSingleStepSub); // upper arrow at 0
    QCOMPARE(d->rxResumeDelayBox->text(), QStringLiteral("120"));
    d->rxResumeDelaySpinner->triggerAction(QAbstractSlider::SliderSingleStepAdd); // lower arrow
    QCOMPARE(d->rxResumeDelayBox->text(), QStringLiteral("1"));
    QCOMPARE(f.state.optionalFunctions.scanRxResumeDelay, std::string("1"));
    d->rxResumeDelaySpinner->triggerAction(QAbstractSlider::SliderPageStepAdd); // track: also one
    QCOMPARE(d->rxResumeDelayBox->text(), QStringLiteral("2"));
    QCOMPARE(d->rxResumeDelaySpinner->maximum(), 300);
    QCOMPARE(d->txResumeDelaySpinner->maximum(), 300);
    d->txResumeDelaySpinner->triggerAction(QAbstractSlider::SliderToMaximum);
    QCOMPARE(d->txResumeDelayBox->text(), QStringLiteral("300"));
}

void DialogsTest::form5RefusesABadResumeDelay() {
    Fixture f;
    f.state.languageState = 1;
    OptionalFunctionsDialog* d = f.form.optionalFunctionsDialog;
    f.form.optionalFunctionsAction->trigger();
    pick(d->voxEnableList, 0);
    d->rxResumeDelayBox->setText(QStringLiteral("five"));
    click(d->okButton);
    QVERIFY(d->isVisible());
    QCOMPARE(f.box.shown.size(), size_t(1));
    QCOMPARE(f.box.shown[0].text, std::string(msg::RxResumeDelayInvalid.text.en));
    QCOMPARE(f.box.shown[0].title, std::string("Tip"));
    QCOMPARE(f.state.stores.options.entry[OptionSettings::VoxEnable], std::string("1"));
    d->rxResumeDelayBox->setText(QStringLiteral("300"));
    d->txResumeDelayBox->setText(QStringLiteral("301"));
    click(d->okButton);
    QCOMPARE(f.box.shown.back().text, std::string(msg::TxResumeDelayInvalid.text.en));
    QCOMPARE(f.state.stores.options.entry[OptionSettings::VoxEnable], std::string("1"));
    d->txResumeDelayBox->clear();
    click(d->okButton);
    QVERIFY(!d->isVisible());
    QCOMPARE(f.state.stores.options.entry[OptionSettings::VoxEnable], std::string("0"));
}

void DialogsTest::serviceCaptionsSwitchOnAndServiceButtonSwitchesOff() {
    Fixture f;
    OptionalFunctionsDialog* d = f.form.optionalFunctionsDialog;
    f.form.optionalFunctionsAction->trigger();
    f.form.powerLevelsAction->trigger();
    QAction* serviceButton = f.form.toolbarButton(ToolbarButton::Service);
    QVERIFY(!serviceButton->isVisible());
    QVERIFY(!f.form.powerLevelDialog->highPowerSlider->isEnabled());

    // Other captions are no part of the switch; the three within five seconds are.
    f.clock.now = 1000.0;
    click(d->revertTimeALabel);
    click(d->priorityModeLabel);
    click(d->priorityChannelLabel);
    QCOMPARE(f.state.serviceMode, 0);
    f.clock.now = 1002.0;
    click(d->revertTimeBLabel);
    QCOMPARE(f.state.serviceMode, 0);
    f.clock.now = 1004.0;
    click(d->returnChannelLabel);
    QCOMPARE(f.state.serviceMode, 1);
    QVERIFY(serviceButton->isVisible());
    QVERIFY(f.form.powerLevelDialog->highPowerSlider->isEnabled());
    QVERIFY(f.form.powerLevelDialog->lowPowerSlider->isEnabled());

    // Two quick clicks on the service button: off, sliders disabled, the sequence reset.
    f.clock.now = 2000.2;
    serviceButton->trigger();
    f.clock.now = 2000.6;
    serviceButton->trigger();
    QCOMPARE(f.state.serviceMode, 0);
    QVERIFY(!serviceButton->isVisible());
    QVERIFY(!f.form.powerLevelDialog->highPowerSlider->isEnabled());
    QVERIFY(!d->serviceSwitch().latched);
}

void DialogsTest::form2SlidersOnlyInServiceMode() {
    Fixture f;
    PowerLevelDialog* d = f.form.powerLevelDialog;
    f.form.powerLevelsAction->trigger();
    QVERIFY(!d->highPowerSlider->isEnabled());
    QVERIFY(!d->lowPowerSlider->isEnabled());
    QTest::keyClick(d->highPowerSlider, Qt::Key_Right); // a disabled slider does not move
    QCOMPARE(d->highPowerSlider->value(), 208);

    f.form.serviceModeOn();
    QVERIFY(d->highPowerSlider->isEnabled());
    d->highPowerSlider->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(d->highPowerSlider->value(), 213);
    QCOMPARE(d->highPowerValue->text(), QStringLiteral("213"));
    d->lowPowerSlider->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(d->lowPowerValue->text(), QStringLiteral("91"));
    // The close box stores nothing, the sliders keep their positions.
    d->close();
    QCOMPARE(f.state.stores.highPowerLevel, int16_t(208));
    f.form.powerLevelsAction->trigger();
    QCOMPARE(d->highPowerSlider->value(), 213);
    click(d->okButton);
    QVERIFY(!d->isVisible());
    QCOMPARE(f.state.stores.highPowerLevel, int16_t(213));
    QCOMPARE(f.state.stores.lowPowerLevel, int16_t(91));
    QCOMPARE(d->highPowerSlider->maximum(), 255);
}

void DialogsTest::form4EditsNormaliseAndOkStores() {
    Fixture f;
    TestFrequencyDialog* d = f.form.testFrequencyDialog;
    f.form.testFrequenciesAction->trigger();
    QVERIFY(QTest::qWaitForWindowExposed(d));
    QTableWidget* grid = d->testFrequencyGrid;
    QCOMPARE(grid->horizontalHeaderItem(1)->text(), QStringLiteral("接收频率"));

    // The transmit cell of a row without a receive frequency does not open.
    grid->setCurrentCell(0, 2);
    grid->editItem(grid->item(0, 2));
    QVERIFY(!grid->isPersistentEditorOpen(grid->item(0, 2)));
    QVERIFY(qobject_cast<QLineEdit*>(QApplication::focusWidget()) == nullptr);

    // Committed edits (the window-use test types them): the receive frequency fills the transmit
    // cell, which then opens; clearing it puts the receive frequency back.
    grid->item(0, 1)->setText(QStringLiteral("446.0070"));
    QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("446.00625"));
    QCOMPARE(grid->item(0, 2)->text(), QStringLiteral("446.00625"));
    grid->item(0, 2)->setText(QStringLiteral("447.1"));
    QCOMPARE(grid->item(0, 2)->text(), QStringLiteral("447.10000"));
    grid->item(0, 2)->setText(QString());
    QCOMPARE(grid->item(0, 2)->text(), QStringLiteral("446.00625"));
    grid->item(1, 1)->setText(QStringLiteral("446.0115"));
    QCOMPARE(grid->item(1, 1)->text(), QStringLiteral("446.01000"));
    // Cancel: the grid keeps the texts, the store does not have them.
    click(d->cancelButton);
    QVERIFY(!d->isVisible());
    QCOMPARE(f.state.stores.testFrequencies[0], std::string());
    f.form.testFrequenciesAction->trigger();
    QCOMPARE(grid->item(1, 1)->text(), QStringLiteral("446.01000"));
    // A frequency the image cannot hold is refused at OK.
    grid->item(2, 1)->setText(QStringLiteral("50"));
    QCOMPARE(grid->item(2, 1)->text(), QStringLiteral("50.00000"));
    click(d->okButton);
    QVERIFY(d->isVisible());
    QCOMPARE(f.box.shown.size(), size_t(1));
    QCOMPARE(f.state.stores.testFrequencies[0], std::string());
    grid->item(2, 1)->setText(QString());
    click(d->okButton);
    QVERIFY(!d->isVisible());
    QCOMPARE(f.state.stores.testFrequencies[0], std::string("446.00625"));
    QCOMPARE(f.state.stores.testFrequencies[16], std::string("446.00625"));
    QCOMPARE(f.state.stores.testFrequencies[1], std::string("446.01000"));
    QCOMPARE(f.state.stores.testFrequencies[17], std::string("446.01000"));
}

void DialogsTest::form6OkStoresCancelKeeps() {
    Fixture f;
    KeysDialog* d = f.form.keysDialog;
    f.form.keysAction->trigger();
    QCOMPARE(d->pf1List->count(), 12);
    QCOMPARE(d->pf1Label->text(), QStringLiteral("PF1"));
    pick(d->pf2List, 9);
    click(d->cancelButton);
    QCOMPARE(f.state.stores.keyFunction2, int16_t(0));
    f.form.keysAction->trigger();
    QCOMPARE(d->pf2List->currentIndex(), 9);
    click(d->okButton);
    QCOMPARE(f.state.stores.keyFunction2, int16_t(9));
    QCOMPARE(f.state.stores.keyFunction1, int16_t(10));
}

void DialogsTest::enterPressesTheButtonTabbedTo() {
    Fixture f;
    KeysDialog* d = f.form.keysDialog;
    f.form.keysAction->trigger();
    d->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(d));
    d->pf1List->setFocus();
    QTest::keyClick(d->pf1List, Qt::Key_Down);
    QTest::keyClick(d->pf1List, Qt::Key_Tab);
    QTest::keyClick(d->pf2List, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), d->okButton);
    QTest::keyClick(d->okButton, Qt::Key_Return);
    QVERIFY(!d->isVisible());
    QCOMPARE(f.state.stores.keyFunction1, int16_t(11));
}

void DialogsTest::form7KeystrokeLimitAndAsciiCheck() {
    Fixture f;
    EmbeddedTextsDialog* d = f.form.embeddedTextsDialog;
    f.form.embeddedTextsAction->trigger();
    QLineEdit* box = d->firstTextBox;
    QTest::keyClicks(box, QString(32, QLatin1Char('a')));
    QTest::keyClicks(box, QStringLiteral("b")); // the 33rd character is refused
    QCOMPARE(box->text(), QString(32, QLatin1Char('a')));
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->text().size(), 31);
    QTest::keyClicks(box, QStringLiteral("z"));
    box->setSelection(0, 1);
    QTest::keyClicks(box, QStringLiteral("Q")); // replaces the selection
    QCOMPARE(box->text(),
             QStringLiteral("Q") + QString(30, QLatin1Char('a')) + QStringLiteral("z"));
    click(d->okButton);
    QCOMPARE(f.state.stores.embeddedTexts[0], box->text().toStdString());
    QVERIFY(!d->isVisible());

    // Pasted text beyond the limit, or outside ASCII, is refused at OK.
    f.form.embeddedTextsAction->trigger();
    d->secondTextBox->setText(QStringLiteral("频道一"));
    click(d->okButton);
    QVERIFY(d->isVisible());
    QCOMPARE(f.box.shown.size(), size_t(1));
    QCOMPARE(f.box.shown[0].text, text(msg::EmbeddedTextInvalid.text));
    QCOMPARE(f.state.stores.embeddedTexts[1], std::string());
    d->secondTextBox->setText(QString(33, QLatin1Char('x')));
    click(d->okButton);
    QCOMPARE(f.box.shown.size(), size_t(2));
    // Cancel keeps the typed text in the box but not in the store.
    click(d->cancelButton);
    f.form.embeddedTextsAction->trigger();
    QCOMPARE(d->secondTextBox->text().size(), 33);
    QCOMPARE(f.state.stores.embeddedTexts[1], std::string());
}

void DialogsTest::decodeRefreshesEveryDialog() {
    Fixture f;
    EditorState source = MakeStartupEditor();
    source.table.at(2, col::RxFrequency) = "446.00625";
    source.table.at(2, col::TxFrequency) = "446.00625";
    source.stores.keyFunction1 = 4;
    source.stores.keyFunction2 = 8;
    source.stores.highPowerLevel = 150;
    source.stores.lowPowerLevel = 40;
    source.stores.testFrequencies[3] = "440.12500";
    source.stores.testFrequencies[19] = "445.12500";
    source.stores.embeddedTexts = {"FIRST LINE", "second"};
    source.stores.options.entry[OptionSettings::VoxGain] = "7";
    source.stores.options.entry[OptionSettings::PriorityMode] = "1";
    source.stores.options.entry[OptionSettings::PriorityChannel] = "2";
    source.stores.options.entry[OptionSettings::ScanRxResumeDelay] = "45";
    const std::string image = EncodeImage(source);

    f.form.serviceModeOn();
    QVERIFY(DecodeImage(f.state, image, f.box));
    f.form.refreshFromState();
    QCOMPARE(f.form.keysDialog->pf1List->currentText(), QStringLiteral("监听"));
    QCOMPARE(f.form.keysDialog->pf2List->currentText(), QStringLiteral("照明灯开关"));
    QCOMPARE(f.form.powerLevelDialog->highPowerSlider->value(), 150);
    QCOMPARE(f.form.powerLevelDialog->lowPowerValue->text(), QStringLiteral("40"));
    QCOMPARE(f.state.serviceMode, 0); // a decode ends the service mode ...
    QVERIFY(f.form.powerLevelDialog->highPowerSlider
                ->isEnabled()); // ... but leaves the sliders as they were
    QCOMPARE(f.form.testFrequencyDialog->testFrequencyGrid->item(3, 1)->text(),
             QStringLiteral("440.12500"));
    QCOMPARE(f.form.testFrequencyDialog->testFrequencyGrid->item(3, 2)->text(),
             QStringLiteral("445.12500"));
    QCOMPARE(f.form.embeddedTextsDialog->firstTextBox->text(), QStringLiteral("FIRST LINE"));
    QCOMPARE(f.form.optionalFunctionsDialog->voxGainList->currentIndex(), 7);
    QCOMPARE(f.form.optionalFunctionsDialog->priorityModeList->currentIndex(), 1);
    QCOMPARE(f.form.optionalFunctionsDialog->priorityChannelList->currentText(),
             QStringLiteral("02"));
    QCOMPARE(f.form.optionalFunctionsDialog->rxResumeDelayBox->text(), QStringLiteral("45"));
    QVERIFY(f.box.shown.empty());
}

void DialogsTest::aboutBoxAndWebLinks() {
    Fixture f;
    AboutDialog* d = f.form.aboutDialog;
    f.form.aboutAction->trigger();
    QVERIFY(d->isVisible());
    QVERIFY(f.form.isEnabled()); // the main window stays usable
    QCOMPARE(d->versionLabel->text(), QStringLiteral("简体中文版 V1.00"));
    click(d->developerLink);
    QCOMPARE(f.opened.size(), 1);
    QCOMPARE(f.opened[0].toString(), QString::fromLatin1(kMakerWebPage));
    QCOMPARE(f.opened[0].host(), QStringLiteral("www.example.com"));
    click(d->okButton);
    QVERIFY(!d->isVisible());
    // The rights line of the main window opens the same page.
    click(f.form.rightsLine);
    QCOMPARE(f.opened.size(), 2);
    QCOMPARE(f.opened[1], f.opened[0]);
    // A page the desktop cannot open is reported.
    SetUrlOpener([](const QUrl&) { return false; });
    click(d->developerLink);
    QCOMPARE(f.box.shown.size(), size_t(1));
    QVERIFY(f.box.shown[0].text.find(kMakerWebPage) != std::string::npos);
}

void DialogsTest::userManualOfTheLanguageInForce() {
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
    f.form.englishAction->trigger();
    QMenuBar* bar = f.form.menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {},
                      bar->actionGeometry(f.form.helpMenu->menuAction()).center());
    QTRY_VERIFY(f.form.helpMenu->isVisible());
    QCOMPARE(f.form.userManualAction->text(), QStringLiteral("User manual"));
    QTest::mouseClick(f.form.helpMenu, Qt::LeftButton, {},
                      f.form.helpMenu->actionGeometry(f.form.userManualAction).center());
    f.form.traditionalChineseAction->trigger();
    QCOMPARE(f.form.userManualAction->text(), QStringLiteral("用戶手冊"));
    QTest::keyClick(&f.form, Qt::Key_F1);
    QCOMPARE(f.opened, QList<QUrl>({page("zh-CN"), page("en"), page("zh-TW")}));
    for (const QUrl& url : f.opened)
        QVERIFY2(QFile::exists(url.toLocalFile()), qPrintable(url.toLocalFile()));
    QVERIFY(f.box.shown.empty());

    // Without the manual the message names the page that is missing.
    test::TemporaryFolder nowhere;
    const QString program = QString::fromStdString(nowhere.file("bin"));
    OpenUserManual(f.box, 1, program);
    QCOMPARE(f.box.shown.size(), size_t(1));
    QCOMPARE(f.box.shown[0].text, std::string(msg::HelpFileMissing.text.en) + "\n" +
                                      ManualStartPage(program.toStdString(), 1));
    QCOMPARE(f.opened.size(), 3);
}

void DialogsTest::dialogsFollowTheLanguageMenus() {
    Fixture f;
    f.form.englishAction->trigger();
    QCOMPARE(f.form.optionalFunctionsDialog->revertTimeALabel->text(),
             QStringLiteral("Retrace Time A"));
    QCOMPARE(f.form.optionalFunctionsDialog->priorityModeList->itemText(1),
             QStringLiteral("Fixed"));
    QCOMPARE(f.form.keysDialog->pf1List->currentText(),
             QStringLiteral("Instant cancel static noise"));
    QCOMPARE(f.form.embeddedTextsDialog->cancelButton->text(), QStringLiteral("Cancel"));
    QCOMPARE(f.form.powerLevelDialog->highPowerMaxLabel->text(), QStringLiteral("Hight"));
    QCOMPARE(f.form.testFrequencyDialog->testFrequencyGrid->horizontalHeaderItem(2)->text(),
             QStringLiteral("TX Frequency"));
    QCOMPARE(f.form.aboutDialog->versionLabel->text(), QStringLiteral("English version V1.00"));
    // The choice of a list survives the new entry texts.
    QCOMPARE(f.form.optionalFunctionsDialog->voxGainList->currentIndex(), 1);

    f.form.traditionalChineseAction->trigger();
    QCOMPARE(f.form.optionalFunctionsDialog->revertTimeALabel->text(), QStringLiteral("回掃時間A"));
    QCOMPARE(f.form.aboutDialog->versionLabel->text(), QStringLiteral("繁體中文版 V1.0"));
    // Messages follow the language too.
    f.form.optionalFunctionsAction->trigger();
    pick(f.form.optionalFunctionsDialog->priorityModeList, 1);
    QCOMPARE(f.box.shown.back().title, std::string("提示"));
    QVERIFY(f.box.shown.back().text.find("當設定為") == 0);
}

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
