// SPDX-License-Identifier: GPL-3.0-or-later
// The File menu and toolbar of the main window on real files, and the parameter file read at
// start-up and written at the end, with scripted dialogs and message boxes.
#include "GoldenImage.h"
#include "TemporaryFolder.h"
#include "WindowFixture.h"
#include "window/help/HelpServices.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QTableWidget>
#include <QtTest>

using namespace tlv;

namespace {

using Fixture = test::PortlessServices;
using test::MainWindowControls;

std::string ChannelOneFile() {
    std::vector<uint8_t> image = test::GoldenStartupImageBytes();
    const uint8_t channel[16] = {0x25, 0x06, 0x60, 0x44, 0xFF, 0xFF, 0xFF, 0xFF,
                                 0xFF, 0xFF, 0xFF, 0xFF, 0xF0, 0xE0, 0xFC, 0xFF};
    std::copy(std::begin(channel), std::end(channel), image.begin());
    return "QDM74" + std::string(image.begin(), image.end());
}

QString cell(const MainWindowControls& ui, int row, int column) {
    return ui.table->item(row, column)->text();
}

// The user moves the squelch list one entry down with the keyboard.
void changeSquelch(const MainWindowControls& ui) {
    const int before = ui.squelchList->currentIndex();
    QTest::keyClick(ui.squelchList, Qt::Key_Down);
    QVERIFY(ui.squelchList->currentIndex() != before);
}

} // namespace

class MainWindowFilesTest : public QObject {
    Q_OBJECT
  private slots:
    void titleMarksUnsavedChanges() {
        Fixture f;
        test::WriteBytes(f.folder.file("a.DAT"), ChannelOneFile());
        MainWindow form(f.state, f.services);
        MainWindowControls ui(form);
        const QString untitled = form.windowTitle();
        QVERIFY(!untitled.startsWith('*'));
        changeSquelch(ui);
        QCOMPARE(form.windowTitle(), "*" + untitled);
        QTest::keyClick(ui.squelchList, Qt::Key_Up);
        QCOMPARE(form.windowTitle(), untitled); // changed back by hand: nothing to save

        changeSquelch(ui);
        f.dialogs.saveAnswers = {f.folder.file("b")};
        ui.saveAction->trigger();
        const QString saved = QString::fromStdString("TLV6200-" + f.folder.file("b.DAT"));
        QCOMPARE(form.windowTitle(), saved);
        changeSquelch(ui);
        QCOMPARE(form.windowTitle(), "*" + saved);

        // Open after Discard; a language switch changes no data.
        f.box.answers = {IdDiscard};
        f.dialogs.openAnswers = {f.folder.file("a.DAT")};
        ui.openAction->trigger();
        const QString opened = QString::fromStdString("TLV6200-" + f.folder.file("a.DAT"));
        QCOMPARE(form.windowTitle(), opened);
        ui.englishAction->trigger();
        QCOMPARE(form.windowTitle(), opened);

        f.box.answers = {IdOk};
        ui.newAction->trigger();
        QCOMPARE(form.windowTitle(), QString("TLV6200 Radio Software V1.00"));
    }

    void saveChangesBeforeNewOpenAndQuit_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("answer");
        for (const char* command : {"new", "open", "quit"})
            for (auto [answer, name] : {std::pair{IdSave, "save"}, std::pair{IdDiscard, "discard"},
                                        std::pair{IdCancel, "cancel"}})
                QTest::newRow(QByteArray(command).append(", ").append(name).constData())
                    << QString(command) << int(answer);
    }

    void saveChangesBeforeNewOpenAndQuit() {
        QFETCH(QString, command);
        QFETCH(int, answer);
        Fixture f;
        test::WriteBytes(f.folder.file("a.DAT"), ChannelOneFile());
        MainWindow form(f.state, f.services);
        MainWindowControls ui(form);
        QSignalSpy unloaded(&form, &MainWindow::unloaded);
        form.show();
        f.dialogs.openAnswers = {f.folder.file("a.DAT"), f.folder.file("a.DAT")};
        ui.openAction->trigger();
        changeSquelch(ui);
        const int changed = ui.squelchList->currentIndex();

        f.box.answers = {answer};
        f.dialogs.saveAnswers = {f.folder.file("kept.DAT")};
        QAction* action = command == "new"    ? ui.newAction
                          : command == "open" ? ui.openAction
                                              : ui.quitAction;
        action->trigger();

        // One question; New's is its warning with the offer to save first.
        QCOMPARE(int(f.box.shown.size()), 1);
        QCOMPARE(f.box.shown[0].text,
                 std::string(command == "new" ? "所有信道的数据将被清除！\n"
                                                "信道数据已修改，是否先保存修改？"
                                              : "信道数据已修改，是否保存修改？"));
        QCOMPARE(f.dialogs.savesShown, answer == IdSave ? 1 : 0);
        QCOMPARE(std::filesystem::exists(f.folder.file("kept.DAT")), answer == IdSave);
        if (answer == IdCancel) {
            QCOMPARE(cell(ui, 1, 1), QString("446.00625"));
            QCOMPARE(ui.squelchList->currentIndex(), changed);
            QVERIFY(form.windowTitle().startsWith('*'));
            QVERIFY(form.isVisible());
            QCOMPARE(unloaded.count(), 0);
            return;
        }
        if (command == "new") QCOMPARE(cell(ui, 1, 1), QString());
        if (command == "open") QVERIFY(ui.squelchList->currentIndex() != changed);
        QCOMPARE(unloaded.count(), command == "quit" ? 1 : 0);
        if (command != "quit") QVERIFY(!form.windowTitle().startsWith('*'));
    }

    void saveFromTheMenuWritesTheFileAndSetsTheCaption() {
        Fixture f;
        MainWindow form(f.state, f.services);
        MainWindowControls ui(form);
        f.dialogs.saveAnswers = {f.folder.file("saved")};
        ui.saveAction->trigger();
        const std::string path = f.folder.file("saved.DAT");
        QCOMPARE(form.windowTitle(), QString::fromStdString("TLV6200-" + path));
        std::vector<uint8_t> golden = test::GoldenStartupImageBytes();
        QCOMPARE(test::ReadBytes(path), "QDM74" + std::string(golden.begin(), golden.end()));
    }

    void failedSaveLeavesTheCaption() {
        Fixture f;
        MainWindow form(f.state, f.services);
        MainWindowControls ui(form);
        const QString caption = form.windowTitle();
        f.dialogs.saveAnswers = {f.folder.file("none/saved.DAT")};
        ui.toolbarButton(ToolbarButton::Save)->trigger();
        QCOMPARE(form.windowTitle(), caption);
        QCOMPARE(int(f.box.shown.size()), 1);
        QCOMPARE(f.box.shown[0].flags, 16);
    }

    void newAsksAndClearsTheShownChannels() {
        Fixture f;
        test::WriteBytes(f.folder.file("a.DAT"), ChannelOneFile());
        MainWindow form(f.state, f.services);
        MainWindowControls ui(form);
        f.dialogs.openAnswers = {f.folder.file("a.DAT")};
        ui.openAction->trigger();
        f.box.answers = {IdCancel, IdOk};
        ui.newAction->trigger();
        QCOMPARE(cell(ui, 1, 1), QString("446.00625"));
        ui.toolbarButton(ToolbarButton::New)->trigger();
        QCOMPARE(cell(ui, 1, 1), QString());
        QCOMPARE(cell(ui, 1, 0), QString("01"));
        QCOMPARE(int(f.box.shown.size()), 2);
        QCOMPARE(f.box.shown[1].flags, 305);
    }

    void backupFolderOpensInTheFileManager() {
        Fixture f;
        f.services.backupFolder = f.folder.file("data/backups");
        QList<QUrl> opened;
        SetUrlOpener([&opened](const QUrl& url) {
            opened << url;
            return true;
        });
        MainWindow form(f.state, f.services);
        MainWindowControls ui(form);
        ui.backupFolderAction->trigger();
        QCOMPARE(opened,
                 QList<QUrl>{QUrl::fromLocalFile(QString::fromStdString(f.services.backupFolder))});
        QVERIFY(std::filesystem::is_directory(f.services.backupFolder)); // there before any backup
        SetUrlOpener([](const QUrl&) { return false; });
        ui.backupFolderAction->trigger();
        SetUrlOpener({});
        QCOMPARE(int(f.box.shown.size()), 1);
        QCOMPARE(f.box.shown[0].text,
                 std::string(msg::NoOpeningProgram.text.zh) + "\n" + f.services.backupFolder);
        // A folder that cannot be made is another matter.
        test::WriteBytes(f.folder.file("file"), "x");
        f.services.backupFolder = f.folder.file("file/backups");
        ui.backupFolderAction->trigger();
        QCOMPARE(f.box.shown[1].text, "无法打开备份文件夹：\n" + f.services.backupFolder);
    }

    void parameterBytesAtStartUp_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("locked");
        QTest::addColumn<int>("port");
        QTest::addColumn<int>("language");
        QTest::newRow("01 03 01") << QByteArray("\x01\x03\x01", 3) << true << 3 << 1;
        QTest::newRow("07 05 02") << QByteArray("\x07\x05\x02", 3) << false << 5 << 2;
        QTest::newRow("missing") << QByteArray() << false << 0 << 0;
        QTest::newRow("01") << QByteArray("\x01", 1) << true << 0 << 0;
    }

    void parameterBytesAtStartUp() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, locked);
        QFETCH(int, port);
        QFETCH(int, language);
        Fixture f;
        if (!bytes.isEmpty()) test::WriteBytes(f.parameterFile, bytes.toStdString());
        MainWindow form(f.state, f.services);
        MainWindowControls ui(form);
        QCOMPARE(ui.lockAction->isChecked(), locked);
        QCOMPARE(ui.table->isEnabled(), !locked);
        QCOMPARE(ui.bandFrame->isEnabled(), !locked);
        QCOMPARE(ui.functionPanel->isEnabled(), !locked);
        QCOMPARE(f.state.session.portNumber, port);
        QCOMPARE(LanguageCode(f.state.language()), language);
    }

    void lockSetBeforeTheEndComesBackAtTheNextStart() {
        Fixture f;
        test::WriteBytes(f.parameterFile, std::string("\x00\x04\x00\xAA\xBB", 5));
        {
            MainWindow form(f.state, f.services);
            MainWindowControls ui(form);
            QVERIFY(!ui.lockAction->isChecked());
            ui.lockAction->trigger();
            form.show();
            QVERIFY(form.close());
        }
        // Bytes 4 and 5 stay.
        QCOMPARE(test::ReadBytes(f.parameterFile), std::string("\x01\x04\x00\xAA\xBB", 5));
        EditorState next;
        MainWindow again(next, f.services);
        MainWindowControls againUi(again);
        QVERIFY(againUi.lockAction->isChecked());
        QVERIFY(!againUi.table->isEnabled());
    }

    void quitWritesTheParameterFileOnce() {
        Fixture f;
        MainWindow form(f.state, f.services);
        MainWindowControls ui(form);
        QSignalSpy unloaded(&form, &MainWindow::unloaded);
        form.show();
        f.state.session.portNumber = 7;
        ui.quitAction->trigger();
        QCOMPARE(unloaded.count(), 1);
        QCOMPARE(test::ReadBytes(f.parameterFile), std::string("\x00\x07\x00", 3));
    }

    void unwritableParameterFileDoesNotStopTheEnd() {
        Fixture f;
        f.services.settingsFolder = f.folder.file("none");
        f.parameterFile = f.folder.file("none/parameter");
        MainWindow form(f.state, f.services);
        MainWindowControls ui(form);
        QSignalSpy unloaded(&form, &MainWindow::unloaded);
        form.show();
        QVERIFY(form.close());
        QCOMPARE(unloaded.count(), 1);
        QVERIFY(!std::filesystem::exists(f.parameterFile));
    }
};

QTEST_MAIN(MainWindowFilesTest)
#include "main_window_files_test.moc"
