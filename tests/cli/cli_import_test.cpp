// SPDX-License-Identifier: GPL-3.0-or-later
// tlv6200-cli import as a process on real files: JSON and CSV round trips, CHIRP's files, the
// faults it names at their places, a band change.
#include "CliFilesFixture.h"

using namespace tlv::test;

namespace {

TEST_F(CliFiles, JsonRoundTripGivesTheSameBytes) {
    put("rich.json", kRichJson);
    ProcessResult result = RunCli({"import", path("rich.json"), "-o", path("a.DAT")});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    ASSERT_EQ(RunCli({"export", path("a.DAT"), "-o", path("a.json")}).exitCode, 0);
    result = RunCli({"import", path("a.json"), "-o", path("b.DAT")});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(ReadBytes(path("a.DAT")), ReadBytes(path("b.DAT")));

    // The values came through as given.
    const QJsonObject json = exportJson(path("b.DAT"));
    const QJsonArray channels = json["channels"].toArray();
    EXPECT_TRUE(channels[1].isNull());
    EXPECT_EQ(channels[0].toObject()["rxTone"].toString(), "D023N");
    EXPECT_EQ(channels[2].toObject()["tx"].toString(), "");
    EXPECT_EQ(channels[2].toObject()["txTone"].toString(), "");
    EXPECT_EQ(channels[2].toObject()["forbid"].toInt(), 1);
    EXPECT_EQ(channels[4].toObject()["rxTone"].toString(), "D754I");
    EXPECT_EQ(json["settings"].toObject()["FirstDigitDelay"].toInt(), 550);
    EXPECT_EQ(json["settings"].toObject()["PttIdStartCode"].toString(), "1234567890ABCDEF");
    EXPECT_EQ(json["dtmfMemory"].toArray()[0].toString(), "1203");
    EXPECT_EQ(json["embeddedTexts"].toArray()[0].toString(), "Hello, radio!");
    EXPECT_EQ(json["testFrequencies"].toArray()[1].toObject()["tx"].toString(), "136.00000");
}

TEST_F(CliFiles, CsvRoundTripGivesTheSameBytes) {
    put("rich.json", kRichJson);
    ASSERT_EQ(RunCli({"import", path("rich.json"), "-o", path("a.DAT")}).exitCode, 0);
    ASSERT_EQ(RunCli({"export", path("a.DAT"), "-o", path("a.csv")}).exitCode, 0);
    const std::string csv = ReadBytes(path("a.csv"));
    EXPECT_EQ(csv.rfind("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
                        "DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,"
                        "RPT1CALL,RPT2CALL,DVCODE\r\n",
                        0),
              0u);
    EXPECT_NE(csv.find("\r\n1,,446.006250,,0.000000,Cross,67.0,88.5,023,NN,023,Tone->DTCS,FM,"),
              std::string::npos);
    EXPECT_NE(csv.find("\r\n3,,438.125000,off,"), std::string::npos);
    EXPECT_NE(csv.find("\r\n4,,450.000000,+,5.500000,TSQL,88.5,88.5,"), std::string::npos);
    EXPECT_NE(csv.find("\r\n5,,460.000000,-,20.000000,DTCS,88.5,88.5,754,NR,754,"),
              std::string::npos);
    EXPECT_NE(csv.find(",NFM,5.00,S,1.0W,"), std::string::npos);

    // Onto the file itself: every byte stays.
    ProcessResult result =
        RunCli({"import", path("a.csv"), "--base", path("a.DAT"), "-o", path("b.DAT")});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(ReadBytes(path("a.DAT")), ReadBytes(path("b.DAT")));

    // Onto a new file the channel list comes back the same.
    result = RunCli({"import", path("a.csv"), "-o", path("c.DAT")});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    ASSERT_EQ(RunCli({"export", path("c.DAT"), "-o", path("c.csv")}).exitCode, 0);
    EXPECT_EQ(ReadBytes(path("c.csv")), csv);
}

// An import saved onto its own input would replace the CSV or JSON with a data file.

TEST_F(CliFiles, ImportRefusesToOverwriteItsOwnInput) {
    const std::string csv = "Location,Frequency\r\n1,446.006250\r\n";
    put("in.csv", csv);
    const ProcessResult result =
        RunCli({"import", path("in.csv"), "-o", folder.file("./in.csv"), "--lang", "zh-CN"});
    EXPECT_EQ(result.exitCode, kExitUsage);
    EXPECT_NE(result.err.find("请用 -o 指定另一个文件"), std::string::npos) << result.err;
    EXPECT_EQ(ReadBytes(path("in.csv")), csv);
}

TEST_F(CliFiles, CsvImportReadsChirpFilesByHeaderName) {
    // BOM, comment line, columns in another order, an unknown column, LF line ends.
    put("chirp.csv", "\xEF\xBB\xBF# exported elsewhere\n"
                     "Frequency,Location,Tone,rToneFreq,cToneFreq,Mode,Power,Extra,Duplex,"
                     "Offset,Skip\n"
                     "462.562500,2,Tone,88.5,100.0,NFM,Low,zz,split,467.5625,S\n"
                     "\n"
                     "446.1,16,TSQL,69.3,71.9,FM,high,,,0,\n");
    const ProcessResult result = RunCli({"import", path("chirp.csv"), "-o", path("c.DAT")});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const QJsonArray channels = exportJson(path("c.DAT"))["channels"].toArray();
    const QJsonObject two = channels[1].toObject();
    EXPECT_EQ(two["rx"].toString(), "462.56250");
    EXPECT_EQ(two["tx"].toString(), "467.56250");
    EXPECT_EQ(two["txTone"].toString(), "88.5"); // Tone: rToneFreq out, no tone in
    EXPECT_EQ(two["rxTone"].toString(), "Off");
    EXPECT_EQ(two["bandwidth"].toInt(), 0);
    EXPECT_EQ(two["power"].toInt(), 0);
    EXPECT_EQ(two["scan"].toInt(), 0);
    const QJsonObject sixteen = channels[15].toObject();
    EXPECT_EQ(sixteen["tx"].toString(), "446.10000");
    EXPECT_EQ(sixteen["rxTone"].toString(), "71.9"); // TSQL: the tone squelch frequency
    EXPECT_EQ(sixteen["power"].toInt(), 1);
    EXPECT_TRUE(channels[0].isNull());
}

TEST_F(CliFiles, OffRasterFrequenciesAreSnappedWithANote) {
    put("snap.json", R"({"channels": [{"rx": "446.0062"}]})");
    const ProcessResult result = RunCli({"import", path("snap.json"), "-o", path("s.DAT")});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.err.find("channel 1 (channels[0].rx): snapped to the channel raster: "
                              "446.0062 -> 446.00500"),
              std::string::npos)
        << result.err;
    const QJsonObject channel = exportJson(path("s.DAT"))["channels"].toArray()[0].toObject();
    EXPECT_EQ(channel["rx"].toString(), "446.00500");
    EXPECT_EQ(channel["tx"].toString(), "446.00500"); // a new channel: transmit copy, defaults
    EXPECT_EQ(channel["power"].toInt(), 1);
    EXPECT_EQ(channel["scan"].toInt(), 1);
}

struct InvalidImport {
    const char* name;
    const char* file;
    const char* content;
    const char* message;
    const char* option = "--lang=en"; // one more option of the import
};

class CliInvalidImport : public CliFiles, public ::testing::WithParamInterface<InvalidImport> {};

TEST_P(CliInvalidImport, NamesTheFaultExitsFourAndWritesNothing) {
    const InvalidImport& c = GetParam();
    put(c.file, c.content);
    // A target that exists already must stay as it was.
    put("target.DAT", "keep me");
    const ProcessResult result =
        RunCli({"import", path(c.file), "-o", path("target.DAT"), "--lang", "en", c.option});
    EXPECT_EQ(result.exitCode, kExitInvalid) << result.err;
    EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("The input has errors; nothing was written."), std::string::npos);
    EXPECT_EQ(ReadBytes(path("target.DAT")), "keep me");
    const ProcessResult fresh = RunCli({"import", path(c.file), "-o", path("fresh.DAT"), c.option});
    EXPECT_EQ(fresh.exitCode, kExitInvalid);
    EXPECT_FALSE(std::filesystem::exists(path("fresh.DAT")));
}

INSTANTIATE_TEST_SUITE_P(
    Faults, CliInvalidImport,
    ::testing::Values(
        InvalidImport{"OutOfBand", "a.json", R"({"channels": [{"rx": "470"}]})",
                      "channel 1 (channels[0].rx): Beyond the frequency range"},
        InvalidImport{"BelowBand", "a.json", R"({"band": 5, "channels": [null, {"rx": "440"}]})",
                      "channel 2 (channels[1].rx): Beyond the frequency range"},
        InvalidImport{"NotANumber", "a.json", R"({"channels": [{"rx": "4a6"}]})",
                      "channel 1 (channels[0].rx): not a number"},
        InvalidImport{"TxNotANumber", "a.json", R"({"channels": [{"rx": "446", "tx": "."}]})",
                      "channel 1 (channels[0].tx): not a number"},
        InvalidImport{"CtcssOutOfRange", "a.json",
                      R"({"channels": [{"rx": "446", "rxTone": "300.0"}]})",
                      "channel 1 (channels[0].rxTone): 300.0 is neither a CTCSS value from 67.0 to "
                      "254.1 nor a DCS code"},
        InvalidImport{"DcsNotOctal", "a.json",
                      R"({"channels": [{"rx": "446", "txTone": "D089N"}]})",
                      "channel 1 (channels[0].txTone): D089N is neither a CTCSS value"},
        InvalidImport{"OptionOutsideList", "a.json", R"({"channels": [{"rx": "446", "power": 2}]})",
                      "channel 1 (channels[0].power): outside its list (0..1)"},
        InvalidImport{"ChannelNotInUse", "a.json", R"({"channels": [{"power": 1}]})",
                      "channel 1: channel not in use"},
        InvalidImport{"BandOutsideList", "a.json", R"({"band": 7})",
                      "band: outside its list (0..6)"},
        InvalidImport{"SettingOutsideList", "a.json", R"({"settings": {"VoxGain": 11}})",
                      "settings.VoxGain: outside its list (0..10)"},
        InvalidImport{"PriorityChannelZero", "a.json", R"({"settings": {"PriorityChannel": 0}})",
                      "settings.PriorityChannel: outside its list (1..16)"},
        InvalidImport{"FirstDigitDelay", "a.json", R"({"settings": {"FirstDigitDelay": 155}})",
                      "settings.FirstDigitDelay: must be 0 or a multiple of 10"},
        InvalidImport{"TextTooLong", "a.json", R"({"settings": {"IdCode": "12345678901"}})",
                      "settings.IdCode: text too long (at most 10 characters)"},
        InvalidImport{"NotAscii", "a.json", R"({"embeddedTexts": ["caf\u00e9"]})",
                      "embeddedTexts[0]: only printable ASCII characters are allowed"},
        InvalidImport{"NotDtmf", "a.json", R"({"dtmfMemory": ["12X"]})",
                      "dtmfMemory[0]: only the DTMF characters"},
        InvalidImport{"TestFrequency", "a.json", R"({"testFrequencies": [{"rx": "12"}]})",
                      "testFrequencies[0].rx: must be a frequency from 100 to 999.99999"},
        InvalidImport{"UnknownKey", "a.json", R"({"settings": {"VoxGian": 1}})",
                      "settings.VoxGian: unknown key"},
        InvalidImport{"WrongType", "a.json", R"({"band": "0"})", "band: wrong type"},
        InvalidImport{"TooManyChannels", "a.json",
                      R"({"channels": [null,null,null,null,null,null,null,null,null,null,null,
                                       null,null,null,null,null,null]})",
                      "channels: wrong type (expected an array of 16 entries)"},
        InvalidImport{"BadJson", "a.json", R"({"band": 0,)", "not valid JSON"},
        InvalidImport{"CsvLocation", "a.csv", "Location,Frequency\n17,446.0\n",
                      "line 2 Location: Location must be 1 to 16\nGive --renumber"},
        InvalidImport{"CsvTooManyRows", "a.csv",
                      "Location,Frequency\n0,446\n1,446\n2,446\n3,446\n4,446\n5,446\n6,446\n"
                      "7,446\n8,446\n9,446\n10,446\n11,446\n12,446\n13,446\n14,446\n15,446\n"
                      "16,446\n",
                      "the file holds 17 channels; the radio has 16", "--renumber"},
        InvalidImport{"CsvDuplicate", "a.csv", "Location,Frequency\n1,446.0\n1,447.0\n",
                      "line 3 Location: Location given twice"},
        InvalidImport{"CsvDuplex", "a.csv", "Location,Frequency,Duplex\n1,446.0,sideways\n",
                      "channel 1 (line 2) Duplex: unrecognised value \"sideways\""},
        InvalidImport{"CsvMode", "a.csv", "Location,Frequency,Mode\n1,446.0,AM\n",
                      "channel 1 (line 2) Mode: the radio cannot do mode AM"},
        InvalidImport{"CsvReverseSquelch", "a.csv", "Location,Frequency,Tone\n2,446.0,TSQL-R\n",
                      "channel 2 (line 2) Tone: the radio cannot do reverse squelch TSQL-R"},
        InvalidImport{"CsvMissingColumn", "a.csv", "Location,Name\n1,x\n",
                      "missing column Frequency"},
        InvalidImport{"CsvOutOfBand", "a.csv", "Location,Frequency\n3,146.52\n",
                      "channel 3 (line 2) Frequency (column 2): Beyond the frequency range: "
                      "146.52000 is not in the "
                      "band "
                      "400-470MHz (400.00000..469.99999 MHz)\nA CSV file holds no band: choose it "
                      "with --band N (0 400-470MHz, 1 450-490MHz, "},
        InvalidImport{"CsvQuote", "a.csv", "Location,Frequency\n1,\"446.0\n", "unbalanced quote"}),
    [](const auto& info) { return std::string(info.param.name); });

// One pass finds every error, each at its line and column (CSV) or key path (JSON); an unknown
// key hides none of the others, and the band hint offers --base only when it was not given.

TEST_F(CliFiles, AnImportReportsEveryErrorAtItsPlaceInOnePass) {
    put("a.csv", "Location,Frequency,Tone,rToneFreq,Mode\n1,446.0,,88.5,FM\n2,146.52,,88.5,FM\n"
                 "3,446.1,Tone,300.0,FM\n4,446.2,,88.5,AM\n");
    ProcessResult result = RunCli({"import", path("a.csv"), "-o", path("x.DAT")});
    EXPECT_EQ(result.exitCode, kExitInvalid);
    for (const char* expected :
         {"channel 2 (line 3) Frequency (column 2): Beyond the frequency range",
          "channel 3 (line 4) rToneFreq (column 4): 300.0 is neither a CTCSS value",
          "channel 4 (line 5) Mode: the radio cannot do mode AM", "or take the band"})
        EXPECT_NE(result.err.find(expected), std::string::npos) << expected << "\n" << result.err;
    put("base.json", "{}");
    ASSERT_EQ(RunCli({"import", path("base.json"), "-o", path("base.DAT")}).exitCode, 0);
    result = RunCli({"import", path("a.csv"), "--base", path("base.DAT"), "-o", path("x.DAT")});
    EXPECT_EQ(result.err.find("--base FILE.DAT"), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("Choose a band that holds these frequencies with --band N"),
              std::string::npos)
        << result.err;

    put("a.json", R"({"channels": [{"rx": "446", "colour": "red", "power": 2}],
                      "settings": {"VoxGian": 1, "VoxGain": 11}})");
    result = RunCli({"import", path("a.json"), "-o", path("x.DAT")});
    for (const char* expected :
         {"channel 1 (channels[0].colour): unknown key", "settings.VoxGian: unknown key",
          "channel 1 (channels[0].power): outside its list (0..1)",
          "settings.VoxGain: outside its list (0..10)"})
        EXPECT_NE(result.err.find(expected), std::string::npos) << expected << "\n" << result.err;
}

TEST_F(CliFiles, FilesWrittenByChirpImportAsChirpMeantThem) {
    const std::string chirp = std::string(TLV_TEST_DATA_DIR) + "/chirp/";
    ProcessResult result =
        RunCli({"import", chirp + "sixteen-channels-5W.csv", "-o", path("s.DAT")});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    // rx rxTone tx txTone, then bandwidth and scan, as CHIRP shows each memory.
    const char* expected[16] = {
        "446.00625 Off 446.00625 Off 1 1",     "446.01250 Off 446.01250 100.0 1 1",
        "446.01875 123.0 446.01875 123.0 1 1", "446.02500 254.1 446.02500 67.0 1 1",
        "446.03125 D023N 446.03125 D023N 1 1", "446.03750 D754I 446.03750 D754I 1 1",
        "446.04375 D023I 446.04375 D023N 1 1", "446.05000 D073I 446.05000 D025N 1 1",
        "446.05625 151.4 446.05625 D131N 1 1", "446.06250 D245I 446.06250 88.5 1 1",
        "446.06875 88.5 446.06875 Off 1 1",    "446.07500 Off   1 1",
        "440.00000 Off 445.00000 Off 1 1",     "462.56250 D023N 457.56250 Off 1 1",
        "446.09375 Off 446.09375 Off 0 0",     "446.10000 Off 450.10000 D612I 1 1"};
    const QJsonArray channels = exportJson(path("s.DAT"))["channels"].toArray();
    for (int i = 0; i < 16; ++i) {
        const QJsonObject c = channels[i].toObject();
        const QString shown = QStringList{c["rx"].toString(),
                                          c["rxTone"].toString(),
                                          c["tx"].toString(),
                                          c["txTone"].toString(),
                                          QString::number(c["bandwidth"].toInt()),
                                          QString::number(c["scan"].toInt())}
                                  .join(' ');
        EXPECT_EQ(shown.toStdString(), expected[i]) << "channel " << i + 1;
        EXPECT_EQ(c["power"].toInt(), 1); // 5.0W, the file's highest
    }

    result = RunCli({"import", chirp + "new-file-with-location-0.csv", "-o", path("n.DAT")});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.err.find("Location 0 (146.010 MHz)"), std::string::npos) << result.err;
    const QJsonArray single = exportJson(path("n.DAT"))["channels"].toArray();
    EXPECT_EQ(single[0].toObject()["rx"].toString(), "446.00625");
    EXPECT_TRUE(single[1].isNull());

    result = RunCli({"import", chirp + "named-channel.csv", "-o", path("c.DAT")});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.err.find("channel 1 (line 2) Name: \"Repeater A\" not kept"),
              std::string::npos)
        << result.err;
    EXPECT_NE(result.err.find("channel 1 (line 2) Comment: \"club net\" not kept"),
              std::string::npos);
}

// An import that changes the band (--band, or a JSON's band) refuses each channel it keeps
// outside the new band, with its other errors, and writes nothing.

TEST_F(CliFiles, AnImportChangingTheBandRefusesTheChannelsItKeepsOutsideIt) {
    put("base.json", R"({"channels": [{"rx": "446"}, {"rx": "447"}, {"rx": "448"}]})");
    ASSERT_EQ(RunCli({"import", path("base.json"), "-o", path("base.DAT")}).exitCode, 0);
    put("a.csv", "Location,Frequency,Duplex\n2,146.52,\n3,146.6,\n");
    ProcessResult result = RunCli(
        {"import", path("a.csv"), "--band", "5", "--base", path("base.DAT"), "-o", path("x.DAT")});
    EXPECT_EQ(result.exitCode, kExitInvalid);
    EXPECT_NE(result.err.find("channel 1: 446.00000 is not in the band 136-174MHz "
                              "(136.00000..173.99999 MHz) the import selects"),
              std::string::npos)
        << result.err;
    EXPECT_EQ(result.err.find("channel 2:"), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("nothing was written"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(path("x.DAT")));

    // Channel 2's transmit frequency stays the base's: it is named beside the setting's error.
    put("a.json",
        R"({"band": 5, "channels": [null, {"rx": "146.52"}, {"rx": "146.6", "tx": "146.6"}],
                      "settings": {"VoxGain": 11}})");
    result = RunCli({"import", path("a.json"), "--base", path("base.DAT"), "-o", path("x.DAT")});
    EXPECT_EQ(result.exitCode, kExitInvalid);
    EXPECT_NE(result.err.find("channel 2: 447.00000 is not in the band"), std::string::npos)
        << result.err;
    EXPECT_NE(result.err.find("settings.VoxGain: outside its list"), std::string::npos);
    EXPECT_EQ(result.err.find("channel 3:"), std::string::npos) << result.err;
    put("a.json",
        R"({"band": 5, "channels": [null, {"rx": "146.52", "tx": ""}, {"rx": "146.6"}]})");
    result = RunCli({"import", path("a.json"), "--base", path("base.DAT"), "-o", path("x.DAT")});
    EXPECT_NE(result.err.find("channel 3: 448.00000"), std::string::npos) << result.err;
    put("a.json", R"({"band": 5, "channels": [null, {"rx": "146.52", "tx": ""}, null]})");
    result = RunCli({"import", path("a.json"), "--base", path("base.DAT"), "-o", path("x.DAT")});
    EXPECT_EQ(result.exitCode, 0) << result.err;
}

} // namespace
