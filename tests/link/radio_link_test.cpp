// Transfers over a real pseudo-terminal against tlv6200-radio-sim, through the same serial code
// a cable uses. Every wait is bounded.
#include "ScriptedMessageBox.h"
#include "SimulatedRadio.h"
#include "editor/Startup.h"
#include "image/ImageCodec.h"
#include "link/qt/ComPorts.h"
#include "link/qt/SerialLink.h"
#include "link/qt/TransferController.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>

namespace tlv {
namespace {

using Bytes = std::vector<uint8_t>;

void ensureApplication() {
    static int argc = 1;
    static char name[] = "tlv_link_tests";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
}

void writeDat(const QString& path, const Bytes& image) {
    std::ofstream out(path.toStdString(), std::ios::binary);
    out.write("QDM74", 5);
    out.write(reinterpret_cast<const char*>(image.data()),
              static_cast<std::streamsize>(image.size()));
}

Bytes readDat(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QByteArray data = file.readAll();
    if (data.size() != 5 + 848 || !data.startsWith("QDM74")) return {};
    return Bytes(data.begin() + 5, data.end());
}

using Sim = test::SimulatedRadio;

class RadioLinkTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ensureApplication();
        ASSERT_TRUE(dir.isValid());
    }

    // Opens the simulator's terminal as COM1 by the start-up scan, as the program does.
    void openAsCom1(const Sim& sim) {
        ASSERT_FALSE(sim.path().isEmpty()) << "simulator did not start";
        ports.setTable(PortTable::Build({{1, sim.path().toStdString()}}, {}));
        editor.portNumber = 1;
        ports.scan(editor.portNumber);
        ASSERT_TRUE(ports.isOpen());
        ASSERT_EQ(ports.checkedOption(), 0);
    }

    QString file(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir;
    EditorState editor = MakeStartupEditor(1);
    test::ScriptedMessageBox box;
    SerialLink link;
    ComPorts ports{link};
    TransferController transfer{editor, box, link};
};

EditorState sampleEditor() {
    EditorState e = MakeStartupEditor(1);
    e.table.at(1, col::RxFrequency) = "446.00625";
    e.table.at(1, col::TxFrequency) = "446.00625";
    e.table.at(7, col::RxFrequency) = "433.50000";
    e.table.at(7, col::TxFrequency) = "438.50000";
    e.squelchLevel = 3;
    e.stores.highPowerLevel = 201;
    return e;
}

TEST_F(RadioLinkTest, ReadFillsTheEditorWithTheRadiosMemory) {
    EditorState radio = sampleEditor();
    std::string image = EncodeImage(radio);
    writeDat(file("radio.dat"), *ImageTextToBytes(image));
    Sim sim({"--load", file("radio.dat")});
    openAsCom1(sim);

    std::vector<int> progress;
    QObject::connect(&transfer, &TransferController::progressChanged, [&](bool visible, int value) {
        if (visible) progress.push_back(value);
    });
    auto outcome = RunTransfer(transfer, 'R', 20000);
    ASSERT_EQ(outcome, TransferOutcome::Success);
    EXPECT_EQ(EncodeImage(editor), image);
    EXPECT_EQ(editor.table.at(7, col::TxFrequency), "438.50000");
    EXPECT_EQ(progress.back(), 425);
    EXPECT_TRUE(box.shown.empty());
}

TEST_F(RadioLinkTest, EveryByteValueCrossesTheLine) {
    Bytes pattern(848);
    for (std::size_t k = 0; k < pattern.size(); ++k)
        pattern[k] = static_cast<uint8_t>(k * 7 + 255);
    writeDat(file("pattern.dat"), pattern);
    Sim sim({"--load", file("pattern.dat"), "--split", "9"});
    openAsCom1(sim);
    EXPECT_TRUE(link.reportsBreaks()) << "0xFF arrives doubled and is undone by the decoder";
    ASSERT_EQ(RunTransfer(transfer, 'R', 20000), TransferOutcome::Success);
    const std::string& read = transfer.engine().state().readImageText;
    ASSERT_EQ(read.size(), 2048u);
    EXPECT_EQ(read.substr(0, 1696), BytesToImageText(pattern));
    EXPECT_EQ(read.substr(1696), std::string(2048 - 1696, 'F')) << "blank memory beyond";
}

TEST_F(RadioLinkTest, WriteStoresExactlyTheExpectedBlocks) {
    for (int serviceMode : {0, 1}) {
        SCOPED_TRACE(serviceMode);
        EditorState source = sampleEditor();
        source.serviceMode = serviceMode;
        Bytes image = *ImageTextToBytes(EncodeImage(source));
        Bytes before(image.size());
        for (std::size_t k = 0; k < image.size(); ++k)
            before[k] = static_cast<uint8_t>(~image[k]);
        QString start = file("before.dat");
        QString saved = file(serviceMode ? "saved1.dat" : "saved0.dat");
        writeDat(start, before);

        Sim sim({"--load", start, "--save", saved, "--double-handshake"});
        SerialLink writeLink;
        ComPorts writePorts(writeLink);
        writePorts.setTable(PortTable::Build({{1, sim.path().toStdString()}}, {}));
        ASSERT_TRUE(writePorts.openByName("COM1"));
        test::ScriptedMessageBox writeBox;
        TransferController writer(source, writeBox, writeLink);
        ASSERT_EQ(RunTransfer(writer, 'W', 20000), TransferOutcome::Success);
        ASSERT_TRUE(sim.waitSaved());

        Bytes after = readDat(saved);
        ASSERT_EQ(after.size(), 848u);
        for (int address = 0x10; address < 0x360; address += 16) {
            bool written = (address < 0x180) || (address == 0x180 && serviceMode) ||
                           address == 0x1B0 || address >= 0x200;
            std::size_t k = static_cast<std::size_t>(address - 0x10);
            Bytes block(after.begin() + k, after.begin() + k + 16);
            Bytes expected(written ? image.begin() + k : before.begin() + k,
                           (written ? image.begin() : before.begin()) + k + 16);
            EXPECT_EQ(block, expected) << std::hex << address;
        }
    }
}

TEST_F(RadioLinkTest, TwoPortsTransferSideBySide) {
    EditorState radio = sampleEditor();
    writeDat(file("radio.dat"), *ImageTextToBytes(EncodeImage(radio)));
    Sim first({"--load", file("radio.dat")});
    Sim second({"--save", file("second.dat")});
    SerialLink firstLink, secondLink;
    ASSERT_TRUE(firstLink.open(first.path()));
    ASSERT_TRUE(secondLink.open(second.path()));
    EditorState reader = MakeStartupEditor(1);
    EditorState writer = sampleEditor();
    TransferController reading(reader, box, firstLink);
    TransferController writing(writer, box, secondLink);
    std::vector<TransferOutcome> outcomes;
    for (auto* t : {&reading, &writing}) {
        QObject::connect(t, &TransferController::finished,
                         [&](TransferOutcome o) { outcomes.push_back(o); });
    }
    ASSERT_TRUE(reading.startRead());
    ASSERT_TRUE(writing.startWrite());
    QDeadlineTimer deadline(20000);
    while (outcomes.size() < 2 && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    }
    EXPECT_EQ(outcomes, (std::vector<TransferOutcome>{2, TransferOutcome::Success}));
    EXPECT_EQ(EncodeImage(reader), EncodeImage(radio));
    ASSERT_TRUE(second.waitSaved());
    EXPECT_EQ(readDat(file("second.dat")).size(), 848u);
}

TEST_F(RadioLinkTest, SilentRadioEndsWithCommunicationError) {
    Sim sim({"--silent"});
    openAsCom1(sim);
    std::vector<bool> controls;
    QObject::connect(&transfer, &TransferController::controlsEnabledChanged,
                     [&](bool enabled) { controls.push_back(enabled); });
    ASSERT_EQ(RunTransfer(transfer, 'W', 10000), TransferOutcome::CommunicationError);
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].flags, 16);
    EXPECT_TRUE(box.shown[0].text.ends_with("\nThe radio gave no answer at all."));
    EXPECT_EQ(controls, (std::vector<bool>{false, true}));
    EXPECT_TRUE(ports.isOpen()) << "the port stays open after a failure";
}

TEST_F(RadioLinkTest, ReadStoppingAfterTenBlocksLeavesTheEditorUnchanged) {
    writeDat(file("radio.dat"), *ImageTextToBytes(EncodeImage(sampleEditor())));
    Sim sim({"--load", file("radio.dat"), "--stop-after", "10"});
    openAsCom1(sim);
    std::string before = EncodeImage(editor);
    ASSERT_EQ(RunTransfer(transfer, 'R', 10000), TransferOutcome::CommunicationError);
    EXPECT_EQ(EncodeImage(editor), before);
    EXPECT_EQ(transfer.engine().state().readImageText.size(), 10u * 128u);
}

TEST_F(RadioLinkTest, WrongIdentificationIsNotAccepted) {
    Sim sim({"--wrong-id"});
    openAsCom1(sim);
    ASSERT_EQ(RunTransfer(transfer, 'R', 10000), TransferOutcome::CommunicationError);
    EXPECT_EQ(transfer.engine().state().handshakePending, 1);
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_TRUE(box.shown[0].text.ends_with("(received: 06 50 4C 4B 34 36 30 00 10)."));
}

TEST_F(RadioLinkTest, StalledWriteNamesTheBlockAndThePartlyWrittenRadio) {
    Sim sim({"--stop-after", "10"});
    openAsCom1(sim);
    ASSERT_EQ(RunTransfer(transfer, 'W', 10000), TransferOutcome::CommunicationError);
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_TRUE(box.shown[0].text.ends_with(
        "\nThe write stopped after block 10 of 46.\nThe radio now holds only part of the new "
        "memory: write it again!"))
        << box.shown[0].text;
}

// The other end hanging up (a cable pulled) ends a running transfer at once, not by the
// supervision; the port is closed and its option disabled, and no busy loop stays behind.
TEST_F(RadioLinkTest, LostPortEndsTheTransferAndClosesThePort) {
    auto sim = std::make_unique<Sim>(QStringList{"--silent"});
    openAsCom1(*sim);
    const std::string device = sim->path().toStdString();
    QTimer::singleShot(300, [&] { sim.reset(); });
    ASSERT_EQ(RunTransfer(transfer, 'R', 10000), TransferOutcome::CommunicationError);
    EXPECT_EQ(transfer.engine().lastFailure().cause, FailureCause::PortLost);
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_TRUE(box.shown[0].text.ends_with("\nThe port was lost: " + device)) << box.shown[0].text;
    EXPECT_FALSE(link.isOpen());
    EXPECT_FALSE(ports.option(0).enabled);
    EXPECT_EQ(ports.option(0).failure, SerialLink::OpenFailure::Lost);
    EXPECT_EQ(ports.checkedOption(), -1);
}

TEST_F(RadioLinkTest, PortLostWhileIdleIsClosed) {
    auto sim = std::make_unique<Sim>(QStringList{});
    openAsCom1(*sim);
    std::vector<QString> lost;
    QObject::connect(&link, &SerialLink::lost,
                     [&](const QString& device) { lost.push_back(device); });
    const QString device = sim->path();
    sim.reset();
    QDeadlineTimer deadline(5000);
    while (link.isOpen() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_FALSE(link.isOpen());
    EXPECT_EQ(lost, std::vector<QString>{device});
    EXPECT_FALSE(ports.option(0).enabled);
}

TEST_F(RadioLinkTest, ClosedPortShowsTheMessageAndStartsNothing) {
    EXPECT_FALSE(RunTransfer(transfer, 'R', 1000).has_value());
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].flags, 64);
}

TEST_F(RadioLinkTest, ScanLeavesNoUnchosenPortOpen) {
    Sim first({});
    Sim second({});
    ports.setTable(PortTable::Build({{1, first.path().toStdString()},
                                     {2, second.path().toStdString()},
                                     {3, "/dev/nonexistent"}},
                                    {}));
    int portNumber = 0;
    ports.scan(portNumber);
    EXPECT_TRUE(ports.option(0).enabled);
    EXPECT_TRUE(ports.option(1).enabled);
    EXPECT_FALSE(ports.option(2).enabled);
    EXPECT_EQ(ports.option(2).failure, SerialLink::OpenFailure::NotFound);
    EXPECT_FALSE(ports.option(3).enabled);
    EXPECT_FALSE(ports.isOpen()) << "two ports and none remembered: none is opened";
    EXPECT_EQ(portNumber, 0);
    EXPECT_EQ(ports.checkedOption(), -1);

    ports.choose(2, portNumber);
    EXPECT_EQ(portNumber, 2);
    EXPECT_TRUE(ports.isOpen());
    EXPECT_EQ(link.device(), second.path());
}

TEST_F(RadioLinkTest, ScanOpensTheOnlyPortWithoutCheckingIt) {
    Sim only({});
    ports.setTable(PortTable::Build({{4, only.path().toStdString()}}, {}));
    int portNumber = 9; // remembered, but not available
    ports.scan(portNumber);
    EXPECT_EQ(portNumber, 4);
    EXPECT_TRUE(ports.isOpen());
    EXPECT_EQ(ports.checkedOption(), -1);
}

} // namespace
} // namespace tlv
