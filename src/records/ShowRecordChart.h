// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

#include "Platform.h"
#include "RecordChart.h"
#include "WeakCharacters.h"
#include "WindowState.h"

namespace bellmora {

// The history an open chart was built from: it is built again only when this changes.
struct ChartedRecords {
    std::u16string problem;
    int runs = -1;
    std::int32_t moji = 0;
    double jikan = 0;
    friend bool operator==(const ChartedRecords&, const ChartedRecords&) = default;
};

// The chart of a problem's record file: its runs, their lines and the figures, and the
// weakest characters of the problem and of the folder's problem files.
RecordChartContent BuildRecordChart(const std::u16string& problemName, TextFiles& files,
                                    const std::vector<std::u16string>& folderFiles = {});

// The table's texts of weak characters.
std::vector<WeakCharacterRow> WeakCharacterRows(const std::vector<WeakCharacter>& weak);

// Double-click or Enter on the history list, or its menu item: shows the chart of the
// loaded problem. Refused without a word during a countdown or a run, and before a
// problem is loaded.
void OnRecordChart(const WindowState& st, Platform& p, RecordChart& chart, ChartedRecords& charted);

// Keeps an open chart on the current history: a new run, a Clear, another problem.
void FollowRecordChart(const WindowState& st, Platform& p, RecordChart& chart,
                       ChartedRecords& charted);

}  // namespace bellmora
