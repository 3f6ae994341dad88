// SPDX-License-Identifier: GPL-3.0-or-later
// tlv6200-cli read and write against simulated radios on pseudo-terminals.
#include "CliProcess.h"
#include "GoldenImage.h"
#include "TemporaryFolder.h"

#include "editor/Startup.h"
#include "image/ImageCodec.h"
#include "link/PortLock.h"

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>

using namespace tlv::test;

namespace {

constexpr int kExitCommunication = 3;
const std::string kCommunicationError =
    "Communication error, please check the intercom model, fault, attachment and computer "
    "serial choice!";

// Image offsets of the power-level block, written only in service mode.
constexpr std::size_t kPowerBlock = 368, kPowerBlockEnd = 384, kMagic = 5;

std::vector<std::string> filesIn(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class CliLink : public ::testing::Test {
  protected:
    void SetUp() override {
        // The automatic backups go into this test's folder, not the user's.
        ::setenv("XDG_DATA_HOME", folder.file("data").c_str(), 1);
        WriteBytes(folder.file("in.json"),
                   R"({"channels": [{"rx": "446.00625", "txTone": "D023N"}, null,
                                    {"rx": "438.12500", "tx": "439.00000", "power": 0}],
                       "settings": {"VoxGain": 7, "HighPowerLevel": 200, "LowPowerLevel": 50},
                       "embeddedTexts": ["fleet", ""]})");
        const ProcessResult result = RunCli({"import", folder.file("in.json"), "-o", file});
        ASSERT_EQ(result.exitCode, 0) << result.err;
        content = ReadBytes(file);
        ASSERT_EQ(content.size(), 853u);
    }

    // What a blank radio holds after a write without service mode: the power block untouched.
    std::string withoutPowerBlock() const {
        std::string expected = content;
        for (std::size_t k = kPowerBlock; k < kPowerBlockEnd; ++k)
            expected[kMagic + k] = '\xFF';
        return expected;
    }

    TemporaryFolder folder;
    std::string file = folder.file("fleet.DAT");
    std::string backups = folder.file("data/TLV6200/backups");
    std::string content;
};

TEST_F(CliLink, WriteIntoSeveralRadiosAtOnceASilentOneFailsOnlyItsOwnTransfer) {
    SimulatedRadio good1({"--save", folder.file("g1.DAT")});
    SimulatedRadio silent({"--silent"});
    SimulatedRadio good2({"--save", folder.file("g2.DAT")});
    const ProcessResult result = RunCli({"write", file, "--port", good1.device(), "--port",
                                         silent.device(), "--port", good2.device()});
    EXPECT_EQ(result.exitCode, kExitCommunication);
    EXPECT_NE(result.err.find(silent.device() + ": " + kCommunicationError), std::string::npos);
    for (const auto& [radio, saved] : {std::pair{&good1, "g1.DAT"}, std::pair{&good2, "g2.DAT"}}) {
        EXPECT_NE(result.err.find(radio->device() + ": Write frequency success!"),
                  std::string::npos);
        ASSERT_TRUE(radio->waitForSaves(1));
        EXPECT_EQ(ReadBytes(folder.file(saved)), withoutPowerBlock());
    }
    EXPECT_EQ(filesIn(backups).size(), 1u) << "one image written, one backup";
}

TEST_F(CliLink, ReadAndWriteKeepBackupsUnlessToldNot) {
    SimulatedRadio radio({"--load", file});
    const ProcessResult read =
        RunCli({"read", "--port", radio.device(), "-o", folder.file("r.DAT")});
    ASSERT_EQ(read.exitCode, 0) << read.err;
    const ProcessResult write = RunCli({"write", "--port", radio.device(), file});
    ASSERT_EQ(write.exitCode, 0) << write.err;
    const std::vector<std::string> names = filesIn(backups);
    ASSERT_EQ(names.size(), 2u);
    const std::string& readBackup = names[0].ends_with("_read.DAT") ? names[0] : names[1];
    const std::string& writeBackup = names[0].ends_with("_write.DAT") ? names[0] : names[1];
    EXPECT_TRUE(readBackup.ends_with("_read.DAT"));
    EXPECT_TRUE(writeBackup.ends_with("_write.DAT"));
    EXPECT_EQ(ReadBytes(backups + "/" + readBackup), content);
    EXPECT_EQ(ReadBytes(backups + "/" + writeBackup), content);
    EXPECT_NE(read.err.find("backup: " + backups + "/" + readBackup), std::string::npos);
    EXPECT_NE(write.err.find("backup: " + backups + "/" + writeBackup), std::string::npos);

    const ProcessResult quiet = RunCli({"write", "--port", radio.device(), file, "--no-backup"});
    ASSERT_EQ(quiet.exitCode, 0) << quiet.err;
    EXPECT_EQ(filesIn(backups).size(), 2u);
    EXPECT_EQ(quiet.err.find("backup"), std::string::npos);
}

TEST_F(CliLink, SilentRadioGivesTheCommunicationError) {
    SimulatedRadio radio({"--silent"});
    ProcessResult result = RunCli({"read", "--port", radio.device(), "-o", folder.file("r.DAT")});
    EXPECT_EQ(result.exitCode, kExitCommunication);
    EXPECT_NE(result.err.find(kCommunicationError + "\nThe radio gave no answer at all."),
              std::string::npos)
        << result.err;
    EXPECT_FALSE(std::filesystem::exists(folder.file("r.DAT")));

    result = RunCli({"write", "--port", radio.device(), file, "--lang", "zh-CN"});
    EXPECT_EQ(result.exitCode, kExitCommunication);
    EXPECT_NE(result.err.find(": 通信出错，请检查对讲机型号、故障、连线及计算机串口的选择！ "
                              "对讲机没有任何应答。"),
              std::string::npos)
        << result.err;
}

TEST_F(CliLink, PortThatCannotBeOpenedIsACommunicationFailure) {
    const ProcessResult result =
        RunCli({"read", "--port", folder.file("no-such-device"), "-o", folder.file("r.DAT")});
    EXPECT_EQ(result.exitCode, kExitCommunication);
    EXPECT_NE(result.err.find("cannot open the port"), std::string::npos) << result.err;

    // A read whose file could not be saved is refused before the port is touched.
    const ProcessResult nowhere = RunCli(
        {"read", "--port", folder.file("no-such-device"), "-o", folder.file("missing/r.DAT")});
    EXPECT_EQ(nowhere.exitCode, 2);
    EXPECT_EQ(nowhere.err.find("cannot open the port"), std::string::npos) << nowhere.err;
}

// Ctrl+C in the middle of a write stops it cleanly: the port and its lock file are released
// and the program says how far the write came, then ends as interrupted.
TEST_F(CliLink, CtrlCDuringAWriteSaysWhatTheRadioHolds) {
    SimulatedRadio radio({"--stop-after", "3"});
    ChildProcess writer({TLV_CLI, "write", "--port", radio.device(), file, "--no-backup"});
    const std::string lock = "/var/lock/" + tlv::PortLockFileName(radio.device());
    for (int i = 0; i < 200 && !std::filesystem::exists(lock); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::this_thread::sleep_for(std::chrono::milliseconds(600)); // the radio has gone quiet
    ::kill(writer.pid(), SIGINT);
    const ProcessResult result = writer.finish(5000);
    EXPECT_EQ(result.exitCode, 128 + SIGINT);
    EXPECT_NE(result.err.find("Interrupted. The write stopped after block 3 of "),
              std::string::npos)
        << result.err;
    EXPECT_NE(result.err.find("write it again!"), std::string::npos) << result.err;
    EXPECT_FALSE(std::filesystem::exists(lock));
}

// A port held by another program names the lock file and the process holding it; a lock
// left by a process that has ended, which this user cannot remove, says so.
TEST_F(CliLink, PortInUseNamesItsHolder) {
    SimulatedRadio radio({"--silent"});
    ChildProcess holder({TLV_CLI, "read", "--port", radio.device(), "-o", folder.file("h.DAT")});
    const std::string lock = "/var/lock/" + tlv::PortLockFileName(radio.device());
    for (int i = 0; i < 200 && !std::filesystem::exists(lock); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ProcessResult result = RunCli({"read", "--port", radio.device(), "-o", folder.file("r.DAT")});
    EXPECT_EQ(result.exitCode, kExitCommunication);
    EXPECT_NE(result.err.find("The port is locked by process " + std::to_string(holder.pid()) +
                              " (tlv6200-cli) (lock file " + lock + ")."),
              std::string::npos)
        << result.err;
    holder.kill();

    // A lock of the superuser's, left by an ended process, tried by an unprivileged user.
    if (::geteuid() != 0) GTEST_SKIP() << "a lock of another user needs the superuser";
    const pid_t ended = ::fork();
    if (ended == 0) ::_exit(0);
    ::waitpid(ended, nullptr, 0);
    WriteBytes(lock, std::to_string(ended) + "\ntlv6200-cli\n");
    ::chmod(radio.device().c_str(), 0666); // the terminal goes with the simulator
    result = RunProcess({"/usr/bin/setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups",
                         TLV_CLI, "read", "--port", radio.device(), "-o", "/dev/null"});
    std::filesystem::remove(lock);
    EXPECT_EQ(result.exitCode, kExitCommunication);
    EXPECT_NE(result.err.find("The lock file " + lock + " was left by process " +
                              std::to_string(ended) + ", which no longer runs"),
              std::string::npos)
        << result.err;
}

TEST_F(CliLink, BandQuestionIsAnsweredByYesOrDeclinedWithoutATerminal) {
    WriteBytes(folder.file("band.json"), R"({"band": 5, "channels": [{"rx": "150.00000"}]})");
    const std::string bandFile = folder.file("band.DAT");
    ASSERT_EQ(RunCli({"import", folder.file("band.json"), "-o", bandFile}).exitCode, 0);
    SimulatedRadio radio({"--save", folder.file("radio.DAT")});

    ProcessResult result = RunCli({"write", "--port", radio.device(), bandFile});
    EXPECT_EQ(result.exitCode, kExitCommunication);
    EXPECT_NE(result.err.find("Frequency band with discrepancies, do you wish to continue?"),
              std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder.file("radio.DAT")));

    result = RunCli({"write", "--port", radio.device(), bandFile, "--yes", "--service"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    ASSERT_TRUE(radio.waitForSaves(1));
    EXPECT_EQ(ReadBytes(folder.file("radio.DAT")), ReadBytes(bandFile));
}

// A file whose channels lie outside its band (the band list's Cancel keeps them) is not sent
// without --force: the channels are listed.
TEST_F(CliLink, ChannelsOutsideTheBandAreRefusedUnlessForced) {
    tlv::EditorState editor = tlv::MakeStartupEditor();
    editor.radio().band = 5;
    editor.radio().channel(3).rx = editor.radio().channel(3).tx = tlv::Frequency{44000000};
    const std::string outside = folder.file("outside.DAT");
    WriteBytes(outside, DataFile(tlv::EncodeImage(editor.radio())));
    SimulatedRadio radio({"--save", folder.file("radio.DAT")});

    ProcessResult result = RunCli({"write", "--port", radio.device(), outside, "--yes"});
    EXPECT_EQ(result.exitCode, kExitCommunication);
    EXPECT_NE(result.err.find("outside the file's band"), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("CH03 RX 440.00000 TX 440.00000 (136-174MHz)"), std::string::npos)
        << result.err;
    EXPECT_FALSE(std::filesystem::exists(folder.file("radio.DAT")));

    result = RunCli({"write", "--port", radio.device(), outside, "--yes", "--force"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    ASSERT_TRUE(radio.waitForSaves(1));
}

TEST_F(CliLink, VerifyReadsEachRadioBackAndComparesTheWrittenAddresses) {
    SimulatedRadio good;
    // A cell in the power-level block, which a write without --service leaves alone.
    SimulatedRadio stuckUnwritten({"--stuck-byte", "0x0180"});
    // The voice prompt's cell.
    SimulatedRadio stuckWritten({"--stuck-byte", "0x012F"});
    const ProcessResult result =
        RunCli({"write", file, "--verify", "--port", good.device(), "--port",
                stuckUnwritten.device(), "--port", stuckWritten.device()});
    EXPECT_EQ(result.exitCode, kExitCommunication);
    const std::string verified =
        ": Write frequency success! Verified: every written address reads back the same.";
    EXPECT_NE(result.err.find(good.device() + verified), std::string::npos) << result.err;
    EXPECT_NE(result.err.find(stuckUnwritten.device() + verified), std::string::npos);
    EXPECT_NE(result.err.find(stuckWritten.device() +
                              ": Write frequency success! Verification failed: address 0x012F"),
              std::string::npos);

    const ProcessResult single = RunCli({"write", file, "--verify", "--port", good.device()});
    EXPECT_EQ(single.exitCode, 0) << single.err;
}

TEST_F(CliLink, ComNamesComeFromThePortsFileBesideTheProgram) {
    SimulatedRadio radio({"--load", file});
    // A copy of the program in a folder of its own, with its "ports" file.
    const std::string program = folder.file("tlv6200-cli");
    std::filesystem::copy_file(TLV_CLI, program);
    WriteBytes(folder.file("ports"), "COM7=" + radio.device() + "\n");
    ProcessResult result =
        RunProcess({program, "read", "--port", "com7", "-o", folder.file("r.DAT")});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(ReadBytes(folder.file("r.DAT")), content);
    EXPECT_NE(result.err.find("Read frequency success!"), std::string::npos);
    result = RunProcess({program, "read", "--port", "COM8", "-o", folder.file("s.DAT")});
    EXPECT_EQ(result.exitCode, kExitCommunication);
    EXPECT_NE(result.err.find("COM8: no serial device"), std::string::npos) << result.err;
}

} // namespace
