// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <limits>

#include "RecordsFixture.h"
#include "ShowTotals.h"

namespace bellmora::test {
namespace {

using test::PrintTo;  // so that failing rows are named by their name

struct JikanRow {
    const char* name;
    std::int32_t seconds;
    std::u16string_view expected;
};
class FormatJikanText : public ::testing::TestWithParam<JikanRow> {};

TEST_P(FormatJikanText, ShowsHoursMinutesAndSeconds) {
    EXPECT_EQ(FormatJikan(GetParam().seconds), GetParam().expected);
}

const JikanRow kJikanRows[] = {
    {"Zero", 0, u"0時間 0分 0秒"},
    {"SecondsOnly", 59, u"0時間 0分 59秒"},
    {"OneHour", 3600, u"1時間 0分 0秒"},
    {"AllParts", 3725, u"1時間 2分 5秒"},
    {"LastSecondOfDay", 86399, u"23時間 59分 59秒"},
    {"HoursDoNotWrapAtADay", 90061, u"25時間 1分 1秒"},
    {"HoursBeyondSixteenBits", 144000000, u"40000時間 0分 0秒"},
    {"Largest", std::numeric_limits<std::int32_t>::max(), u"596523時間 14分 7秒"},
    {"NegativeShowsSignAndParts", -3725, u"-1時間 2分 5秒"},
    {"NegativeBelowAMinute", -59, u"-0時間 0分 59秒"},
    {"Lowest", std::numeric_limits<std::int32_t>::min(), u"-596523時間 14分 8秒"},
};
INSTANTIATE_TEST_SUITE_P(Rows, FormatJikanText, ::testing::ValuesIn(kJikanRows), RowName<JikanRow>);

class ShowTotalsTest : public RecordsTest {};

TEST_F(ShowTotalsTest, AfterResetShowsZerosAndNoRunText) {
    ShowTotals(w.st, w.platform);
    EXPECT_EQ(w.ui.Caption(Label::ToKaisu), u" 0回");
    EXPECT_EQ(w.ui.Caption(Label::ToMoji), u" 0文字");
    EXPECT_EQ(w.ui.Caption(Label::ToJikan), u" 0時間 0分 0秒");
    EXPECT_EQ(w.ui.Caption(Label::MaxByou), u" 0タイプ／秒");
    EXPECT_EQ(w.ui.Caption(Label::MinByou), u" 0秒／タイプ");
}

TEST_F(ShowTotalsTest, ShowsListCountTotalsAndBestsBehindOneBlank) {
    w.ui.history = {u"a", u"b", u"c"};
    w.st.lngToMoji = 360;
    w.st.dblToJikan = 3725.99;
    w.st.sngMaxByou = 3.410f;
    w.st.sngMinByou = 0.293f;
    ShowTotals(w.st, w.platform);
    EXPECT_EQ(w.ui.Caption(Label::ToKaisu), u" 3回");
    EXPECT_EQ(w.ui.Caption(Label::ToMoji), u" 360文字");
    EXPECT_EQ(w.ui.Caption(Label::ToJikan), u" 1時間 2分 5秒");
    EXPECT_EQ(w.st.lngToJikan, 3725);
    EXPECT_EQ(w.ui.Caption(Label::MaxByou), u" 3.41タイプ／秒");
    EXPECT_EQ(w.ui.Caption(Label::MinByou), u" 0.293秒／タイプ");
}

TEST_F(ShowTotalsTest, TotalTimeIsRoundedDown) {
    w.st.dblToJikan = 59.99;
    ShowTotals(w.st, w.platform);
    EXPECT_EQ(w.ui.Caption(Label::ToJikan), u" 0時間 0分 59秒");
}

TEST_F(ShowTotalsTest, BestPaceOtherThanNoRunValueShowsItsFigure) {
    w.st.sngMinByou = 1500.0f;
    ShowTotals(w.st, w.platform);
    EXPECT_EQ(w.ui.Caption(Label::MinByou), u" 1500秒／タイプ");
}

TEST_F(ShowTotalsTest, TotalTimeBeyond32BitsSaturates) {
    w.st.dblToJikan = 1e12;
    ShowTotals(w.st, w.platform);
    EXPECT_EQ(w.st.lngToJikan, std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(w.ui.Caption(Label::ToJikan), u" 596523時間 14分 7秒");
}

}  // namespace
}  // namespace bellmora::test
