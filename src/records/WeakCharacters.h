// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "MissFile.h"
#include "TextFiles.h"

namespace bellmora {

// A character must have been expected this often before its rate counts: one slip on a
// rare character would otherwise top the list.
inline constexpr int kMinExpected = 5;

// What the runs with known misses say of one character.
struct CharacterTally {
    int expected = 0;                     // times it was to be typed
    int missed = 0;                       // characters dropped while it was expected
    std::map<std::u16string, int> typed;  // the wrong commits, by how often they came
};
using MissTally = std::map<std::u16string, CharacterTally>;

// Adds the runs of one text (as it is typed) that have known misses.
void TallyMisses(MissTally& tally, std::u16string_view text,
                 const std::vector<RunWithMisses>& runs);

struct WeakCharacter {
    std::u16string character;
    int expected = 0;
    int missed = 0;
    double rate = 0;  // missed ÷ (expected + missed), as accuracy counts a run
    std::u16string mostTyped;
};

// The characters missed at least once and expected at least minExpected times, the
// highest miss rate first, then the most misses.
std::vector<WeakCharacter> RankWeakCharacters(const MissTally& tally,
                                              int minExpected = kMinExpected);

// The text of a problem file as it is typed: its items joined, line ends and commas left
// out. Empty when it cannot be read.
std::u16string TypedTextOf(TextFiles& files, const std::u16string& fileName);

// The weak characters of the named problem files of the folder (read-me files left out).
std::vector<WeakCharacter> WeakCharactersOf(TextFiles& files,
                                            const std::vector<std::u16string>& problemFiles);

}  // namespace bellmora
