// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "HistoryRow.h"
#include "Platform.h"
#include "RecordFile.h"
#include "RecordReader.h"
#include "WindowState.h"

namespace bellmora {

// One line of the history list from the five texts of a run.
std::u16string FormatHistoryLine(const std::u16string& date, const std::u16string& moji,
                                 const std::u16string& jikan, const std::u16string& byou,
                                 const std::u16string& byou2);

// The five texts the history shows for a stored run.
ChartRun HistoryTexts(const StoredRun& run);

// Sets the totals and best records to their no-run values.
void ResetTotals(WindowState& st);

// Rebuilds the history list and the totals from the current problem's record file.
// A damaged record is passed over without a word; the runs after it are read.
void LoadHistory(WindowState& st, Platform& p);

// Click on Clear (cmdClear): empties the history after the user confirms.
void OnClearClick(WindowState& st, Platform& p);

}  // namespace bellmora
