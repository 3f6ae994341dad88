#include "GoldenImage.h"
#include "ScriptedMessageBox.h"
#include "editor/Startup.h"
#include "editor/ToneList.h"
#include "image/ImageCodec.h"
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

    std::string frequency() {
        char text[16];
        std::snprintf(text, sizeof text, "%03d.%05d", between(100, 999), between(0, 99999));
        return text;
    }

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

    // A tone text and the option index a decode leaves for it in a start-up editor.
    std::pair<std::string, int16_t> tone(const CellListTexts& lists, bool allowOff) {
        int kind = between(0, 2);
        if (kind == 0) {
            int position = between(allowOff ? 0 : 1, kToneListSize - 1);
            return {ToneListEntry(lists, position), static_cast<int16_t>(position)};
        }
        if (kind == 1) {
            char text[16];
            std::snprintf(text, sizeof text, "%.1f", between(670, 2541) / 10.0);
            return {text, static_cast<int16_t>(std::max(0, ToneListPosition(lists, text)))};
        }
        char text[16];
        std::snprintf(text, sizeof text, "D%03o%c", between(0, 511), chance(50) ? 'N' : 'I');
        return {text, static_cast<int16_t>(std::max(0, ToneListPosition(lists, text)))};
    }

    EditorState make() {
        int language = between(0, 2);
        EditorState state = MakeStartupEditor(language);
        const CellListTexts& lists = state.lists;
        for (int row = 1; row <= kChannelCount; ++row) {
            if (!chance(70)) continue;
            ChannelTable& table = state.table;
            table.at(row, col::RxFrequency) = frequency();
            auto [rxTone, rxIndex] = tone(lists, true);
            table.at(row, col::RxTone) = rxTone;
            state.optionIndex.at(row, col::RxTone) = rxIndex;
            bool hasTx = chance(80);
            table.at(row, col::TxFrequency) = hasTx ? frequency() : "";
            if (hasTx || chance(50)) {
                auto [txTone, txIndex] = tone(lists, hasTx);
                table.at(row, col::TxTone) = txTone;
                state.optionIndex.at(row, col::TxTone) = txIndex;
            }
            for (int column = col::Power; column <= col::Scan; ++column) {
                int position = between(0, 1);
                table.at(row, column) = lists.optionText(column, position);
                state.optionIndex.at(row, column) = static_cast<int16_t>(position);
            }
        }
        state.voicePrompt = between(0, 2);
        state.timeOutTimer = between(-1, 39);
        state.timeOutWarning = between(0, 10);
        state.squelchLevel = between(0, 9);
        state.batterySave = between(0, 1);
        state.beep = between(0, 1);
        int band = between(0, 6);
        state.currentBand = state.previousBand = band;

        SettingsStores& stores = state.stores;
        const int dtmfLimits[8] = {3, 3, 0, 3, 16, 1, 9, 15};
        for (int field = 0; field < 8; ++field)
            stores.dtmf.value[field] = static_cast<int16_t>(between(0, dtmfLimits[field]));
        stores.dtmf.value[DtmfSettings::FirstDigitDelay] =
            static_cast<int16_t>(10 * between(10, 100));
        stores.keyFunction1 = static_cast<int16_t>(between(0, 11));
        stores.keyFunction2 = static_cast<int16_t>(between(0, 11));
        stores.highPowerLevel = static_cast<int16_t>(between(0, 255));
        stores.lowPowerLevel = static_cast<int16_t>(between(0, 255));
        auto& entry = stores.options.entry;
        struct Limit {
            int entry, low, high;
        };
        for (Limit limit : {Limit{3, 0, 2},
                            {5, 0, 1},
                            {6, 0, 10},
                            {7, 0, 5},
                            {8, 0, 1},
                            {9, 0, 1},
                            {10, 0, 2},
                            {11, 1, 16},
                            {12, 0, 91},
                            {13, 0, 91},
                            {14, 0, 3},
                            {18, 0, 300},
                            {19, 0, 300},
                            {22, 0, 1},
                            {23, 0, 1}})
            entry[limit.entry] = std::to_string(between(limit.low, limit.high));
        entry[OptionSettings::IdCode] = printable(10);
        entry[OptionSettings::PttIdStartCode] = printable(16);
        entry[OptionSettings::PttIdEndCode] = printable(16);
        for (std::string& memory : stores.dtmfMemory)
            memory = dtmf();
        for (int n = 0; n < kChannelCount; ++n) {
            bool used = chance(50);
            stores.testFrequencies[n] = used ? frequency() : "";
            stores.testFrequencies[n + 16] = used ? frequency() : "";
        }
        for (std::string& text : stores.embeddedTexts)
            text = printable(32);
        return state;
    }

  private:
    std::mt19937 rng_;
};

void expectSameEditor(const EditorState& a, const EditorState& b, int trial) {
    for (int row = 1; row <= kChannelCount; ++row) {
        for (int column = 0; column < kTableCols; ++column)
            EXPECT_EQ(a.table.at(row, column), b.table.at(row, column))
                << trial << " cell " << row << "," << column;
    }
    EXPECT_EQ(a.optionIndex.entry, b.optionIndex.entry) << trial;
    EXPECT_EQ((std::array<int, 6>{a.voicePrompt, a.timeOutTimer, a.timeOutWarning, a.squelchLevel,
                                  a.batterySave, a.beep}),
              (std::array<int, 6>{b.voicePrompt, b.timeOutTimer, b.timeOutWarning, b.squelchLevel,
                                  b.batterySave, b.beep}))
        << trial;
    EXPECT_EQ(a.currentBand, b.currentBand) << trial;
    EXPECT_EQ(a.stores.options.entry, b.stores.options.entry) << trial;
    EXPECT_EQ(a.stores.dtmf.value, b.stores.dtmf.value) << trial;
    EXPECT_EQ(a.stores.dtmfMemory, b.stores.dtmfMemory) << trial;
    EXPECT_EQ(a.stores.keyFunction1, b.stores.keyFunction1) << trial;
    EXPECT_EQ(a.stores.keyFunction2, b.stores.keyFunction2) << trial;
    EXPECT_EQ(a.stores.highPowerLevel, b.stores.highPowerLevel) << trial;
    EXPECT_EQ(a.stores.lowPowerLevel, b.stores.lowPowerLevel) << trial;
    EXPECT_EQ(a.stores.testFrequencies, b.stores.testFrequencies) << trial;
    EXPECT_EQ(a.stores.embeddedTexts, b.stores.embeddedTexts) << trial;
}

} // namespace

TEST(RoundTrip, RandomEditorStatesComeBackUnchanged) {
    RandomEditor random(20261207);
    test::ScriptedMessageBox box;
    for (int trial = 0; trial < 200; ++trial) {
        EditorState original = random.make();
        std::string image = EncodeImage(original);
        ASSERT_EQ(image.size(), 1696u);
        EditorState loaded = MakeStartupEditor(original.languageState);
        ASSERT_TRUE(DecodeImage(loaded, image, box));
        expectSameEditor(original, loaded, trial);
        EXPECT_EQ(EncodeImage(loaded), image) << trial;
        if (HasFailure()) break;
    }
}

TEST(RoundTrip, DecodeThenEncodeDiffersOnlyInTheFieldsTheDecoderRejects) {
    EditorState state = MakeStartupEditor(0);
    state.stores.dtmf.value[DtmfSettings::FirstDigitDelay] = 50;       // outside 100..1000 ms
    state.stores.options.entry[OptionSettings::PriorityChannel] = "0"; // no selection
    state.stores.options.entry[OptionSettings::VoxGain] = "12";        // outside its list
    std::vector<uint8_t> first = *ImageTextToBytes(EncodeImage(state));
    test::ScriptedMessageBox box;
    EditorState loaded = MakeStartupEditor(0);
    ASSERT_TRUE(DecodeImage(loaded, BytesToImageText(first), box));
    std::vector<uint8_t> second = *ImageTextToBytes(EncodeImage(loaded));
    std::vector<int> differences;
    for (int i = 0; i < kImageBytes; ++i)
        if (first[i] != second[i]) differences.push_back(i);
    EXPECT_EQ(differences,
              (std::vector<int>{offset::DtmfRate + 2, offset::VoxGain, offset::PriorityChannel}));
    EXPECT_EQ(second[offset::DtmfRate + 2], 0);
    EXPECT_EQ(second[offset::PriorityChannel], 1);
}

TEST(RoundTrip, DecodingOverwritesEveryFieldTheDecoderAccepts) {
    // Loading the start-up image into a random editor and encoding again gives the start-up
    // image, apart from FirstDigitDelay, whose start value 0 the decoder rejects.
    RandomEditor random(7);
    test::ScriptedMessageBox box;
    std::vector<uint8_t> golden = test::GoldenStartupImageBytes();
    for (int trial = 0; trial < 20; ++trial) {
        EditorState state = random.make();
        ASSERT_TRUE(DecodeImage(state, test::GoldenStartupImageHex(), box));
        std::vector<uint8_t> again = *ImageTextToBytes(EncodeImage(state));
        for (int i = 0; i < kImageBytes; ++i) {
            if (i == offset::DtmfRate + 2) continue;
            EXPECT_EQ(again[i], golden[i]) << trial << " offset " << i;
        }
        EXPECT_EQ(state.serviceMode, 0);
    }
}

TEST(MalformedInput, TruncatedAndRandomTextsNeverCrash) {
    test::ScriptedMessageBox box;
    box.fallback = IdOk;
    const std::string golden = test::GoldenStartupImageHex();
    EditorState state = MakeStartupEditor(0);
    for (std::size_t length = 0; length <= golden.size(); length += 7) {
        bool accepted = DecodeImage(state, std::string_view(golden).substr(0, length), box);
        EXPECT_EQ(accepted, length >= 1632u) << length;
    }
    std::mt19937 rng(99);
    const std::string alphabet = "0123456789ABCDEFabcdef xyZ\n\xFF";
    for (int trial = 0; trial < 300; ++trial) {
        std::size_t length = std::uniform_int_distribution<std::size_t>(0, 2000)(rng);
        std::string text(length, '0');
        bool hexOnly = trial % 2 == 0;
        for (char& c : text)
            c = alphabet[std::uniform_int_distribution<std::size_t>(
                0, hexOnly ? 21 : alphabet.size() - 1)(rng)];
        DecodeImage(state, text, box);
        EXPECT_EQ(EncodeImage(state).size(), 1696u);
    }
}

TEST(MalformedInput, EveryByteValueAnywhereDecodesAndReachesAFixedPointAfterOneSave) {
    test::ScriptedMessageBox box;
    std::mt19937 rng(1234);
    for (int trial = 0; trial < 200; ++trial) {
        std::vector<uint8_t> bytes(kImageBytes);
        for (uint8_t& b : bytes)
            b = static_cast<uint8_t>(rng());
        EditorState state = MakeStartupEditor(trial % 3);
        ASSERT_TRUE(DecodeImage(state, BytesToImageText(bytes), box));
        std::string image = EncodeImage(state);
        ASSERT_EQ(image.size(), 1696u);
        ASSERT_TRUE(ImageTextToBytes(image));
        // Opening that save again, into this editor or a fresh one, saves the same image.
        ASSERT_TRUE(DecodeImage(state, image, box));
        ASSERT_EQ(EncodeImage(state), image) << trial;
        EditorState fresh = MakeStartupEditor(trial % 3);
        ASSERT_TRUE(DecodeImage(fresh, image, box));
        ASSERT_EQ(EncodeImage(fresh), image) << trial;
    }
}

// A frequency code with a digit that is not decimal cannot be saved as it is: it is shown as
// no frequency (a damaged receive frequency empties its channel) and one message names them.
TEST(MalformedInput, DamagedFrequenciesAreShownEmptyWithANote) {
    std::vector<uint8_t> bytes = test::GoldenStartupImageBytes();
    const uint8_t receive[] = {0x25, 0x06, 0x60, 0x4A};  // channel 1: 4A6.00625
    const uint8_t transmit[] = {0x00, 0x50, 0x1B, 0x44}; // channel 2 transmit: 441.B5000
    const uint8_t good[] = {0x00, 0x50, 0x10, 0x44};     // 441.05000
    std::copy_n(receive, 4, bytes.begin());
    bytes[8] = 0x9E, bytes[9] = 0x02; // a tone the damaged channel must not keep
    std::copy_n(good, 4, bytes.begin() + 16);
    std::copy_n(transmit, 4, bytes.begin() + 20);
    std::copy_n(transmit, 4, bytes.begin() + offset::TestFrequencyTable + 8 * 2);
    test::ScriptedMessageBox box;
    EditorState state = MakeStartupEditor(1);
    ASSERT_TRUE(DecodeImage(state, BytesToImageText(bytes), box));
    EXPECT_FALSE(state.table.inUse(1));
    EXPECT_EQ(state.table.at(1, col::RxTone), "");
    EXPECT_EQ(state.table.at(2, col::RxFrequency), "441.05000");
    EXPECT_EQ(state.table.at(2, col::TxFrequency), "");
    EXPECT_EQ(state.stores.testFrequencies[2], "");
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text,
              "These frequencies are damaged (not decimal digits) and are shown empty:\n"
              "channel 1 receive: 4A6.00625\nchannel 2 transmit: 441.B5000\n"
              "test frequency 3 receive: 441.B5000");
    EXPECT_EQ(box.shown[0].flags, 48);
    const std::string saved = EncodeImage(state);
    EXPECT_EQ(saved.substr(0, 32), "FFFFFFFFFFFFFFFFFFFFFFFFF8F0FCFF") << "an empty channel";
}
