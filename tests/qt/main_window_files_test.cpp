// The File menu and toolbar of the main window on real files, and the parameter file read at
// start-up and written at the end, with scripted dialogs and message boxes.
#include "GoldenImage.h"
#include "TemporaryFolder.h"
#include "WindowFixture.h"
#include "help/gui/HelpServices.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QTableWidget>
#include <QtTest>

using namespace tlv;

namespace {

struct Fixture : test::WindowServices {
    test::TemporaryFolder folder;
    std::string parameterFile = folder.file("parameter");

    // Every COM number stands for a device that does not exist, so that the port scan of the
    // start-up neither finds this machine's ports nor changes PortNumber.
    Fixture() {
        services.settingsFolder = folder.path().string();
        std::string ports;
        for (int n = 1; n <= 20; ++n)
            ports += "COM" + std::to_string(n) + "=" + folder.file("no-device") + "\n";
        test::WriteBytes(folder.file("ports"), ports);
    }
};

std::string ChannelOneFile() {
    std::vector<uint8_t> image = test::GoldenStartupImageBytes();
    const uint8_t channel[16] = {0x25, 0x06, 0x60, 0x44, 0xFF, 0xFF, 0xFF, 0xFF,
                                 0xFF, 0xFF, 0xFF, 0xFF, 0xF0, 0xE0, 0xFC, 0xFF};
    std::copy(std::begin(channel), std::end(channel), image.begin());
    return "QDM74" + std::string(image.begin(), image.end());
}

QString cell(const MainWindow& form, int row, int column) {
    return form.channelTable->item(row, column)->text();
}

// The user moves the squelch list one entry down with the keyboard.
void changeSquelch(MainWindow& form) {
    const int before = form.squelchList->currentIndex();
    QTest::keyClick(form.squelchList, Qt::Key_Down);
    QVERIFY(form.squelchList->currentIndex() != before);
}

} // namespace

class MainWindowFilesTest : public QObject {
    Q_OBJECT
  private slots:
    void titleMarksUnsavedChanges() {
        Fixture f;
        test::WriteBytes(f.folder.file("a.DAT"), ChannelOneFile());
        MainWindow form(f.state, f.services);
        const QString untitled = form.windowTitle();
        QVERIFY(!untitled.startsWith('*'));
        changeSquelch(form);
        QCOMPARE(form.windowTitle(), "*" + untitled);
        QTest::keyClick(form.squelchList, Qt::Key_Up);
        QCOMPARE(form.windowTitle(), untitled); // changed back by hand: nothing to save

        changeSquelch(form);
        f.dialogs.saveAnswers = {f.folder.file("b")};
        form.saveAction->trigger();
        const QString saved = QString::fromStdString("TLV6200-" + f.folder.file("b.DAT"));
        QCOMPARE(form.windowTitle(), saved);
        changeSquelch(form);
        QCOMPARE(form.windowTitle(), "*" + saved);

        // Open after Discard; a language switch changes no data.
        f.box.answers = {IdDiscard};
        f.dialogs.openAnswers = {f.folder.file("a.DAT")};
        form.openAction->trigger();
        const QString opened = QString::fromStdString("TLV6200-" + f.folder.file("a.DAT"));
        QCOMPARE(form.windowTitle(), opened);
        form.englishAction->trigger();
        QCOMPARE(form.windowTitle(), opened);

        f.box.answers = {IdOk};
        form.newAction->trigger();
        QCOMPARE(form.windowTitle(), QString("TLV6200 Radio Software V1.00"));
    }

    void saveChangesBeforeNewOpenAndQuit_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("answer");
        for (const char* command : {"new", "open", "quit"})
            for (auto [answer, name] : {std::pair{IdSave, "save"}, std::pair{IdDiscard, "discard"},
                                        std::pair{IdCancel, "cancel"}})
                QTest::addRow("%s, %s", command, name) << QString(command) << int(answer);
    }

    void saveChangesBeforeNewOpenAndQuit() {
        QFETCH(QString, command);
        QFETCH(int, answer);
        Fixture f;
        test::WriteBytes(f.folder.file("a.DAT"), ChannelOneFile());
        MainWindow form(f.state, f.services);
        QSignalSpy unloaded(&form, &MainWindow::unloaded);
        form.show();
        f.dialogs.openAnswers = {f.folder.file("a.DAT"), f.folder.file("a.DAT")};
        form.openAction->trigger();
        changeSquelch(form);
        const int changed = form.squelchList->currentIndex();

        f.box.answers = {answer};
        f.dialogs.saveAnswers = {f.folder.file("kept.DAT")};
        QAction* action = command == "new"    ? form.newAction
                          : command == "open" ? form.openAction
                                              : form.quitAction;
        action->trigger();

        // One question, the New confirmation included.
        QCOMPARE(int(f.box.shown.size()), 1);
        QCOMPARE(f.box.shown[0].text, std::string("信道数据已修改，是否保存修改？"));
        QCOMPARE(f.dialogs.savesShown, answer == IdSave ? 1 : 0);
        QCOMPARE(std::filesystem::exists(f.folder.file("kept.DAT")), answer == IdSave);
        if (answer == IdCancel) {
            QCOMPARE(cell(form, 1, 1), QString("446.00625"));
            QCOMPARE(form.squelchList->currentIndex(), changed);
            QVERIFY(form.windowTitle().startsWith('*'));
            QVERIFY(form.isVisible());
            QCOMPARE(unloaded.count(), 0);
            return;
        }
        if (command == "new") QCOMPARE(cell(form, 1, 1), QString());
        if (command == "open") QVERIFY(form.squelchList->currentIndex() != changed);
        QCOMPARE(unloaded.count(), command == "quit" ? 1 : 0);
        if (command != "quit") QVERIFY(!form.windowTitle().startsWith('*'));
    }

    void saveFromTheMenuWritesTheFileAndSetsTheCaption() {
        Fixture f;
        MainWindow form(f.state, f.services);
        f.dialogs.saveAnswers = {f.folder.file("saved")};
        form.saveAction->trigger();
        const std::string path = f.folder.file("saved.DAT");
        QCOMPARE(form.windowTitle(), QString::fromStdString("TLV6200-" + path));
        std::vector<uint8_t> golden = test::GoldenStartupImageBytes();
        QCOMPARE(test::ReadBytes(path), "QDM74" + std::string(golden.begin(), golden.end()));
    }

    void failedSaveLeavesTheCaption() {
        Fixture f;
        MainWindow form(f.state, f.services);
        const QString caption = form.windowTitle();
        f.dialogs.saveAnswers = {f.folder.file("none/saved.DAT")};
        form.toolbarButton(ToolbarButton::Save)->trigger();
        QCOMPARE(form.windowTitle(), caption);
        QCOMPARE(int(f.box.shown.size()), 1);
        QCOMPARE(f.box.shown[0].flags, 16);
    }

    void newAsksAndClearsTheShownChannels() {
        Fixture f;
        test::WriteBytes(f.folder.file("a.DAT"), ChannelOneFile());
        MainWindow form(f.state, f.services);
        f.dialogs.openAnswers = {f.folder.file("a.DAT")};
        form.openAction->trigger();
        f.box.answers = {IdCancel, IdOk};
        form.newAction->trigger();
        QCOMPARE(cell(form, 1, 1), QString("446.00625"));
        form.toolbarButton(ToolbarButton::New)->trigger();
        QCOMPARE(cell(form, 1, 1), QString());
        QCOMPARE(cell(form, 1, 0), QString("01"));
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
        form.backupFolderAction->trigger();
        QCOMPARE(opened,
                 QList<QUrl>{QUrl::fromLocalFile(QString::fromStdString(f.services.backupFolder))});
        QVERIFY(std::filesystem::is_directory(f.services.backupFolder)); // there before any backup
        SetUrlOpener([](const QUrl&) { return false; });
        form.backupFolderAction->trigger();
        SetUrlOpener({});
        QCOMPARE(int(f.box.shown.size()), 1);
        QCOMPARE(f.box.shown[0].text, "无法打开备份文件夹：\n" + f.services.backupFolder);
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
        QCOMPARE(form.lockAction->isChecked(), locked);
        QCOMPARE(form.channelTable->isEnabled(), !locked);
        QCOMPARE(form.bandFrame->isEnabled(), !locked);
        QCOMPARE(form.functionPanel->isEnabled(), !locked);
        QCOMPARE(f.state.portNumber, port);
        QCOMPARE(f.state.languageState, language);
    }

    void lockSetBeforeTheEndComesBackAtTheNextStart() {
        Fixture f;
        test::WriteBytes(f.parameterFile, std::string("\x00\x04\x00\xAA\xBB", 5));
        {
            MainWindow form(f.state, f.services);
            QVERIFY(!form.lockAction->isChecked());
            form.lockAction->trigger();
            form.show();
            QVERIFY(form.close());
        }
        // Bytes 4 and 5 stay.
        QCOMPARE(test::ReadBytes(f.parameterFile), std::string("\x01\x04\x00\xAA\xBB", 5));
        EditorState next;
        MainWindow again(next, f.services);
        QVERIFY(again.lockAction->isChecked());
        QVERIFY(!again.channelTable->isEnabled());
    }

    void quitWritesTheParameterFileOnce() {
        Fixture f;
        MainWindow form(f.state, f.services);
        QSignalSpy unloaded(&form, &MainWindow::unloaded);
        form.show();
        f.state.portNumber = 7;
        form.quitAction->trigger();
        QCOMPARE(unloaded.count(), 1);
        QCOMPARE(test::ReadBytes(f.parameterFile), std::string("\x00\x07\x00", 3));
    }

    void unwritableParameterFileDoesNotStopTheEnd() {
        Fixture f;
        f.services.settingsFolder = f.folder.file("none");
        f.parameterFile = f.folder.file("none/parameter");
        MainWindow form(f.state, f.services);
        QSignalSpy unloaded(&form, &MainWindow::unloaded);
        form.show();
        QVERIFY(form.close());
        QCOMPARE(unloaded.count(), 1);
        QVERIFY(!std::filesystem::exists(f.parameterFile));
    }
};

QTEST_MAIN(MainWindowFilesTest)
#include "main_window_files_test.moc"
