// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <vector>

#include "RecordChartSeries.h"
#include "RecordsFixture.h"
#include "ShowRecordChart.h"

namespace bellmora::test {
namespace {

using test::PrintTo;

struct SeriesRow {
    const char* name;
    std::vector<double> speeds;
    std::vector<double> bestSoFar;
    std::vector<double> recentMean;
    std::u16string_view figures;
};
class RecordChartSeriesRows : public ::testing::TestWithParam<SeriesRow> {};

TEST_P(RecordChartSeriesRows, GiveBestSoFarRecentMeanAndFigures) {
    const SeriesRow& row = GetParam();
    const RecordChartSeries series = BuildRecordChartSeries(row.speeds);
    EXPECT_EQ(series.bestSoFar, row.bestSoFar);
    EXPECT_EQ(series.recentMean, row.recentMean);
    EXPECT_EQ(FormatRecordChartFigures(row.speeds), row.figures);
}

const SeriesRow kSeriesRows[] = {
    {"NoRun", {}, {}, {}, u""},
    {"OneRun",
     {2.5},
     {2.5},
     {2.5},
     u"1回　最速 2.500　平均 2.500　直近10回の平均 2.500（タイプ／秒）　最初の10回→直近10回 ―"},
    {"EqualBestsStayLevel",
     {2, 3, 3, 1},
     {2, 3, 3, 3},
     {2, 2.5, 8.0 / 3, 2.25},
     u"4回　最速 3.000　平均 2.250　直近10回の平均 2.250（タイプ／秒）　最初の10回→直近10回 ―"},
    {"BestImprovesThenStays",
     {1, 4, 2, 2},
     {1, 4, 4, 4},
     {1, 2.5, 7.0 / 3, 2.25},
     u"4回　最速 4.000　平均 2.250　直近10回の平均 2.250（タイプ／秒）　最初の10回→直近10回 ―"},
    // The first ten runs are the last ten: nothing to compare yet.
    {"TenRuns", std::vector<double>(10, 2.0), std::vector<double>(10, 2.0),
     std::vector<double>(10, 2.0),
     u"10回　最速 2.000　平均 2.000　直近10回の平均 2.000（タイプ／秒）　最初の10回→直近10回 ―"},
    // The mean of the last ten leaves the first run behind; the first ten and the last
    // ten differ by the first and the last run.
    {"ElevenRuns",
     {1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 3},
     {1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 3},
     {1, 1.5, 5.0 / 3, 1.75, 1.8, 11.0 / 6, 13.0 / 7, 1.875, 17.0 / 9, 1.9, 2.1},
     u"11回　最速 3.000　平均 2.000　直近10回の平均 2.100（タイプ／秒）　最初の10回→直近10回 "
     u"+10.5%"},
};
INSTANTIATE_TEST_SUITE_P(Rows, RecordChartSeriesRows, ::testing::ValuesIn(kSeriesRows),
                         RowName<SeriesRow>);

TEST(RecordChartContent, PassesOverADamagedRecordInTheMiddleAsTheHistoryDoes) {
    FakeTextFiles files;
    files.files[u"abc.REC"] =
        u"\"24/01/15 10:20:30\",120,35.12,3.417,0.293\r\n"
        u"\"24/01/16 10:20:30\",120,oops,3,0.3\r\n"
        u"\"24/01/17 08:00:00\",12.5,5,2.5,0.4\r\n";
    const RecordChartContent content = BuildRecordChart(u"abc", files);
    EXPECT_EQ(content.title, u"記録グラフ - abc");
    ASSERT_EQ(content.runs.size(), 2u);
    const ChartRun& last = content.runs[1];
    EXPECT_EQ(
        std::vector<std::u16string>({last.date, last.moji, last.jikan, last.byou, last.byou2}),
        std::vector<std::u16string>({u"24/01/17 08:00:00", u"12.5", u"5.00", u"2.500", u"0.400"}));
    EXPECT_EQ(content.bestSoFar, std::vector<double>({3.417, 3.417}));
    EXPECT_EQ(
        content.figures,
        u"2回　最速 3.417　平均 2.959　直近10回の平均 2.959（タイプ／秒）　最初の10回→直近10回 ―");
}

}  // namespace
}  // namespace bellmora::test
