// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <cmath>

#include "FakePlatform.h"
#include "ShowRecordChart.h"

namespace bellmora::test {
namespace {

std::u16string MissLine(std::u16string_view date, std::vector<Miss> misses) {
    const std::string line = FormatMissLine(date, misses);
    return std::u16string(line.begin(), line.end());
}

// The chart of a problem whose older run has no misses known and whose two later runs
// have: the table's columns, the accuracy line and figure, and the characters ranked.
TEST(RecordChartContent, ShowsMissesAccuracyAndTheWeakestCharacters) {
    FakeTextFiles files;
    files.files[u"abc.txt"] = u"あいうえお,\r\nあいうえお\r\nあいうえおゑ\r\n";  // 16 typed
    files.files[u"abc.REC"] =
        u"\"24/01/14 09:00:00\",16,10,1.6,0.625\r\n"
        u"\"24/01/15 10:20:30\",16,10,1.6,0.625\r\n"
        u"\"24/01/16 10:20:30\",16,10,1.6,0.625\r\n";
    files.files[u"abc.MIS"] =
        MissLine(u"24/01/15 10:20:30",
                 {{u"あ", u"ア"}, {u"い", u"x"}, {u"ゑ", u"え"}, {u"あ", u"ア"}}) +
        MissLine(u"24/01/16 10:20:30", {{u"あ", u"亜"}, {u"う", u"\n"}});
    files.files[u"xyz.txt"] = u"いいいいいいいいいい";
    files.files[u"xyz.REC"] = u"\"24/01/17 08:00:00\",10,10,1,1\r\n";
    files.files[u"xyz.MIS"] =
        MissLine(u"24/01/17 08:00:00", {{u"い", u"イ"}, {u"い", u"イ"}, {u"い", u"イイイ"}});

    const RecordChartContent content =
        BuildRecordChart(u"abc", files, {u"abc.txt", u"xyz.txt", u"読んでね.txt"});
    std::vector<std::u16string> table;
    for (const ChartRun& run : content.runs) table.push_back(run.miss + u" " + run.accuracy);
    EXPECT_EQ(table, (std::vector<std::u16string>{u" ", u"4 80.0%", u"2 88.9%"}));
    EXPECT_TRUE(std::isnan(content.accuracy[0]));
    EXPECT_TRUE(content.figures.ends_with(u"　直近10回の正確さ 84.4%"));

    // あ: expected 6 times in the two runs, missed 3; ゑ: missed once in 2, below the minimum.
    const auto rows = [](const std::vector<WeakCharacterRow>& weak) {
        std::vector<std::u16string> out;
        for (const WeakCharacterRow& r : weak)
            out.push_back(r.character + u" " + r.expected + u" " + r.missed + u" " + r.rate + u" " +
                          r.mostTyped);
        return out;
    };
    EXPECT_EQ(
        rows(content.weakInText),
        (std::vector<std::u16string>{u"あ 6 3 33.3% ア", u"い 6 1 14.3% x", u"う 6 1 14.3% ↵"}));
    EXPECT_EQ(
        rows(content.weakInFolder),
        (std::vector<std::u16string>{u"あ 6 3 33.3% ア", u"い 16 6 27.3% イ", u"う 6 1 14.3% ↵"}));
}

}  // namespace
}  // namespace bellmora::test
