// SPDX-License-Identifier: GPL-3.0-or-later
// The serial code a cable uses, over a real pseudo-terminal against tlv6200-radio-sim: bytes the
// line marks, failures and lost ports, the port scan. Every wait is bounded. (The transfer's
// frames are tested on the session; whole reads and writes through the programs.)
#include "CliProcess.h"
#include "GoldenImage.h"
#include "ScriptedMessageBox.h"
#include "TemporaryFolder.h"
#include "editor/Startup.h"
#include "image/ImageCodec.h"
#include "language/Messages.h"
#include "qt/ComPorts.h"
#include "qt/SerialLink.h"
#include "qt/TransferController.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

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
        int portNumber = 1;
        ports.scan(portNumber);
        ASSERT_TRUE(ports.isOpen());
        ASSERT_EQ(ports.checkedOption(), 0);
    }

    QString file(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir;
    test::ScriptedMessageBox box;
    SerialLink link;
    ComPorts ports{link};
    TransferController transfer{link, box, [] { return Language::English; }};
};

TEST_F(RadioLinkTest, EveryByteValueCrossesTheLine) {
    Bytes pattern(848);
    for (std::size_t k = 0; k < pattern.size(); ++k)
        pattern[k] = static_cast<uint8_t>(k * 7 + 255);
    test::WriteBytes(file("pattern.dat").toStdString(), test::DataFile(pattern));
    Sim sim({"--load", file("pattern.dat").toStdString(), "--split", "9"});
    openAsCom1(sim);
    EXPECT_TRUE(link.reportsBreaks()) << "0xFF arrives doubled and is undone by the decoder";
    ASSERT_EQ(RunTransfer(transfer, TransferDirection::Read, 20000), TransferOutcome::Success);
    const std::span<const uint8_t> read = transfer.session().memoryRead();
    ASSERT_EQ(read.size(), 1024u);
    EXPECT_EQ(Bytes(read.begin(), read.begin() + 848), pattern);
    EXPECT_EQ(Bytes(read.begin() + 848, read.end()), Bytes(1024 - 848, 0xFF))
        << "blank memory beyond";
}

TEST_F(RadioLinkTest, SilentRadioEndsWithCommunicationError) {
    Sim sim({"--silent"});
    openAsCom1(sim);
    std::vector<bool> controls;
    QObject::connect(&transfer, &TransferController::controlsEnabledChanged,
                     [&](bool enabled) { controls.push_back(enabled); });
    ASSERT_EQ(RunTransfer(transfer, TransferDirection::Write, 10000,
                          EncodeImage(MakeStartupEditor().radio())),
              TransferOutcome::CommunicationError);
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text,
              std::string(msg::CommunicationError.text.en) + "\nThe radio gave no answer at all.");
    EXPECT_EQ(box.shown[0].flags, 16);
    EXPECT_EQ(controls, (std::vector<bool>{false, true}));
    EXPECT_TRUE(ports.isOpen()) << "the port stays open after a failure";
}

// The port not open goes to the program's own box; a write declined at the band question sends
// nothing and ends as declined, its question's text in the status line.
TEST_F(RadioLinkTest, PortNotOpenGoesToTheProgramsBoxAndADeclinedWriteSendsNothing) {
    EXPECT_FALSE(transfer.startRead());
    EXPECT_FALSE(transfer.checkPort());
    ASSERT_EQ(box.shown.size(), 2u);
    EXPECT_EQ(box.shown[0].text, msg::PortNotOpen.text.en);
    EXPECT_EQ(box.shown[0].flags, 64);
    Sim sim({"--silent"});
    openAsCom1(sim);
    std::vector<TransferOutcome> ended;
    std::vector<QString> texts;
    QObject::connect(&transfer, &TransferController::finished,
                     [&](TransferOutcome outcome) { ended.push_back(outcome); });
    QObject::connect(&transfer, &TransferController::statusTextChanged,
                     [&](const QString& text) { texts.push_back(text); });
    transfer.decline();
    EXPECT_EQ(ended, std::vector<TransferOutcome>{TransferOutcome::Declined});
    EXPECT_EQ(texts, std::vector<QString>{QString::fromUtf8(msg::BandMismatch.text.en)});
    EXPECT_EQ(transfer.direction(), TransferDirection::Write);
    EXPECT_EQ(link.bytesSent(), 0);
    EXPECT_EQ(box.shown.size(), 2u);
}

// The other end hanging up (a cable pulled) ends a running transfer at once, not by the
// supervision; the port is closed and its option disabled, and no busy loop stays behind.
TEST_F(RadioLinkTest, LostPortEndsTheTransferAndClosesThePort) {
    auto sim = std::make_unique<Sim>(std::vector<std::string>{"--silent"});
    openAsCom1(*sim);
    const std::string device = sim->path().toStdString();
    QTimer::singleShot(300, [&] { sim.reset(); });
    ASSERT_EQ(RunTransfer(transfer, TransferDirection::Read, 10000),
              TransferOutcome::CommunicationError);
    EXPECT_EQ(transfer.session().failure().cause, FailureCause::PortLost);
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_TRUE(box.shown[0].text.ends_with("\nThe port was lost: " + device)) << box.shown[0].text;
    EXPECT_FALSE(link.isOpen());
    EXPECT_FALSE(ports.option(0).enabled);
    EXPECT_EQ(ports.option(0).failure, SerialLink::OpenFailure::Lost);
    EXPECT_EQ(ports.checkedOption(), -1);
}

TEST_F(RadioLinkTest, PortLostWhileIdleIsClosed) {
    auto sim = std::make_unique<Sim>();
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

TEST_F(RadioLinkTest, ScanLeavesNoUnchosenPortOpen) {
    Sim first;
    Sim second;
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
    Sim only;
    ports.setTable(PortTable::Build({{4, only.path().toStdString()}}, {}));
    int portNumber = 9; // remembered, but not available
    ports.scan(portNumber);
    EXPECT_EQ(portNumber, 4);
    EXPECT_TRUE(ports.isOpen());
    EXPECT_EQ(ports.checkedOption(), -1);
}

} // namespace
} // namespace tlv
