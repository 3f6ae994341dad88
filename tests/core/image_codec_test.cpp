#include "GoldenImage.h"
#include "ScriptedMessageBox.h"
#include "editor/Startup.h"
#include "image/ImageCodec.h"
#include "image/ImageLayout.h"

#include <gtest/gtest.h>

#include <functional>

using namespace tlv;

namespace {

std::vector<uint8_t> bytesOf(const std::string& imageText) {
    auto bytes = ImageTextToBytes(imageText);
    EXPECT_TRUE(bytes);
    return bytes.value_or(std::vector<uint8_t>{});
}

std::vector<uint8_t> slice(const std::vector<uint8_t>& bytes, int offset, int count) {
    return {bytes.begin() + offset, bytes.begin() + offset + count};
}

std::vector<uint8_t> encodeBytes(const EditorState& state) {
    std::string text = EncodeImage(state);
    EXPECT_EQ(text.size(), 1696u);
    return bytesOf(text);
}

void setChannel(EditorState& state, int row, std::array<const char*, 8> cells) {
    for (int column = 1; column <= 8; ++column)
        state.table.at(row, column) = cells[column - 1];
}

class Decoding : public ::testing::Test {
  protected:
    EditorState state = MakeStartupEditor(0);
    test::ScriptedMessageBox box;
    std::vector<uint8_t> image = test::GoldenStartupImageBytes();

    void channelBytes(int row, std::vector<uint8_t> record) {
        std::copy(record.begin(), record.end(), image.begin() + 16 * (row - 1));
    }
    void decode() { ASSERT_TRUE(DecodeImage(state, BytesToImageText(image), box)); }
};

} // namespace

TEST(Encoding, StartupEditorGivesTheGoldenImageInEveryLanguage) {
    for (int language : {0, 1, 2}) {
        EXPECT_EQ(EncodeImage(MakeStartupEditor(language)), test::GoldenStartupImageHex())
            << language;
    }
}

TEST(Encoding, ChannelFieldExamples) {
    EditorState state = MakeStartupEditor(0);
    setChannel(state, 1, {"446.00625", "D023N", "136.12500", "67.0", "高", "关闭", "宽带", "有"});
    setChannel(state, 2, {"446.00625", "D023I", "446.00625", "254.1", "低", "载波", "窄带", "无"});
    setChannel(state, 3, {"446.00625", "关闭", "", "", "", "", "", ""});
    setChannel(state, 8, {"410.00000", "关闭", "410.00000", "关闭", "高", "关闭", "宽带", "有"});
    setChannel(state, 9, {"410.00000", "关闭", "410.00000", "关闭", "高", "关闭", "宽带", "有"});
    std::vector<uint8_t> bytes = encodeBytes(state);
    EXPECT_EQ(slice(bytes, 0, 16),
              (std::vector<uint8_t>{0x25, 0x06, 0x60, 0x44, 0x00, 0x25, 0x61, 0x13, 0x13, 0x28,
                                    0x9E, 0x02, 0xF0, 0xF0, 0xFC, 0xFF}));
    EXPECT_EQ(slice(bytes, 16, 16),
              (std::vector<uint8_t>{0x25, 0x06, 0x60, 0x44, 0x25, 0x06, 0x60, 0x44, 0x13, 0xA8,
                                    0xED, 0x09, 0xF8, 0xC0, 0xFC, 0xFF}));
    // Only a receive frequency: no transmit code, no transmit tone, empty options as defaults.
    EXPECT_EQ(slice(bytes, 32, 16),
              (std::vector<uint8_t>{0x25, 0x06, 0x60, 0x44, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                    0xFF, 0xFF, 0xF8, 0xF0, 0xFC, 0xFF}));
    EXPECT_EQ(bytes[offset::ScanAddBits], 0x81);     // channels 1 and 8
    EXPECT_EQ(bytes[offset::ScanAddBits + 1], 0x01); // channel 9
}

TEST(Encoding, OptionCellsAreComparedWithTheListsInForce) {
    EditorState state = MakeStartupEditor(1);
    setChannel(state, 1, {"446.00625", "Off", "446.00625", "Off", "Low", "Off", "Narrow", "Have"});
    std::vector<uint8_t> bytes = encodeBytes(state);
    EXPECT_EQ(slice(bytes, 8, 6), (std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0xFF, 0xF0, 0xC0}));
    EXPECT_EQ(bytes[offset::ScanAddBits], 0x01);
}

TEST(Encoding, SettingsFieldExamples) {
    EditorState state = MakeStartupEditor(0);
    state.stores.dtmfMemory[0] = "1203";
    state.currentBand = 5;
    state.stores.options.entry[OptionSettings::ScanRxResumeDelay] = "300";
    state.stores.options.entry[OptionSettings::RevertTimeA] = "0";
    state.stores.options.entry[OptionSettings::RevertTimeB] = "91";
    state.stores.options.entry[OptionSettings::Duplicate] = "0";
    state.stores.dtmf.value[DtmfSettings::GroupCallCode] = 6;
    state.stores.dtmf.value[DtmfSettings::FirstDigitDelay] = 459;
    state.stores.testFrequencies[0] = "446.00625";
    state.stores.testFrequencies[16] = "136.12500";
    state.stores.embeddedTexts[1] = "AB";
    std::vector<uint8_t> bytes = encodeBytes(state);
    EXPECT_EQ(slice(bytes, offset::DtmfMemory, 16),
              (std::vector<uint8_t>{0x31, 0x32, 0x3A, 0x33, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                    0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(bytes[offset::BandCode], 0x01);
    EXPECT_EQ(bytes[offset::BandCodeCopy], 0x01);
    EXPECT_EQ(slice(bytes, offset::ScanRxResumeDelay, 2), (std::vector<uint8_t>{0x2C, 0x01}));
    EXPECT_EQ(bytes[offset::RevertTimeA], 0xFF);
    EXPECT_EQ(bytes[offset::RevertTimeB], 91);
    EXPECT_EQ(bytes[offset::Duplicate], 0xFE);
    EXPECT_EQ(bytes[offset::DtmfRate + 6], 0x36);
    EXPECT_EQ(bytes[offset::DtmfRate + 2], 45);
    EXPECT_EQ(slice(bytes, offset::TestFrequencyTable, 8),
              (std::vector<uint8_t>{0x25, 0x06, 0x60, 0x44, 0x00, 0x25, 0x61, 0x13}));
    EXPECT_EQ(slice(bytes, offset::EmbeddedTexts + 32, 3),
              (std::vector<uint8_t>{0x41, 0x42, 0xFF}));
}

TEST(EncodingMends, ValuesAreClampedToTheirFields) {
    EditorState state = MakeStartupEditor(0);
    state.stores.highPowerLevel = 300;
    state.stores.lowPowerLevel = -5;
    state.voicePrompt = -1;
    state.timeOutTimer = 400;
    state.stores.options.entry[OptionSettings::VoxGain] = "-1";
    state.stores.options.entry[OptionSettings::PriorityChannel] = "99999";
    state.stores.options.entry[OptionSettings::ScanRxResumeDelay] = "70000";
    state.stores.options.entry[OptionSettings::ScanTxResumeDelay] = "-3";
    state.stores.dtmf.value[DtmfSettings::AutoResetTimer] = 1000;
    state.stores.keyFunction2 = -32768;
    state.currentBand = 9;
    std::vector<uint8_t> bytes = encodeBytes(state);
    EXPECT_EQ(bytes[offset::HighPowerLevel], 0xFF);
    EXPECT_EQ(bytes[offset::LowPowerLevel], 0x00);
    EXPECT_EQ(bytes[offset::VoicePrompt], 0x00);
    EXPECT_EQ(bytes[offset::TimeOutTimer], 0xFF);
    EXPECT_EQ(bytes[offset::VoxGain], 0x00);
    EXPECT_EQ(bytes[offset::PriorityChannel], 0xFF);
    EXPECT_EQ(slice(bytes, offset::ScanRxResumeDelay, 4),
              (std::vector<uint8_t>{0xFF, 0xFF, 0x00, 0x00}));
    EXPECT_EQ(bytes[offset::DtmfRate + 7], 0xFF);
    EXPECT_EQ(bytes[offset::KeyFunction2], 0x00);
    EXPECT_EQ(bytes[offset::BandCode], 0xFF); // no band selected: a code no band has
}

TEST(EncodingMends, TextsAreCutAndNonPrintableCharactersBecomeQuestionMarks) {
    EditorState state = MakeStartupEditor(0);
    state.stores.options.entry[OptionSettings::IdCode] = "ABCDEFGHIJKL";
    state.stores.embeddedTexts[0] = "a\xC3\xA9"
                                    "b\xE4\xB8\xAD"
                                    "c\x01\x7F\xFF"
                                    "d";
    state.stores.embeddedTexts[1] = std::string(40, 'x');
    state.stores.dtmfMemory[2] = "0123456789ABCD*#0000";
    std::vector<uint8_t> bytes = encodeBytes(state);
    EXPECT_EQ(std::string(bytes.begin() + offset::IdCode, bytes.begin() + offset::IdCode + 10),
              "ABCDEFGHIJ");
    EXPECT_EQ(bytes[offset::IdCode + 10], 0xFF);
    EXPECT_EQ(std::string(bytes.begin() + offset::EmbeddedTexts,
                          bytes.begin() + offset::EmbeddedTexts + 10),
              "a?b?c???d\xFF");
    EXPECT_EQ(std::string(bytes.begin() + offset::EmbeddedTexts + 32,
                          bytes.begin() + offset::EmbeddedTexts + 64),
              std::string(32, 'x'));
    EXPECT_EQ(std::string(bytes.begin() + offset::DtmfMemory + 32,
                          bytes.begin() + offset::DtmfMemory + 48),
              ":123456789ABCD*#");
}

TEST(EncodingMends, FrequencyTextsOutsideTheNineCharacterForm) {
    struct Case {
        const char* text;
        std::vector<uint8_t> code;
    };
    for (const Case& c : std::initializer_list<Case>{{"446.1", {0x00, 0x00, 0x61, 0x44}},
                                                     {"446.006255", {0x26, 0x06, 0x60, 0x44}},
                                                     {" 136.125", {0x00, 0x25, 0x61, 0x13}},
                                                     {"100", {0x00, 0x00, 0x00, 0x10}},
                                                     {"99.99999", {0xFF, 0xFF, 0xFF, 0xFF}},
                                                     {"999.999996", {0xFF, 0xFF, 0xFF, 0xFF}},
                                                     {"1000.00000", {0xFF, 0xFF, 0xFF, 0xFF}},
                                                     {"abc", {0xFF, 0xFF, 0xFF, 0xFF}},
                                                     {"44A.00625", {0xFF, 0xFF, 0xFF, 0xFF}}}) {
        EditorState state = MakeStartupEditor(0);
        setChannel(state, 1, {c.text, "关闭", c.text, "关闭", "高", "关闭", "宽带", "有"});
        state.stores.testFrequencies[5] = c.text;
        std::vector<uint8_t> bytes = encodeBytes(state);
        EXPECT_EQ(slice(bytes, 0, 4), c.code) << c.text;
        EXPECT_EQ(slice(bytes, 4, 4), c.code) << c.text;
        EXPECT_EQ(slice(bytes, offset::TestFrequencyTable + 40, 4), c.code) << c.text;
    }
}

TEST(EncodingMends, CtcssFromItsNumericValueAlwaysFourDigits) {
    struct Case {
        const char* text;
        std::vector<uint8_t> code;
    };
    for (const Case& c : std::initializer_list<Case>{{"67.0", {0x9E, 0x02}},
                                                     {"100.0", {0xE8, 0x03}},
                                                     {"100", {0xE8, 0x03}},
                                                     {"67.05", {0x9F, 0x02}},
                                                     {"0.5", {0x05, 0x00}},
                                                     {"abc", {0x00, 0x00}},
                                                     {"99999", {0xFF, 0xFF}},
                                                     {"D007I", {0x07, 0xA8}},
                                                     {"D777N", {0xFF, 0x29}},
                                                     {"Off", {0xFF, 0xFF}}}) {
        EditorState state = MakeStartupEditor(0);
        setChannel(state, 1,
                   {"446.00625", c.text, "446.00625", "关闭", "高", "关闭", "宽带", "有"});
        EXPECT_EQ(slice(encodeBytes(state), 8, 2), c.code) << c.text;
    }
}

TEST_F(Decoding, ChannelCellsAndTones) {
    // 1: full channel; 2: no receive code but other data; 3: no transmit, transmit tone off;
    // 4: no transmit frequency but a transmit tone.
    channelBytes(1, {0x25, 0x06, 0x60, 0x44, 0x00, 0x25, 0x61, 0x13, 0x13, 0x28, 0x13, 0xA8, 0xF0,
                     0xC0, 0xFC, 0xFF});
    channelBytes(2, {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x25, 0x61, 0x13, 0x9E, 0x02, 0x9E, 0x02, 0xF0,
                     0xC0, 0xFC, 0xFF});
    channelBytes(3, {0x25, 0x06, 0x60, 0x44, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xF8,
                     0xF0, 0xFC, 0xFF});
    channelBytes(4, {0x25, 0x06, 0x60, 0x44, 0xFF, 0xFF, 0xFF, 0xFF, 0x9E, 0x02, 0xED, 0x09, 0xF8,
                     0xF0, 0xFC, 0xFF});
    image[offset::ScanAddBits] = 0x0B; // channels 1, 2 (not in use) and 4
    state.table.at(2, 5) = "stale";
    decode();
    std::array<std::array<const char*, 8>, 4> expected{{
        {"446.00625", "D023N", "136.12500", "D023I", "低", "关闭", "窄带", "有"},
        {"", "", "", "", "", "", "", ""},
        {"446.00625", "关闭", "", "", "高", "载波", "宽带", "无"},
        {"446.00625", "67.0", "", "254.1", "高", "载波", "宽带", "有"},
    }};
    for (int row = 1; row <= 4; ++row)
        for (int column = 1; column <= 8; ++column)
            EXPECT_EQ(state.table.at(row, column), expected[row - 1][column - 1])
                << row << "," << column;
    EXPECT_EQ(state.table.at(1, 0), "01");
    EXPECT_EQ(state.optionIndex.at(1, 5), 0);
    EXPECT_EQ(state.optionIndex.at(3, 6), 1);
    EXPECT_EQ(state.optionIndex.at(4, 8), 1);
    EXPECT_EQ(state.optionIndex.at(3, 2), 0);
}

// Codes the encoder never writes are shown as the radio's own software shows them; the list
// position is the code's, or Off, never the one the cell had before. (Codes of the list come
// back through the round trip.)
TEST_F(Decoding, ToneTextsAndListPositions) {
    const struct {
        uint8_t low, high;
        const char* text;
        int16_t position;
    } cases[] = {{0x13, 0x20, "D23N", 0}, {0xEC, 0x29, "D754N", 155}, {0xEC, 0xA9, "D754I", 260},
                 {0x05, 0x00, ".5", 0},   {0x00, 0x00, ".0", 0},      {0xFE, 0xFF, "6553.4", 0},
                 {0x9F, 0x02, "67.1", 0}, {0xFF, 0xFF, "关闭", 0}};
    for (const auto& c : cases) {
        state.optionIndex.at(1, col::RxTone) = 42;
        channelBytes(1, {0x25, 0x06, 0x60, 0x44, 0xFF, 0xFF, 0xFF, 0xFF, c.low, c.high, 0xFF, 0xFF,
                         0xF8, 0xF0, 0xFC, 0xFF});
        decode();
        EXPECT_EQ(state.table.at(1, col::RxTone), c.text);
        EXPECT_EQ(state.optionIndex.at(1, col::RxTone), c.position) << c.text;
    }
}

// One value of a decoded editor, as a number.
#define VALUE_OF(expression) [](const EditorState& s) { return int(s.expression); }

TEST_F(Decoding, RangeTestsKeepEarlierValues) {
    const auto option = [](int entry) {
        return [entry](const EditorState& s) {
            return std::stoi("0" + s.stores.options.entry[entry]);
        };
    };
    using D = DtmfSettings;
    const struct {
        int offset;
        uint8_t byte;
        std::function<int(const EditorState&)> read;
        int expected;
    } cases[] = {
        {offset::TimeOutTimer, 0, VALUE_OF(timeOutTimer), -1},
        {offset::TimeOutTimer, 41, VALUE_OF(timeOutTimer), 1},
        {offset::TimeOutTimer, 40, VALUE_OF(timeOutTimer), 39},
        {offset::DtmfRate + 2, 9, VALUE_OF(stores.dtmf.value[D::FirstDigitDelay]), 0},
        {offset::DtmfRate + 2, 101, VALUE_OF(stores.dtmf.value[D::FirstDigitDelay]), 0},
        {offset::DtmfRate + 2, 30, VALUE_OF(stores.dtmf.value[D::FirstDigitDelay]), 300},
        {offset::DtmfRate, 4, VALUE_OF(stores.dtmf.value[D::DtmfRate]), 0},
        {offset::DtmfRate + 4, 16, VALUE_OF(stores.dtmf.value[D::DKeySetting]), 16},
        {offset::DtmfRate + 7, 16, VALUE_OF(stores.dtmf.value[D::AutoResetTimer]), 0},
        {offset::DtmfRate + 6, 0x00, VALUE_OF(stores.dtmf.value[D::GroupCallCode]), 0},
        {offset::DtmfRate + 6, 0xFF, VALUE_OF(stores.dtmf.value[D::GroupCallCode]), 0},
        {offset::DtmfRate + 6, 0x33, VALUE_OF(stores.dtmf.value[D::GroupCallCode]), 3},
        {offset::RevertTimeA, 0xFF, VALUE_OF(optionalFunctions.revertTimeA), 0},
        {offset::RevertTimeA, 92, option(OptionSettings::RevertTimeA), 1},
        {offset::RevertTimeA, 254, VALUE_OF(optionalFunctions.revertTimeA), 1},
        {offset::RevertTimeB, 91, option(OptionSettings::RevertTimeB), 91},
        {offset::PriorityChannel, 0, option(OptionSettings::PriorityChannel), 1},
        {offset::PriorityChannel, 17, option(OptionSettings::PriorityChannel), 1},
        {offset::PriorityChannel, 16, VALUE_OF(optionalFunctions.priorityChannel), 15},
        {offset::VoxGain, 11, option(OptionSettings::VoxGain), 1},
        {offset::VoxGain, 10, VALUE_OF(optionalFunctions.voxGain), 10},
        {offset::Duplicate, 0xFE, VALUE_OF(optionalFunctions.duplicate), 0},
        {offset::CancelOperation, 2, VALUE_OF(optionalFunctions.cancelOperation), 1},
        {offset::CancelOperation, 0, VALUE_OF(optionalFunctions.cancelOperation), 0},
        {offset::SquelchLevel, 10, VALUE_OF(squelchLevel), 5},
        {offset::SquelchLevel, 9, VALUE_OF(squelchLevel), 9},
        {offset::KeyFunction1, 0x20, VALUE_OF(keyFunctions.keyFunction1), 10},
        {offset::KeyFunction1, 4, VALUE_OF(keyFunctions.keyFunction1), 4},
        {offset::KeyFunction2, 8, VALUE_OF(stores.keyFunction2), 8},
        {offset::HighPowerLevel, 255, VALUE_OF(powerLevels.highLevel), 255},
    };
    for (const auto& c : cases) {
        state = MakeStartupEditor(0);
        image = test::GoldenStartupImageBytes();
        image[c.offset] = c.byte;
        decode();
        EXPECT_EQ(c.read(state), c.expected) << "offset " << c.offset << " byte " << int(c.byte);
    }
}

TEST_F(Decoding, GroupCallCodeThatIsNoDigitFailsItsTestAndDecodingGoesOn) {
    state.stores.dtmf.value[DtmfSettings::GroupCallCode] = 5;
    image[offset::DtmfRate + 6] = 0x41;
    image[offset::DtmfRate + 7] = 7;
    image[offset::KeyFunction2] = 3;
    image[offset::EmbeddedTexts] = 'Z';
    image[offset::BandCode] = 0x73;
    decode();
    EXPECT_EQ(state.stores.dtmf.value[DtmfSettings::GroupCallCode], 5);
    EXPECT_EQ(state.stores.dtmf.value[DtmfSettings::AutoResetTimer], 7);
    EXPECT_EQ(state.stores.keyFunction2, 3);
    EXPECT_EQ(state.stores.embeddedTexts[0], "Z");
    EXPECT_EQ(state.currentBand, 6);
}

TEST_F(Decoding, TextFields) {
    const uint8_t idCode[10] = {0x41, 0x42, 0x43, 0xFF, 0x44, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    std::copy(idCode, idCode + 10, image.begin() + offset::IdCode);
    const uint8_t start[4] = {0x41, 0xFF, 0x42, 0x43};
    std::copy(start, start + 4, image.begin() + offset::PttIdStartCode);
    const uint8_t memory[5] = {0x31, 0x3A, 0x30, 0xFF, 0x23};
    std::copy(memory, memory + 5, image.begin() + offset::DtmfMemory + 16);
    image[offset::EmbeddedTexts] = 0xE9;
    image[offset::EmbeddedTexts + 1] = 0x41;
    decode();
    EXPECT_EQ(state.stores.options.entry[OptionSettings::IdCode], "ABC"); // 0xFF ends the text
    EXPECT_EQ(state.stores.options.entry[OptionSettings::PttIdStartCode], "ABC"); // 0xFF skipped
    EXPECT_EQ(state.stores.dtmfMemory[1], "100#");
    EXPECT_EQ(state.stores.embeddedTexts[0], "\xC3\xA9"
                                             "A");
    EXPECT_EQ(state.embeddedTexts.firstText, state.stores.embeddedTexts[0]);
}

TEST_F(Decoding, ResumeDelays) {
    struct Case {
        uint8_t low, high;
        const char* text;
    };
    for (const Case& c :
         std::initializer_list<Case>{{0x2D, 0x01, ""}, {0xFF, 0xFF, ""}}) { // past 300 s: none
        state = MakeStartupEditor(0);
        image[offset::ScanRxResumeDelay] = c.low;
        image[offset::ScanRxResumeDelay + 1] = c.high;
        decode();
        EXPECT_EQ(state.stores.options.entry[OptionSettings::ScanRxResumeDelay], c.text);
        EXPECT_EQ(state.optionalFunctions.scanRxResumeDelay, c.text);
    }
}

TEST_F(Decoding, BandCodeSelectsTheBandWithoutAQuestionAndKeepsTheChannels) {
    channelBytes(1, {0x00, 0x25, 0x61, 0x13, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xF8,
                     0xF0, 0xFC, 0xFF});
    image[offset::BandCode] = 0x01;
    decode();
    EXPECT_EQ(state.currentBand, 5);
    EXPECT_EQ(state.previousBand, 5);
    EXPECT_EQ(state.bandLow, 136);
    EXPECT_EQ(state.bandHigh, 174);
    EXPECT_EQ(state.table.at(1, 1), "136.12500");
    EXPECT_TRUE(box.shown.empty());

    image[offset::BandCode] = 0x99;
    decode();
    EXPECT_EQ(state.currentBand, 5);
    EXPECT_EQ(state.bandLow, 136);
}

TEST_F(Decoding, FixedPriorityWithoutChannelsShowsTheTipAndTheListGoesBack) {
    image[offset::PriorityMode] = 1;
    image[offset::PriorityChannel] = 3;
    decode();
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text, "当设定为‘固定’时信道不可为空，请重设！");
    EXPECT_EQ(box.shown[0].title, "提示");
    EXPECT_EQ(state.optionalFunctions.priorityMode, 0);
    EXPECT_EQ(state.optionalFunctions.priorityChannel, 2);
    EXPECT_EQ(state.stores.options.entry[OptionSettings::PriorityMode], "1");
}

TEST_F(Decoding, FixedPriorityOnAnEmptyChannelFallsBackToTheFirstChannelInUse) {
    channelBytes(5, {0x25, 0x06, 0x60, 0x44, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xF8,
                     0xF0, 0xFC, 0xFF});
    image[offset::PriorityMode] = 1;
    image[offset::PriorityChannel] = 3;
    decode();
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text, "不可选择空信道，请重新选择！");
    EXPECT_EQ(state.optionalFunctions.priorityMode, 1);
    EXPECT_EQ(state.optionalFunctions.priorityChannel, 4);
    EXPECT_EQ(state.optionalFunctions.priorityFallbackChannel, 5);
}

TEST(DecodingRefusal, ShortOrNonHexTextChangesNothing) {
    test::ScriptedMessageBox box;
    std::string golden = test::GoldenStartupImageHex();
    EditorState state = MakeStartupEditor(0);
    state.table.at(1, 1) = "446.00625";
    state.serviceMode = 1;
    state.stores.highPowerLevel = 3;
    const std::string before = EncodeImage(state);

    std::string nonHex = golden;
    nonHex[100] = 'G';
    std::string odd = golden.substr(0, 1631) + "x";
    for (const std::string& text :
         {std::string(), golden.substr(0, 1631), nonHex, odd, std::string(1632, ' ')}) {
        EXPECT_FALSE(DecodeImage(state, text, box)) << text.size();
        EXPECT_EQ(EncodeImage(state), before);
        EXPECT_EQ(state.serviceMode, 1);
    }
    EXPECT_TRUE(box.shown.empty());
}

TEST(DecodingRefusal, OnlyTheFirst1632DigitsAreReadAndLowerCaseIsHex) {
    test::ScriptedMessageBox box;
    std::string golden = test::GoldenStartupImageHex();
    std::string text = golden.substr(0, 1632);
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EditorState state = MakeStartupEditor(0);
    EXPECT_TRUE(DecodeImage(state, text, box));
    EXPECT_TRUE(DecodeImage(state, text + "zz trailing text", box));
    EXPECT_EQ(EncodeImage(state), golden);
}
