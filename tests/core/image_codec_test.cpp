// SPDX-License-Identifier: GPL-3.0-or-later
#include "GoldenImage.h"
#include "document/EditorImage.h"
#include "editor/CellTexts.h"
#include "editor/Startup.h"
#include "image/ImageCodec.h"
#include "image/ImageLayout.h"

#include <gtest/gtest.h>

#include <functional>

using namespace tlv;

namespace {

std::vector<uint8_t> slice(const MemoryImage& bytes, int offset, int count) {
    return {bytes.begin() + offset, bytes.begin() + offset + count};
}

Frequency mhz(const char* text) {
    return *FrequencyOfCellText(text);
}

Channel channel(const char* rx, Tone rxTone, std::optional<Frequency> tx, Tone txTone, Power power,
                TransmitForbid forbid, Bandwidth bandwidth, bool scan) {
    return {mhz(rx), tx, rxTone, txTone, power, forbid, bandwidth, scan};
}

std::array<std::string, 8> cellsOf(const EditorState& state, int row) {
    std::array<std::string, 8> cells;
    for (int column = 1; column <= 8; ++column)
        cells[column - 1] = CellText(state, row, column);
    return cells;
}

class Decoding : public ::testing::Test {
  protected:
    EditorState state = MakeStartupEditor(Language::Simplified);
    MemoryImage image = test::GoldenStartupImage();
    std::vector<Notice> notices;

    void channelBytes(int row, std::vector<uint8_t> record) {
        std::copy(record.begin(), record.end(), image.begin() + 16 * (row - 1));
    }
    void decode() { notices = LoadImage(state, image); }
};

} // namespace

TEST(Encoding, StartupEditorGivesTheGoldenImageInEveryLanguage) {
    for (Language language : {Language::Simplified, Language::English, Language::Traditional})
        EXPECT_EQ(EditorImage(MakeStartupEditor(language)), test::GoldenStartupImage());
}

TEST(Encoding, ChannelFieldExamples) {
    RadioData radio = MakeStartupEditor().radio();
    using enum Power;
    radio.channel(1) = channel("446.00625", Tone::Dcs(023, false), mhz("136.12500"),
                               Tone::Ctcss(670), High, TransmitForbid::Off, Bandwidth::Wide, true);
    radio.channel(2) =
        channel("446.00625", Tone::Dcs(023, true), mhz("446.00625"), Tone::Ctcss(2541), Low,
                TransmitForbid::OnCarrier, Bandwidth::Narrow, false);
    radio.channel(3) = channel("446.00625", Tone::Off(), std::nullopt, Tone::Off(), High,
                               TransmitForbid::OnCarrier, Bandwidth::Wide, false);
    radio.channel(8) = channel("410.00000", Tone::Off(), mhz("410.00000"), Tone::Off(), High,
                               TransmitForbid::Off, Bandwidth::Wide, true);
    radio.channel(9) = radio.channel(8);
    radio.channel(10) = radio.channel(8);
    radio.channel(10).rx.reset(); // not in use: its scan flag is not stored
    const MemoryImage bytes = EncodeImage(radio);
    EXPECT_EQ(slice(bytes, 0, 16),
              (std::vector<uint8_t>{0x25, 0x06, 0x60, 0x44, 0x00, 0x25, 0x61, 0x13, 0x13, 0x28,
                                    0x9E, 0x02, 0xF0, 0xF0, 0xFC, 0xFF}));
    EXPECT_EQ(slice(bytes, 16, 16),
              (std::vector<uint8_t>{0x25, 0x06, 0x60, 0x44, 0x25, 0x06, 0x60, 0x44, 0x13, 0xA8,
                                    0xED, 0x09, 0xF8, 0xC0, 0xFC, 0xFF}));
    EXPECT_EQ(slice(bytes, 32, 16),
              (std::vector<uint8_t>{0x25, 0x06, 0x60, 0x44, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                    0xFF, 0xFF, 0xF8, 0xF0, 0xFC, 0xFF}));
    EXPECT_EQ(bytes[offset::ScanAddBits], 0x81);     // channels 1 and 8
    EXPECT_EQ(bytes[offset::ScanAddBits + 1], 0x01); // channel 9
}

TEST(Encoding, SettingsFieldExamples) {
    RadioData radio = MakeStartupEditor().radio();
    radio.dtmf.memories[0] = "1203";
    radio.band = 5;
    radio.options.scanRxResumeDelay = 300;
    radio.options.revertTimeA = 0;
    radio.options.revertTimeB = 91;
    radio.options.duplicate = 0;
    radio.dtmf.groupCallCode = 6;
    radio.dtmf.firstDigitDelay = 459;
    radio.testFrequencies[0] = {mhz("446.00625"), mhz("136.12500")};
    radio.embeddedTexts[1] = "AB";
    const MemoryImage bytes = EncodeImage(radio);
    EXPECT_EQ(slice(bytes, offset::DtmfMemory, 5),
              (std::vector<uint8_t>{0x31, 0x32, 0x3A, 0x33, 0xFF}));
    EXPECT_EQ(bytes[offset::BandCode], 0x01);
    EXPECT_EQ(bytes[offset::BandCodeCopy], 0x01);
    EXPECT_EQ(slice(bytes, offset::ScanRxResumeDelay, 4),
              (std::vector<uint8_t>{0x2C, 0x01, 0x00, 0x00})); // no transmit delay given: 0
    EXPECT_EQ(bytes[offset::RevertTimeA], 0xFF);
    EXPECT_EQ(bytes[offset::RevertTimeB], 91);
    EXPECT_EQ(bytes[offset::Duplicate], 0xFE);
    EXPECT_EQ(bytes[offset::GroupCallCode], 0x36);
    EXPECT_EQ(bytes[offset::FirstDigitDelay], 45);
    EXPECT_EQ(slice(bytes, offset::TestFrequencyTable, 8),
              (std::vector<uint8_t>{0x25, 0x06, 0x60, 0x44, 0x00, 0x25, 0x61, 0x13}));
    EXPECT_EQ(slice(bytes, offset::EmbeddedTexts + 32, 3),
              (std::vector<uint8_t>{0x41, 0x42, 0xFF}));
}

TEST(EncodingMends, ValuesAreClampedToTheirFields) {
    RadioData radio = MakeStartupEditor().radio();
    radio.powerLevels = {300, -5};
    radio.functions.voicePrompt = -1;
    radio.functions.timeOutTimer = 400;
    radio.options.voxGain = -1;
    radio.options.priorityChannel = 99999;
    radio.dtmf.autoResetTimer = 1000;
    radio.keys.pf2 = -32768;
    radio.band = 9;
    const MemoryImage bytes = EncodeImage(radio);
    EXPECT_EQ(bytes[offset::HighPowerLevel], 0xFF);
    EXPECT_EQ(bytes[offset::LowPowerLevel], 0x00);
    EXPECT_EQ(bytes[offset::VoicePrompt], 0x00);
    EXPECT_EQ(bytes[offset::TimeOutTimer], 0xFF);
    EXPECT_EQ(bytes[offset::VoxGain], 0x00);
    EXPECT_EQ(bytes[offset::PriorityChannel], 0xFF);
    EXPECT_EQ(bytes[offset::AutoResetTimer], 0xFF);
    EXPECT_EQ(bytes[offset::KeyFunction2], 0x00);
    EXPECT_EQ(bytes[offset::BandCode], 0xFF); // no band selected: a code no band has
}

TEST(EncodingMends, TextsAreCutAndNonPrintableCharactersBecomeQuestionMarks) {
    RadioData radio = MakeStartupEditor().radio();
    radio.codes.idCode = "ABCDEFGHIJKL";
    radio.embeddedTexts[0] = "a\xC3\xA9"
                             "b\xE4\xB8\xAD"
                             "c\x01\x7F\xFF"
                             "d";
    radio.embeddedTexts[1] = std::string(40, 'x');
    radio.dtmf.memories[2] = "0123456789ABCD*#0000";
    const MemoryImage bytes = EncodeImage(radio);
    auto text = [&](int at, int count) {
        return std::string(bytes.begin() + at, bytes.begin() + at + count);
    };
    EXPECT_EQ(text(offset::IdCode, 11), "ABCDEFGHIJ\xFF");
    EXPECT_EQ(text(offset::EmbeddedTexts, 10), "a?b?c???d\xFF");
    EXPECT_EQ(text(offset::EmbeddedTexts + 32, 32), std::string(32, 'x'));
    EXPECT_EQ(text(offset::DtmfMemory + 32, 16), ":123456789ABCD*#");
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
    state.radio().channel(2).power = Power::Low;
    decode();
    const std::array<std::array<std::string, 8>, 4> expected{{
        {"446.00625", "D023N", "136.12500", "D023I", "低", "关闭", "窄带", "有"},
        {"", "", "", "", "", "", "", ""},
        {"446.00625", "关闭", "", "", "高", "载波", "宽带", "无"},
        {"446.00625", "67.0", "", "254.1", "高", "载波", "宽带", "有"},
    }};
    for (int row = 1; row <= 4; ++row)
        EXPECT_EQ(cellsOf(state, row), expected[row - 1]) << row;
    EXPECT_EQ(state.radio().channel(2), Channel{}); // nothing of the old channel is left
    const MemoryImage saved = EditorImage(state);
    for (int row : {1, 3, 4})
        EXPECT_EQ(slice(saved, 16 * (row - 1), 16), slice(image, 16 * (row - 1), 16)) << row;
}

// Codes the encoder never writes are shown as close to the radio's value as the cell can; the
// remembered list entry is the tone's, or off, never the one the cell had before. A DCS code
// is the low nine bits whatever bits 9 to 11 hold.
TEST_F(Decoding, ToneTextsAndListPositions) {
    const struct {
        uint8_t low, high;
        const char* text;
        int16_t position;
    } cases[] = {{0x13, 0x20, "D023N", 51}, {0xEC, 0x29, "D754N", 155}, {0xEC, 0xA9, "D754I", 260},
                 {0x05, 0x00, ".5", 0},     {0x00, 0x00, ".0", 0},      {0xFE, 0xFF, "6553.4", 0},
                 {0x9F, 0x02, "67.1", 0},   {0xFF, 0xFF, "关闭", 0}};
    for (const auto& c : cases) {
        state.data.tones.at(1, ChannelField::RxTone) = 42;
        channelBytes(1, {0x25, 0x06, 0x60, 0x44, 0xFF, 0xFF, 0xFF, 0xFF, c.low, c.high, 0xFF, 0xFF,
                         0xF8, 0xF0, 0xFC, 0xFF});
        decode();
        EXPECT_EQ(CellText(state, 1, col::RxTone), c.text);
        EXPECT_EQ(state.data.tones.at(1, ChannelField::RxTone), c.position) << c.text;
    }
}

TEST_F(Decoding, RangeTestsKeepEarlierValues) {
    using Read = std::function<int(const RadioData&)>;
#define VALUE_OF(expression) Read([](const RadioData& r) { return int(r.expression); })
    const struct {
        int offset;
        uint8_t byte;
        Read read;
        int expected;
    } cases[] = {
        {offset::TimeOutTimer, 0, VALUE_OF(functions.timeOutTimer), -1},
        {offset::TimeOutTimer, 41, VALUE_OF(functions.timeOutTimer), 1},
        {offset::TimeOutTimer, 40, VALUE_OF(functions.timeOutTimer), 39},
        {offset::FirstDigitDelay, 9, VALUE_OF(dtmf.firstDigitDelay), 0},
        {offset::FirstDigitDelay, 101, VALUE_OF(dtmf.firstDigitDelay), 0},
        {offset::FirstDigitDelay, 30, VALUE_OF(dtmf.firstDigitDelay), 300},
        {offset::DtmfRate, 4, VALUE_OF(dtmf.dtmfRate), 0},
        {offset::DKeySetting, 16, VALUE_OF(dtmf.dKeySetting), 16},
        {offset::AutoResetTimer, 16, VALUE_OF(dtmf.autoResetTimer), 0},
        {offset::GroupCallCode, 0x00, VALUE_OF(dtmf.groupCallCode), 0},
        {offset::GroupCallCode, 0xFF, VALUE_OF(dtmf.groupCallCode), 0},
        {offset::GroupCallCode, 0x33, VALUE_OF(dtmf.groupCallCode), 3},
        {offset::RevertTimeA, 0xFF, VALUE_OF(options.revertTimeA), 0},
        {offset::RevertTimeA, 92, VALUE_OF(options.revertTimeA), 1},
        {offset::RevertTimeB, 91, VALUE_OF(options.revertTimeB), 91},
        {offset::PriorityChannel, 0, VALUE_OF(options.priorityChannel), 1},
        {offset::PriorityChannel, 17, VALUE_OF(options.priorityChannel), 1},
        {offset::PriorityChannel, 16, VALUE_OF(options.priorityChannel), 16},
        {offset::VoxGain, 11, VALUE_OF(options.voxGain), 1},
        {offset::VoxGain, 10, VALUE_OF(options.voxGain), 10},
        {offset::Duplicate, 0xFE, VALUE_OF(options.duplicate), 0},
        {offset::CancelOperation, 2, VALUE_OF(options.cancelOperation), 1},
        {offset::CancelOperation, 0, VALUE_OF(options.cancelOperation), 0},
        {offset::SquelchLevel, 10, VALUE_OF(functions.squelchLevel), 5},
        {offset::SquelchLevel, 9, VALUE_OF(functions.squelchLevel), 9},
        {offset::KeyFunction1, 0x20, VALUE_OF(keys.pf1), 10},
        {offset::KeyFunction2, 8, VALUE_OF(keys.pf2), 8},
        {offset::HighPowerLevel, 255, VALUE_OF(powerLevels.high), 255},
    };
#undef VALUE_OF
    for (const auto& c : cases) {
        state = MakeStartupEditor();
        image = test::GoldenStartupImage();
        image[c.offset] = c.byte;
        decode();
        EXPECT_EQ(c.read(state.radio()), c.expected)
            << "offset " << c.offset << " byte " << int(c.byte);
    }
}

TEST_F(Decoding, DialogsShowTheLoadedValues) {
    image[offset::RevertTimeA] = 254; // refused: the dialog keeps showing the data's 1
    image[offset::PriorityChannel] = 16;
    image[offset::VoxGain] = 10;
    image[offset::KeyFunction1] = 4;
    image[offset::ScanRxResumeDelay] = 0x2D; // 301: refused, the box stays empty
    image[offset::ScanRxResumeDelay + 1] = 0x01;
    image[offset::ScanTxResumeDelay] = 0x2C; // 300
    image[offset::ScanTxResumeDelay + 1] = 0x01;
    image[offset::EmbeddedTexts] = 'Z';
    decode();
    const DialogDrafts& dialogs = state.dialogs;
    EXPECT_EQ(dialogs.optionalFunctions.revertTimeA, 1);
    EXPECT_EQ(dialogs.optionalFunctions.priorityChannel, 15);
    EXPECT_EQ(dialogs.optionalFunctions.voxGain, 10);
    EXPECT_EQ(dialogs.optionalFunctions.scanRxResumeDelay, "");
    EXPECT_EQ(dialogs.optionalFunctions.scanTxResumeDelay, "300");
    EXPECT_EQ(dialogs.keys.pf1, 4);
    EXPECT_EQ(dialogs.powerLevels.highText, "208");
    EXPECT_EQ(dialogs.embeddedTexts.first, "Z");
}

TEST_F(Decoding, GroupCallCodeThatIsNoDigitFailsItsTestAndDecodingGoesOn) {
    state.radio().dtmf.groupCallCode = 5;
    image[offset::GroupCallCode] = 0x41;
    image[offset::AutoResetTimer] = 7;
    image[offset::KeyFunction2] = 3;
    image[offset::EmbeddedTexts] = 'Z';
    image[offset::BandCode] = 0x73;
    decode();
    EXPECT_EQ(state.radio().dtmf.groupCallCode, 5);
    EXPECT_EQ(state.radio().dtmf.autoResetTimer, 7);
    EXPECT_EQ(state.radio().keys.pf2, 3);
    EXPECT_EQ(state.radio().embeddedTexts[0], "Z");
    EXPECT_EQ(state.radio().band, 6);
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
    EXPECT_EQ(state.radio().codes.idCode, "ABC");         // 0xFF ends the text
    EXPECT_EQ(state.radio().codes.pttIdStartCode, "ABC"); // 0xFF skipped
    EXPECT_EQ(state.radio().dtmf.memories[1], "100#");
    EXPECT_EQ(state.radio().embeddedTexts[0], "\xC3\xA9"
                                              "A");
}

TEST_F(Decoding, BandCodeSelectsTheBandWithoutAQuestionAndKeepsTheChannels) {
    channelBytes(1, {0x00, 0x25, 0x61, 0x13, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xF8,
                     0xF0, 0xFC, 0xFF});
    image[offset::BandCode] = 0x01;
    decode();
    EXPECT_EQ(state.radio().band, 5);
    EXPECT_EQ(state.bandBeforeChange, 5);
    EXPECT_EQ(CellText(state, 1, 1), "136.12500");
    EXPECT_TRUE(notices.empty());

    image[offset::BandCode] = 0x99;
    decode();
    EXPECT_EQ(state.radio().band, 5);
}

TEST_F(Decoding, FixedPriorityWithoutChannelsTellsAndTheListGoesBack) {
    image[offset::PriorityMode] = 1;
    image[offset::PriorityChannel] = 3;
    decode();
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].message, &msg::FixedNeedsChannel);
    EXPECT_EQ(state.dialogs.optionalFunctions.priorityMode, 0);
    EXPECT_EQ(state.dialogs.optionalFunctions.priorityChannel, 2);
    EXPECT_EQ(state.radio().options.priorityMode, 1);
}

TEST_F(Decoding, FixedPriorityOnAnEmptyChannelFallsBackToTheFirstChannelInUse) {
    channelBytes(5, {0x25, 0x06, 0x60, 0x44, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xF8,
                     0xF0, 0xFC, 0xFF});
    image[offset::PriorityMode] = 1;
    image[offset::PriorityChannel] = 3;
    decode();
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].message, &msg::EmptyChannelChosen);
    EXPECT_EQ(state.dialogs.optionalFunctions.priorityMode, 1);
    EXPECT_EQ(state.dialogs.optionalFunctions.priorityChannel, 4);
    EXPECT_EQ(state.dialogs.optionalFunctions.priorityFallbackChannel, 5);
}

TEST_F(Decoding, TheTrailerIsNeverRead) {
    for (int at = kDecodedBytes; at < kImageBytes; ++at)
        image[at] = static_cast<uint8_t>(at);
    state.session.serviceMode = true;
    decode();
    EXPECT_FALSE(state.session.serviceMode);
    EXPECT_EQ(EditorImage(state), test::GoldenStartupImage());
}
