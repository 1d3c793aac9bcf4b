// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordChartSeries.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <vector>

#include "NumberText.h"
#include "Text.h"

namespace bellmora {

namespace {

double Mean(std::span<const double> values) {
    return std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(values.size());
}

// The mean of the run at `last` and the up to nine runs before it, summed afresh for
// each run so that no rounding builds up over a long history.
double RecentMeanAt(std::span<const double> speeds, std::size_t last) {
    const std::size_t first = last + 1 > kRecentRuns ? last + 1 - kRecentRuns : 0;
    return Mean(speeds.subspan(first, last + 1 - first));
}

std::u16string Speed(double value) { return FormatFixed(value, 3); }

// "直近10回" and "最初の10回", with the count the figures take.
std::u16string RunsText(std::u16string_view which) {
    return std::u16string(which) + IntegerText(static_cast<std::int64_t>(kRecentRuns)) + u"回";
}

// From the first ten runs to the last ten, as a signed percentage. With ten runs or
// fewer both are the same runs, and there is nothing to compare.
std::u16string ChangeText(std::span<const double> speeds) {
    if (speeds.size() <= kRecentRuns) return u"―";
    const double first = Mean(speeds.first(kRecentRuns));
    const double last = Mean(speeds.last(kRecentRuns));
    if (!(first > 0)) return u"―";
    const std::u16string percent = FormatFixed((last - first) / first * 100.0, 1);
    const bool rise = percent.front() != u'-' && percent != u"0.0";
    return (rise ? u"+" : u"") + percent + u"%";
}

}  // namespace

RecordChartSeries BuildRecordChartSeries(std::span<const double> speeds) {
    RecordChartSeries series;
    series.bestSoFar.reserve(speeds.size());
    series.recentMean.reserve(speeds.size());
    double best = 0;
    for (std::size_t i = 0; i < speeds.size(); ++i) {
        best = i == 0 ? speeds[i] : std::max(best, speeds[i]);
        series.bestSoFar.push_back(best);
        series.recentMean.push_back(RecentMeanAt(speeds, i));
    }
    return series;
}

std::u16string RecentMeanName() { return RunsText(u"直近") + u"の平均"; }

std::u16string FormatRecordChartFigures(std::span<const double> speeds) {
    if (speeds.empty()) return {};
    const double best = *std::max_element(speeds.begin(), speeds.end());
    const auto recent = speeds.last(std::min(speeds.size(), kRecentRuns));
    return IntegerText(static_cast<std::int64_t>(speeds.size())) + u"回　最速 " + Speed(best) +
           u"　平均 " + Speed(Mean(speeds)) + u"　" + RecentMeanName() + u" " +
           Speed(Mean(recent)) + u"（タイプ／秒）　" + RunsText(u"最初の") + u"→" +
           RunsText(u"直近") + u" " + ChangeText(speeds);
}

std::u16string FormatAccuracyFigure(std::span<const double> accuracy) {
    std::vector<double> recent;
    for (auto it = accuracy.rbegin(); it != accuracy.rend() && recent.size() < kRecentRuns; ++it)
        if (!std::isnan(*it)) recent.push_back(*it);
    if (recent.empty()) return {};
    return u"　" + RunsText(u"直近") + u"の正確さ " + FormatFixed(Mean(recent), 1) + u"%";
}

}  // namespace bellmora
