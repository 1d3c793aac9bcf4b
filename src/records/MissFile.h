// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "RecordReader.h"
#include "TextFiles.h"
#include "WindowState.h"

namespace bellmora {

// The misses of a problem's runs lie beside its record file, never in it: the record file
// keeps its five items for the programs and files that know only those.
std::u16string MissFileName(const std::u16string& problemName);

// One run's line of the miss file: its date text as in its record line, its count of
// dropped characters, then each miss as two texts, the expected character and what was
// committed instead. Like a record line, items in double quotes or plain digits,
// separated by commas and ended by CR LF; the texts are written as their UTF-16 code
// units in four hexadecimal digits each, so that the file is ASCII throughout and no
// typed quote, comma or line end can break a line.
std::string FormatMissLine(std::u16string_view date, const std::vector<Miss>& misses);

// The characters a run dropped, counted as keystrokes.
std::int64_t MissedKeys(const std::vector<Miss>& misses);

// One line of a miss file as read back.
struct StoredMisses {
    std::u16string date;
    std::int32_t count = 0;
    std::vector<Miss> misses;
};

// The lines of a miss file's text, in order. A line that does not read whole (a text that
// is not hexadecimal, a count that does not match its misses) is damaged and skipped.
std::vector<StoredMisses> ParseMissLines(std::u16string_view text);

// For each run, the miss line with its date, in order: the first run of a date takes the
// first line of that date. Nothing for runs without one (recorded before misses were kept).
std::vector<std::optional<StoredMisses>> MatchMisses(const std::vector<StoredRun>& runs,
                                                     std::vector<StoredMisses> lines);

// The runs of a problem's record file, each with its misses when they are known.
struct RunWithMisses {
    StoredRun run;
    std::optional<StoredMisses> misses;
};
std::vector<RunWithMisses> ReadRunsWithMisses(TextFiles& files, const std::u16string& problemName);

// Hits ÷ (hits + misses) in percent, where the hits are the run's characters.
double AccuracyPercent(double moji, std::int32_t misses);

}  // namespace bellmora
