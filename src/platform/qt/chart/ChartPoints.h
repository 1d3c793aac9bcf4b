// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QPointF>

#include <span>

namespace bellmora {

// More points than this per line cannot be told apart on any screen.
inline constexpr int kMaxChartPoints = 2000;

// The values as points at x = 1, 2, …; a long line keeps the lowest and the highest point
// of every stretch of x it is cut into, in their order, so that no peak is lost.
QList<QPointF> LinePoints(std::span<const double> values, int maxPoints = kMaxChartPoints);

// A step line through the values: it rises or falls only where the value changes.
QList<QPointF> StepPoints(std::span<const double> values, int maxPoints = kMaxChartPoints);

// The values as points, a long line evened out to the mean of each stretch.
QList<QPointF> MeanPoints(std::span<const double> values, int maxPoints = kMaxChartPoints);

}  // namespace bellmora
