// The port window and the read/write commands of the main window, against the simulated radio
// on a pseudo-terminal named in a "ports" file.
#include "FixedClock.h"
#include "ScriptedMessageBox.h"
#include "SimulatedRadio.h"
#include "editor/Startup.h"
#include "editor/gui/MainWindow.h"
#include "image/ImageCodec.h"
#include "link/gui/PortDialog.h"
#include "link/gui/RadioLinkWiring.h"
#include "link/qt/ComPorts.h"
#include "link/qt/TransferController.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QProgressBar>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include <fstream>
#include <memory>

using namespace tlv;

namespace {

using Sim = test::SimulatedRadio;

void writeDat(const QString& path, const std::string& imageText) {
    auto bytes = *ImageTextToBytes(imageText);
    std::ofstream out(path.toStdString(), std::ios::binary);
    out.write("QDM74", 5);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

struct Window {
    explicit Window(const QString& folder) {
        services.settingsFolder = folder.toStdString();
        form = std::make_unique<MainWindow>(state, services);
    }
    EditorState state;
    test::ScriptedMessageBox box;
    test::FixedClock clock;
    AppServices services{&box, &clock};
    std::unique_ptr<MainWindow> form;
};

void writePorts(const QTemporaryDir& dir, const QString& text) {
    std::ofstream(dir.filePath(QStringLiteral("ports")).toStdString()) << text.toStdString();
}

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
    void readThroughTheMenuFillsTheTable();
    void writeThroughTheToolbarReachesTheRadio();
};

void RadioLinkGuiTest::portDialogLayoutAndScan() {
    QTemporaryDir dir;
    Sim sim({});
    writePorts(dir, QStringLiteral("COM1=%1\nCOM2=/dev/nonexistent-tlv-port\n").arg(sim.path()));
    Window w(dir.path());
    PortDialog* com = w.form->radioLink()->portDialog();
    QVERIFY(com != nullptr);
    QVERIFY(!com->isVisible());
    w.form->portAction->trigger();
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
    QCOMPARE(w.state.portNumber, 1);
    QVERIFY(w.form->radioLink()->ports().isOpen());
    QVERIFY(com->portOptions[0]->isChecked());
    com->close();
    QVERIFY(!com->isVisible());
    QCOMPARE(w.form->radioLink()->portDialog(), com);

    w.form->englishAction->trigger();
    w.form->portAction->trigger();
    QCOMPARE(com->portDevices[1]->text(),
             QStringLiteral("/dev/nonexistent-tlv-port\ndevice missing"));
    QVERIFY(com->portOptions[0]->isChecked());
    QVERIFY(w.form->radioLink()->ports().isOpen());
}

void RadioLinkGuiTest::portDialogLooksAgainEachTimeItOpens() {
    QTemporaryDir dir;
    auto first = std::make_unique<Sim>(QStringList{});
    writeOnlyPorts(dir, {first->path()});
    Window w(dir.path());
    PortDialog* com = w.form->radioLink()->portDialog();
    QCOMPARE(w.state.portNumber, 1); // the only port
    QVERIFY(w.form->radioLink()->ports().isOpen());

    // A radio plugged in later shows up when the window is opened again.
    auto second = std::make_unique<Sim>(QStringList{});
    writeOnlyPorts(dir, {first->path(), second->path()});
    w.form->portAction->trigger();
    QVERIFY(com->portOptions[1]->isEnabled());
    QCOMPARE(com->portDevices[1]->text(), second->path());
    QVERIFY(com->portOptions[0]->isChecked());
    QCOMPARE(w.form->radioLink()->link().device(), first->path());

    // The chosen port's radio goes away: its option is no longer offered or checked, and the
    // only port left is taken as at start-up.
    first.reset();
    com->close();
    w.form->portAction->trigger();
    QVERIFY(!com->portOptions[0]->isEnabled());
    QVERIFY(!com->portOptions[0]->isChecked());
    QCOMPARE(w.state.portNumber, 2);
    QCOMPARE(w.form->radioLink()->link().device(), second->path());

    // A port that went away after the window opened: picking it says why.
    auto third = std::make_unique<Sim>(QStringList{});
    writeOnlyPorts(dir, {QStringLiteral("/dev/nonexistent-tlv-1"), second->path(), third->path()});
    com->close();
    w.form->portAction->trigger();
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
    QVERIFY(!w.form->radioLink()->ports().isOpen());
}

void RadioLinkGuiTest::readThroughTheMenuFillsTheTable() {
    QTemporaryDir dir;
    EditorState radio = MakeStartupEditor(0);
    radio.table.at(2, col::RxFrequency) = "446.00625";
    radio.table.at(2, col::TxFrequency) = "446.01250";
    writeDat(dir.filePath(QStringLiteral("radio.dat")), EncodeImage(radio));
    Sim sim({QStringLiteral("--load"), dir.filePath(QStringLiteral("radio.dat"))});
    writePorts(dir, QStringLiteral("COM1=%1\n").arg(sim.path()));
    Window w(dir.path());
    w.form->radioLink()->portDialog()->onPortPicked(0);
    QVERIFY(w.form->radioLink()->ports().isOpen());

    w.form->lockAction->trigger(); // editing lock on: the band frame is disabled
    QVERIFY(!w.form->bandFrame->isEnabled());

    QSignalSpy ended(&w.form->radioLink()->transfer(), &TransferController::finished);
    w.form->readAction->trigger();
    QVERIFY(w.form->bandFrame->isEnabled());
    QVERIFY(!w.form->mainToolbar->isEnabled());
    QVERIFY(!w.form->programmingMenu->isEnabled());
    QVERIFY(!w.form->toolbarButton(ToolbarButton::Read)->isEnabled());
    QVERIFY(ended.wait(10000));
    QCOMPARE(ended.at(0).at(0).value<TransferOutcome>(), TransferOutcome::Success);
    QCOMPARE(w.form->channelTable->item(2, col::TxFrequency)->text(), QStringLiteral("446.01250"));
    QCOMPARE(w.form->transferStatus->text(), QStringLiteral("读频成功！"));
    QVERIFY(!w.form->transferProgress->isVisible());
    QVERIFY(!w.form->mainToolbar->isEnabled());
    // The end text blinks for six status ticks, then the controls come back.
    QTRY_VERIFY_WITH_TIMEOUT(w.form->mainToolbar->isEnabled(), 5000);
    QVERIFY(w.form->programmingMenu->isEnabled());
    QVERIFY(w.form->toolbarButton(ToolbarButton::Read)->isEnabled());
    QVERIFY(!w.form->transferStatus->isVisible());
    QVERIFY(w.box.shown.empty());
    QVERIFY2(w.form->bandFrame->isEnabled(), "the band frame stays enabled until the lock toggles");
}

void RadioLinkGuiTest::writeThroughTheToolbarReachesTheRadio() {
    QTemporaryDir dir;
    QString saved = dir.filePath(QStringLiteral("saved.dat"));
    Sim sim({QStringLiteral("--save"), saved});
    writePorts(dir, QStringLiteral("COM1=%1\n").arg(sim.path()));
    Window w(dir.path());
    w.form->radioLink()->portDialog()->onPortPicked(0);
    w.state.table.at(5, col::RxFrequency) = "433.00000";
    w.state.table.at(5, col::TxFrequency) = "433.00000";
    std::string image = EncodeImage(w.state);

    QSignalSpy ended(&w.form->radioLink()->transfer(), &TransferController::finished);
    w.form->toolbarButton(ToolbarButton::Write)->trigger();
    QVERIFY(ended.wait(10000));
    QCOMPARE(ended.at(0).at(0).value<TransferOutcome>(), TransferOutcome::Success);
    QCOMPARE(w.form->transferStatus->text(), QStringLiteral("写频成功！"));
    QVERIFY(sim.waitSaved());
    QFile file(saved);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray data = file.readAll();
    QCOMPARE(data.size(), 853);
    // The first channel block as written.
    QCOMPARE(QString::fromStdString(
                 BytesToImageText(reinterpret_cast<const uint8_t*>(data.constData()) + 5 + 64, 16)),
             QString::fromStdString(image.substr(128, 32)));
}

QTEST_MAIN(RadioLinkGuiTest)
#include "radio_link_gui_test.moc"
