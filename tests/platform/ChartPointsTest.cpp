// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <vector>

#include "ChartPoints.h"

namespace bellmora::test {
namespace {

// Past 2 000 runs the line is thinned, yet every slow run and every fast one still shows.
TEST(ChartPoints, LongLineKeepsEverySlowAndFastRun) {
    std::vector<double> speeds(5000, 3.0);
    for (std::size_t i = 0; i < speeds.size(); i += 37) speeds[i] = 1.0 + i / 10000.0;
    for (std::size_t i = 18; i < speeds.size(); i += 37) speeds[i] = 5.0 + i / 10000.0;
    const QList<QPointF> points = LinePoints(speeds);
    EXPECT_LE(points.size(), kMaxChartPoints);
    for (std::size_t i = 0; i < speeds.size(); ++i) {
        if (speeds[i] == 3.0) continue;
        EXPECT_TRUE(points.contains(QPointF(i + 1.0, speeds[i]))) << i;
    }
}

}  // namespace
}  // namespace bellmora::test
