// SPDX-License-Identifier: GPL-3.0-or-later
#include "radio/Conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

using namespace tlv;

namespace {

// The remainder as the loop computes it: the whole-quotient rule on the quotient written with
// 15 significant digits, then candidates v - i*d for i = 1, 2, ...
double loopRemainder(double d, double v) {
    if (v < d) return v;
    char text[64];
    std::snprintf(text, sizeof text, "%.15g", v / d);
    if (!std::strchr(text, '.')) return 0.0;
    for (double i = 1;; ++i)
        if (v - i * d < d) return v - i * d;
}

} // namespace

TEST(RealRemainder, DocumentedExamples) {
    EXPECT_DOUBLE_EQ(RealRemainder(0.005, 0.003), 0.003);
    EXPECT_NEAR(RealRemainder(0.005, 446.00625), 0.00125, 1e-9);
    EXPECT_EQ(RealRemainder(0.00625, 446.00625), 0.0);
    EXPECT_EQ(RealRemainder(0.005, 446.005), 0.0);
    EXPECT_EQ(RealRemainder(0.005, 0.005), 0.0);
    EXPECT_DOUBLE_EQ(RealRemainder(0.005, -1.0), -1.0);
}

TEST(RealRemainder, MatchesTheLoopExactly) {
    std::vector<double> values;
    for (int k = 0; k < 400; ++k)
        values.push_back(0.0001 + k * 0.0173);
    for (double base : {136.0, 446.0, 719.9}) {
        for (int k = 0; k < 12; ++k)
            values.push_back(base + k * 0.00131);
    }
    values.push_back(719.99999);
    values.push_back(446.0070);
    values.push_back(446.0115);
    for (double d : {0.005, 0.00625}) {
        for (double v : values)
            EXPECT_EQ(RealRemainder(d, v), loopRemainder(d, v)) << d << " " << v;
    }
}

TEST(RealRemainder, StepsThatAreNotPositiveReturnTheValue) {
    EXPECT_EQ(RealRemainder(0.0, 5.0), 5.0);
    EXPECT_EQ(RealRemainder(-1.0, 5.0), 5.0);
    EXPECT_EQ(RealRemainder(std::nan(""), 5.0), 5.0);
}

TEST(TextValue, ReadsTheLeadingNumber) {
    const std::pair<const char*, double> cases[] = {{"", 0},          {"abc", 0},  {"12abc", 12},
                                                    {"  67.5", 67.5}, {"-3", -3},  {".5", 0.5},
                                                    {"1.2.3", 1.2},   {"300", 300}};
    for (const auto& [text, value] : cases)
        EXPECT_DOUBLE_EQ(TextValue(text), value) << text;
}

TEST(FormatFixed, WritesExactlyTheDecimalsWithAPointWhateverTheLocale) {
    EXPECT_EQ(FormatFixed(438.12, 5), "438.12000");
    EXPECT_EQ(FormatFixed(469.995, 5), "469.99500");
    EXPECT_EQ(FormatFixed(0.0, 5), "0.00000");
    EXPECT_EQ(FormatFixed(88.55, 1), "88.5"); // as printf rounds the nearest double
    EXPECT_EQ(FormatFixed(1e20, 5), "100000000000000000000.00000");
    EXPECT_EQ(FormatFixed(std::numeric_limits<double>::infinity(), 5), "0.00000");
    // The same as printf in the C locale for values a frequency cell can hold.
    for (double v = 100.0; v < 1000.0; v += 7.123456789) {
        char expected[64];
        std::snprintf(expected, sizeof expected, "%.5f", v);
        EXPECT_EQ(FormatFixed(v, 5), expected) << v;
    }
}
