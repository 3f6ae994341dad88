// SPDX-License-Identifier: GPL-3.0-or-later
// tlv6200-cli as a process on real files: usage, new, show, export, diff and the version.
#include "CliFilesFixture.h"

using namespace tlv::test;

namespace {

TEST_F(CliFiles, HelpForEveryCommandAndUsageErrors) {
    for (const std::string verb : {"new", "show", "export", "import", "read", "write", "ports"}) {
        const ProcessResult result = RunCli({verb, "--help"});
        EXPECT_EQ(result.exitCode, 0) << verb;
        EXPECT_NE(result.out.find("Usage: tlv6200-cli " + verb), std::string::npos) << verb;
    }
    const ProcessResult general = RunCli({"--help"});
    EXPECT_EQ(general.exitCode, 0);
    EXPECT_NE(general.out.find("tlv6200-cli write --port PORT"), std::string::npos);

    const std::vector<std::vector<std::string>> wrong{
        {},
        {"frobnicate"},
        {"new"},
        {"new", "-o", "-"},
        {"export", "x.DAT"},
        {"import", "a.json", "b.json", "-o", "x.DAT"},
        {"show", "x.DAT", "--lang", "fr"},
        {"read", "-o", "x.DAT"},
        {"read", "--port", "COM1", "--port", "COM2", "-o", "x.DAT"},
        {"write", "x.DAT"},
        {"export", "x.DAT", "-o", "y.json", "--yes"},
        {"ports", "extra"},
    };
    for (const auto& args : wrong) {
        const ProcessResult result = RunCli(args);
        EXPECT_EQ(result.exitCode, kExitUsage) << ::testing::PrintToString(args);
        EXPECT_NE(result.err.find("Usage:"), std::string::npos);
    }
}

TEST_F(CliFiles, NewWritesTheGoldenStartupImage) {
    const ProcessResult result = RunCli({"new", "-o", path("new.DAT")});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(ReadBytes(path("new.DAT")), goldenFile());
}

TEST_F(CliFiles, FileErrorsGiveExitTwoWithTheSystemsText) {
    put("text.DAT", "hello, this is not a data file");
    ProcessResult result = RunCli({"export", path("text.DAT"), "-o", path("x.json")});
    EXPECT_EQ(result.exitCode, kExitFile);
    EXPECT_NE(result.err.find("Document type not to open."), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(path("x.json")));

    result = RunCli({"show", path("text.DAT"), "--lang", "zh-CN"});
    EXPECT_EQ(result.exitCode, kExitFile);
    EXPECT_NE(result.err.find("文件类型不对，无法打开。"), std::string::npos);

    result = RunCli({"show", path("missing.DAT")});
    EXPECT_EQ(result.exitCode, kExitFile);
    EXPECT_NE(result.err.find("The file could not be read!"), std::string::npos);

    result = RunCli({"new", "-o", path("no/such/folder/x.DAT")});
    EXPECT_EQ(result.exitCode, kExitFile);
    EXPECT_NE(result.err.find("The file could not be saved!"), std::string::npos);

    put("in.json", "{}");
    result =
        RunCli({"import", path("in.json"), "--base", path("missing.DAT"), "-o", path("o.DAT")});
    EXPECT_EQ(result.exitCode, kExitFile);
    EXPECT_FALSE(std::filesystem::exists(path("o.DAT")));
}

TEST_F(CliFiles, ExportOfTheStartupEditorHoldsItsValues) {
    RunCli({"new", "-o", path("new.DAT")});
    const QJsonObject json = exportJson(path("new.DAT"));
    EXPECT_EQ(json["band"].toInt(-1), 0);
    const QJsonArray channels = json["channels"].toArray();
    ASSERT_EQ(channels.size(), 16);
    for (const auto& channel : channels)
        EXPECT_TRUE(channel.isNull());
    const QJsonObject settings = json["settings"].toObject();
    const std::pair<const char*, int> expected[] = {
        {"VoicePrompt", 1},      {"TimeOutTimer", 1},    {"SquelchLevel", 5},
        {"PttIdMode", 1},        {"PriorityMode", 0},    {"PriorityChannel", 1},
        {"FirstDigitTime", 1},   {"FirstDigitDelay", 0}, {"KeyFunction1", 10},
        {"HighPowerLevel", 208}, {"LowPowerLevel", 92}};
    for (const auto& [key, value] : expected)
        EXPECT_EQ(settings[key].toInt(-99), value) << key;
    EXPECT_EQ(settings.size(), 36);
    EXPECT_EQ(settings["PttIdStartCode"].toString(), "1");
    EXPECT_EQ(settings["PttIdEndCode"].toString(), "2");
    EXPECT_EQ(json["dtmfMemory"].toArray().size(), 8);
    EXPECT_EQ(json["dtmfMemory"].toArray()[7].toString(), "8");
    EXPECT_EQ(json["testFrequencies"].toArray().size(), 16);
}

TEST_F(CliFiles, ShowListsTheChannelsAsTheWindowDoesAndTextsFollowTheLanguage) {
    put("a.json", R"({"channels": [{"rx": "470"}]})");
    ProcessResult result =
        RunCli({"import", path("a.json"), "-o", path("x.DAT"), "--lang", "zh-CN"});
    EXPECT_EQ(result.exitCode, kExitInvalid);
    EXPECT_NE(result.err.find("信道 1 (channels[0].rx): 超出频段范围"), std::string::npos)
        << result.err;
    EXPECT_NE(result.err.find("输入有错，未写入任何文件。"), std::string::npos);
    put("b.csv", "Location,Frequency\n0,446\n");
    result = RunCli({"import", path("b.csv"), "-o", path("x.DAT"), "--lang", "zh-CN"});
    EXPECT_NE(result.err.find("第 2 行 Location: "), std::string::npos) << result.err;

    put("rich.json", kRichJson);
    ASSERT_EQ(RunCli({"import", path("rich.json"), "-o", path("a.DAT")}).exitCode, 0);
    result = RunCli({"show", path("a.DAT")});
    ASSERT_EQ(result.exitCode, 0);
    EXPECT_NE(result.out.find("01      446.00625     D023N   446.00625     67.0    Hight   Off"),
              std::string::npos)
        << result.out;
    EXPECT_NE(result.out.find("\n02\n"), std::string::npos);
    EXPECT_NE(result.out.find("Squelch Grade:"), std::string::npos);
    EXPECT_NE(result.out.find("9 Group"), std::string::npos);
    result = RunCli({"show", path("a.DAT"), "--lang", "zh-CN"});
    EXPECT_NE(result.out.find("关闭"), std::string::npos);
    EXPECT_NE(result.out.find("高"), std::string::npos);
    result = RunCli({"show", path("a.DAT"), "--lang", "zh-TW"});
    EXPECT_NE(result.out.find("接收頻率"), std::string::npos) << result.out;
}

// The rules CHIRP's generic CSV driver applies when it opens a file; a row that breaks one is
// dropped by CHIRP.
std::vector<std::string> splitLine(const std::string& line) {
    std::vector<std::string> fields(1);
    for (char c : line) {
        if (c == ',')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

bool isNumber(const std::string& text, int maxDecimals) {
    const auto point = text.find('.');
    const std::string whole = text.substr(0, point);
    const std::string decimals = point == std::string::npos ? "" : text.substr(point + 1);
    auto digits = [](const std::string& t) {
        return t.find_first_not_of("0123456789") == std::string::npos;
    };
    return !text.empty() && digits(whole) && digits(decimals) &&
           static_cast<int>(decimals.size()) <= maxDecimals;
}

std::string chirpRowFault(const std::vector<std::string>& header,
                          const std::vector<std::string>& fields) {
    if (fields.size() < header.size()) return "fewer columns than the header";
    auto get = [&](const std::string& name) {
        for (std::size_t i = 0; i < header.size(); ++i)
            if (header[i] == name) return fields[i];
        return std::string("<missing>");
    };
    auto oneOf = [](const std::string& v, std::initializer_list<const char*> list) {
        for (const char* item : list)
            if (v == item) return true;
        return false;
    };
    auto tone = [&](const std::string& v) {
        return isNumber(v, 9) && std::stod(v) > 50 && std::stod(v) < 300;
    };
    auto dtcs = [&](const std::string& v) {
        return !v.empty() && v.size() <= 3 && v.find_first_not_of("01234567") == std::string::npos;
    };
    const std::string power = get("Power");
    const bool powerOk = power.size() > 1 && (power.back() == 'W' || power.back() == 'w') &&
                         isNumber(power.substr(0, power.size() - 1), 9) &&
                         std::stod(power.substr(0, power.size() - 1)) > 0;
    if (!isNumber(get("Location"), 0)) return "Location";
    if (!isNumber(get("Frequency"), 6)) return "Frequency";
    if (!oneOf(get("Duplex"), {"", "+", "-", "split", "off"})) return "Duplex";
    if (!isNumber(get("Offset"), 6)) return "Offset";
    if (!oneOf(get("Tone"), {"", "Tone", "TSQL", "DTCS", "DTCS-R", "TSQL-R", "Cross"}))
        return "Tone";
    if (!tone(get("rToneFreq")) || !tone(get("cToneFreq"))) return "rToneFreq/cToneFreq";
    if (!dtcs(get("DtcsCode")) || !dtcs(get("RxDtcsCode"))) return "DtcsCode/RxDtcsCode";
    if (!oneOf(get("DtcsPolarity"), {"NN", "NR", "RN", "RR"})) return "DtcsPolarity";
    if (!oneOf(get("CrossMode"), {"Tone->Tone", "DTCS->", "->DTCS", "Tone->DTCS", "DTCS->Tone",
                                  "->Tone", "DTCS->DTCS", "Tone->"}))
        return "CrossMode";
    if (!oneOf(get("Mode"), {"FM", "NFM"})) return "Mode";
    if (!isNumber(get("TStep"), 9)) return "TStep";
    if (!oneOf(get("Skip"), {"", "S", "P"})) return "Skip";
    if (!powerOk) return "Power";
    return {};
}

TEST_F(CliFiles, ExportedCsvOpensInChirpWithEveryChannel) {
    put("rich.json", kRichJson);
    ASSERT_EQ(RunCli({"import", path("rich.json"), "-o", path("a.DAT")}).exitCode, 0);
    ASSERT_EQ(RunCli({"import", std::string(TLV_TEST_DATA_DIR) + "/chirp/sixteen-channels-5W.csv",
                      "-o", path("b.DAT")})
                  .exitCode,
              0);
    for (const char* file : {"a", "b"}) {
        ASSERT_EQ(
            RunCli({"export", path(std::string(file) + ".DAT"), "-o", path("x.csv")}).exitCode, 0);
        const std::string csv = ReadBytes(path("x.csv"));
        ASSERT_EQ(csv.rfind("Location,", 0), 0u); // how CHIRP recognises its CSV
        std::vector<std::vector<std::string>> rows;
        for (std::size_t at = 0, end; (end = csv.find("\r\n", at)) != std::string::npos;
             at = end + 2)
            rows.push_back(splitLine(csv.substr(at, end - at)));
        const QJsonArray channels =
            exportJson(path(std::string(file) + ".DAT"))["channels"].toArray();
        int inUse = 0;
        for (const auto& channel : channels)
            inUse += channel.isNull() ? 0 : 1;
        ASSERT_EQ(static_cast<int>(rows.size()), inUse + 1) << csv;
        for (std::size_t i = 1; i < rows.size(); ++i)
            EXPECT_EQ(chirpRowFault(rows[0], rows[i]), "") << file << " row " << i << "\n" << csv;
    }
}

TEST_F(CliFiles, DiffNamesTheDifferencesAndExitsLikeDiff) {
    put("a.json", R"({"channels": [{"rx": "446.00625"}], "settings": {"VoxGain": 3}})");
    put("b.json", R"({"band": 5, "channels": [{"rx": "146.00000", "txTone": "D023N"}]})");
    ASSERT_EQ(RunCli({"import", path("a.json"), "-o", path("a.DAT")}).exitCode, 0);
    ASSERT_EQ(RunCli({"import", path("b.json"), "-o", path("b.DAT")}).exitCode, 0);

    ProcessResult result = RunCli({"diff", path("a.DAT"), path("a.DAT")});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "");
    result = RunCli({"diff", path("a.DAT"), path("b.DAT")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "band: 0 (400-470MHz) -> 5 (136-174MHz)\n"
                          "channel 1: rx 446.00625 -> 146.00000\n"
                          "channel 1: tx 446.00625 -> 146.00000\n"
                          "channel 1: txTone Off -> D023N\n"
                          "settings.VoxGain: 3 -> 1\n");
    result = RunCli({"diff", path("a.DAT"), path("b.DAT"), "--json"});
    EXPECT_EQ(result.exitCode, 1);
    const QJsonObject json =
        QJsonDocument::fromJson(QByteArray::fromStdString(result.out)).object();
    EXPECT_FALSE(json["equal"].toBool(true));
    const QJsonArray differences = json["differences"].toArray();
    ASSERT_EQ(differences.size(), 5);
    EXPECT_EQ(differences[0].toObject()["new"].toInt(), 5);
    EXPECT_EQ(differences[3].toObject()["field"].toString(), "txTone");
    EXPECT_EQ(differences[4].toObject()["where"].toString(), "settings.VoxGain");

    result = RunCli({"diff", path("a.DAT"), path("missing.DAT")});
    EXPECT_EQ(result.exitCode, kExitFile);
}

TEST_F(CliFiles, EveryProgramTellsItsVersion) {
    for (const char* program : {TLV_CLI, TLV_APP, TLV_RADIO_SIM}) {
        const ProcessResult result = RunProcess({program, "--version"});
        EXPECT_EQ(result.exitCode, 0) << program;
        EXPECT_NE(result.out.find(" 1.0\n"), std::string::npos) << program << ": " << result.out;
    }
}

} // namespace
