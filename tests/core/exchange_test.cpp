// SPDX-License-Identifier: GPL-3.0-or-later
// Import of CHIRP's CSV and of named settings into the editor, and the comparison of two
// editors: each CHIRP column read as CHIRP defines it, list ends, what the radio cannot keep.
#include "document/EditorImage.h"
#include "editor/Startup.h"
#include "exchange/ChannelCsv.h"
#include "exchange/EditorComparison.h"
#include "exchange/ExchangeFormat.h"
#include "exchange/ImportChanges.h"
#include "exchange/SettingNames.h"

#include "TemporaryFolder.h"

#include <cerrno>
#include <gtest/gtest.h>

#include <sstream>

using namespace tlv;

namespace {

constexpr Language kEnglish = Language::English;

struct CsvImport {
    EditorState state = MakeStartupEditor(kEnglish);
    ImportReport report;
    // Reads and applies the CSV text onto the start-up editor.
    CsvImport(const std::string& csv, bool renumber = false, int band = 0) {
        ImportChanges changes = ParseCsv(csv, renumber, kEnglish, report);
        changes.band = Placed<int>{band, {}};
        if (report.ok()) ApplyImport(state, changes, kEnglish, report);
    }
    const Channel& channel(int number) const { return state.radio().channel(number); }
    std::string tone(int number, ChannelField field) const {
        return ToneValue(channel(number), field);
    }
    std::string rx(int number) const { return FrequencyValue(channel(number).rx); }
    std::string errors() const {
        std::string all;
        for (const auto& e : report.errors)
            all += e.where + ": " + e.message + "\n";
        return all;
    }
};

// Applies changes of settings onto the start-up editor.
ImportReport applySettings(EditorState& state, const ImportChanges& changes) {
    ImportReport report;
    ApplyImport(state, changes, kEnglish, report);
    return report;
}

// Every tone column holds a value of its own, so that reading a wrong column shows.
constexpr const char* kToneHeader =
    "Location,Frequency,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode\n";

struct ToneCase {
    const char* row; // Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode
    const char* transmit;
    const char* receive;
};

TEST(ChirpCsvImport, ToneColumnsAsChirpDefinesThem) {
    const ToneCase cases[] = {
        {",100.0,123.0,025,NR,073,Tone->Tone", "Off", "Off"},
        {"Tone,100.0,123.0,025,NR,073,Tone->Tone", "100.0", "Off"},
        {"TSQL,100.0,123.0,025,NR,073,Tone->Tone", "123.0", "123.0"},
        {"DTCS,100.0,123.0,025,NR,073,Tone->Tone", "D025N", "D025I"},
        {"DTCS,100.0,123.0,025,RN,073,Tone->Tone", "D025I", "D025N"},
        {"Cross,100.0,123.0,025,NR,073,Tone->Tone", "100.0", "123.0"},
        {"Cross,100.0,123.0,025,NR,073,Tone->DTCS", "100.0", "D073I"},
        {"Cross,100.0,123.0,025,NR,073,DTCS->Tone", "D025N", "123.0"},
        {"Cross,100.0,123.0,025,RN,073,DTCS->DTCS", "D025I", "D073N"},
        {"Cross,100.0,123.0,025,NR,073,->Tone", "Off", "123.0"},
        {"Cross,100.0,123.0,025,NR,073,->DTCS", "Off", "D073I"},
        {"Cross,100.0,123.0,025,NR,073,DTCS->", "D025N", "Off"},
        {"Cross,100.0,123.0,025,NR,073,Tone->", "100.0", "Off"},
        {"Cross,100.0,123.0,25,NN,73,->DTCS", "Off", "D073N"},
    };
    for (const ToneCase& c : cases) {
        const CsvImport in(std::string(kToneHeader) + "1,446.00625," + c.row + "\n");
        ASSERT_TRUE(in.report.ok()) << c.row << "\n" << in.errors();
        EXPECT_EQ(in.tone(1, ChannelField::TxTone), c.transmit) << c.row;
        EXPECT_EQ(in.tone(1, ChannelField::RxTone), c.receive) << c.row;
    }
    // A short code is the same entry of the tone list as its three-digit form.
    const std::string row = std::string(kToneHeader) + "1,446.00625,Cross,100.0,123.0,";
    const CsvImport shortCodes(row + "25,NN,73,DTCS->DTCS\n");
    const CsvImport fullCodes(row + "025,NN,073,DTCS->DTCS\n");
    EXPECT_EQ(shortCodes.state.data.tones, fullCodes.state.data.tones);
}

TEST(ChirpCsvImport, OneToneColumnServesBothDirectionsAndMissingColumnsHaveChirpsDefaults) {
    const CsvImport onlyTransmit("Location,Frequency,Tone,rToneFreq\n1,446.00625,TSQL,131.8\n");
    EXPECT_EQ(onlyTransmit.tone(1, ChannelField::RxTone), "131.8");
    const CsvImport onlyReceive("Location,Frequency,Tone,cToneFreq\n1,446.00625,Tone,131.8\n");
    EXPECT_EQ(onlyReceive.tone(1, ChannelField::TxTone), "131.8");
    const CsvImport noCodes("Location,Frequency,Tone\n1,446.00625,DTCS\n");
    EXPECT_EQ(noCodes.tone(1, ChannelField::TxTone), "D023N");
    EXPECT_EQ(noCodes.tone(1, ChannelField::RxTone), "D023N");
    // Transmit inhibited: no transmit frequency and no transmit tone, as a loaded image shows it.
    for (const char* csv : {"Location,Frequency,Duplex\n1,446.00625,off\n",
                            "Location,Frequency,Duplex,Tone\n1,446.00625,off,\n"}) {
        const CsvImport receiveOnly(csv);
        EXPECT_FALSE(receiveOnly.channel(1).tx) << csv;
        EXPECT_TRUE(receiveOnly.channel(1).txTone.isOff()) << csv;
    }
}

// (AM and TSQL-R are refused through tlv6200-cli.)
TEST(ChirpCsvImport, WhatTheRadioCannotDoIsAnErrorNamingTheChannel) {
    const char* rows[] = {"3,446.00625,DTCS-R,FM", "3,446.00625,,WFM", "3,446.00625,,DMR",
                          "3,446.00625,Cross,FM", // CrossMode "->" is none of CHIRP's
                          "3,446.00625,Sideways,FM"};
    for (const char* row : rows) {
        const CsvImport in(std::string("Location,Frequency,Tone,Mode,CrossMode\n") + row + ",->\n");
        ASSERT_EQ(in.report.errors.size(), 1u) << row << "\n" << in.errors();
        EXPECT_EQ(in.report.errors[0].where.rfind("channel 3 (line 2) ", 0), 0u) << in.errors();
    }
}

// Several wattages: the highest is high. One wattage only: the nearer of 5.0 W and 1.0 W.
TEST(ChirpCsvImport, PowerInWattsTheHighestIsHighOneValueTheNearerLevel) {
    struct PowerCase {
        std::vector<const char*> powers;
        std::vector<int> expected; // power option per channel
    } cases[] = {
        {{"5.0W", "1.0W"}, {1, 0}},
        {{"50W", "5.0W", "0.5W"}, {1, 0, 0}},
        {{"5", "2.5 W", "5.00w"}, {1, 0, 1}},
        {{"1.0W"}, {0}},
        {{"0.5W", "0.5W"}, {0, 0}},
        {{"2.9W"}, {0}},
        {{"3.0W"}, {1}},
        {{"50W", "50W"}, {1, 1}},
        {{"High", "Low", "low"}, {1, 0, 0}},
        {{"Low", "1.0W", "High"}, {0, 0, 1}},
    };
    for (const auto& c : cases) {
        std::string csv = "Location,Frequency,Power\n";
        for (std::size_t i = 0; i < c.powers.size(); ++i)
            csv += std::to_string(i + 1) + ",446.00625," + c.powers[i] + "\n";
        const CsvImport in(csv);
        ASSERT_TRUE(in.report.ok()) << csv << in.errors();
        for (std::size_t i = 0; i < c.expected.size(); ++i)
            EXPECT_EQ(OptionValue(in.channel(static_cast<int>(i) + 1), ChannelField::Power),
                      c.expected[i])
                << csv;
    }
    for (const char* wrong : {"5mW", "W", "five", "1.2.3W"}) {
        const CsvImport in(std::string("Location,Frequency,Power\n1,446.00625,") + wrong + "\n");
        EXPECT_FALSE(in.report.ok()) << wrong;
    }
    // An export imports back as it went out, a list of low channels too.
    const CsvImport low("Location,Frequency,Power\n3,438.000000,Low\n");
    ASSERT_TRUE(low.report.ok()) << low.errors();
    const CsvImport back(ExportCsv(low.state.radio()));
    ASSERT_TRUE(back.report.ok()) << back.errors();
    EXPECT_EQ(back.state.radio(), low.state.radio());
}

// (Locations outside 1..16 without --renumber, more than sixteen channels and CHIRP's new-file
// memory at Location 0 are tested through tlv6200-cli.)
TEST(ChirpCsvImport, RenumberingKeepsTheOrderOfTheLocations) {
    const CsvImport renumbered("Location,Frequency\n20,446.0125\n0,446.00625\n7,446.025\n", true);
    ASSERT_TRUE(renumbered.report.ok()) << renumbered.errors();
    EXPECT_EQ(renumbered.rx(1), "446.00625"); // Location 0
    EXPECT_EQ(renumbered.rx(2), "446.02500"); // Location 7
    EXPECT_EQ(renumbered.rx(3), "446.01250"); // Location 20
    EXPECT_FALSE(renumbered.channel(4).inUse());
    // A memory of the user's own at Location 0 is no new-file memory: it needs renumbering.
    const CsvImport named("Location,Name,Frequency\n0,Calling,146.010000\n");
    EXPECT_TRUE(named.report.hinted(ImportHint::Renumber));
    // 146.010 MHz without name or tone is the new-file memory only at Location 0.
    const CsvImport plain("Location,Frequency\n5,146.010000\n", false, 5);
    ASSERT_TRUE(plain.report.ok()) << plain.errors();
    EXPECT_EQ(plain.rx(5), "146.01000");
}

TEST(ImportFile, IsReadWholeOrRefusedNeverCutOff) {
    test::TemporaryFolder folder;
    const std::string path = folder.file("big.csv");
    std::string text;
    test::WriteBytes(path, std::string(kImportFileLimit, '#'));
    ASSERT_TRUE(ReadImportFile(path, text).ok);
    EXPECT_EQ(text.size(), kImportFileLimit);
    test::WriteBytes(path, std::string(kImportFileLimit + 1, '#'));
    const FileStatus tooLarge = ReadImportFile(path, text);
    EXPECT_FALSE(tooLarge.ok);
    EXPECT_EQ(tooLarge.reason, FileStatus::Failure(EFBIG).reason);
    EXPECT_TRUE(text.empty());
}

TEST(ChirpCsvImport, WhatTheRadioDoesNotKeepGivesANoteNamingTheChannel) {
    const CsvImport in("Location,Name,Frequency,Duplex,Offset,Skip,Comment\n"
                       "2,Repeater,446.0062549,+,5.0000001,P,club\n");
    ASSERT_TRUE(in.report.ok()) << in.errors();
    EXPECT_EQ(in.rx(2), "446.00625");
    EXPECT_EQ(FrequencyValue(in.channel(2).tx), "451.00625");
    EXPECT_TRUE(in.channel(2).scan);
    std::string notes;
    for (const auto& note : in.report.notes)
        notes += note.where + ": " + note.message + "\n";
    for (const char* expected :
         {"channel 2 (line 2) Name", "channel 2 (line 2) Comment", "channel 2 (line 2) Skip",
          "channel 2 (line 2) Frequency", "channel 2 (line 2) Offset"})
        EXPECT_NE(notes.find(expected), std::string::npos) << expected << "\n" << notes;
}

TEST(ChirpCsvImport, AFrequencyOutsideTheBandNamesTheBandsRange) {
    const CsvImport in("Location,Frequency\n1,146.52\n");
    ASSERT_EQ(in.report.errors.size(), 1u);
    EXPECT_EQ(in.report.errors[0].hint, ImportHint::Band);
    EXPECT_NE(in.report.errors[0].message.find("400-470MHz (400.00000..469.99999 MHz)"),
              std::string::npos)
        << in.errors();
    EXPECT_TRUE(CsvImport("Location,Frequency\n1,146.52\n", false, 5).report.ok());
}

// An import that changes the band refuses each channel it keeps outside the new band, in the
// same report as its other errors; one that keeps the band takes a base as it is.
TEST(BandChangingImport, RefusesEachChannelKeptOutsideTheNewBand) {
    EditorState base = MakeStartupEditor(kEnglish);
    for (int number : {1, 2, 3})
        base.radio().channel(number).rx = base.radio().channel(number).tx =
            Frequency{44600000u + 10000u * static_cast<uint32_t>(number)};
    const auto import = [&](int band, std::initializer_list<std::pair<int, ChannelChanges>> given) {
        EditorState state = base;
        ImportChanges changes;
        changes.band = Placed<int>{band, {}};
        for (const auto& [number, channel] : given)
            changes.channels[static_cast<std::size_t>(number - 1)] = channel;
        changes.numbers["VoxGain"] = {11, {}};
        ImportReport report;
        ApplyImport(state, changes, kEnglish, report);
        std::string errors;
        for (const auto& error : report.errors)
            errors += error.where + ": " + error.message + "\n";
        return errors;
    };
    ChannelChanges cleared, replaced, receiveOnly;
    cleared.clear = true;
    replaced.rx = replaced.tx = FrequencyChangeOf("146.52");
    receiveOnly.rx = FrequencyChangeOf("146.52"); // its transmit frequency stays the base's
    EXPECT_EQ(import(5, {{1, cleared}, {2, replaced}, {3, receiveOnly}}),
              "channel 3: 446.30000 is not in the band 136-174MHz (136.00000..173.99999 MHz) "
              "the import selects: give this channel a frequency in that band or clear it\n"
              "settings.VoxGain: outside its list (0..10)\n");
    EXPECT_EQ(import(5, {{2, replaced}}).find("channel 2"), std::string::npos);
    EXPECT_NE(import(5, {{2, replaced}}).find("channel 1: 446.10000"), std::string::npos);

    // The band question's Cancel leaves channels outside the band: an import keeping the band
    // takes such a base, and one changing the band back to theirs finds nothing to refuse.
    base.radio().band = 5;
    EXPECT_EQ(import(5, {{4, replaced}}), "settings.VoxGain: outside its list (0..10)\n");
    EXPECT_EQ(import(0, {}), "settings.VoxGain: outside its list (0..10)\n");
}

// The last position of each list, from the image layout: one past it is refused.
TEST(SettingsImport, ListsEndWhereTheImageLayoutEnds) {
    std::istringstream lastPositions(
        "VoicePrompt 2 TimeOutTimer 39 TimeOutWarning 10 SquelchLevel 9 BatterySave 1 Beep 1 "
        "PttIdMode 2 VoxEnable 1 VoxGain 10 VoxDelay 5 VoxTone 1 Duplicate 1 PriorityMode 2 "
        "PriorityChannel 16 RevertTimeA 91 RevertTimeB 91 ReturnChannel 3 ScanRxResumeDelay 300 "
        "ScanTxResumeDelay 300 CancelOperation 1 VoxOffOnReceive 1 DtmfRate 3 FirstDigitTime 3 "
        "StarHashTone 3 DKeySetting 16 DtmfSidetone 1 GroupCallCode 6 AutoResetTimer 15 "
        "KeyFunction1 11 KeyFunction2 11 HighPowerLevel 255 LowPowerLevel 255");
    const RadioData startup = MakeStartupEditor(kEnglish).radio();
    std::string name;
    int last = 0;
    int names = 0;
    while (lastPositions >> name >> last) {
        ++names;
        for (int value : {last, last + 1}) {
            EditorState state = MakeStartupEditor(kEnglish);
            ImportChanges changes;
            changes.numbers[name] = {value, {}};
            const ImportReport report = applySettings(state, changes);
            EXPECT_EQ(report.ok(), value == last) << name << " " << value;
            if (!report.ok()) continue;
            // The last position survives a save and an open, and no other setting moved.
            EditorState reopened = MakeStartupEditor(kEnglish);
            LoadImage(reopened, EditorImage(state));
            EXPECT_EQ(SettingNumber(reopened.radio(), name), value) << name;
            for (const SettingKey& other : SettingKeys()) {
                if (other.text || name == other.name) continue;
                EXPECT_EQ(SettingNumber(state.radio(), other.name),
                          SettingNumber(startup, other.name))
                    << name << " moved " << other.name;
            }
        }
    }
    EXPECT_EQ(names, 32);
}

TEST(SettingsImport, DtmfMemoriesHoldOnlyTheRadiosDigits) {
    const std::pair<std::vector<std::string>, bool> cases[] = {
        {{"0123456789", "ABCD*#", ""}, true},
        {{"E", "a", "1 2", "12-3", "0x", "+", "\xEF\xBC\x91"}, false},
    };
    for (const auto& [values, accepted] : cases) {
        for (const std::string& value : values) {
            EditorState state = MakeStartupEditor(kEnglish);
            ImportChanges changes;
            changes.dtmfMemory[3] = Placed<std::string>{value, {}};
            const ImportReport report = applySettings(state, changes);
            EXPECT_EQ(report.ok(), accepted) << value;
            EXPECT_EQ(state.radio().dtmf.memories[3], accepted ? value : "4");
        }
    }
}

TEST(EditorComparison, NamesEveryDifferenceOnce) {
    const CsvImport before("Location,Frequency\n1,446.00625\n2,446.0125\n");
    RadioData after = before.state.radio();
    EXPECT_TRUE(CompareRadioData(before.state.radio(), after, kEnglish).empty());
    EXPECT_EQ(DifferencesJson({}), "{\n  \"equal\": true,\n  \"differences\": []\n}\n");

    after.channel(1).rx = Frequency{44601250};
    after.channel(2) = Channel{}; // channel 2 no longer in use
    after.dtmf.memories[0] = "";
    after.functions.voicePrompt = 2;
    after.testFrequencies[2].tx = Frequency{44012500};
    const auto differences = CompareRadioData(before.state.radio(), after, kEnglish);
    EXPECT_EQ(DifferencesText(differences),
              "channel 1: rx 446.00625 -> 446.01250\n"
              "channel 2: rx 446.01250, rxTone Off, tx 446.01250, txTone Off, power 1, forbid 0, "
              "bandwidth 1, scan 1 -> not in use\n"
              "settings.VoicePrompt: 1 -> 2\n"
              "dtmfMemory[0]: 1 -> \"\"\n"
              "testFrequencies[2].tx: \"\" -> 440.12500\n");
    const std::string json = DifferencesJson(differences);
    EXPECT_NE(json.find("{\"where\": \"channel 1\", \"field\": \"rx\", \"old\": \"446.00625\", "
                        "\"new\": \"446.01250\"}"),
              std::string::npos)
        << json;
    EXPECT_NE(json.find("\"new\": null}"), std::string::npos) << json;
}

} // namespace
