// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <limits>
#include <locale>
#include <sstream>
#include <string>

#include "NumberText.h"

namespace bellmora {
namespace {

template <typename T>
struct FixedRow {
    const char* name;
    T value;
    int decimals;
    std::u16string_view expected;
};

template <typename Row>
std::string RowName(const ::testing::TestParamInfo<Row>& info) {
    return info.param.name;
}

// A failing row is reported by its name.
template <typename Row>
requires requires(const Row& r) { r.name; }
void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }

// ---- "0.00" / "0.000" of a double (the speeds) ----

using DoubleRow = FixedRow<double>;
class FormatFixedDouble : public ::testing::TestWithParam<DoubleRow> {};

TEST_P(FormatFixedDouble, ShowsValueRoundedAsItsShortestFormShowsIt) {
    EXPECT_EQ(FormatFixed(GetParam().value, GetParam().decimals), GetParam().expected);
}

const DoubleRow kDoubleRows[] = {
    {"WholeNumberGetsDecimals", 100.0, 2, u"100.00"},
    {"OneWithThreeDecimals", 1.0, 3, u"1.000"},
    {"Zero", 0.0, 2, u"0.00"},
    {"NegativeZeroHasNoSign", -0.0, 3, u"0.000"},
    {"CharactersPerSecondOfWorkedExample", 120 / 35.12, 3, u"3.417"},
    {"FractionKeepsZeroBeforePoint", 35.12 / 120, 3, u"0.293"},
    {"TenCharactersInThreeSeconds", 10 / 3.0, 3, u"3.333"},
    // 10.10 / 8 is stored as 1.26249999…; its shortest form 1.2625 is a half.
    {"HalfOfShortestFormRoundsUp", 10.10 / 8, 3, u"1.263"},
    {"HalfRoundsAwayFromZeroWhenNegative", -0.125, 2, u"-0.13"},
    {"BelowHalfRoundsDown", 0.0049, 2, u"0.00"},
    {"SmallHalfBecomesFirstDecimal", 0.005, 2, u"0.01"},
    {"NegativeRoundingToZeroHasNoSign", -0.0004, 3, u"0.000"},
    {"CarryReachesIntegerPart", 0.9995, 3, u"1.000"},
    {"CarryAddsIntegerDigit", 99.999, 2, u"100.00"},
    {"NegativeValue", -2.5, 2, u"-2.50"},
    {"TinyValue", 1e-10, 3, u"0.000"},
    {"LargeValueHasNoExponentOrGrouping", 1e20, 2, u"100000000000000000000.00"},
    {"FastestPossibleRun", 32767 / 0.01, 3, u"3276700.000"},
};
INSTANTIATE_TEST_SUITE_P(Rows, FormatFixedDouble, ::testing::ValuesIn(kDoubleRows),
                         RowName<DoubleRow>);

// ---- "0.00" / "0.000" of a single (elapsed time, stored figures read back) ----

using FloatRow = FixedRow<float>;
class FormatFixedFloat : public ::testing::TestWithParam<FloatRow> {};

TEST_P(FormatFixedFloat, ShowsValueRoundedAsItsShortestFormShowsIt) {
    EXPECT_EQ(FormatFixed(GetParam().value, GetParam().decimals), GetParam().expected);
}

const FloatRow kFloatRows[] = {
    {"WorkedExampleElapsedTime", 35.12109375f, 2, u"35.12"},
    {"RoundsUpToWholeSeconds", 2.996f, 2, u"3.00"},
    {"FigureReadBackShowsAgain", 0.293f, 3, u"0.293"},
    {"TwoDecimalsReadBack", 10.1f, 2, u"10.10"},
    // Stored as 0.0049999…, written 0.005: rounds as written.
    {"HalfInShortestFormRoundsUp", 0.005f, 2, u"0.01"},
    {"HalfAboveOneRoundsUp", 1.005f, 2, u"1.01"},
    {"JustBeforeMidnight", 86399.99f, 2, u"86399.99"},
    {"ClockResolution", 0.0078125f, 2, u"0.01"},
    {"Negative", -1.5f, 2, u"-1.50"},
};
INSTANTIATE_TEST_SUITE_P(Rows, FormatFixedFloat, ::testing::ValuesIn(kFloatRows),
                         RowName<FloatRow>);

// ---- General number text of a single ----

struct GeneralRow {
    const char* name;
    float value;
    std::u16string_view expected;
};
class FormatGeneralText : public ::testing::TestWithParam<GeneralRow> {};

TEST_P(FormatGeneralText, ShowsAtMostSevenSignificantDigits) {
    EXPECT_EQ(FormatGeneral(GetParam().value), GetParam().expected);
}

const GeneralRow kGeneralRows[] = {
    {"Zero", 0.0f, u"0"},
    {"NegativeZero", -0.0f, u"0"},
    {"WholeNumberHasNoPoint", 100.0f, u"100"},
    {"NoRunValue", 999.0f, u"999"},
    {"FractionOfCount", 12.5f, u"12.5"},
    {"TrailingZeroDropped", 3.41f, u"3.41"},
    {"ZeroBeforePoint", 0.293f, u"0.293"},
    {"ThreeDecimals", 3.417f, u"3.417"},
    {"Negative", -0.5f, u"-0.5"},
    {"SevenDigits", 1234567.0f, u"1234567"},
    {"EighthDigitRounded", 12345678.0f, u"12345680"},
    {"RepeatingFraction", 1.0f / 3.0f, u"0.3333333"},
    {"LargeHasNoExponent", 1e30f, u"1000000000000000000000000000000"},
    {"LargestFloat", 3.4028235e38f, u"340282400000000000000000000000000000000"},
    {"SmallHasNoExponent", 1.5e-7f, u"0.00000015"},
};
INSTANTIATE_TEST_SUITE_P(Rows, FormatGeneralText, ::testing::ValuesIn(kGeneralRows),
                         RowName<GeneralRow>);

// ---- Shortest plain text of a double (record items) ----

struct ShortestRow {
    const char* name;
    double value;
    std::u16string_view expected;
};
class FormatShortestText : public ::testing::TestWithParam<ShortestRow> {};

TEST_P(FormatShortestText, WritesFewestDigitsThatGiveValueBack) {
    EXPECT_EQ(FormatShortest(GetParam().value), GetParam().expected);
}

const ShortestRow kShortestRows[] = {
    {"WholeNumberHasNoPoint", 100.0, u"100"},
    {"TrailingZeroDropped", 45.60, u"45.6"},
    {"ZeroBeforePoint", 0.293, u"0.293"},
    {"Zero", 0.0, u"0"},
    {"NegativeZero", -0.0, u"0"},
    {"Negative", -12.25, u"-12.25"},
    {"TwoDecimals", 35.12, u"35.12"},
    {"LargeHasNoExponent", 3276700.0, u"3276700"},
    {"SmallHasNoExponent", 0.0001, u"0.0001"},
};
INSTANTIATE_TEST_SUITE_P(Rows, FormatShortestText, ::testing::ValuesIn(kShortestRows),
                         RowName<ShortestRow>);

TEST(FormatShortest, LongestPlainFormsAreWholeAndReadBack) {
    const double largest = std::numeric_limits<double>::max();
    const double smallest = -std::numeric_limits<double>::denorm_min();
    EXPECT_EQ(FormatShortest(largest).size(), 309u);
    EXPECT_EQ(ParseNumber(FormatShortest(largest)), largest);
    EXPECT_EQ(FormatShortest(smallest), u"-0." + std::u16string(323, u'0') + u"5");
    EXPECT_EQ(ParseNumber(FormatShortest(smallest)), smallest);
}

TEST(NumberText, NonFiniteValuesGiveNoText) {
    const double inf = std::numeric_limits<double>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(FormatFixed(inf, 3), u"");
    EXPECT_EQ(FormatFixed(nan, 2), u"");
    EXPECT_EQ(FormatGeneral(nan), u"");
    EXPECT_EQ(FormatShortest(-inf), u"");
}

// ---- Reading a number text ----

struct ParseRow {
    const char* name;
    std::u16string text;
    std::optional<double> expected;
};
class ParseNumberText : public ::testing::TestWithParam<ParseRow> {};

TEST_P(ParseNumberText, ReadsPlainDecimalOnly) {
    EXPECT_EQ(ParseNumber(GetParam().text), GetParam().expected);
}

const ParseRow kParseRows[] = {
    {"Integer", u"100", 100.0},
    {"Fraction", u"45.6", 45.6},
    {"LeadingPoint", u".5", 0.5},
    {"NegativeLeadingPoint", u"-.5", -0.5},
    {"Negative", u"-3.25", -3.25},
    {"ZeroBeforePoint", u"0.293", 0.293},
    {"TrailingPoint", u"5.", 5.0},
    {"Empty", u"", std::nullopt},
    {"SignAlone", u"-", std::nullopt},
    {"PointAlone", u".", std::nullopt},
    {"Word", u"abc", std::nullopt},
    {"Exponent", u"1e5", std::nullopt},
    {"PlusSign", u"+1", std::nullopt},
    {"LeadingBlank", u" 1", std::nullopt},
    {"TrailingBlank", u"1 ", std::nullopt},
    {"CommaAsPoint", u"1,5", std::nullopt},
    {"TwoPoints", u"1.2.3", std::nullopt},
    {"FullWidthDigit", u"１", std::nullopt},
    {"Infinity", u"inf", std::nullopt},
    {"BeyondDouble", u"1" + std::u16string(400, u'0'), std::nullopt},
};
INSTANTIATE_TEST_SUITE_P(Rows, ParseNumberText, ::testing::ValuesIn(kParseRows), RowName<ParseRow>);

// ---- Regional settings ----

// A comma as the decimal point and a dot for grouping, as German settings have.
struct CommaDecimal : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

class CommaDecimalLocale : public ::testing::Test {
protected:
    void SetUp() override {
        // The C library's settings where German is installed; the C++ global locale always.
        if (std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr) {
            char printed[8];
            std::snprintf(printed, sizeof printed, "%.1f", 1.5);
            ASSERT_STREQ(printed, "1,5");
        }
        previous_ = std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
        std::ostringstream probe;
        probe.imbue(std::locale());
        probe << 1.5;
        ASSERT_EQ(probe.str(), "1,5") << "the comma-decimal locale did not take effect";
    }
    void TearDown() override {
        std::locale::global(previous_);
        std::setlocale(LC_ALL, "C");
    }

private:
    std::locale previous_;
};

TEST_F(CommaDecimalLocale, NumberTextsKeepThePoint) {
    EXPECT_EQ(FormatFixed(1234.5, 3), u"1234.500");
    EXPECT_EQ(FormatFixed(35.12109375f, 2), u"35.12");
    EXPECT_EQ(FormatGeneral(12345.5f), u"12345.5");
    EXPECT_EQ(FormatShortest(45.6), u"45.6");
    EXPECT_EQ(ParseNumber(u"12.5"), 12.5);
    EXPECT_EQ(ParseNumber(u"12,5"), std::nullopt);
}

}  // namespace
}  // namespace bellmora
