// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <cmath>

#include "DateTime.h"

namespace bellmora {
namespace {

struct DateRow {
    const char* name;
    LocalDateTime when;
    std::u16string_view expected;
};
void PrintTo(const DateRow& row, std::ostream* os) { *os << row.name; }

class FormatDateTimeText : public ::testing::TestWithParam<DateRow> {};

TEST_P(FormatDateTimeText, WritesTwoDigitsForEveryPart) {
    EXPECT_EQ(FormatDateTime(GetParam().when), GetParam().expected);
}

const DateRow kDateRows[] = {
    {"RecordExample", {2024, 1, 15, 10, 20, 30}, u"24/01/15 10:20:30"},
    {"SingleDigitsGetLeadingZero", {2009, 2, 3, 4, 5, 6}, u"09/02/03 04:05:06"},
    {"Midnight", {2024, 12, 31, 0, 0, 0}, u"24/12/31 00:00:00"},
    {"LastSecondOfDay", {2023, 6, 30, 23, 59, 59}, u"23/06/30 23:59:59"},
    {"CenturyYearShowsZeroZero", {2000, 1, 1, 12, 0, 0}, u"00/01/01 12:00:00"},
    {"NextCentury", {2105, 7, 7, 7, 7, 7}, u"05/07/07 07:07:07"},
};
INSTANTIATE_TEST_SUITE_P(Rows, FormatDateTimeText, ::testing::ValuesIn(kDateRows),
                         [](const auto& info) { return std::string(info.param.name); });

// The compiler rounds each decimal literal to the nearest float, once: the reading must
// equal it. Converting the milliseconds to float first and dividing after missed by up to
// 7.9 ms (the last row) in about a fifth of the day.
TEST(ClockSeconds, IsTheFloatNearestTheExactSeconds) {
    EXPECT_EQ(ClockSeconds(0), 0.0f);
    EXPECT_EQ(ClockSeconds(36000500), 36000.5f);
    EXPECT_EQ(ClockSeconds(16777219), 16777.219f);
    EXPECT_EQ(ClockSeconds(86399999), 86399.999f);
    EXPECT_EQ(ClockSeconds(67109164), 67109.164f);
    // The day's last hour, where floats lie furthest apart: no neighbour is nearer.
    const auto miss = [](float f, int ms) { return std::fabs(double{f} * 1000.0 - ms); };
    for (int ms = 82800000; ms < 86400000; ++ms) {
        const float f = ClockSeconds(ms);
        ASSERT_LE(miss(f, ms), miss(std::nextafter(f, 0.0f), ms)) << ms;
        ASSERT_LE(miss(f, ms), miss(std::nextafter(f, 1e6f), ms)) << ms;
    }
}

}  // namespace
}  // namespace bellmora
