// The dialogs driven through their widgets from the main window's menus, with a scripted
// message box, a fixed clock and a recording web opener.
#include "FixedClock.h"
#include "ScriptedMessageBox.h"
#include "dialogs/gui/Form2.h"
#include "dialogs/gui/Form4.h"
#include "dialogs/gui/Form5.h"
#include "dialogs/gui/Form6.h"
#include "dialogs/gui/Form7.h"
#include "editor/Startup.h"
#include "editor/gui/Form1.h"
#include "help/HelpLinks.h"
#include "help/gui/HelpServices.h"
#include "help/gui/frmAbout.h"
#include "image/ImageCodec.h"
#include "localisation/Messages.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QTableWidget>
#include <QToolBar>
#include <QtTest>

using namespace tlv;

namespace {

struct Fixture {
    EditorState state;
    test::ScriptedMessageBox box;
    test::FixedClock clock;
    AppServices services{&box, &clock};
    QList<QUrl> opened;
    Form1 form{state, services};
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
    void serviceCaptionsSwitchOnAndButton7SwitchesOff();
    void form2SlidersOnlyInServiceMode();
    void form4EditsNormaliseAndOkStores();
    void form6OkStoresCancelKeeps();
    void form7KeystrokeLimitAndAsciiCheck();
    void decodeRefreshesEveryDialog();
    void aboutBoxAndWebLinks();
    void helpFileBesideTheProgram();
    void dialogsCloseWithTheMainWindow();
    void dialogsFollowTheLanguageMenus();
};

void DialogsTest::menusOpenEachDialogModelessOwnedByTheMainWindow() {
    Fixture f;
    const std::array<std::pair<QAction*, QDialog*>, 6> pairs{{
        {f.form.mnudtmf, f.form.form5},
        {f.form.Key_enactment, f.form.form6},
        {f.form.mnusetin, f.form.form7},
        {f.form.mnudebug, f.form.form2},
        {f.form.mnutestfre, f.form.form4},
        {f.form.mnuabout, f.form.about},
    }};
    const QStringList names{"Form5", "Form6", "Form7", "Form2", "Form4", "frmAbout"};
    int i = 0;
    for (const auto& [action, dialog] : pairs) {
        QVERIFY(dialog != nullptr);
        QCOMPARE(dialog->objectName(), names[i++]);
        QVERIFY(!dialog->isVisible());
        action->trigger();
        QVERIFY(dialog->isVisible());
        QVERIFY(!dialog->isModal());
        QCOMPARE(dialog->parentWidget(), &f.form);
        // Showing again keeps the one instance.
        QDialog* before = dialog;
        action->trigger();
        QCOMPARE(dialog, before);
    }
    // The close box only hides; the instance and its controls stay.
    f.form.form5->close();
    QVERIFY(!f.form.form5->isVisible());
    QCOMPARE(f.form.findChildren<Form5*>().size(), 1);
}

void DialogsTest::dialogsShowTheStartupValues() {
    Fixture f;
    QCOMPARE(f.form.form6->Combo1->currentIndex(), 10); // the start value, not 0
    QCOMPARE(f.form.form6->Combo1->currentText(), QStringLiteral("瞬时取消静噪"));
    QCOMPARE(f.form.form2->Slider1->value(), 208);
    QCOMPARE(f.form.form2->Lblpower1->text(), QStringLiteral("208"));
    QCOMPARE(f.form.form2->Slider3->value(), 92);
    QCOMPARE(f.form.form5->Combo7->currentIndex(), 1);
    QCOMPARE(f.form.form5->Combo13->count(), 92);
    QCOMPARE(f.form.form5->Combo13->itemText(1), QStringLiteral("0.50 S"));
    QCOMPARE(f.form.form5->Combo13->itemText(91), QStringLiteral("5.00 S"));
    QCOMPARE(f.form.form5->Combo12->count(), 16);
    QCOMPARE(f.form.form4->mfgrid1->item(15, 0)->text(), QStringLiteral("16"));
    // OK everywhere right after start-up keeps every store.
    const SettingsStores before = f.state.stores;
    for (QPushButton* ok : {f.form.form5->Command1, f.form.form6->Command1, f.form.form7->Command1,
                            f.form.form2->Command1, f.form.form4->Command1})
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
    Form5* d = f.form.form5;
    f.form.mnudtmf->trigger();
    pick(d->Combo7, 6);
    d->Check3->click(); // start value 1: now unchecked
    d->Text5->setText(QStringLiteral("120"));
    click(d->Command2);
    QVERIFY(!d->isVisible());
    QCOMPARE(f.state.stores.options.entry[OptionSettings::VoxGain], std::string("1"));
    QCOMPARE(f.state.stores.options.entry[OptionSettings::CancelOperation], std::string("1"));
    // Shown again: the changes are still there, and OK stores them.
    f.form.mnudtmf->trigger();
    QCOMPARE(d->Combo7->currentIndex(), 6);
    QVERIFY(!d->Check3->isChecked());
    click(d->Command1);
    QVERIFY(!d->isVisible());
    QCOMPARE(f.state.stores.options.entry[OptionSettings::VoxGain], std::string("6"));
    QCOMPARE(f.state.stores.options.entry[OptionSettings::CancelOperation], std::string("0"));
    QCOMPARE(f.state.stores.options.entry[OptionSettings::ScanRxResumeDelay], std::string("120"));
}

void DialogsTest::form5FixedPriorityMessages() {
    Fixture f;
    Form5* d = f.form.form5;
    f.form.mnudtmf->trigger();
    // All channels empty: Fixed is refused with the tip and the list goes back to "无".
    pick(d->Combo11, 1);
    QCOMPARE(f.box.shown.size(), size_t(1));
    QCOMPARE(f.box.shown[0].text, text(msg::FixedNeedsChannel.text));
    QCOMPARE(f.box.shown[0].title, std::string("提示"));
    QCOMPARE(d->Combo11->currentIndex(), 0);

    f.state.table.at(4, col::RxFrequency) = "446.00625";
    f.state.table.at(7, col::RxFrequency) = "446.10000";
    pick(d->Combo11, 1);
    QCOMPARE(d->Combo11->currentIndex(), 1);
    QCOMPARE(d->Combo12->currentText(), QStringLiteral("04"));
    pick(d->Combo12, 6); // "07" is in use
    QCOMPARE(d->Combo12->currentText(), QStringLiteral("07"));
    QCOMPARE(f.box.shown.size(), size_t(1));
    pick(d->Combo12, 8); // "09" is empty: back to the Fixed search's channel, not "07"
    QCOMPARE(f.box.shown.size(), size_t(2));
    QCOMPARE(f.box.shown[1].text, text(msg::EmptyChannelChosen.text));
    QCOMPARE(d->Combo12->currentText(), QStringLiteral("04"));
    // Selected: any channel.
    pick(d->Combo11, 2);
    pick(d->Combo12, 8);
    QCOMPARE(d->Combo12->currentText(), QStringLiteral("09"));
    QCOMPARE(f.box.shown.size(), size_t(2));
}

void DialogsTest::form5SpinnerKeepsItsOwnPosition() {
    Fixture f;
    Form5* d = f.form.form5;
    f.state.form5.text5 = "120";
    f.form.refreshFromState();
    QCOMPARE(d->Text5->text(), QStringLiteral("120"));
    d->VScroll1->triggerAction(QAbstractSlider::SliderSingleStepSub); // upper arrow at 0
    QCOMPARE(d->Text5->text(), QStringLiteral("120"));
    d->VScroll1->triggerAction(QAbstractSlider::SliderSingleStepAdd); // lower arrow
    QCOMPARE(d->Text5->text(), QStringLiteral("1"));
    QCOMPARE(f.state.form5.text5, std::string("1"));
    d->VScroll1->triggerAction(QAbstractSlider::SliderPageStepAdd); // track: also one
    QCOMPARE(d->Text5->text(), QStringLiteral("2"));
    QCOMPARE(d->VScroll1->maximum(), 300);
    QCOMPARE(d->VScroll2->maximum(), 300);
    d->VScroll2->triggerAction(QAbstractSlider::SliderToMaximum);
    QCOMPARE(d->Text6->text(), QStringLiteral("300"));
}

void DialogsTest::form5RefusesABadResumeDelay() {
    Fixture f;
    f.state.languageState = 1;
    Form5* d = f.form.form5;
    f.form.mnudtmf->trigger();
    pick(d->Combo6, 0);
    d->Text5->setText(QStringLiteral("five"));
    click(d->Command1);
    QVERIFY(d->isVisible());
    QCOMPARE(f.box.shown.size(), size_t(1));
    QCOMPARE(f.box.shown[0].text, std::string(msg::RxResumeDelayInvalid.text.en));
    QCOMPARE(f.box.shown[0].title, std::string("Tip"));
    QCOMPARE(f.state.stores.options.entry[OptionSettings::VoxEnable], std::string("1"));
    d->Text5->setText(QStringLiteral("300"));
    d->Text6->setText(QStringLiteral("65536"));
    click(d->Command1);
    QCOMPARE(f.box.shown.back().text, std::string(msg::TxResumeDelayInvalid.text.en));
    QCOMPARE(f.state.stores.options.entry[OptionSettings::VoxEnable], std::string("1"));
    d->Text6->clear();
    click(d->Command1);
    QVERIFY(!d->isVisible());
    QCOMPARE(f.state.stores.options.entry[OptionSettings::VoxEnable], std::string("0"));
}

void DialogsTest::serviceCaptionsSwitchOnAndButton7SwitchesOff() {
    Fixture f;
    Form5* d = f.form.form5;
    f.form.mnudtmf->trigger();
    f.form.mnudebug->trigger();
    QAction* button7 = f.form.toolbarButton(7);
    QVERIFY(!button7->isVisible());
    QVERIFY(!f.form.form2->Slider1->isEnabled());

    // Two captions, then the third too late: nothing.
    f.clock.now = 1000.0;
    click(d->Label17);
    f.clock.now = 1002.0;
    click(d->Label16);
    f.clock.now = 1006.0;
    click(d->Label18);
    QCOMPARE(f.state.serviceMode, 0);
    // Other captions are no part of the switch.
    f.clock.now = 1007.0;
    click(d->Label14);
    click(d->Label15);
    QCOMPARE(f.state.serviceMode, 0);
    // The round started by Label18 completes.
    click(d->Label16);
    f.clock.now = 1009.0;
    click(d->Label17);
    QCOMPARE(f.state.serviceMode, 1);
    QVERIFY(button7->isVisible());
    QVERIFY(f.form.form2->Slider1->isEnabled());
    QVERIFY(f.form.form2->Slider3->isEnabled());

    // Two quick clicks on button 7: off, sliders disabled, and the sequence starts afresh.
    f.clock.now = 2000.2;
    button7->trigger();
    f.clock.now = 2000.6;
    button7->trigger();
    QCOMPARE(f.state.serviceMode, 0);
    QVERIFY(!button7->isVisible());
    QVERIFY(!f.form.form2->Slider1->isEnabled());
    QVERIFY(!d->serviceSwitch().latched);
    f.clock.now = 2001.0;
    click(d->Label17);
    QCOMPARE(f.state.serviceMode, 0);
}

void DialogsTest::form2SlidersOnlyInServiceMode() {
    Fixture f;
    Form2* d = f.form.form2;
    f.form.mnudebug->trigger();
    QVERIFY(!d->Slider1->isEnabled());
    QVERIFY(!d->Slider3->isEnabled());
    QTest::keyClick(d->Slider1, Qt::Key_Right); // a disabled slider does not move
    QCOMPARE(d->Slider1->value(), 208);

    f.form.serviceModeOn();
    QVERIFY(d->Slider1->isEnabled());
    d->Slider1->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(d->Slider1->value(), 213);
    QCOMPARE(d->Lblpower1->text(), QStringLiteral("213"));
    d->Slider3->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(d->Lblpower3->text(), QStringLiteral("91"));
    // The close box stores nothing, the sliders keep their positions.
    d->close();
    QCOMPARE(f.state.stores.highPowerLevel, int16_t(208));
    f.form.mnudebug->trigger();
    QCOMPARE(d->Slider1->value(), 213);
    click(d->Command1);
    QVERIFY(!d->isVisible());
    QCOMPARE(f.state.stores.highPowerLevel, int16_t(213));
    QCOMPARE(f.state.stores.lowPowerLevel, int16_t(91));
    QCOMPARE(d->Slider1->maximum(), 255);
}

void DialogsTest::form4EditsNormaliseAndOkStores() {
    Fixture f;
    Form4* d = f.form.form4;
    f.form.mnutestfre->trigger();
    QVERIFY(QTest::qWaitForWindowExposed(d));
    QTableWidget* grid = d->mfgrid1;
    QCOMPARE(grid->horizontalHeaderItem(1)->text(), QStringLiteral("接收频率"));

    // The transmit cell of a row without a receive frequency does not open.
    grid->setCurrentCell(0, 2);
    grid->editItem(grid->item(0, 2));
    QVERIFY(!grid->isPersistentEditorOpen(grid->item(0, 2)));
    QVERIFY(qobject_cast<QLineEdit*>(QApplication::focusWidget()) == nullptr);

    // Typing a receive frequency: a click opens the editor at once.
    const QRect cell = grid->visualItemRect(grid->item(0, 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    QLineEdit* editor = nullptr;
    QTRY_VERIFY((editor = qobject_cast<QLineEdit*>(QApplication::focusWidget())) != nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("446.0070"));
    QTest::keyClick(editor, Qt::Key_Return);
    // The editor commits from the event loop.
    QTRY_COMPARE(grid->item(0, 1)->text(), QStringLiteral("446.00625"));
    QCOMPARE(grid->item(0, 2)->text(), QStringLiteral("446.00625"));
    // Now the transmit cell opens; clearing it puts the receive frequency back.
    grid->item(0, 2)->setText(QStringLiteral("447.1")); // a committed edit
    QCOMPARE(grid->item(0, 2)->text(), QStringLiteral("447.10000"));
    grid->setCurrentCell(0, 2);
    grid->editItem(grid->item(0, 2));
    QTRY_VERIFY((editor = qobject_cast<QLineEdit*>(QApplication::focusWidget())) != nullptr);
    editor->clear();
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(grid->item(0, 2)->text(), QStringLiteral("446.00625"));

    grid->item(1, 1)->setText(QStringLiteral("446.0115")); // a committed edit
    QCOMPARE(grid->item(1, 1)->text(), QStringLiteral("446.01000"));
    // Cancel: the grid keeps the texts, the store does not have them.
    click(d->Command2);
    QVERIFY(!d->isVisible());
    QCOMPARE(f.state.stores.testFrequencies[0], std::string());
    f.form.mnutestfre->trigger();
    QCOMPARE(grid->item(1, 1)->text(), QStringLiteral("446.01000"));
    // A frequency the image cannot hold is refused at OK.
    grid->item(2, 1)->setText(QStringLiteral("50"));
    QCOMPARE(grid->item(2, 1)->text(), QStringLiteral("50.00000"));
    click(d->Command1);
    QVERIFY(d->isVisible());
    QCOMPARE(f.box.shown.size(), size_t(1));
    QCOMPARE(f.state.stores.testFrequencies[0], std::string());
    grid->item(2, 1)->setText(QString());
    click(d->Command1);
    QVERIFY(!d->isVisible());
    QCOMPARE(f.state.stores.testFrequencies[0], std::string("446.00625"));
    QCOMPARE(f.state.stores.testFrequencies[16], std::string("446.00625"));
    QCOMPARE(f.state.stores.testFrequencies[1], std::string("446.01000"));
    QCOMPARE(f.state.stores.testFrequencies[17], std::string("446.01000"));
}

void DialogsTest::form6OkStoresCancelKeeps() {
    Fixture f;
    Form6* d = f.form.form6;
    f.form.Key_enactment->trigger();
    QCOMPARE(d->Combo1->count(), 12);
    QCOMPARE(d->Label1->text(), QStringLiteral("PF1"));
    pick(d->Combo2, 9);
    click(d->Command2);
    QCOMPARE(f.state.stores.keyFunction2, int16_t(0));
    f.form.Key_enactment->trigger();
    QCOMPARE(d->Combo2->currentIndex(), 9);
    click(d->Command1);
    QCOMPARE(f.state.stores.keyFunction2, int16_t(9));
    QCOMPARE(f.state.stores.keyFunction1, int16_t(10));
}

void DialogsTest::form7KeystrokeLimitAndAsciiCheck() {
    Fixture f;
    Form7* d = f.form.form7;
    f.form.mnusetin->trigger();
    QLineEdit* box = d->Text1;
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
    click(d->Command1);
    QCOMPARE(f.state.stores.embeddedTexts[0], box->text().toStdString());
    QVERIFY(!d->isVisible());

    // Pasted text beyond the limit, or outside ASCII, is refused at OK.
    f.form.mnusetin->trigger();
    d->Text2->setText(QStringLiteral("频道一"));
    click(d->Command1);
    QVERIFY(d->isVisible());
    QCOMPARE(f.box.shown.size(), size_t(1));
    QCOMPARE(f.box.shown[0].text, text(msg::EmbeddedTextInvalid.text));
    QCOMPARE(f.state.stores.embeddedTexts[1], std::string());
    d->Text2->setText(QString(33, QLatin1Char('x')));
    click(d->Command1);
    QCOMPARE(f.box.shown.size(), size_t(2));
    // Cancel keeps the typed text in the box but not in the store.
    click(d->Command2);
    f.form.mnusetin->trigger();
    QCOMPARE(d->Text2->text().size(), 33);
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
    QCOMPARE(f.form.form6->Combo1->currentText(), QStringLiteral("监听"));
    QCOMPARE(f.form.form6->Combo2->currentText(), QStringLiteral("照明灯开关"));
    QCOMPARE(f.form.form2->Slider1->value(), 150);
    QCOMPARE(f.form.form2->Lblpower3->text(), QStringLiteral("40"));
    QCOMPARE(f.state.serviceMode, 0);            // a decode ends the service mode ...
    QVERIFY(f.form.form2->Slider1->isEnabled()); // ... but leaves the sliders as they were
    QCOMPARE(f.form.form4->mfgrid1->item(3, 1)->text(), QStringLiteral("440.12500"));
    QCOMPARE(f.form.form4->mfgrid1->item(3, 2)->text(), QStringLiteral("445.12500"));
    QCOMPARE(f.form.form7->Text1->text(), QStringLiteral("FIRST LINE"));
    QCOMPARE(f.form.form5->Combo7->currentIndex(), 7);
    QCOMPARE(f.form.form5->Combo11->currentIndex(), 1);
    QCOMPARE(f.form.form5->Combo12->currentText(), QStringLiteral("02"));
    QCOMPARE(f.form.form5->Text5->text(), QStringLiteral("45"));
    QVERIFY(f.box.shown.empty());
}

void DialogsTest::aboutBoxAndWebLinks() {
    Fixture f;
    frmAbout* d = f.form.about;
    f.form.mnuabout->trigger();
    QVERIFY(d->isVisible());
    QVERIFY(f.form.isEnabled()); // the main window stays usable
    QCOMPARE(d->lblVersion->text(), QStringLiteral("简体中文版 V1.00"));
    click(d->lblDescription);
    QCOMPARE(f.opened.size(), 1);
    QCOMPARE(f.opened[0].toString(), QString::fromLatin1(kMakerWebPage));
    QCOMPARE(f.opened[0].host(), QStringLiteral("www.example.com"));
    click(d->cmdOK);
    QVERIFY(!d->isVisible());
    // The rights line of the main window opens the same page.
    click(f.form.Label2);
    QCOMPARE(f.opened.size(), 2);
    QCOMPARE(f.opened[1], f.opened[0]);
    // A page the desktop cannot open is reported.
    SetUrlOpener([](const QUrl&) { return false; });
    click(d->lblDescription);
    QCOMPARE(f.box.shown.size(), size_t(1));
    QVERIFY(f.box.shown[0].text.find(kMakerWebPage) != std::string::npos);
}

void DialogsTest::helpFileBesideTheProgram() {
    Fixture f;
    const QString path = QCoreApplication::applicationDirPath() + QStringLiteral("/TLV6200.CHM");
    QFile::remove(path);
    f.form.mnumainhelp->trigger();
    QCOMPARE(f.box.shown.size(), size_t(1));
    QCOMPARE(f.box.shown[0].text, text(msg::HelpFileMissing.text) + "\n" + path.toStdString());
    QVERIFY(f.opened.isEmpty());

    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    f.form.mnumainhelp->trigger();
    QFile::remove(path);
    QCOMPARE(f.box.shown.size(), size_t(1));
    QCOMPARE(f.opened.size(), 1);
    QCOMPARE(f.opened[0], QUrl::fromLocalFile(path));
}

void DialogsTest::dialogsCloseWithTheMainWindow() {
    Fixture f;
    f.form.mnudtmf->trigger();
    f.form.mnuabout->trigger();
    f.form.show();
    f.form.close();
    QVERIFY(!f.form.form5->isVisible());
    QVERIFY(!f.form.about->isVisible());
}

void DialogsTest::dialogsFollowTheLanguageMenus() {
    Fixture f;
    f.form.mnuEnglish->trigger();
    QCOMPARE(f.form.form5->windowTitle(), QStringLiteral("Optional Function"));
    QCOMPARE(f.form.form5->Label17->text(), QStringLiteral("Retrace Time A"));
    QCOMPARE(f.form.form5->Combo11->itemText(1), QStringLiteral("Fixed"));
    QCOMPARE(f.form.form5->Frame1->title(), QStringLiteral("VOX"));
    QCOMPARE(f.form.form6->Combo1->currentText(), QStringLiteral("Instant cancel static noise"));
    QCOMPARE(f.form.form6->Label1->text(), QStringLiteral("PF1"));
    QCOMPARE(f.form.form7->Command2->text(), QStringLiteral("Cancel"));
    QCOMPARE(f.form.form2->Label8->text(), QStringLiteral("Hight"));
    QCOMPARE(f.form.form4->mfgrid1->horizontalHeaderItem(2)->text(),
             QStringLiteral("TX Frequency"));
    QCOMPARE(f.form.about->lblVersion->text(), QStringLiteral("English version V1.00"));
    // The choice of a list survives the new entry texts.
    QCOMPARE(f.form.form5->Combo7->currentIndex(), 1);

    f.form.mnuChineseF->trigger();
    QCOMPARE(f.form.form5->Label17->text(), QStringLiteral("回掃時間A"));
    QCOMPARE(f.form.about->lblVersion->text(), QStringLiteral("繁體中文版 V1.0"));
    // Messages follow the language too.
    f.form.mnudtmf->trigger();
    pick(f.form.form5->Combo11, 1);
    QCOMPARE(f.box.shown.back().title, std::string("提示"));
    QVERIFY(f.box.shown.back().text.find("當設定為") == 0);
}

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
