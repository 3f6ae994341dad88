// SPDX-License-Identifier: GPL-3.0-or-later
// The port window and the read/write commands of the main window, against the simulated radio
// on a pseudo-terminal named in a "ports" file.
#include "CliProcess.h"
#include "GoldenImage.h"
#include "TemporaryFolder.h"
#include "WindowFixture.h"
#include "editor/ParameterFile.h"
#include "editor/Startup.h"
#include "image/ImageCodec.h"
#include "language/Messages.h"
#include "qt/ComPorts.h"
#include "qt/TransferController.h"
#include "window/link/PortDialog.h"
#include "window/link/RadioLinkWiring.h"
#include "window/main/CellEditors.h"
#include "window/main/DropDownComboBox.h"
#include "window/main/MainWindow.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include <memory>

using namespace tlv;

namespace {

using Sim = test::SimulatedRadio;

void writePorts(const QTemporaryDir& dir, const QString& text) {
    test::WriteBytes(dir.filePath(QStringLiteral("ports")).toStdString(), text.toStdString());
}

struct Window : test::WindowServices {
    // A main window whose parameter and ports files are in `folder`.
    explicit Window(const QString& folder, const QString& backups = {}) {
        services.settingsFolder = folder.toStdString();
        services.backupFolder = backups.toStdString();
        form = std::make_unique<MainWindow>(state, services);
        ui = std::make_unique<test::MainWindowControls>(*form);
        // The ports are looked at once the program waits for events.
        QTRY_VERIFY(radioLink()->portsLookedAt());
    }
    // The same with `radio` as its only port, COM1, picked in the port window.
    Window(const QTemporaryDir& dir, const Sim& radio, const QString& backups = {})
        : Window((writePorts(dir, "COM1=" + radio.path()), dir.path()), backups) {
        radioLink()->portDialog()->onPortPicked(0);
        ended =
            std::make_unique<QSignalSpy>(&radioLink()->transfer(), &TransferController::finished);
    }
    TransferOutcome outcome(int transfer) const {
        return ended->at(transfer).at(0).value<TransferOutcome>();
    }
    RadioLinkWiring* radioLink() const { return form->findChild<RadioLinkWiring*>(); }
    std::unique_ptr<MainWindow> form;
    std::unique_ptr<test::MainWindowControls> ui;
    std::unique_ptr<QSignalSpy> ended;
};

// A "ports" file naming all twenty numbers: the given devices first, then devices that do not
// exist, so that the machine's own ports take no number.
void writeOnlyPorts(const QTemporaryDir& dir, const QStringList& devices) {
    QString text;
    for (int n = 1; n <= 20; ++n) {
        const QString device =
            n <= devices.size() ? devices[n - 1] : QStringLiteral("/dev/nonexistent-tlv-%1").arg(n);
        text += QStringLiteral("COM%1=%2\n").arg(n).arg(device);
    }
    writePorts(dir, text);
}

// Whether the watched window has had a paint event.
struct PaintWatcher : QObject {
    bool painted = false;
    bool eventFilter(QObject*, QEvent* event) override {
        painted = painted || event->type() == QEvent::Paint;
        return false;
    }
};

// A click on the round mark of port option `index`.
void clickOption(PortDialog* dialog, int index) {
    QRadioButton* option = dialog->portOptions[static_cast<std::size_t>(index)];
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
}

} // namespace

class RadioLinkGuiTest : public QObject {
    Q_OBJECT

  private slots:
    void portDialogLayoutAndScan();
    void portDialogLooksAgainEachTimeItOpens();
    void theWindowIsShownBeforeThePortsAreLookedAt();
    void readThroughTheMenuFillsTheTable();
    void readAndWriteEachLeaveOneBackup();
    void duringATransferNothingChangesTheEditorAndCloseAsks();
    void bandQuestionComesBeforeAnythingReachesTheRadio();
    void closingDuringAWriteAsksEverythingBeforeStopping();
    void theStartSizeHoldsATransferInEveryLanguage();
    void aCablePluggedInAgainIsTakenBack();
    void channelsOutsideTheBandAreListedBeforeAWrite();
};

void RadioLinkGuiTest::portDialogLayoutAndScan() {
    QTemporaryDir dir;
    Sim sim;
    writePorts(dir, QStringLiteral("COM1=%1\nCOM2=/dev/nonexistent-tlv-port\n").arg(sim.path()));
    Window w(dir.path());
    PortDialog* com = w.radioLink()->portDialog();
    QVERIFY(com != nullptr);
    QVERIFY(!com->isVisible());
    w.ui->portAction->trigger();
    QVERIFY(QTest::qWaitForWindowExposed(com));
    QCOMPARE(com->windowTitle(), QStringLiteral("Com"));

    // Four rows of five, COM1..COM20, no caption cut short.
    for (int i = 0; i < 20; ++i) {
        QRadioButton* option = com->portOptions[static_cast<std::size_t>(i)];
        QCOMPARE(option->text(), QStringLiteral("COM%1").arg(i + 1));
        QVERIFY2(option->width() >= option->sizeHint().width(), qPrintable(option->text()));
        QCOMPARE(option->x(), com->portOptions[static_cast<std::size_t>(i % 5)]->x());
        QCOMPARE(option->y(), com->portOptions[static_cast<std::size_t>(5 * (i / 5))]->y());
        if (i % 5) QVERIFY(option->x() > com->portOptions[static_cast<std::size_t>(i - 1)]->x());
        if (i >= 5) QVERIFY(option->y() > com->portOptions[static_cast<std::size_t>(i - 5)]->y());
        QLabel* device = com->portDevices[static_cast<std::size_t>(i)];
        QVERIFY(device->width() >= device->sizeHint().width());
    }
    // Each port's device is written under it; one that does not open says why.
    QVERIFY(com->portOptions[0]->isEnabled());
    QCOMPARE(com->portDevices[0]->text(), sim.path());
    QVERIFY(!com->portOptions[1]->isEnabled());
    QCOMPARE(com->portDevices[1]->text(), QStringLiteral("/dev/nonexistent-tlv-port\n设备不存在"));

    // Picking the option opens the port and makes it PortNumber.
    clickOption(com, 0);
    QCOMPARE(w.state.session.portNumber, 1);
    QVERIFY(w.radioLink()->ports().isOpen());
    QVERIFY(com->portOptions[0]->isChecked());
    com->close();
    QVERIFY(!com->isVisible());
    QCOMPARE(w.radioLink()->portDialog(), com);

    w.ui->englishAction->trigger();
    w.ui->portAction->trigger();
    QCOMPARE(com->portDevices[1]->text(),
             QStringLiteral("/dev/nonexistent-tlv-port\ndevice missing"));
    QVERIFY(com->portOptions[0]->isChecked());
    QVERIFY(w.radioLink()->ports().isOpen());
}

void RadioLinkGuiTest::portDialogLooksAgainEachTimeItOpens() {
    QTemporaryDir dir;
    auto first = std::make_unique<Sim>();
    writeOnlyPorts(dir, {first->path()});
    Window w(dir.path());
    PortDialog* com = w.radioLink()->portDialog();
    QCOMPARE(w.state.session.portNumber, 1); // the only port
    QVERIFY(w.radioLink()->ports().isOpen());

    // A radio plugged in later shows up when the window is opened again.
    auto second = std::make_unique<Sim>();
    writeOnlyPorts(dir, {first->path(), second->path()});
    w.ui->portAction->trigger();
    QVERIFY(com->portOptions[1]->isEnabled());
    QCOMPARE(com->portDevices[1]->text(), second->path());
    QVERIFY(com->portOptions[0]->isChecked());
    QCOMPARE(w.radioLink()->link().device(), first->path());

    // The chosen port held by another program: no other port is taken in its place.
    w.radioLink()->link().close();
    SerialLink holder;
    QVERIFY(holder.open(first->path()));
    com->close();
    w.ui->portAction->trigger();
    QVERIFY(!com->portOptions[0]->isEnabled());
    QCOMPARE(w.state.session.portNumber, 1);
    QVERIFY(!w.radioLink()->ports().isOpen());
    holder.close();

    // The chosen port's radio goes away: its option is no longer offered or checked, and the
    // only port left is taken as at start-up.
    first.reset();
    com->close();
    w.ui->portAction->trigger();
    QVERIFY(!com->portOptions[0]->isEnabled());
    QVERIFY(!com->portOptions[0]->isChecked());
    QCOMPARE(w.state.session.portNumber, 2);
    QCOMPARE(w.radioLink()->link().device(), second->path());

    // A port that went away after the window opened: picking it says why.
    auto third = std::make_unique<Sim>();
    writeOnlyPorts(dir, {QStringLiteral("/dev/nonexistent-tlv-1"), second->path(), third->path()});
    com->close();
    w.ui->portAction->trigger();
    QVERIFY(com->portOptions[2]->isEnabled());
    third.reset();
    clickOption(com, 2);
    QCOMPARE(w.box.shown.size(), std::size_t(1));
    const QString message = QString::fromStdString(w.box.shown[0].text);
    QVERIFY2(message.startsWith(QStringLiteral("无法打开所选的通信端口：\nCOM3")),
             qPrintable(message));
    QVERIFY2(message.contains(QStringLiteral("设备不存在")), qPrintable(message));
    QVERIFY(!com->portOptions[2]->isEnabled());
    QVERIFY(!com->portOptions[2]->isChecked());
    QVERIFY(!w.radioLink()->ports().isOpen());
}

// The start shows the window first; the only port is taken right after its first paint, and a
// Read at once waits for nothing.
void RadioLinkGuiTest::theWindowIsShownBeforeThePortsAreLookedAt() {
    QTemporaryDir dir;
    Sim sim;
    writeOnlyPorts(dir, {sim.path()});
    test::WindowServices services;
    services.services.settingsFolder = dir.path().toStdString();
    MainWindow form(services.state, services.services);
    auto* radioLink = form.findChild<RadioLinkWiring*>();
    PaintWatcher painted;
    form.installEventFilter(&painted);
    bool paintedBeforeLook = false;
    QObject::connect(radioLink, &RadioLinkWiring::portsFound, &form,
                     [&] { paintedBeforeLook = painted.painted; });
    form.show();
    QVERIFY(!radioLink->portsLookedAt());
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTRY_VERIFY(radioLink->portsLookedAt());
    QVERIFY(paintedBeforeLook);
    QCOMPARE(services.state.session.portNumber, 1);
    QVERIFY(radioLink->ports().isOpen());

    // A window not yet on the screen: a command that needs the port looks at the ports itself.
    test::WindowServices other;
    other.services.settingsFolder = dir.path().toStdString();
    radioLink->link().close();
    MainWindow hidden(other.state, other.services);
    auto* hiddenLink = hidden.findChild<RadioLinkWiring*>();
    QVERIFY(!hiddenLink->portsLookedAt());
    QVERIFY(hiddenLink->takeBackPort());
    QCOMPARE(other.state.session.portNumber, 1);
}

void RadioLinkGuiTest::readThroughTheMenuFillsTheTable() {
    QTemporaryDir dir;
    EditorState radio = MakeStartupEditor();
    radio.radio().channel(2).rx = Frequency{44600625};
    radio.radio().channel(2).tx = Frequency{44601250};
    test::WriteBytes(dir.filePath(QStringLiteral("radio.dat")).toStdString(),
                     test::DataFile(EncodeImage(radio.radio())));
    Sim sim({"--load", dir.filePath(QStringLiteral("radio.dat")).toStdString()});
    Window w(dir, sim);
    QVERIFY(w.radioLink()->ports().isOpen());

    w.ui->lockAction->trigger(); // editing lock on: the band frame is disabled
    QVERIFY(!w.ui->bandFrame->isEnabled());

    w.ui->readAction->trigger();
    QVERIFY(w.ui->bandFrame->isEnabled());
    QVERIFY(!w.ui->toolbar->isEnabled());
    QVERIFY(!w.ui->programmingMenu->isEnabled());
    QVERIFY(!w.ui->toolbarButton(ToolbarButton::Read)->isEnabled());
    QVERIFY(w.ended->wait(10000));
    QCOMPARE(w.outcome(0), TransferOutcome::Success);
    QCOMPARE(w.ui->table->item(2, col::TxFrequency)->text(), QStringLiteral("446.01250"));
    QCOMPARE(w.ui->transferStatus->text(), QStringLiteral("读频成功！"));
    QVERIFY(!w.ui->transferProgress->isVisible());
    QVERIFY(!w.ui->toolbar->isEnabled());
    // The end text blinks for six status ticks, then the controls come back.
    QTRY_VERIFY_WITH_TIMEOUT(w.ui->toolbar->isEnabled(), 5000);
    QVERIFY(w.ui->programmingMenu->isEnabled());
    QVERIFY(w.ui->toolbarButton(ToolbarButton::Read)->isEnabled());
    QVERIFY(!w.ui->transferStatus->isVisible());
    QVERIFY(w.box.shown.empty());
    QVERIFY2(w.ui->bandFrame->isEnabled(), "the band frame stays enabled until the lock toggles");
}

// The backups in `folder` whose names end with `suffix`, as their contents.
QList<QByteArray> backupsIn(const QString& folder, const QString& suffix) {
    QList<QByteArray> contents;
    for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files, QDir::Name))
        if (file.fileName().endsWith(suffix)) {
            QFile backup(file.filePath());
            if (backup.open(QIODevice::ReadOnly)) contents << backup.readAll();
        }
    return contents;
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void RadioLinkGuiTest::readAndWriteEachLeaveOneBackup() {
    QTemporaryDir dir;
    const QString backups = dir.filePath(QStringLiteral("backups"));
    EditorState radio = MakeStartupEditor();
    radio.radio().channel(4).rx = radio.radio().channel(4).tx = Frequency{43950000};
    const QString radioFile = dir.filePath(QStringLiteral("radio.dat"));
    test::WriteBytes(radioFile.toStdString(), test::DataFile(EncodeImage(radio.radio())));
    const QString saved = dir.filePath(QStringLiteral("saved.dat"));
    Sim sim({"--load", radioFile.toStdString(), "--save", saved.toStdString()});
    Window w(dir, sim, backups);
    w.ui->readAction->trigger();
    QVERIFY(w.ended->wait(10000));
    QCOMPARE(backupsIn(backups, "_read.DAT"), QList<QByteArray>{fileBytes(radioFile)});
    QVERIFY(!w.form->windowTitle().startsWith('*'));

    QTRY_VERIFY_WITH_TIMEOUT(w.ui->toolbar->isEnabled(), 5000);
    w.state.radio().channel(5).rx = w.state.radio().channel(5).tx = Frequency{43300000};
    w.ui->toolbarButton(ToolbarButton::Write)->trigger();
    QVERIFY(w.ended->wait(10000));
    QCOMPARE(w.outcome(1), TransferOutcome::Success);
    QCOMPARE(w.ui->transferStatus->text(), QStringLiteral("写频成功！"));
    // The radio saves its memory after the read's end frame too: wait for the write's.
    QTRY_COMPARE(fileBytes(saved),
                 QByteArray::fromStdString(test::DataFile(EncodeImage(w.state.radio()))));
    QCOMPARE(backupsIn(backups, "_write.DAT"), QList<QByteArray>{fileBytes(saved)});
    QVERIFY(!w.ui->backupNotice->isVisible());
}

// A write into a slow radio: commands held, the close box asks; a backup that cannot be saved is
// noted and the write goes on.
void RadioLinkGuiTest::duringATransferNothingChangesTheEditorAndCloseAsks() {
    QTemporaryDir dir;
    Sim sim({"--latency", "20", "--save", dir.filePath(QStringLiteral("saved.dat")).toStdString()});
    Window w(dir, sim, dir.filePath(QStringLiteral("ports/backups"))); // "ports" is a file
    test::MainWindowControls& form = *w.ui;
    w.form->show();
    // A change typed before the write, which Undo could take back.
    form.table->setFocus();
    form.table->setCurrentCell(1, col::RxFrequency);
    QTest::keyClick(form.table, Qt::Key_Return);
    QTest::keyClicks(form.frequencyEditor, "438");
    QTest::keyClick(form.frequencyEditor, Qt::Key_Return);
    QVERIFY(form.undoAction->isEnabled());

    form.toolbarButton(ToolbarButton::Write)->trigger();
    for (QAction* command : {form.fileMenu->menuAction(),
                             form.newAction,
                             form.openAction,
                             form.saveAction,
                             form.importAction,
                             form.exportAction,
                             form.printAction,
                             form.exportPdfAction,
                             form.quitAction,
                             form.lockAction,
                             form.portAction,
                             form.editMenu->menuAction(),
                             form.undoAction,
                             form.redoAction,
                             form.cutAction,
                             form.pasteAction,
                             form.deleteChannelsAction,
                             form.insertChannelAction,
                             form.moveUpAction,
                             form.moveDownAction})
        QVERIFY2(!command->isEnabled(), qPrintable(command->objectName()));
    QTest::keySequence(w.form.get(), QKeySequence::Undo);
    QCOMPARE(test::CellString(w.state, 1, col::RxFrequency), QStringLiteral("438.00000"));
    for (QWidget* control :
         {static_cast<QWidget*>(form.table), static_cast<QWidget*>(form.functionPanel),
          static_cast<QWidget*>(form.bandList)})
        QVERIFY2(!control->isEnabled(), qPrintable(control->objectName()));
    // The status line and the progress bar fit in the window at its start size.
    QTRY_VERIFY(form.transferProgress->isVisible() && form.transferStatus->isVisible());
    QCoreApplication::processEvents();
    QVERIFY(!form.clientArea->verticalScrollBar()->isVisible());
    QVERIFY(!form.clientArea->horizontalScrollBar()->isVisible());

    w.box.answers = {IdNo};
    QVERIFY(!w.form->close());
    QCOMPARE(w.box.shown.back().text, std::string(msg::StopWriteAndQuit.text.zh));
    QVERIFY(w.form->isVisible());
    QVERIFY(w.ended->wait(15000));
    QCOMPARE(w.outcome(0), TransferOutcome::Success);
    QVERIFY(sim.waitSaved());
    QVERIFY(form.backupNotice->isVisible());
    QVERIFY(form.backupNotice->text().startsWith(QString::fromUtf8(status::BackupFailed.zh)));
    QCOMPARE(int(w.box.shown.size()), 1);
    QTRY_VERIFY_WITH_TIMEOUT(form.fileMenu->menuAction()->isEnabled(), 5000);
    for (QAction* command : {form.quitAction, form.importAction, form.printAction,
                             form.editMenu->menuAction(), form.undoAction})
        QVERIFY2(command->isEnabled(), qPrintable(command->objectName()));
    QVERIFY(form.table->isEnabled());
    QVERIFY(form.bandList->isEnabled());
}

void RadioLinkGuiTest::bandQuestionComesBeforeAnythingReachesTheRadio() {
    QTemporaryDir dir;
    const QString saved = dir.filePath(QStringLiteral("saved.dat"));
    Sim sim({"--save", saved.toStdString()});
    Window w(dir, sim);
    w.box.answers = {IdNo}; // no channel in use: the band changes unasked; No to the write's
    QTest::keyClick(w.ui->bandList, Qt::Key_Down);
    QCOMPARE(w.state.radio().band, 1);

    w.ui->toolbarButton(ToolbarButton::Write)->trigger();
    QCOMPARE(w.ended->count(), 1);
    QCOMPARE(w.outcome(0), TransferOutcome::Declined);
    QCOMPARE(w.box.shown.back().text, std::string(msg::BandMismatch.text.zh));
    QCOMPARE(w.ui->transferStatus->text(), QString::fromUtf8(msg::BandMismatch.text.zh));
    QVERIFY2(!sim.waitSaved(1500), "the radio got an end frame");

    // The same band asks no more: the write goes through.
    QTRY_VERIFY_WITH_TIMEOUT(w.ui->toolbar->isEnabled(), 5000);
    w.ui->toolbarButton(ToolbarButton::Write)->trigger();
    QVERIFY(w.ended->wait(10000));
    QCOMPARE(w.outcome(1), TransferOutcome::Success);
    QCOMPARE(int(w.box.shown.size()), 1);
    QVERIFY(sim.waitSaved());
}

// The close box during a write with unsaved changes: both questions come first; a Cancel to the
// second leaves the write running to its end; Yes and Discard stop it and close.
void RadioLinkGuiTest::closingDuringAWriteAsksEverythingBeforeStopping() {
    QTemporaryDir dir;
    Sim sim({"--latency", "20"});
    Window w(dir, sim);
    w.form->show();
    w.ui->table->setFocus();
    w.ui->table->setCurrentCell(1, col::RxFrequency);
    QTest::keyClick(w.ui->table, Qt::Key_Return);
    QTest::keyClicks(w.ui->frequencyEditor, "438");
    QTest::keyClick(w.ui->frequencyEditor, Qt::Key_Return);
    QVERIFY(w.form->windowTitle().startsWith('*'));

    w.ui->toolbarButton(ToolbarButton::Write)->trigger();
    w.box.answers = {IdYes, IdCancel};
    QVERIFY(!w.form->close());
    QCOMPARE(w.box.shown.size(), std::size_t(2));
    QCOMPARE(w.box.shown[0].text, std::string(msg::StopWriteAndQuit.text.zh));
    QVERIFY(w.radioLink()->transfer().running());
    QVERIFY(w.ended->wait(15000));
    QCOMPARE(w.outcome(0), TransferOutcome::Success);

    QTRY_VERIFY_WITH_TIMEOUT(w.ui->toolbar->isEnabled(), 5000);
    w.ui->toolbarButton(ToolbarButton::Write)->trigger();
    QVERIFY(w.radioLink()->transfer().running());
    w.box.answers = {IdYes, IdDiscard};
    QVERIFY(w.form->close());
    QCOMPARE(w.ended->count(), 2);
    QCOMPARE(w.outcome(1), TransferOutcome::Stopped);
}

// The chosen port's device goes away and comes back on the same path: Read opens it again
// without the port window, and asks "Save changes?" only once the port is open.
void RadioLinkGuiTest::aCablePluggedInAgainIsTakenBack() {
    QTemporaryDir dir;
    const QString cable = dir.filePath(QStringLiteral("cable"));
    auto first = std::make_unique<Sim>();
    QVERIFY(QFile::link(first->path(), cable));
    writeOnlyPorts(dir, {cable});
    Window w(dir.path());
    QVERIFY(w.radioLink()->ports().isOpen());
    w.state.radio().channel(3).rx = w.state.radio().channel(3).tx = Frequency{43300000};
    w.ui->model.refresh();

    // Pulled: the port closes; Read says so before asking about the changes.
    first.reset();
    QFile::remove(cable);
    QTRY_VERIFY(!w.radioLink()->ports().isOpen());
    w.ui->readAction->trigger();
    QCOMPARE(w.box.shown.size(), std::size_t(1));
    QCOMPARE(w.box.shown[0].text, std::string(msg::PortNotOpen.text.zh));

    // Plugged in again: the port opens, then the changes are asked about.
    Sim second;
    QVERIFY(QFile::link(second.path(), cable));
    QSignalSpy ended(&w.radioLink()->transfer(), &TransferController::finished);
    w.box.answers = {IdDiscard};
    w.ui->readAction->trigger();
    QCOMPARE(w.box.shown.size(), std::size_t(2));
    QVERIFY(w.radioLink()->ports().isOpen());
    QVERIFY(ended.wait(10000));
    QCOMPARE(ended.at(0).at(0).value<TransferOutcome>(), TransferOutcome::Success);
}

// Started in English, a write shows its status text, its progress bar and the rights line
// whole, without scroll bars; the same after a switch to Traditional Chinese at that size.
void RadioLinkGuiTest::theStartSizeHoldsATransferInEveryLanguage() {
    QTemporaryDir dir;
    QVERIFY(WriteParameterFile(dir.filePath(kParameterFileName).toStdString(),
                               MakeParameterBytes(false, 1, Language::English)));
    Sim sim({"--latency", "20"});
    Window w(dir, sim);
    QCOMPARE(w.state.language(), Language::English);
    w.form->show();
    test::MainWindowControls& form = *w.ui;
    const auto writeShowsWhole = [&](int transfer) {
        form.toolbarButton(ToolbarButton::Write)->trigger();
        QTRY_VERIFY(form.transferProgress->isVisible() && form.transferStatus->isVisible());
        QCoreApplication::processEvents();
        QVERIFY(!form.clientArea->verticalScrollBar()->isVisible());
        QVERIFY(!form.clientArea->horizontalScrollBar()->isVisible());
        QVERIFY(form.transferStatus->width() >= form.transferStatus->sizeHint().width());
        QVERIFY(form.rightsLine->width() >= form.rightsLine->sizeHint().width());
        QVERIFY(form.transferProgress->width() >= form.transferProgress->minimumWidth());
        QVERIFY(w.ended->wait(15000));
        QCOMPARE(w.outcome(transfer), TransferOutcome::Success);
        QTRY_VERIFY_WITH_TIMEOUT(form.toolbar->isEnabled(), 5000);
    };
    writeShowsWhole(0);
    w.ui->traditionalChineseAction->trigger();
    QCoreApplication::processEvents();
    QVERIFY(form.rightsLine->width() >= form.rightsLine->sizeHint().width());
    writeShowsWhole(1);
}

// The band list's Cancel keeps channels the new band does not hold; a write lists them and
// sends nothing unless the user says OK.
void RadioLinkGuiTest::channelsOutsideTheBandAreListedBeforeAWrite() {
    QTemporaryDir dir;
    const QString saved = dir.filePath(QStringLiteral("saved.dat"));
    Sim sim({"--save", saved.toStdString()});
    Window w(dir, sim);
    w.ui->englishAction->trigger();
    w.form->show();
    w.ui->table->setFocus();
    w.ui->table->setCurrentCell(3, col::RxFrequency);
    QTest::keyClick(w.ui->table, Qt::Key_Return);
    QTest::keyClicks(w.ui->frequencyEditor, "440");
    QTest::keyClick(w.ui->frequencyEditor, Qt::Key_Return);
    w.box.answers = {IdCancel}; // the band question: keep the channels
    w.ui->bandList->setCurrentIndex(5);
    QCOMPARE(w.state.radio().band, 5);
    QVERIFY(w.state.radio().inUse(3));

    w.box.answers = {IdCancel};
    w.ui->toolbarButton(ToolbarButton::Write)->trigger();
    QCOMPARE(w.box.shown.size(), std::size_t(2));
    QCOMPARE(w.box.shown[1].text, std::string(msg::WriteOutsideBand.text.en) +
                                      "\nCH03 RX 440.00000 TX 440.00000 (136-174MHz)");
    QVERIFY(!w.radioLink()->transfer().running());
    QCOMPARE(w.ended->count(), 0);

    w.box.answers = {IdOk, IdOk}; // write anyway; the band question
    w.ui->toolbarButton(ToolbarButton::Write)->trigger();
    QVERIFY(w.ended->wait(10000));
    QCOMPARE(w.outcome(0), TransferOutcome::Success);
    QVERIFY(sim.waitSaved());
}

QTEST_MAIN(RadioLinkGuiTest)
#include "radio_link_gui_test.moc"
