// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WeakCharacters.h"

#include <algorithm>

#include "ItemReader.h"
#include "Text.h"
#include "TypingUnit.h"

namespace bellmora {

namespace {

std::u16string ProblemName(const std::u16string& fileName) {
    return fileName.size() > 4 ? fileName.substr(0, fileName.size() - 4) : std::u16string();
}

}  // namespace

void TallyMisses(MissTally& tally, std::u16string_view text,
                 const std::vector<RunWithMisses>& runs) {
    std::map<std::u16string, int> inText;
    for (int at = 1; at <= static_cast<int>(text.size());) {
        std::u16string unit = TypingUnitAt(text, at);
        at += static_cast<int>(unit.size());
        ++inText[std::move(unit)];
    }
    for (const RunWithMisses& run : runs) {
        if (!run.misses) continue;  // recorded before misses were kept
        for (const auto& [unit, count] : inText) tally[unit].expected += count;
        for (const Miss& miss : run.misses->misses) {
            CharacterTally& character = tally[miss.expected];
            character.missed += static_cast<int>(KeystrokeCount(miss.typed));
            ++character.typed[miss.typed];
        }
    }
}

std::vector<WeakCharacter> RankWeakCharacters(const MissTally& tally, int minExpected) {
    std::vector<WeakCharacter> weak;
    for (const auto& [character, counts] : tally) {
        if (counts.missed == 0 || counts.expected < minExpected) continue;
        const auto most =
            std::max_element(counts.typed.begin(), counts.typed.end(),
                             [](const auto& a, const auto& b) { return a.second < b.second; });
        weak.push_back({character, counts.expected, counts.missed,
                        static_cast<double>(counts.missed) / (counts.expected + counts.missed),
                        most == counts.typed.end() ? std::u16string() : most->first});
    }
    std::stable_sort(weak.begin(), weak.end(), [](const WeakCharacter& a, const WeakCharacter& b) {
        if (a.rate != b.rate) return a.rate > b.rate;
        return a.missed > b.missed;
    });
    return weak;
}

std::u16string TypedTextOf(TextFiles& files, const std::u16string& fileName) {
    const TextFileContent file = files.ReadText(fileName);
    if (file.status != ReadStatus::Ok) return {};
    std::u16string text;
    ItemReader reader(file.text);
    std::u16string item;
    while (!reader.AtEnd() && reader.ReadText(item)) text += item;
    return text;
}

std::vector<WeakCharacter> WeakCharactersOf(TextFiles& files,
                                            const std::vector<std::u16string>& problemFiles) {
    MissTally tally;
    for (const std::u16string& file : problemFiles) {
        if (IsReadMeName(file)) continue;
        // Only a problem with a miss file has runs to count: the others' record files,
        // however long, are not read.
        const std::u16string name = ProblemName(file);
        if (files.ReadText(MissFileName(name)).status == ReadStatus::Unreadable) continue;
        const std::vector<RunWithMisses> runs = ReadRunsWithMisses(files, name);
        if (runs.empty()) continue;
        TallyMisses(tally, TypedTextOf(files, file), runs);
    }
    return RankWeakCharacters(tally);
}

}  // namespace bellmora
