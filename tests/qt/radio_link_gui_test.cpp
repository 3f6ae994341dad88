// SPDX-License-Identifier: GPL-3.0-or-later
// The port window and the ports of the main window, against the simulated radio on a
// pseudo-terminal named in a "ports" file.
#include "LinkWindow.h"
#include "language/Messages.h"
#include "qt/ComPorts.h"

#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QtTest>

#include <memory>

using namespace tlv;
using test::Sim;

namespace {

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
    void aCablePluggedInAgainIsTakenBack();
};

void RadioLinkGuiTest::portDialogLayoutAndScan() {
    QTemporaryDir dir;
    Sim sim;
    test::WritePorts(dir,
                     QStringLiteral("COM1=%1\nCOM2=/dev/nonexistent-tlv-port\n").arg(sim.path()));
    test::LinkWindow w(dir.path());
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
    test::WriteOnlyPorts(dir, {first->path()});
    test::LinkWindow w(dir.path());
    PortDialog* com = w.radioLink()->portDialog();
    QCOMPARE(w.state.session.portNumber, 1); // the only port
    QVERIFY(w.radioLink()->ports().isOpen());

    // A radio plugged in later shows up when the window is opened again.
    auto second = std::make_unique<Sim>();
    test::WriteOnlyPorts(dir, {first->path(), second->path()});
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
    test::WriteOnlyPorts(dir,
                         {QStringLiteral("/dev/nonexistent-tlv-1"), second->path(), third->path()});
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
    test::WriteOnlyPorts(dir, {sim.path()});
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

// The chosen port's device goes away and comes back on the same path: Read opens it again
// without the port window, and asks "Save changes?" only once the port is open.
void RadioLinkGuiTest::aCablePluggedInAgainIsTakenBack() {
    QTemporaryDir dir;
    const QString cable = dir.filePath(QStringLiteral("cable"));
    auto first = std::make_unique<Sim>();
    QVERIFY(QFile::link(first->path(), cable));
    test::WriteOnlyPorts(dir, {cable});
    test::LinkWindow w(dir.path());
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

QTEST_MAIN(RadioLinkGuiTest)
#include "radio_link_gui_test.moc"
