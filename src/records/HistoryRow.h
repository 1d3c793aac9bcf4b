// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace bellmora {

// One run as the history shows it, a line of the list and a row of the record chart's
// table: its date and its four figures, as texts; then its misses and accuracy, empty for a
// run recorded before misses were kept.
struct ChartRun {
    std::u16string date, moji, jikan, byou, byou2;
    std::u16string miss, accuracy;
};

}  // namespace bellmora
