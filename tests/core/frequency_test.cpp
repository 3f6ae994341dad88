// SPDX-License-Identifier: GPL-3.0-or-later
// Frequencies read, written and lowered onto the channel raster in whole 10 Hz units, and the
// proof that they give what the real-number arithmetic they replaced gave: the old formulas are
// written out here and compared over many texts.
#include "editor/DialogInput.h"
#include "editor/EditingRules.h"
#include "editor/TestFrequencyRules.h"
#include "radio/Bands.h"
#include "radio/Conversions.h"
#include "radio/Frequency.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

using namespace tlv;

namespace {

// ---- The real-number arithmetic of before, as it was written -----------------------------

std::string oldFiveDecimals(double value) {
    if (!std::isfinite(value)) value = 0.0;
    if (std::fabs(value) < 0.000005) value = 0.0;
    return FormatFixed(value, 5);
}

std::string oldReceive(std::string_view text) {
    const double v = TextValue(text);
    const double a = RealRemainder(0.005, v), b = RealRemainder(0.00625, v);
    return oldFiveDecimals(a >= b ? v - b : v - a);
}

std::string oldTransmit(std::string_view text, std::string_view receive) {
    const double v = TextValue(text);
    const double step = RealRemainder(0.00625, TextValue(receive)) == 0.0 ? 0.00625 : 0.005;
    return oldFiveDecimals(v - RealRemainder(step, v));
}

std::optional<Frequency> oldStorable(std::string_view text) {
    if (const auto cell = FrequencyOfCellText(text)) return cell;
    if (text.empty()) return std::nullopt;
    const double megahertz = TextValue(text);
    if (!std::isfinite(megahertz)) return std::nullopt;
    const double tens = std::round(megahertz * 100000.0);
    if (tens < 10000000.0 || tens >= 100000000.0) return std::nullopt;
    return Frequency{static_cast<uint32_t>(tens)};
}

// The cell's band check: the exact value of a text of up to 15 digits and nine integer digits,
// else the text read as a double.
bool oldOutsideBand(std::string_view text, const BandLimits& limits) {
    const std::size_t point = text.find('.');
    std::string_view whole = text.substr(0, point);
    while (!whole.empty() && whole.front() == '0')
        whole.remove_prefix(1);
    const auto digits = std::count_if(text.begin(), text.end(), [](char c) { return c != '.'; });
    double megahertz = TextValue(text);
    if (whole.size() <= 9 && digits <= 15) {
        uint64_t tens = 0;
        for (char c : whole)
            tens = tens * 10 + static_cast<uint64_t>(c - '0');
        const std::string_view decimals =
            point == std::string_view::npos ? "" : text.substr(point + 1);
        for (std::size_t i = 0; i < 5; ++i)
            tens =
                tens * 10 + (i < decimals.size() ? static_cast<uint64_t>(decimals[i] - '0') : 0u);
        megahertz = double(tens) / 100000;
    }
    return megahertz < limits.low || megahertz >= limits.high;
}

// Texts a user may type into a grid or a cell: blanks, a sign, digits around a point (the
// digits 0 and 9 often, to meet the edges of the rasters), sometimes something after.
std::string randomText(std::mt19937& random, int maxWhole, int maxDecimals, bool decorated) {
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const char digits[] = "0123456789000999";
    std::string text;
    if (decorated && pick(8) == 0) text += pick(2) ? " " : "\t";
    if (decorated && pick(8) == 0) text += pick(2) ? "-" : "+";
    for (int i = pick(maxWhole + 1); i > 0; --i)
        text += digits[pick(16)];
    if (pick(6) != 0) {
        text += '.';
        for (int i = pick(maxDecimals + 1); i > 0; --i)
            text += digits[pick(16)];
    }
    if (decorated && pick(10) == 0) text += pick(2) ? "x" : ".5";
    return text;
}

} // namespace

TEST(Frequency, ReadsWritesAndSnapsInWholeTenHertz) {
    EXPECT_EQ(FrequencyTens("446.0062549"), 44600625u); // dropped, never rounded up
    EXPECT_EQ(FrequencyTens("0438."), 43800000u);
    EXPECT_EQ(FrequencyTens(".5"), 50000u);
    EXPECT_EQ(FrequencyTens("1000000000000"), 100000000000000000u); // 10^12 digits: the most
    EXPECT_EQ(FrequencyTens("10000000000000"), std::nullopt);
    EXPECT_EQ(FrequencyTens("10000000.00001"), std::nullopt);
    for (const char* text : {"", ".", "4.4.6", "446,1", " 446", "+446", "1e2"})
        EXPECT_EQ(FrequencyTens(text), std::nullopt) << text;
    EXPECT_EQ(TensText(44600625), "446.00625");
    EXPECT_EQ(TensText(125), "0.00125");
    EXPECT_EQ(TensText(1234500000), "12345.00000");
    EXPECT_TRUE(FinerThanTenHertz("446.0062501"));
    EXPECT_FALSE(FinerThanTenHertz("446.006250000"));

    const std::pair<uint64_t, uint64_t> snapped[] = {
        {44600625, 44600625}, {44600700, 44600625}, {44600510, 44600500}, {44601250, 44601250},
        {13602501, 13602500}, {40000000, 40000000}, {44600620, 44600500}, {123400, 123125}};
    for (const auto& [tens, expected] : snapped)
        EXPECT_EQ(SnapToChannelRaster(tens), expected) << tens;
    for (uint64_t tens = 44600000; tens < 44610000; tens += 7) {
        const uint64_t on = SnapToChannelRaster(tens);
        EXPECT_TRUE(on <= tens && tens - on < 500 && (on % 500 == 0 || on % 625 == 0)) << tens;
    }
}

TEST(Frequency, TheBandCheckReadsLongTextsAsTheDoubleTheyAlwaysWere) {
    for (const char* text : {"469.99999999999999999", "399.99999999999999999", "470", "400",
                             "399.99999", "469.99999", "0", "99999999999999999999"}) {
        for (int band = 0; band < kBandCount; ++band) {
            const BandLimits limits = LimitsOfBand(band);
            EXPECT_EQ(OutsideBand(ReadFrequency(text).bandTens, limits),
                      oldOutsideBand(text, limits))
                << text << " band " << band;
        }
    }
    std::mt19937 random(30);
    for (int i = 0; i < 20000; ++i) {
        const std::string text = randomText(random, i % 2 ? 3 : 14, i % 3 ? 5 : 19, false);
        if (!IsDecimalNumber(text)) continue;
        for (int band = 0; band < kBandCount; ++band) {
            const BandLimits limits = LimitsOfBand(band);
            ASSERT_EQ(OutsideBand(ReadFrequency(text).bandTens, limits),
                      oldOutsideBand(text, limits))
                << text << " band " << band;
        }
    }
}

// The test frequencies were lowered with real remainders and stored with a rounded product;
// the whole numbers give the same texts, here over many typed texts of every length.
TEST(Frequency, TestFrequenciesAreLoweredAndStoredAsTheRealArithmeticDid) {
    std::mt19937 random(6200);
    const std::string grid[] = {"446.00625", "446.00500",  "0.00000",  "-0",
                                "-5",        "446.006251", "0.000001", ""};
    for (int i = 0; i < 60000; ++i) {
        const int size = i % 4;
        const std::string text = randomText(random, size == 0 ? 9 : 4, size == 1 ? 12 : 8, true);
        ASSERT_EQ(NormaliseReceiveFrequency(text), oldReceive(text)) << text;
        const std::string receive =
            i % 3 ? NormaliseReceiveFrequency(randomText(random, 4, 5, false)) : grid[i % 8];
        ASSERT_EQ(NormaliseTransmitFrequency(text, receive), oldTransmit(text, receive))
            << text << " on " << receive;
        ASSERT_EQ(StorableTestFrequency(text), oldStorable(text)) << text;
    }
}
