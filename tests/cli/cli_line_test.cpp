// SPDX-License-Identifier: GPL-3.0-or-later
// tlv6200-cli line against simulated radios that are plugged in one after another on
// pseudo-terminals: every radio gets its own row of the units list, a failed radio leaves its
// row to the next, the log carries the line over a restart, a bad list touches no radio.
#include "CliProcess.h"
#include "TemporaryFolder.h"

#include "document/EditorImage.h"
#include "editor/Startup.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <thread>

using namespace tlv::test;

namespace {

// A radio plugged into the cable at `path` a moment after it is made, which leaves (the path
// removed) once it has been written.
std::unique_ptr<SimulatedRadio> plugIn(const std::string& path, const std::string& saveAs,
                                       std::vector<std::string> faults = {}) {
    std::vector<std::string> options{"--link", path, "--appear-after", "300", "--save", saveAs};
    if (faults.empty()) {
        options.insert(options.end(), {"--leave-after", "1"});
    } else {
        options.insert(options.end(), faults.begin(), faults.end());
    }
    return std::make_unique<SimulatedRadio>(options);
}

// The identity a saved radio holds.
std::string idCodeOf(const std::string& file) {
    tlv::EditorState state = tlv::MakeStartupEditor(tlv::Language::English);
    if (tlv::LoadDataFile(file, state).status != tlv::LoadStatus::Loaded) return "(unreadable)";
    return state.radio().codes.idCode + "/" + state.radio().codes.pttIdStartCode + "/" +
           state.radio().embeddedTexts[0];
}

std::string identity(int row) {
    return std::to_string(100 + row) + "/*" + std::to_string(100 + row) + "#/UNIT " +
           std::to_string(row);
}

int countOf(const std::string& text, const std::string& part) {
    int count = 0;
    for (std::size_t at = 0; (at = text.find(part, at)) != std::string::npos; ++at)
        ++count;
    return count;
}

class CliLine : public ::testing::Test {
  protected:
    void SetUp() override {
        ::setenv("XDG_DATA_HOME", folder.file("data").c_str(), 1);
        ASSERT_EQ(RunCli({"new", "-o", base}).exitCode, 0);
        std::string units = "IdCode,PttIdStartCode,embeddedTexts[0]\n";
        for (int row = 1; row <= 10; ++row)
            units += std::to_string(100 + row) + ",*" + std::to_string(100 + row) + "#,UNIT " +
                     std::to_string(row) + "\n";
        WriteBytes(unitsFile, units);
    }

    // Starts `line` watching the given cables.
    std::unique_ptr<ChildProcess> watch(const std::vector<std::string>& cables,
                                        std::vector<std::string> more = {}) {
        std::vector<std::string> argv{TLV_CLI,   "line",    base,    "--units",
                                      unitsFile, "--watch", "--log", log};
        for (const auto& cable : cables)
            argv.insert(argv.end(), {"--port", cable});
        argv.insert(argv.end(), more.begin(), more.end());
        return std::make_unique<ChildProcess>(argv);
    }

    TemporaryFolder folder;
    std::string base = folder.file("base.DAT");
    std::string unitsFile = folder.file("units.csv");
    std::string log = folder.file("log.csv");
};

TEST_F(CliLine, TenRadiosPluggedInOneAfterAnotherGetRowsOneToTen) {
    const std::string cable = folder.file("cable");
    auto line = watch({cable}, {"--verify"});
    for (int radio = 1; radio <= 10; ++radio) {
        const std::string saved = folder.file("radio" + std::to_string(radio) + ".DAT");
        auto plugged = plugIn(cable, saved, {"--leave-after", "2"}); // the write and its read-back
        ASSERT_TRUE(plugged->waitForSaves(2, 15000)) << "radio " << radio << "\n" << line->out();
        EXPECT_EQ(idCodeOf(saved), identity(radio));
    }
    const ProcessResult result = line->finish(10000);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(countOf(result.out, "done, verified"), 10) << result.out;
    EXPECT_NE(result.out.find("row 10  IdCode=110 PttIdStartCode=*110# embeddedTexts[0]=\"UNIT "
                              "10\"  done, verified, backup " +
                              folder.file("data/TLV6200/backups/")),
              std::string::npos)
        << result.out;
    EXPECT_EQ(countOf(ReadBytes(log), ",done,verified,"), 10);
}

TEST_F(CliLine, AFailedRadioKeepsItsRowAndARestartGoesOnAtTheFirstRowNotDone) {
    const std::string cable = folder.file("cable");
    auto line = watch({cable});
    {
        auto failing = plugIn(cable, folder.file("failing.DAT"), {"--stop-after", "3"});
        ASSERT_TRUE(line->waitForOutput("row 1", 15000)) << line->out();
        EXPECT_NE(line->out().find("failed: "), std::string::npos) << line->out();
    } // pulled out
    auto good = plugIn(cable, folder.file("good.DAT"));
    ASSERT_TRUE(good->waitForSaves(1, 15000));
    EXPECT_EQ(idCodeOf(folder.file("good.DAT")), identity(1)) << "the failed radio's row";
    ASSERT_TRUE(line->waitForOutput("done", 5000));
    ::kill(line->pid(), SIGINT);
    EXPECT_EQ(line->finish(5000).exitCode, 128 + SIGINT);

    // A restart with the same log, on ports given: row 2 comes next; --start-at overrides.
    SimulatedRadio second({"--save", folder.file("second.DAT")});
    ProcessResult result = RunCli(
        {"line", base, "--units", unitsFile, "--port", second.device(), "--log", log, "--verify"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find("row 2  IdCode=102"), std::string::npos) << result.out;
    ASSERT_TRUE(second.waitForSaves(2));
    EXPECT_EQ(idCodeOf(folder.file("second.DAT")), identity(2));
    result = RunCli({"line", base, "--units", unitsFile, "--port", second.device(), "--log", log,
                     "--start-at", "7"});
    EXPECT_NE(result.out.find("row 7  IdCode=107"), std::string::npos) << result.out;
    const std::string record = ReadBytes(log);
    EXPECT_EQ(countOf(record, "\n"), 5) << record; // the header and four radios
    EXPECT_EQ(countOf(record, ",1,\"IdCode=101"), 2) << "row 1 failed, then done";
}

TEST_F(CliLine, TwoCablesAtOnceNeverTakeTheSameRow) {
    WriteBytes(unitsFile, "IdCode\n201\n202\n203\n204\n");
    const std::vector<std::string> cables{folder.file("left"), folder.file("right")};
    auto line = watch(cables);
    std::vector<std::string> saved;
    std::vector<std::thread> benches;
    for (std::size_t cable = 0; cable < cables.size(); ++cable) {
        for (int radio = 0; radio < 2; ++radio)
            saved.push_back(folder.file(std::to_string(cable) + std::to_string(radio) + ".DAT"));
        benches.emplace_back([&, cable] {
            for (int radio = 0; radio < 2; ++radio)
                plugIn(cables[cable], saved[cable * 2 + static_cast<std::size_t>(radio)])
                    ->waitForSaves(1, 15000);
        });
    }
    for (auto& bench : benches)
        bench.join();
    const ProcessResult result = line->finish(10000);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    std::multiset<std::string> written;
    for (const auto& file : saved)
        written.insert(idCodeOf(file).substr(0, 3));
    EXPECT_EQ(written, (std::multiset<std::string>{"201", "202", "203", "204"})) << result.out;
}

// A row that changes the band asks the band question, answered before the line started: without
// --yes the radio is left untouched and the row fails.
TEST_F(CliLine, ARowOfAnotherBandIsNotWrittenWithoutYes) {
    WriteBytes(unitsFile, "IdCode,band\n101,5\n");
    SimulatedRadio radio({"--save", folder.file("radio.DAT")});
    const ProcessResult result =
        RunCli({"line", base, "--units", unitsFile, "--port", radio.device(), "--no-backup"});
    EXPECT_EQ(result.exitCode, 3) << result.err;
    EXPECT_NE(result.out.find("row 1  IdCode=101 band=5  failed: "), std::string::npos)
        << result.out;
    EXPECT_FALSE(radio.waitForSaves(1, 300));
}

TEST_F(CliLine, ABadUnitsListChangesNothingAndNamesRowAndColumn) {
    WriteBytes(unitsFile, "IdCode,PttIdStartCode\n101,*101#\n102,*12345678901234567#\n");
    SimulatedRadio radio({"--save", folder.file("radio.DAT")});
    const ProcessResult result =
        RunCli({"line", base, "--units", unitsFile, "--port", radio.device(), "--log", log});
    EXPECT_EQ(result.exitCode, 4);
    EXPECT_NE(result.err.find(unitsFile + ": row 2, column PttIdStartCode: text too long "
                                          "(at most 16 characters)"),
              std::string::npos)
        << result.err;
    // The same list as JSON: one object per radio, keyed by the same names.
    const std::string json = folder.file("units.json");
    WriteBytes(json, R"([{"IdCode": "101"}, {"IdCode": "102", "VoxGain": "loud"}])");
    const ProcessResult fromJson =
        RunCli({"line", base, "--units", json, "--port", radio.device(), "--log", log});
    EXPECT_EQ(fromJson.exitCode, 4);
    EXPECT_NE(fromJson.err.find(json + ": row 2, column VoxGain: wrong type (expected a whole "
                                       "number)"),
              std::string::npos)
        << fromJson.err;
    EXPECT_FALSE(radio.waitForSaves(1, 300));
    EXPECT_FALSE(std::filesystem::exists(log));
}

} // namespace
