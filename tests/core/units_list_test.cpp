// SPDX-License-Identifier: GPL-3.0-or-later
// The production line's core: the units list checked row by row as an import, the rows a radio
// takes, and the log that records which rows are done.
#include "editor/Startup.h"
#include "exchange/SettingNames.h"
#include "line/LineRecord.h"
#include "line/LineRows.h"
#include "line/UnitsList.h"

#include <gtest/gtest.h>

using namespace tlv;

namespace {

std::vector<std::string> issueLines(const UnitsReport& report) {
    std::vector<std::string> lines;
    for (const UnitsIssue& issue : report.errors)
        lines.push_back(UnitsIssueText(issue, Language::English));
    return lines;
}

class UnitsListTest : public ::testing::Test {
  protected:
    UnitsListTest() {
        base.radio().codes.pttIdEndCode = "#END";
        base.radio().embeddedTexts[1] = "ACME";
    }
    std::vector<Unit> read(const std::string& csv) {
        report = {};
        return ReadUnitsCsv(csv, base, Language::English, report);
    }
    EditorState base = MakeStartupEditor(Language::English);
    UnitsReport report;
};

TEST_F(UnitsListTest, EachRowGivesTheBaseWithItsOwnValues) {
    const auto units =
        read("IdCode,settings.PttIdStartCode,embeddedTexts[0],VoxGain,channels[0].rx\r\n"
             "101,*101#,\"UNIT 1, north\",3,446.00625\r\n"
             "102,*102#,UNIT 2,,\r\n"
             "\r\n");
    ASSERT_TRUE(report.ok()) << ::testing::PrintToString(issueLines(report));
    ASSERT_EQ(units.size(), 2u);
    const RadioData& first = units[0].radio;
    EXPECT_EQ(first.codes.idCode, "101");
    EXPECT_EQ(first.codes.pttIdStartCode, "*101#");
    EXPECT_EQ(first.codes.pttIdEndCode, "#END") << "a column not given keeps the base's value";
    EXPECT_EQ(first.embeddedTexts[0], "UNIT 1, north");
    EXPECT_EQ(first.embeddedTexts[1], "ACME");
    EXPECT_EQ(SettingNumber(first, "VoxGain"), 3);
    EXPECT_EQ(FrequencyValue(first.channels[0].rx), "446.00625");
    const RadioData& second = units[1].radio;
    EXPECT_EQ(second.codes.idCode, "102");
    EXPECT_EQ(SettingNumber(second, "VoxGain"), SettingNumber(base.radio(), "VoxGain"))
        << "an empty cell keeps the base's value";
    EXPECT_FALSE(second.channels[0].rx);
    EXPECT_EQ(units[1].row, 2);
    EXPECT_EQ(IdentityText(units[1]),
              "IdCode=102 settings.PttIdStartCode=*102# embeddedTexts[0]=\"UNIT 2\"");
}

TEST_F(UnitsListTest, ErrorsNameRowAndColumnAndEveryRowIsChecked) {
    read("IdCode,VoxGain,channels[2].rx,embeddedTexts[1]\n"
         "101,3,446.00625,ok\n"
         "12345678901,x,,ok\n"
         "103,1,12.5,\n"
         "101,1,,caf\xC3\xA9\n"
         "104,1,,,extra\n");
    EXPECT_EQ(issueLines(report),
              (std::vector<std::string>{
                  "row 2, column VoxGain: wrong type (expected a whole number)",
                  "row 2, column IdCode: text too long (at most 10 characters)",
                  "row 3, column channels[2].rx: Beyond the frequency range: 12.5 is not in the "
                  "band 400-470MHz (400.00000..469.99999 MHz)",
                  "row 4, column embeddedTexts[1]: only printable ASCII characters are allowed",
                  "row 5: has 5 fields, the header 4",
                  "row 4, column IdCode: the same as row 1",
              }));

    read("IdCode,Nickname,IdCode\n1,2,3\n");
    EXPECT_EQ(issueLines(report), (std::vector<std::string>{
                                      "header, column Nickname: unknown key",
                                      "header, column IdCode: column given twice",
                                  }));
    read("IdCode\n");
    EXPECT_EQ(issueLines(report), (std::vector<std::string>{"the units list has no rows"}));
}

TEST(LineRowsTest, AFailedRadioLeavesItsRowToTheNextAndNoRowIsTakenTwice) {
    LineRows rows(4);
    rows.markDone(1); // from the log
    EXPECT_EQ(rows.take(), 2);
    EXPECT_EQ(rows.take(), 3) << "a second cable at the same time takes the next row";
    rows.finish(2, false);
    EXPECT_EQ(rows.state(2), RowState::Failed);
    EXPECT_EQ(rows.take(), 2) << "the failed radio's row goes to the next radio";
    rows.finish(2, true);
    rows.finish(3, true);
    EXPECT_EQ(rows.take(), 4);
    EXPECT_FALSE(rows.take());
    EXPECT_FALSE(rows.finished()) << "row 4 is still being written";
    rows.finish(4, true);
    EXPECT_TRUE(rows.finished());
    EXPECT_EQ(rows.done(), 4);
    EXPECT_EQ(rows.failedAttempts(), 1);

    rows.startAt(3); // overrides what is done
    EXPECT_EQ(rows.state(1), RowState::Skipped);
    EXPECT_EQ(rows.next(), 3);
}

TEST(LineRecordTest, TheLogRecordsWhichRowsAreDone) {
    LineRecord done{"2026-12-08 10:00:00",
                    "/dev/ttyUSB0",
                    3,
                    "IdCode=103 embeddedTexts[0]=\"A, B\"",
                    true,
                    "done",
                    "verified",
                    "/backups/x.DAT"};
    LineRecord failed = done;
    failed.row = 4;
    failed.done = false;
    failed.result = "failed: the radio gave no answer at all.";
    const std::string log = std::string(kLineLogHeader) + "\n" + LineLogRow(done) + "\n" +
                            LineLogRow(failed) + "\n" + "garbage\n";
    EXPECT_EQ(LineLogRow(done), "2026-12-08 10:00:00,/dev/ttyUSB0,3,\"IdCode=103 "
                                "embeddedTexts[0]=\"\"A, B\"\"\",done,verified,/backups/x.DAT");
    EXPECT_EQ(DoneRowsInLog(log), (std::set<int>{3}));
    EXPECT_EQ(LineRecordText(failed), "2026-12-08 10:00:00  /dev/ttyUSB0  row 4  IdCode=103 "
                                      "embeddedTexts[0]=\"A, B\"  failed: the radio gave no "
                                      "answer at all., verified, backup /backups/x.DAT");
}

} // namespace
