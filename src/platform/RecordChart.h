// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <string>
#include <vector>

#include "HistoryRow.h"

namespace bellmora {

// One character of the weakest-characters table, as it shows.
struct WeakCharacterRow {
    std::u16string character, expected, missed, rate, mostTyped;
};

// What the record chart shows of one problem. Without runs it shows the note instead.
struct RecordChartContent {
    std::u16string title;
    std::u16string note;
    std::vector<ChartRun> runs;      // oldest first; the table's rows and the dates
    std::vector<double> speed;       // characters per second of each run
    std::vector<double> bestSoFar;   // a step line
    std::vector<double> recentMean;  // a smooth line
    std::u16string recentMeanName;   // its name in the legend
    std::u16string figures;          // the line under the chart
    std::vector<double> accuracy;    // percent of each run; NaN where no misses are known
    // The characters missed most, in this problem's runs and in those of all the folder's.
    std::vector<WeakCharacterRow> weakInText, weakInFolder;
    int weakMinimum = 0;  // how often a character came at least, to be ranked
};

// Asked of the program by the chart: a drill from the weakest characters of the chosen
// problem, or of all problems of the folder.
using DrillRequest = std::function<void(bool allTexts)>;

// The record chart: a window of its own beside the main window, created when first shown.
class RecordChart {
public:
    virtual ~RecordChart() = default;
    virtual bool IsShown() const = 0;
    // Shows the content and brings the window to the front.
    virtual void Show(const RecordChartContent& content) = 0;
    // Replaces what a shown window holds, leaving the focus where it is.
    virtual void Update(const RecordChartContent& content) = 0;
    virtual void Close() = 0;
    // What the drill button asks for, from then on.
    virtual void SetDrillRequest(DrillRequest request) = 0;
};

}  // namespace bellmora
