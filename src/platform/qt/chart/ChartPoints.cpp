// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ChartPoints.h"

#include <algorithm>

namespace bellmora {

namespace {

QList<QPointF> AllPoints(std::span<const double> values) {
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(values.size()));
    for (std::size_t i = 0; i < values.size(); ++i)
        points.append({static_cast<double>(i + 1), values[i]});
    return points;
}

// The first index of stretch `b` when `count` values are cut into `stretches`.
std::size_t StretchStart(std::size_t count, std::size_t stretches, std::size_t b) {
    return count * b / stretches;
}

QList<QPointF> LowAndHigh(const QList<QPointF>& points, std::size_t stretches) {
    const auto count = static_cast<std::size_t>(points.size());
    QList<QPointF> kept;
    kept.reserve(static_cast<qsizetype>(stretches * 2));
    for (std::size_t b = 0; b < stretches; ++b) {
        const auto begin =
            points.begin() + static_cast<qsizetype>(StretchStart(count, stretches, b));
        const auto end =
            points.begin() + static_cast<qsizetype>(StretchStart(count, stretches, b + 1));
        if (begin == end) continue;
        const auto [low, high] = std::minmax_element(
            begin, end, [](const QPointF& a, const QPointF& c) { return a.y() < c.y(); });
        kept.append(low < high ? *low : *high);
        if (low != high) kept.append(low < high ? *high : *low);
    }
    return kept;
}

}  // namespace

QList<QPointF> LinePoints(std::span<const double> values, int maxPoints) {
    QList<QPointF> points = AllPoints(values);
    if (points.size() <= maxPoints) return points;
    return LowAndHigh(points, static_cast<std::size_t>(maxPoints / 2));
}

QList<QPointF> StepPoints(std::span<const double> values, int maxPoints) {
    QList<QPointF> points;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const double x = static_cast<double>(i + 1);
        if (i > 0 && values[i] != values[i - 1]) points.append({x, values[i - 1]});
        if (i == 0 || values[i] != values[i - 1] || i + 1 == values.size())
            points.append({x, values[i]});
    }
    if (points.size() <= maxPoints) return points;
    return LowAndHigh(points, static_cast<std::size_t>(maxPoints / 2));
}

QList<QPointF> MeanPoints(std::span<const double> values, int maxPoints) {
    if (values.size() <= static_cast<std::size_t>(maxPoints)) return AllPoints(values);
    const auto stretches = static_cast<std::size_t>(maxPoints);
    QList<QPointF> points;
    points.reserve(maxPoints);
    for (std::size_t b = 0; b < stretches; ++b) {
        const std::size_t begin = StretchStart(values.size(), stretches, b);
        const std::size_t end = StretchStart(values.size(), stretches, b + 1);
        double x = 0, y = 0;
        for (std::size_t i = begin; i < end; ++i) x += static_cast<double>(i + 1), y += values[i];
        const auto n = static_cast<double>(end - begin);
        points.append({x / n, y / n});
    }
    return points;
}

}  // namespace bellmora
