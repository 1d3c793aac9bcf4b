// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ShowRecordChart.h"

#include "LoadHistory.h"
#include "NumberText.h"
#include "ProgressSeries.h"
#include "RecordFile.h"
#include "RecordReader.h"

namespace bellmora {

namespace {

// The speed as the record file states it (3.417, not the single-precision 3.41700006),
// so that the means come out as the figures suggest.
double StatedSpeed(float byou) { return ParseNumber(FormatGeneral(byou)).value_or(byou); }

ChartedHistory HistoryOf(const WindowState& st, Platform& p) {
    return {st.strMondaiName, p.ui.HistoryCount(), st.lngToMoji, st.dblToJikan};
}

}  // namespace

RecordChartContent BuildRecordChart(const std::u16string& problemName, TextFiles& files) {
    RecordChartContent content;
    content.title = u"記録グラフ - " + problemName;
    content.note = u"この問題の記録はまだありません。練習すると、ここに記録のグラフが出ます。";
    const std::vector<StoredRun> runs = ReadRecords(files, RecordFileName(problemName));
    content.runs.reserve(runs.size());
    content.speed.reserve(runs.size());
    for (const StoredRun& run : runs) {
        content.runs.push_back(HistoryTexts(run));
        content.speed.push_back(StatedSpeed(run.byou));
    }
    ProgressSeries series = BuildProgressSeries(content.speed);
    content.bestSoFar = std::move(series.bestSoFar);
    content.recentMean = std::move(series.recentMean);
    content.recentMeanName = RecentMeanName();
    content.figures = FormatProgressFigures(content.speed);
    return content;
}

void OnRirekiChart(const WindowState& st, Platform& p, RecordChart& chart,
                   ChartedHistory& charted) {
    // Opening a window would take the keys of the run from the input box.
    if (RunInProgress(st) || st.strMondaiFile.empty()) return;
    chart.Show(BuildRecordChart(st.strMondaiName, p.files));
    charted = HistoryOf(st, p);
}

void FollowRecordChart(const WindowState& st, Platform& p, RecordChart& chart,
                       ChartedHistory& charted) {
    if (!chart.IsShown()) return;
    const ChartedHistory now = HistoryOf(st, p);
    if (now == charted) return;
    chart.Update(BuildRecordChart(st.strMondaiName, p.files));
    charted = now;
}

}  // namespace bellmora
