// SPDX-License-Identifier: GPL-3.0-or-later
// The five radio dialogs driven through their widgets from the main window's menus: OK stores,
// Cancel keeps, their rules and checks as the user meets them.
#include "DialogFixture.h"

using namespace tlv;
using namespace tlv::test;

namespace {

namespace optional = optional_functions_names;
namespace power = power_level_names;
using Fixture = DialogWindow;

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void menusOpenEachDialogModelessOwnedByTheMainWindow();
    void dialogsShowTheStartupValues();
    void optionalFunctionsOkStoresCancelKeeps();
    void fixedPriorityMessages();
    void resumeDelaySpinnerKeepsItsOwnPosition();
    void optionalFunctionsRefuseABadResumeDelay();
    void serviceCaptionsSwitchOnAndServiceButtonSwitchesOff();
    void powerLevelSlidersOnlyInServiceMode();
    void testFrequencyEditsNormaliseAndOkStores();
    void keysOkStoresCancelKeeps();
    void enterPressesTheButtonTabbedTo();
    void enterPressesOkAndEscapeCancelsInEveryDialog();
    void embeddedTextsKeystrokeLimitAndAsciiCheck();
};

void DialogsTest::menusOpenEachDialogModelessOwnedByTheMainWindow() {
    Fixture f;
    const std::tuple<QAction*, QDialog*, const char*> menus[] = {
        {f.ui.optionalFunctionsAction, f.dialog<OptionalFunctionsDialog>(), "Form5"},
        {f.ui.keysAction, f.dialog<KeysDialog>(), "Form6"},
        {f.ui.embeddedTextsAction, f.dialog<EmbeddedTextsDialog>(), "Form7"},
        {f.ui.powerLevelsAction, f.dialog<PowerLevelDialog>(), "Form2"},
        {f.ui.testFrequenciesAction, f.dialog<TestFrequencyDialog>(), "Form4"},
        {f.ui.aboutAction, f.dialog<AboutDialog>(), "frmAbout"}};
    for (const auto& [action, dialog, name] : menus) {
        QCOMPARE(dialog->objectName(), QString(name));
        QVERIFY(!dialog->isVisible());
        action->trigger();
        QVERIFY(dialog->isVisible());
        QVERIFY(!dialog->isModal());
        QCOMPARE(dialog->parentWidget(), &f.form);
    }
    // The close box only hides; the instance and its controls stay.
    f.dialog<OptionalFunctionsDialog>()->close();
    QVERIFY(!f.dialog<OptionalFunctionsDialog>()->isVisible());
    QCOMPARE(f.form.findChildren<OptionalFunctionsDialog*>().size(), 1);
}

void DialogsTest::dialogsShowTheStartupValues() {
    Fixture f;
    QCOMPARE(list(f.dialog<KeysDialog>(), keys_names::Pf1List)->currentIndex(),
             10); // the start value, not 0
    QCOMPARE(label(f.dialog<PowerLevelDialog>(), power::HighPowerValue)->text(),
             QStringLiteral("208"));
    QCOMPARE(slider(f.dialog<PowerLevelDialog>(), power::LowPowerSlider)->value(), 92);
    auto* options = f.dialog<OptionalFunctionsDialog>();
    QCOMPARE(list(options, optional::VoxGainList)->currentIndex(), 1);
    QCOMPARE(list(options, optional::RevertTimeAList)->itemText(91), QStringLiteral("5.00 S"));
    // OK everywhere right after start-up keeps the data as they are.
    const RadioData before = f.state.radio();
    for (QDialog* dialog : std::initializer_list<QDialog*>{
             options, f.dialog<KeysDialog>(), f.dialog<EmbeddedTextsDialog>(),
             f.dialog<PowerLevelDialog>(), f.dialog<TestFrequencyDialog>()})
        click(okButton(dialog));
    QVERIFY(f.state.radio() == before);
    QVERIFY(f.box.shown.empty());
}

void DialogsTest::optionalFunctionsOkStoresCancelKeeps() {
    Fixture f;
    auto* d = f.dialog<OptionalFunctionsDialog>();
    const OptionalFunctions& stored = f.state.radio().options;
    f.ui.optionalFunctionsAction->trigger();
    pick(list(d, optional::VoxGainList), 6);
    Control<QCheckBox>(d, optional::CancelOperationBox)->click(); // start value 1: now unchecked
    textBox(d, optional::RxResumeDelayBox)->setText(QStringLiteral("120"));
    click(cancelButton(d));
    QVERIFY(!d->isVisible());
    QCOMPARE(stored.voxGain, 1);
    QVERIFY(stored.cancelOperation);
    // Shown again: the changes are still there, and OK stores them.
    f.ui.optionalFunctionsAction->trigger();
    QCOMPARE(list(d, optional::VoxGainList)->currentIndex(), 6);
    QVERIFY(!Control<QCheckBox>(d, optional::CancelOperationBox)->isChecked());
    click(okButton(d));
    QVERIFY(!d->isVisible());
    QCOMPARE(stored.voxGain, 6);
    QVERIFY(!stored.cancelOperation);
    QCOMPARE(stored.scanRxResumeDelay, std::optional<uint16_t>(120));
}

void DialogsTest::fixedPriorityMessages() {
    Fixture f;
    auto* d = f.dialog<OptionalFunctionsDialog>();
    QComboBox* mode = list(d, optional::PriorityModeList);
    QComboBox* channel = list(d, optional::PriorityChannelList);
    f.ui.optionalFunctionsAction->trigger();
    // All channels empty: Fixed is refused with the tip and the list goes back to "无".
    pick(mode, 1);
    QCOMPARE(f.box.shown.size(), size_t(1));
    QCOMPARE(f.box.shown[0].text, text(msg::FixedNeedsChannel.text));
    QCOMPARE(f.box.shown[0].title, std::string("提示"));
    QCOMPARE(mode->currentIndex(), 0);

    f.state.radio().channel(4).rx = Frequency{44600625};
    f.state.radio().channel(7).rx = Frequency{44610000};
    pick(mode, 1);
    QCOMPARE(mode->currentIndex(), 1);
    QCOMPARE(channel->currentText(), QStringLiteral("04"));
    pick(channel, 6); // "07" is in use
    QCOMPARE(channel->currentText(), QStringLiteral("07"));
    QCOMPARE(f.box.shown.size(), size_t(1));
    pick(channel, 8); // "09" is empty: back to the Fixed search's channel, not "07"
    QCOMPARE(f.box.shown.size(), size_t(2));
    QCOMPARE(f.box.shown[1].text, text(msg::EmptyChannelChosen.text));
    QCOMPARE(channel->currentText(), QStringLiteral("04"));
    // Selected: any channel.
    pick(mode, 2);
    pick(channel, 8);
    QCOMPARE(channel->currentText(), QStringLiteral("09"));
    QCOMPARE(f.box.shown.size(), size_t(2));
}

void DialogsTest::resumeDelaySpinnerKeepsItsOwnPosition() {
    Fixture f;
    auto* d = f.dialog<OptionalFunctionsDialog>();
    QLineEdit* rxBox = textBox(d, optional::RxResumeDelayBox);
    QScrollBar* rxSpinner = spinner(d, optional::RxResumeDelaySpinner);
    QScrollBar* txSpinner = spinner(d, optional::TxResumeDelaySpinner);
    f.state.dialogs.optionalFunctions.scanRxResumeDelay = "120";
    f.ui.model.refresh();
    QCOMPARE(rxBox->text(), QStringLiteral("120"));
    rxSpinner->triggerAction(QAbstractSlider::SliderSingleStepSub); // upper arrow at 0
    QCOMPARE(rxBox->text(), QStringLiteral("120"));
    rxSpinner->triggerAction(QAbstractSlider::SliderSingleStepAdd); // lower arrow
    QCOMPARE(rxBox->text(), QStringLiteral("1"));
    QCOMPARE(f.state.dialogs.optionalFunctions.scanRxResumeDelay, std::string("1"));
    rxSpinner->triggerAction(QAbstractSlider::SliderPageStepAdd); // track: also one
    QCOMPARE(rxBox->text(), QStringLiteral("2"));
    QCOMPARE(rxSpinner->maximum(), 300);
    QCOMPARE(txSpinner->maximum(), 300);
    txSpinner->triggerAction(QAbstractSlider::SliderToMaximum);
    QCOMPARE(textBox(d, optional::TxResumeDelayBox)->text(), QStringLiteral("300"));
}

void DialogsTest::optionalFunctionsRefuseABadResumeDelay() {
    Fixture f;
    f.state.session.language = Language::English;
    auto* d = f.dialog<OptionalFunctionsDialog>();
    const OptionalFunctions& stored = f.state.radio().options;
    f.ui.optionalFunctionsAction->trigger();
    pick(list(d, optional::VoxEnableList), 0);
    textBox(d, optional::RxResumeDelayBox)->setText(QStringLiteral("five"));
    click(okButton(d));
    QVERIFY(d->isVisible());
    QCOMPARE(f.box.shown.size(), size_t(1));
    QCOMPARE(f.box.shown[0].text, std::string(msg::RxResumeDelayInvalid.text.en));
    QCOMPARE(f.box.shown[0].title, std::string("Tip"));
    QCOMPARE(stored.voxEnable, 1);
    textBox(d, optional::RxResumeDelayBox)->setText(QStringLiteral("300"));
    textBox(d, optional::TxResumeDelayBox)->setText(QStringLiteral("301"));
    click(okButton(d));
    QCOMPARE(f.box.shown.back().text, std::string(msg::TxResumeDelayInvalid.text.en));
    QCOMPARE(stored.voxEnable, 1);
    textBox(d, optional::TxResumeDelayBox)->clear();
    click(okButton(d));
    QVERIFY(!d->isVisible());
    QCOMPARE(stored.voxEnable, 0);
}

void DialogsTest::serviceCaptionsSwitchOnAndServiceButtonSwitchesOff() {
    Fixture f;
    auto* d = f.dialog<OptionalFunctionsDialog>();
    QSlider* high = slider(f.dialog<PowerLevelDialog>(), power::HighPowerSlider);
    f.ui.optionalFunctionsAction->trigger();
    f.ui.powerLevelsAction->trigger();
    QAction* serviceButton = f.ui.toolbarButton(ToolbarButton::Service);
    QVERIFY(!serviceButton->isVisible());
    QVERIFY(!high->isEnabled());

    // Other captions are no part of the switch; the three within five seconds are.
    f.clock.now = 1000.0;
    click(label(d, optional::RevertTimeALabel));
    click(label(d, optional::PriorityModeLabel));
    click(label(d, optional::PriorityChannelLabel));
    QVERIFY(!f.state.session.serviceMode);
    f.clock.now = 1002.0;
    click(label(d, optional::RevertTimeBLabel));
    QVERIFY(!f.state.session.serviceMode);
    f.clock.now = 1004.0;
    click(label(d, optional::ReturnChannelLabel));
    QVERIFY(f.state.session.serviceMode);
    QVERIFY(serviceButton->isVisible());
    QVERIFY(high->isEnabled());
    QVERIFY(slider(f.dialog<PowerLevelDialog>(), power::LowPowerSlider)->isEnabled());

    // Two quick clicks on the service button: off, sliders disabled, the sequence reset.
    f.clock.now = 2000.2;
    serviceButton->trigger();
    f.clock.now = 2000.6;
    serviceButton->trigger();
    QVERIFY(!f.state.session.serviceMode);
    QVERIFY(!serviceButton->isVisible());
    QVERIFY(!high->isEnabled());
    QVERIFY(!d->serviceSwitch().latched);
}

void DialogsTest::powerLevelSlidersOnlyInServiceMode() {
    Fixture f;
    auto* d = f.dialog<PowerLevelDialog>();
    QSlider* high = slider(d, power::HighPowerSlider);
    QSlider* low = slider(d, power::LowPowerSlider);
    const PowerLevels& stored = f.state.radio().powerLevels;
    f.ui.powerLevelsAction->trigger();
    QVERIFY(!high->isEnabled());
    QVERIFY(!low->isEnabled());
    QTest::keyClick(high, Qt::Key_Right); // a disabled slider does not move
    QCOMPARE(high->value(), 208);

    f.ui.model.switchServiceModeOn();
    QVERIFY(high->isEnabled());
    high->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(high->value(), 213);
    QCOMPARE(label(d, power::HighPowerValue)->text(), QStringLiteral("213"));
    low->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(label(d, power::LowPowerValue)->text(), QStringLiteral("91"));
    // The close box stores nothing, the sliders keep their positions.
    d->close();
    QCOMPARE(stored.high, 208);
    f.ui.powerLevelsAction->trigger();
    QCOMPARE(high->value(), 213);
    click(okButton(d));
    QVERIFY(!d->isVisible());
    QCOMPARE(stored, (PowerLevels{213, 91}));
    QCOMPARE(high->maximum(), 255);
}

void DialogsTest::testFrequencyEditsNormaliseAndOkStores() {
    Fixture f;
    auto* d = f.dialog<TestFrequencyDialog>();
    const auto& stored = f.state.radio().testFrequencies;
    f.ui.testFrequenciesAction->trigger();
    QVERIFY(QTest::qWaitForWindowExposed(d));
    QTableWidget* cells = grid(d);
    QCOMPARE(cells->horizontalHeaderItem(1)->text(), QStringLiteral("接收频率"));

    // The transmit cell of a row without a receive frequency does not open.
    cells->setCurrentCell(0, 2);
    cells->editItem(cells->item(0, 2));
    QVERIFY(!cells->isPersistentEditorOpen(cells->item(0, 2)));
    QVERIFY(qobject_cast<QLineEdit*>(QApplication::focusWidget()) == nullptr);

    // Committed edits (the window-use test types them): the receive frequency fills the transmit
    // cell, which then opens; clearing it puts the receive frequency back.
    cells->item(0, 1)->setText(QStringLiteral("446.0070"));
    QCOMPARE(cells->item(0, 1)->text(), QStringLiteral("446.00625"));
    QCOMPARE(cells->item(0, 2)->text(), QStringLiteral("446.00625"));
    cells->item(0, 2)->setText(QStringLiteral("447.1"));
    QCOMPARE(cells->item(0, 2)->text(), QStringLiteral("447.10000"));
    cells->item(0, 2)->setText(QString());
    QCOMPARE(cells->item(0, 2)->text(), QStringLiteral("446.00625"));
    cells->item(1, 1)->setText(QStringLiteral("446.0115"));
    QCOMPARE(cells->item(1, 1)->text(), QStringLiteral("446.01000"));
    // Cancel: the grid keeps the texts, the data do not have them.
    click(cancelButton(d));
    QVERIFY(!d->isVisible());
    QCOMPARE(stored[0], TestFrequency{});
    f.ui.testFrequenciesAction->trigger();
    QCOMPARE(cells->item(1, 1)->text(), QStringLiteral("446.01000"));
    // A frequency the image cannot hold is refused at OK.
    cells->item(2, 1)->setText(QStringLiteral("50"));
    QCOMPARE(cells->item(2, 1)->text(), QStringLiteral("50.00000"));
    click(okButton(d));
    QVERIFY(d->isVisible());
    QCOMPARE(f.box.shown.size(), size_t(1));
    QCOMPARE(stored[0], TestFrequency{});
    cells->item(2, 1)->setText(QString());
    click(okButton(d));
    QVERIFY(!d->isVisible());
    QCOMPARE(stored[0], (TestFrequency{Frequency{44600625}, Frequency{44600625}}));
    QCOMPARE(stored[1], (TestFrequency{Frequency{44601000}, Frequency{44601000}}));
}

void DialogsTest::keysOkStoresCancelKeeps() {
    Fixture f;
    auto* d = f.dialog<KeysDialog>();
    const KeyFunctions& stored = f.state.radio().keys;
    f.ui.keysAction->trigger();
    QCOMPARE(list(d, keys_names::Pf1List)->count(), 12);
    QCOMPARE(label(d, keys_names::Pf1Label)->text(), QStringLiteral("PF1"));
    pick(list(d, keys_names::Pf2List), 9);
    click(cancelButton(d));
    QCOMPARE(stored.pf2, 0);
    f.ui.keysAction->trigger();
    QCOMPARE(list(d, keys_names::Pf2List)->currentIndex(), 9);
    click(okButton(d));
    QCOMPARE(stored, (KeyFunctions{10, 9}));
}

void DialogsTest::enterPressesTheButtonTabbedTo() {
    Fixture f;
    auto* d = f.dialog<KeysDialog>();
    QComboBox* pf1 = list(d, keys_names::Pf1List);
    f.ui.keysAction->trigger();
    d->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(d));
    pf1->setFocus();
    QTest::keyClick(pf1, Qt::Key_Down);
    QTest::keyClick(pf1, Qt::Key_Tab);
    QTest::keyClick(list(d, keys_names::Pf2List), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), okButton(d));
    QTest::keyClick(okButton(d), Qt::Key_Return);
    QVERIFY(!d->isVisible());
    QCOMPARE(f.state.radio().keys.pf1, 11);
}

// Enter in a list or a text box presses OK, Escape is Cancel; the test-frequency grid keeps
// Enter for its cells.

void DialogsTest::enterPressesOkAndEscapeCancelsInEveryDialog() {
    Fixture f;
    const auto shown = [&](QAction* action, QDialog* d, QWidget* focus) {
        action->trigger();
        d->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(d));
        focus->setFocus();
    };
    auto* keys = f.dialog<KeysDialog>();
    QComboBox* pf1 = list(keys, keys_names::Pf1List);
    shown(f.ui.keysAction, keys, pf1);
    QTest::keyClick(pf1, Qt::Key_Down);
    QTest::keyClick(pf1, Qt::Key_Escape);
    QVERIFY(!keys->isVisible());
    QCOMPARE(f.state.radio().keys.pf1, 10);
    shown(f.ui.keysAction, keys, pf1);
    QTest::keyClick(pf1, Qt::Key_Down);
    QTest::keyClick(pf1, Qt::Key_Return);
    QVERIFY(!keys->isVisible());
    QCOMPARE(f.state.radio().keys.pf1, 11);

    auto* texts = f.dialog<EmbeddedTextsDialog>();
    QLineEdit* first = textBox(texts, embedded_texts_names::FirstTextBox);
    shown(f.ui.embeddedTextsAction, texts, first);
    QTest::keyClicks(first, "HELLO");
    QTest::keyClick(first, Qt::Key_Enter);
    QVERIFY(!texts->isVisible());
    QCOMPARE(f.state.radio().embeddedTexts[0], std::string("HELLO"));

    auto* options = f.dialog<OptionalFunctionsDialog>();
    QLineEdit* rxDelay = textBox(options, optional::RxResumeDelayBox);
    shown(f.ui.optionalFunctionsAction, options, rxDelay);
    rxDelay->selectAll();
    QTest::keyClicks(rxDelay, "25");
    QTest::keyClick(rxDelay, Qt::Key_Return);
    QVERIFY(!options->isVisible());
    QCOMPARE(f.state.radio().options.scanRxResumeDelay, std::optional<uint16_t>(25));

    auto* tests = f.dialog<TestFrequencyDialog>();
    QTableWidget* cells = grid(tests);
    shown(f.ui.testFrequenciesAction, tests, cells);
    cells->setCurrentCell(0, 1);
    QTest::keyClick(cells, Qt::Key_Return); // opens the cell
    QVERIFY(tests->isVisible());
    auto* editor = cells->viewport()->findChild<QLineEdit*>();
    QVERIFY(editor != nullptr && editor->isVisible());
    QTest::keyClick(editor, Qt::Key_Escape); // closes the cell's editor only
    QVERIFY(tests->isVisible());
    QTest::keyClick(cells, Qt::Key_Escape);
    QVERIFY(!tests->isVisible());
    QCOMPARE(f.state.radio().testFrequencies[0], TestFrequency{});
}

void DialogsTest::embeddedTextsKeystrokeLimitAndAsciiCheck() {
    Fixture f;
    auto* d = f.dialog<EmbeddedTextsDialog>();
    const auto& stored = f.state.radio().embeddedTexts;
    QLineEdit* first = textBox(d, embedded_texts_names::FirstTextBox);
    QLineEdit* second = textBox(d, embedded_texts_names::SecondTextBox);
    f.ui.embeddedTextsAction->trigger();
    QTest::keyClicks(first, QString(32, QLatin1Char('a')));
    QTest::keyClicks(first, QStringLiteral("b")); // the 33rd character is refused
    QCOMPARE(first->text(), QString(32, QLatin1Char('a')));
    QTest::keyClick(first, Qt::Key_Backspace);
    QCOMPARE(first->text().size(), 31);
    QTest::keyClicks(first, QStringLiteral("z"));
    first->setSelection(0, 1);
    QTest::keyClicks(first, QStringLiteral("Q")); // replaces the selection
    QCOMPARE(first->text(),
             QStringLiteral("Q") + QString(30, QLatin1Char('a')) + QStringLiteral("z"));
    click(okButton(d));
    QCOMPARE(stored[0], first->text().toStdString());
    QVERIFY(!d->isVisible());

    // Pasted text beyond the limit, or outside ASCII, is refused at OK.
    f.ui.embeddedTextsAction->trigger();
    second->setText(QStringLiteral("频道一"));
    click(okButton(d));
    QVERIFY(d->isVisible());
    QCOMPARE(f.box.shown.size(), size_t(1));
    QCOMPARE(f.box.shown[0].text, text(msg::EmbeddedTextInvalid.text));
    QCOMPARE(stored[1], std::string());
    second->setText(QString(33, QLatin1Char('x')));
    click(okButton(d));
    QCOMPARE(f.box.shown.size(), size_t(2));
    // Cancel keeps the typed text in the box but not in the data.
    click(cancelButton(d));
    f.ui.embeddedTextsAction->trigger();
    QCOMPARE(second->text().size(), 33);
    QCOMPARE(stored[1], std::string());
}

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
