// tlv6200-cli read and write against simulated radios on pseudo-terminals.
#include "CliProcess.h"
#include "TemporaryFolder.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

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

TEST_F(CliLink, ReadSavesTheRadiosMemory) {
    SimulatedRadio radio({"--load", file});
    ASSERT_FALSE(radio.device().empty());
    const ProcessResult result =
        RunCli({"read", "--port", radio.device(), "-o", folder.file("r.DAT")});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(ReadBytes(folder.file("r.DAT")), content);
    EXPECT_NE(result.err.find("Read frequency success!"), std::string::npos);
}

TEST_F(CliLink, WriteInServiceModeWritesTheWholeImage) {
    SimulatedRadio radio({"--save", folder.file("radio.DAT")});
    const ProcessResult result = RunCli({"write", "--port", radio.device(), file, "--service"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.err.find(radio.device() + ": Write frequency success!"), std::string::npos);
    ASSERT_TRUE(radio.waitForSaves(1));
    EXPECT_EQ(ReadBytes(folder.file("radio.DAT")), content);
}

TEST_F(CliLink, WriteIntoThreeRadiosAtOnce) {
    std::vector<std::unique_ptr<SimulatedRadio>> radios;
    std::vector<std::string> args{"write", file};
    for (int i = 0; i < 3; ++i) {
        radios.push_back(std::make_unique<SimulatedRadio>(
            std::vector<std::string>{"--save", folder.file("radio" + std::to_string(i) + ".DAT")}));
        ASSERT_FALSE(radios.back()->device().empty());
        args.insert(args.end(), {"--port", radios.back()->device()});
    }
    const ProcessResult result = RunCli(args);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    for (int i = 0; i < 3; ++i) {
        EXPECT_NE(result.err.find(radios[i]->device() + ": Write frequency success!"),
                  std::string::npos);
        ASSERT_TRUE(radios[i]->waitForSaves(1));
        EXPECT_EQ(ReadBytes(folder.file("radio" + std::to_string(i) + ".DAT")),
                  withoutPowerBlock());
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

TEST_F(CliLink, OneSilentRadioAmongThreeFailsOnlyItsOwnTransfer) {
    SimulatedRadio good1({"--save", folder.file("g1.DAT")});
    SimulatedRadio silent({"--silent"});
    SimulatedRadio good2({"--save", folder.file("g2.DAT")});
    const ProcessResult result = RunCli({"write", file, "--port", good1.device(), "--port",
                                         silent.device(), "--port", good2.device()});
    EXPECT_EQ(result.exitCode, kExitCommunication);
    EXPECT_NE(result.err.find(good1.device() + ": Write frequency success!"), std::string::npos);
    EXPECT_NE(result.err.find(good2.device() + ": Write frequency success!"), std::string::npos);
    EXPECT_NE(result.err.find(silent.device() + ": " + kCommunicationError), std::string::npos);
    ASSERT_TRUE(good1.waitForSaves(1));
    EXPECT_EQ(ReadBytes(folder.file("g1.DAT")), withoutPowerBlock());
}

TEST_F(CliLink, SilentRadioGivesTheCommunicationError) {
    SimulatedRadio radio({"--silent"});
    ProcessResult result = RunCli({"read", "--port", radio.device(), "-o", folder.file("r.DAT")});
    EXPECT_EQ(result.exitCode, kExitCommunication);
    EXPECT_NE(result.err.find(kCommunicationError), std::string::npos) << result.err;
    EXPECT_FALSE(std::filesystem::exists(folder.file("r.DAT")));

    result = RunCli({"write", "--port", radio.device(), file, "--lang", "zh-CN"});
    EXPECT_EQ(result.exitCode, kExitCommunication);
    EXPECT_NE(result.err.find("通信出错，请检查对讲机型号、故障、连线及计算机串口的选择！"),
              std::string::npos)
        << result.err;
}

TEST_F(CliLink, PortThatCannotBeOpenedIsACommunicationFailure) {
    const ProcessResult result =
        RunCli({"read", "--port", folder.file("no-such-device"), "-o", folder.file("r.DAT")});
    EXPECT_EQ(result.exitCode, kExitCommunication);
    EXPECT_NE(result.err.find("cannot open the port"), std::string::npos) << result.err;
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

} // namespace
