// The port window and the read/write commands of the main window, against the simulated radio
// on a pseudo-terminal named in a "ports" file.
#include "FixedClock.h"
#include "ScriptedMessageBox.h"
#include "SimulatedRadio.h"
#include "editor/Startup.h"
#include "editor/gui/Form1.h"
#include "image/ImageCodec.h"
#include "link/gui/FormCOM.h"
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
        form = std::make_unique<Form1>(state, services);
    }
    EditorState state;
    test::ScriptedMessageBox box;
    test::FixedClock clock;
    AppServices services{&box, &clock};
    std::unique_ptr<Form1> form;
};

void writePorts(const QTemporaryDir& dir, const QString& text) {
    std::ofstream(dir.filePath(QStringLiteral("ports")).toStdString()) << text.toStdString();
}

} // namespace

class RadioLinkGuiTest : public QObject {
    Q_OBJECT

  private slots:
    void portWindowLayoutAndScan();
    void readThroughTheMenuFillsTheTable();
    void writeThroughTheToolbarReachesTheRadio();
};

void RadioLinkGuiTest::portWindowLayoutAndScan() {
    QTemporaryDir dir;
    Sim sim({});
    writePorts(dir, QStringLiteral("COM1=%1\nCOM2=/dev/nonexistent-tlv-port\n").arg(sim.path()));
    Window w(dir.path());
    FormCOM* com = w.form->radioLink()->portWindow();
    QVERIFY(com != nullptr);
    QVERIFY(!com->isVisible());
    QCOMPARE(com->windowTitle(), QStringLiteral("Com"));

    // Four rows of five, COM1..COM20.
    for (int i = 0; i < 20; ++i) {
        QRadioButton* option = com->OptionCOM[static_cast<std::size_t>(i)];
        QCOMPARE(option->text(), QStringLiteral("COM%1").arg(i + 1));
        QCOMPARE(option->x(), com->OptionCOM[static_cast<std::size_t>(i % 5)]->x());
        QCOMPARE(option->y(), com->OptionCOM[static_cast<std::size_t>(5 * (i / 5))]->y());
        if (i % 5) QVERIFY(option->x() > com->OptionCOM[static_cast<std::size_t>(i - 1)]->x());
        if (i >= 5) QVERIFY(option->y() > com->OptionCOM[static_cast<std::size_t>(i - 5)]->y());
    }
    QVERIFY(com->OptionCOM[0]->isEnabled());
    QCOMPARE(com->OptionCOM[0]->toolTip(), sim.path());
    QVERIFY(!com->OptionCOM[1]->isEnabled());
    QVERIFY(com->OptionCOM[1]->toolTip().startsWith(QStringLiteral("/dev/nonexistent-tlv-port\n")));

    // Picking the option opens the port and makes it PortNumber.
    com->OptionCOM[0]->click();
    QCOMPARE(w.state.portNumber, 1);
    QVERIFY(w.form->radioLink()->ports().isOpen());
    QVERIFY(com->OptionCOM[0]->isChecked());

    w.form->mnucom->trigger();
    QVERIFY(com->isVisible());
    com->close();
    QVERIFY(!com->isVisible());
    QCOMPARE(w.form->radioLink()->portWindow(), com);
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
    w.form->radioLink()->portWindow()->OptionCOM_Click(0);
    QVERIFY(w.form->radioLink()->ports().isOpen());

    w.form->mnulock->trigger(); // editing lock on: the band frame is disabled
    QVERIFY(!w.form->Frame1->isEnabled());

    QSignalSpy ended(&w.form->radioLink()->transfer(), &TransferController::finished);
    w.form->mnureadFre->trigger();
    QVERIFY(w.form->Frame1->isEnabled());
    QVERIFY(!w.form->Toolbar1->isEnabled());
    QVERIFY(!w.form->mnupro->isEnabled());
    QVERIFY(!w.form->toolbarButton(5)->isEnabled());
    QVERIFY(ended.wait(10000));
    QCOMPARE(ended.at(0).at(0).value<TransferOutcome>(), TransferOutcome::Success);
    QCOMPARE(w.form->Grid1->item(2, col::TxFrequency)->text(), QStringLiteral("446.01250"));
    QCOMPARE(w.form->Label->text(), QStringLiteral("读频成功！"));
    QVERIFY(!w.form->ProgressBar1->isVisible());
    QVERIFY(!w.form->Toolbar1->isEnabled());
    // The end text blinks for six status ticks, then the controls come back.
    QTRY_VERIFY_WITH_TIMEOUT(w.form->Toolbar1->isEnabled(), 5000);
    QVERIFY(w.form->mnupro->isEnabled());
    QVERIFY(w.form->toolbarButton(5)->isEnabled());
    QVERIFY(!w.form->Label->isVisible());
    QVERIFY(w.box.shown.empty());
    QVERIFY2(w.form->Frame1->isEnabled(), "the band frame stays enabled until the lock toggles");
}

void RadioLinkGuiTest::writeThroughTheToolbarReachesTheRadio() {
    QTemporaryDir dir;
    QString saved = dir.filePath(QStringLiteral("saved.dat"));
    Sim sim({QStringLiteral("--save"), saved});
    writePorts(dir, QStringLiteral("COM1=%1\n").arg(sim.path()));
    Window w(dir.path());
    w.form->radioLink()->portWindow()->OptionCOM_Click(0);
    w.state.table.at(5, col::RxFrequency) = "433.00000";
    w.state.table.at(5, col::TxFrequency) = "433.00000";
    std::string image = EncodeImage(w.state);

    QSignalSpy ended(&w.form->radioLink()->transfer(), &TransferController::finished);
    w.form->Toolbar1_ButtonClick(QStringLiteral("write"));
    QVERIFY(ended.wait(10000));
    QCOMPARE(ended.at(0).at(0).value<TransferOutcome>(), TransferOutcome::Success);
    QCOMPARE(w.form->Label->text(), QStringLiteral("写频成功！"));
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
