// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "Platform.h"
#include "WindowState.h"

namespace bellmora {

// The drill's problem file, in the working folder beside the texts it is made from.
inline constexpr std::u16string_view kDrillFileName = u"苦手な字の練習.txt";

// Its size: enough sentences for about this many characters, never more than the most.
inline constexpr std::size_t kDrillLeast = 100;
inline constexpr std::size_t kDrillMost = 300;

// The sentences of a problem file's text as it is typed, split at 。！？ (kept) and at
// line ends (dropped); blank ones are left out.
std::vector<std::u16string> SplitSentences(std::u16string_view fileText);

// The drill's sentences: for each weak character in turn, weakest first, the shortest
// sentence not yet taken that holds it and still fits; round after round, until the
// drill holds at least kDrillLeast characters at the end of a round or no sentence is
// left to take. Never more than kDrillMost characters in all.
std::vector<std::u16string> ChooseDrillSentences(const std::vector<std::u16string>& weakest,
                                                 const std::vector<std::u16string>& sentences);

// The button 苦手な字で練習 of the chart: writes the drill from the weakest characters of
// the chosen problem or of all problems of the folder, lists it, and loads it. Refused
// without a word during a countdown or a run.
void OnMakeDrill(WindowState& st, Platform& p, bool allTexts);

}  // namespace bellmora
