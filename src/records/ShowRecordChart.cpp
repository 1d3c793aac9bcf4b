// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ShowRecordChart.h"

#include <cmath>
#include <limits>

#include "LoadHistory.h"
#include "MissFile.h"
#include "NumberText.h"
#include "RecordChartSeries.h"
#include "RecordFile.h"
#include "RecordReader.h"
#include "Text.h"
#include "TypingUnit.h"

namespace bellmora {

namespace {

// The speed as the record file states it (3.417, not the single-precision 3.41700006),
// so that the means come out as the figures suggest.
double StatedSpeed(float byou) { return ParseNumber(FormatGeneral(byou)).value_or(byou); }

ChartedRecords HistoryOf(const WindowState& st, Platform& p) {
    return {st.strMondaiName, p.ui.HistoryCount(), st.lngToMoji, st.dblToJikan};
}

// A dropped line end or tab as the next character shows one.
std::u16string Shown(std::u16string_view text) {
    std::u16string shown;
    for (int at = 1; at <= static_cast<int>(text.size());) {
        const std::u16string unit = TypingUnitAt(text, at);
        at += static_cast<int>(unit.size());
        shown += ShownUnit(unit);
    }
    return shown;
}

}  // namespace

std::vector<WeakCharacterRow> WeakCharacterRows(const std::vector<WeakCharacter>& weak) {
    std::vector<WeakCharacterRow> rows;
    rows.reserve(weak.size());
    for (const WeakCharacter& c : weak)
        rows.push_back({Shown(c.character), IntegerText(c.expected), IntegerText(c.missed),
                        FormatFixed(c.rate * 100.0, 1) + u"%", Shown(c.mostTyped)});
    return rows;
}

RecordChartContent BuildRecordChart(const std::u16string& problemName, TextFiles& files,
                                    const std::vector<std::u16string>& folderFiles) {
    RecordChartContent content;
    content.title = u"記録グラフ - " + problemName;
    content.note = u"この問題の記録はまだありません。練習すると、ここに記録のグラフが出ます。";
    const std::vector<RunWithMisses> runs = ReadRunsWithMisses(files, problemName);
    content.runs.reserve(runs.size());
    content.speed.reserve(runs.size());
    content.accuracy.reserve(runs.size());
    for (const RunWithMisses& run : runs) {
        ChartRun texts = HistoryTexts(run.run);
        double accuracy = std::numeric_limits<double>::quiet_NaN();
        if (run.misses) {
            accuracy = AccuracyPercent(run.run.moji, run.misses->count);
            texts.miss = IntegerText(run.misses->count);
            texts.accuracy = FormatFixed(accuracy, 1) + u"%";
        }
        content.runs.push_back(std::move(texts));
        content.speed.push_back(StatedSpeed(run.run.byou));
        content.accuracy.push_back(accuracy);
    }
    RecordChartSeries series = BuildRecordChartSeries(content.speed);
    content.bestSoFar = std::move(series.bestSoFar);
    content.recentMean = std::move(series.recentMean);
    content.recentMeanName = RecentMeanName();
    content.figures =
        FormatRecordChartFigures(content.speed) + FormatAccuracyFigure(content.accuracy);

    // The problem's file as the list names it (its extension may be in capitals).
    std::u16string textFile = problemName + u".txt";
    for (const std::u16string& file : folderFiles)
        if (file.size() == textFile.size() && file.starts_with(problemName)) textFile = file;
    MissTally tally;
    TallyMisses(tally, TypedTextOf(files, textFile), runs);
    content.weakInText = WeakCharacterRows(RankWeakCharacters(tally));
    content.weakInFolder = WeakCharacterRows(WeakCharactersOf(files, folderFiles));
    content.weakMinimum = kMinExpected;
    return content;
}

void OnRecordChart(const WindowState& st, Platform& p, RecordChart& chart,
                   ChartedRecords& charted) {
    // Opening a window would take the keys of the run from the input box.
    if (RunInProgress(st) || st.strMondaiFile.empty()) return;
    chart.Show(BuildRecordChart(st.strMondaiName, p.files, p.ui.FileNames()));
    charted = HistoryOf(st, p);
}

void FollowRecordChart(const WindowState& st, Platform& p, RecordChart& chart,
                       ChartedRecords& charted) {
    if (!chart.IsShown()) return;
    const ChartedRecords now = HistoryOf(st, p);
    if (now == charted) return;
    chart.Update(BuildRecordChart(st.strMondaiName, p.files, p.ui.FileNames()));
    charted = now;
}

}  // namespace bellmora
