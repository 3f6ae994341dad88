// SPDX-License-Identifier: GPL-3.0-or-later
#include "GoldenImage.h"
#include "document/EditorImage.h"
#include "editor/CellTexts.h"
#include "editor/EditorOps.h"
#include "editor/Startup.h"
#include "image/ImageLayout.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>

using namespace tlv;

namespace {

class RandomEditor {
  public:
    explicit RandomEditor(unsigned seed) : rng_(seed) {}

    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
    bool chance(int percent) { return between(1, 100) <= percent; }

    std::string printable(int maxLength) {
        std::string text;
        for (int i = between(0, maxLength); i > 0; --i)
            text.push_back(static_cast<char>(between(0x20, 0x7E)));
        return text;
    }

    std::string dtmf() {
        static constexpr std::string_view kDigits = "0123456789ABCD*#";
        std::string text;
        for (int i = between(0, 16); i > 0; --i)
            text.push_back(kDigits[between(0, 15)]);
        return text;
    }

    Tone tone() {
        switch (between(0, 3)) {
        case 0:
            return Tone::Off();
        case 1:
            return ToneAtListPosition(between(1, kToneListSize - 1));
        case 2:
            return Tone::Ctcss(static_cast<uint16_t>(between(670, 2541)));
        }
        return Tone::Dcs(static_cast<uint16_t>(between(0, 511)), chance(50));
    }

    std::optional<Frequency> frequency() {
        return Frequency{static_cast<uint32_t>(between(10000000, 99999999))};
    }

    EditorState make() {
        EditorState state = MakeStartupEditor(static_cast<Language>(between(0, 2)));
        RadioData& radio = state.radio();
        for (Channel& channel : radio.channels) {
            if (!chance(70)) continue;
            channel.rx = frequency();
            channel.tx = chance(80) ? frequency() : std::nullopt;
            channel.rxTone = tone();
            channel.txTone = tone();
            channel.power = chance(50) ? Power::High : Power::Low;
            channel.forbid = chance(50) ? TransmitForbid::OnCarrier : TransmitForbid::Off;
            channel.bandwidth = chance(50) ? Bandwidth::Wide : Bandwidth::Narrow;
            channel.scan = chance(50);
        }
        radio.functions = {between(0, 2), between(-1, 39), between(0, 10),
                           between(0, 9), between(0, 1),   between(0, 1)};
        SelectBandWithoutQuestion(state, between(0, 6));
        radio.dtmf.dtmfRate = between(0, 3);
        radio.dtmf.firstDigitTime = between(0, 3);
        radio.dtmf.firstDigitDelay = 10 * between(10, 100);
        radio.dtmf.starHashTone = between(0, 3);
        radio.dtmf.dKeySetting = between(0, 16);
        radio.dtmf.dtmfSidetone = between(0, 1);
        radio.dtmf.groupCallCode = between(0, 9);
        radio.dtmf.autoResetTimer = between(0, 15);
        radio.keys = {between(0, 11), between(0, 11)};
        radio.powerLevels = {between(0, 255), between(0, 255)};
        OptionalFunctions& options = radio.options;
        options.pttIdMode = between(0, 2);
        options.voxEnable = between(0, 1);
        options.voxGain = between(0, 10);
        options.voxDelay = between(0, 5);
        options.voxTone = between(0, 1);
        options.duplicate = between(0, 1);
        options.priorityMode = between(0, 2);
        options.priorityChannel = between(1, 16);
        options.revertTimeA = between(0, 91);
        options.revertTimeB = between(0, 91);
        options.returnChannel = between(0, 3);
        options.scanRxResumeDelay = static_cast<uint16_t>(between(0, 300));
        options.scanTxResumeDelay = static_cast<uint16_t>(between(0, 300));
        options.cancelOperation = chance(50);
        options.voxOffOnReceive = chance(50);
        radio.codes = {printable(10), printable(16), printable(16)};
        for (std::string& memory : radio.dtmf.memories)
            memory = dtmf();
        for (TestFrequency& test : radio.testFrequencies)
            if (chance(50)) test = {frequency(), frequency()};
        for (std::string& text : radio.embeddedTexts)
            text = printable(32);
        return state;
    }

  private:
    std::mt19937 rng_;
};

} // namespace

TEST(RoundTrip, RandomRadioDataComesBackUnchanged) {
    RandomEditor random(20261207);
    for (int trial = 0; trial < 200; ++trial) {
        const EditorState original = random.make();
        const MemoryImage image = EditorImage(original);
        EditorState loaded = MakeStartupEditor(original.language());
        LoadImage(loaded, image);
        EXPECT_EQ(loaded.radio(), original.radio()) << trial;
        EXPECT_EQ(EditorImage(loaded), image) << trial;
        if (HasFailure()) break;
    }
}

TEST(RoundTrip, DecodeThenEncodeDiffersOnlyInTheFieldsTheDecoderRejects) {
    EditorState state = MakeStartupEditor();
    state.radio().dtmf.firstDigitDelay = 50;   // outside 100..1000 ms
    state.radio().options.priorityChannel = 0; // no selection
    state.radio().options.voxGain = 12;        // outside its list
    const MemoryImage first = EditorImage(state);
    EditorState loaded = MakeStartupEditor();
    LoadImage(loaded, first);
    const MemoryImage second = EditorImage(loaded);
    std::vector<int> differences;
    for (int i = 0; i < kImageBytes; ++i)
        if (first[i] != second[i]) differences.push_back(i);
    EXPECT_EQ(differences, (std::vector<int>{offset::FirstDigitDelay, offset::VoxGain,
                                             offset::PriorityChannel}));
    EXPECT_EQ(second[offset::FirstDigitDelay], 0);
    EXPECT_EQ(second[offset::PriorityChannel], 1);
}

TEST(RoundTrip, DecodingOverwritesEveryFieldTheDecoderAccepts) {
    // Loading the start-up image into a random editor and encoding again gives the start-up
    // image, apart from FirstDigitDelay, whose start value 0 the decoder rejects.
    RandomEditor random(7);
    const MemoryImage golden = test::GoldenStartupImage();
    for (int trial = 0; trial < 20; ++trial) {
        EditorState state = random.make();
        state.session.serviceMode = true;
        LoadImage(state, golden);
        const MemoryImage again = EditorImage(state);
        for (int i = 0; i < kImageBytes; ++i) {
            if (i == offset::FirstDigitDelay) continue;
            EXPECT_EQ(again[i], golden[i]) << trial << " offset " << i;
        }
        EXPECT_FALSE(state.session.serviceMode);
    }
}

TEST(MalformedInput, EveryByteValueAnywhereDecodesAndReachesAFixedPointAfterOneSave) {
    std::mt19937 rng(1234);
    for (int trial = 0; trial < 200; ++trial) {
        MemoryImage bytes;
        for (uint8_t& b : bytes)
            b = static_cast<uint8_t>(rng());
        EditorState state = MakeStartupEditor(static_cast<Language>(trial % 3));
        LoadImage(state, bytes);
        const MemoryImage image = EditorImage(state);
        // Opening that save again, into this editor or a fresh one, saves the same image.
        LoadImage(state, image);
        ASSERT_EQ(EditorImage(state), image) << trial;
        EditorState fresh = MakeStartupEditor(static_cast<Language>(trial % 3));
        LoadImage(fresh, image);
        ASSERT_EQ(EditorImage(fresh), image) << trial;
    }
}

// A frequency code with a digit that is not decimal cannot be saved as it is: it is shown as
// no frequency (a damaged receive frequency empties its channel) and one message names them.
TEST(MalformedInput, DamagedFrequenciesAreShownEmptyWithANote) {
    MemoryImage bytes = test::GoldenStartupImage();
    const uint8_t receive[] = {0x25, 0x06, 0x60, 0x4A};  // channel 1: 4A6.00625
    const uint8_t transmit[] = {0x00, 0x50, 0x1B, 0x44}; // channel 2 transmit: 441.B5000
    const uint8_t good[] = {0x00, 0x50, 0x10, 0x44};     // 441.05000
    std::copy_n(receive, 4, bytes.begin());
    bytes[8] = 0x9E, bytes[9] = 0x02; // a tone the damaged channel must not keep
    std::copy_n(good, 4, bytes.begin() + 16);
    std::copy_n(transmit, 4, bytes.begin() + 20);
    std::copy_n(transmit, 4, bytes.begin() + offset::TestFrequencyTable + 8 * 2);
    EditorState state = MakeStartupEditor(Language::English);
    const std::vector<Notice> notices = LoadImage(state, bytes);
    EXPECT_EQ(state.radio().channel(1), Channel{});
    EXPECT_EQ(CellText(state, 2, col::RxFrequency), "441.05000");
    EXPECT_FALSE(state.radio().channel(2).tx);
    EXPECT_FALSE(state.radio().testFrequencies[2].rx);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].message, &msg::DamagedFrequencies);
    EXPECT_EQ(notices[0].detail, "channel 1 receive: 4A6.00625\nchannel 2 transmit: 441.B5000\n"
                                 "test frequency 3 receive: 441.B5000");
    const MemoryImage saved = EditorImage(state);
    EXPECT_EQ(std::vector<uint8_t>(saved.begin(), saved.begin() + 16),
              (std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                    0xFF, 0xFF, 0xF8, 0xF0, 0xFC, 0xFF}))
        << "an empty channel";
}
