// SPDX-License-Identifier: GPL-3.0-or-later
// Read and Write from the main window, against the simulated radio on a pseudo-terminal named
// in a "ports" file: the table filled, the status line, the band question, the backups, the
// commands held and the close box during a transfer.
#include "LinkWindow.h"
#include "editor/ParameterFile.h"
#include "editor/Startup.h"
#include "image/ImageCodec.h"
#include "language/Messages.h"
#include "qt/ComPorts.h"
#include "texts/TransferStatusLine.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QToolBar>
#include <QtTest>

#include <algorithm>

using namespace tlv;
using test::Sim;

namespace {

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

} // namespace

class TransferGuiTest : public QObject {
    Q_OBJECT

  private slots:
    void readThroughTheMenuFillsTheTable();
    void aReadTellsWhatItsImageHoldsBeforeItsEndText();
    void readAndWriteEachLeaveOneBackup();
    void duringATransferNothingChangesTheEditorAndCloseAsks();
    void bandQuestionComesBeforeAnythingReachesTheRadio();
    void closingDuringAWriteAsksEverythingBeforeStopping();
    void theStartSizeHoldsATransferInEveryLanguage();
    void channelsOutsideTheBandAreListedBeforeAWrite();
};

void TransferGuiTest::readThroughTheMenuFillsTheTable() {
    QTemporaryDir dir;
    EditorState radio = MakeStartupEditor();
    radio.radio().channel(2).rx = Frequency{44600625};
    radio.radio().channel(2).tx = Frequency{44601250};
    test::WriteBytes(dir.filePath(QStringLiteral("radio.dat")).toStdString(),
                     test::DataFile(EncodeImage(radio.radio())));
    Sim sim({"--load", dir.filePath(QStringLiteral("radio.dat")).toStdString()});
    test::LinkWindow w(dir, sim);
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

// A radio whose image holds a damaged frequency and another band: the read tells of it while
// the status line still says it is communicating, keeps the radio's band, and settles no band
// question: the next write asks it.
void TransferGuiTest::aReadTellsWhatItsImageHoldsBeforeItsEndText() {
    QTemporaryDir dir;
    EditorState radio = MakeStartupEditor();
    radio.radio().band = 5;
    MemoryImage image = EncodeImage(radio.radio());
    const uint8_t damaged[] = {0x25, 0x06, 0x60, 0x4A}; // channel 1 receive: 4A6.00625
    std::copy_n(damaged, 4, image.begin());
    const QString file = dir.filePath(QStringLiteral("radio.dat"));
    test::WriteBytes(file.toStdString(), test::DataFile(image));
    Sim sim({"--load", file.toStdString()});
    test::LinkWindow w(dir, sim);
    QStringList statusWhileTold;
    w.box.whileShown = [&] { statusWhileTold << w.ui->transferStatus->text(); };
    w.ui->readAction->trigger();
    QVERIFY(w.ended->wait(10000));
    QCOMPARE(w.outcome(0), TransferOutcome::Success);
    QCOMPARE(w.box.shown.size(), std::size_t(1));
    QVERIFY(w.box.shown[0].text.starts_with(msg::DamagedFrequencies.text.zh));
    QCOMPARE(statusWhileTold, QStringList{QString::fromUtf8(status::Communicating.zh)});
    QCOMPARE(w.ui->transferStatus->text(), QString::fromUtf8(status::ReadSuccess.zh));
    QCOMPARE(w.state.radio().band, 5);
    QCOMPARE(w.ui->bandList->currentIndex(), 5);
    QVERIFY(!w.form->windowTitle().startsWith('*'));

    QTRY_VERIFY_WITH_TIMEOUT(w.ui->toolbar->isEnabled(), 5000);
    w.box.answers = {IdNo};
    w.ui->toolbarButton(ToolbarButton::Write)->trigger();
    QCOMPARE(w.box.shown.back().text, std::string(msg::BandMismatch.text.zh));
    QCOMPARE(w.outcome(1), TransferOutcome::Declined);
}

void TransferGuiTest::readAndWriteEachLeaveOneBackup() {
    QTemporaryDir dir;
    const QString backups = dir.filePath(QStringLiteral("backups"));
    EditorState radio = MakeStartupEditor();
    radio.radio().channel(4).rx = radio.radio().channel(4).tx = Frequency{43950000};
    const QString radioFile = dir.filePath(QStringLiteral("radio.dat"));
    test::WriteBytes(radioFile.toStdString(), test::DataFile(EncodeImage(radio.radio())));
    const QString saved = dir.filePath(QStringLiteral("saved.dat"));
    Sim sim({"--load", radioFile.toStdString(), "--save", saved.toStdString()});
    test::LinkWindow w(dir, sim, backups);
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
void TransferGuiTest::duringATransferNothingChangesTheEditorAndCloseAsks() {
    QTemporaryDir dir;
    Sim sim({"--latency", "20", "--save", dir.filePath(QStringLiteral("saved.dat")).toStdString()});
    test::LinkWindow w(dir, sim,
                       dir.filePath(QStringLiteral("ports/backups"))); // "ports" is a file
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

void TransferGuiTest::bandQuestionComesBeforeAnythingReachesTheRadio() {
    QTemporaryDir dir;
    const QString saved = dir.filePath(QStringLiteral("saved.dat"));
    Sim sim({"--save", saved.toStdString()});
    test::LinkWindow w(dir, sim);
    w.box.answers = {IdNo}; // no channel in use: the band changes unasked; No to the write's
    QTest::keyClick(w.ui->bandList, Qt::Key_Down);
    QCOMPARE(w.state.radio().band, 1);

    w.ui->toolbarButton(ToolbarButton::Write)->trigger();
    QCOMPARE(w.ended->count(), 1);
    QCOMPARE(w.outcome(0), TransferOutcome::Declined);
    QCOMPARE(w.box.shown.back().text, std::string(msg::BandMismatch.text.zh));
    QCOMPARE(w.box.shown.back().flags, 68);
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
void TransferGuiTest::closingDuringAWriteAsksEverythingBeforeStopping() {
    QTemporaryDir dir;
    Sim sim({"--latency", "20"});
    test::LinkWindow w(dir, sim);
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

// Started in English, a write shows its status text, its progress bar and the rights line
// whole, without scroll bars; the same after a switch to Traditional Chinese at that size.
void TransferGuiTest::theStartSizeHoldsATransferInEveryLanguage() {
    QTemporaryDir dir;
    QVERIFY(WriteParameterFile(dir.filePath(kParameterFileName).toStdString(),
                               MakeParameterBytes(false, 1, Language::English)));
    Sim sim({"--latency", "20"});
    test::LinkWindow w(dir, sim);
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
void TransferGuiTest::channelsOutsideTheBandAreListedBeforeAWrite() {
    QTemporaryDir dir;
    const QString saved = dir.filePath(QStringLiteral("saved.dat"));
    Sim sim({"--save", saved.toStdString()});
    test::LinkWindow w(dir, sim);
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

QTEST_MAIN(TransferGuiTest)
#include "transfer_gui_test.moc"
