// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>
#include <string>
#include <vector>

namespace bellmora {

// How many runs the recent mean and the first/last comparison take.
inline constexpr std::size_t kRecentRuns = 10;

// The lines of the progress chart, one value per run in the order of the record file.
struct RecordChartSeries {
    std::vector<double> bestSoFar;   // the highest speed up to and including each run
    std::vector<double> recentMean;  // the mean speed of each run and up to nine before it
};

// Speeds are characters per second, one per run, oldest first.
RecordChartSeries BuildRecordChartSeries(std::span<const double> speeds);

// The recent mean's name: "直近10回の平均".
std::u16string RecentMeanName();

// The line of figures under the chart: runs, best, mean of all, mean of the last ten,
// and the change from the first ten runs to the last ten. Empty without a run.
std::u16string FormatRecordChartFigures(std::span<const double> speeds);

// The figures line's accuracy: the mean of the last ten runs whose misses are known
// (NaN for the others), in percent; empty when there is none.
std::u16string FormatAccuracyFigure(std::span<const double> accuracy);

}  // namespace bellmora
