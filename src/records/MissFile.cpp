// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MissFile.h"

#include "TypingUnit.h"

#include <cstdint>
#include <map>

#include "ItemReader.h"
#include "NumberText.h"
#include "RecordFile.h"
#include "Text.h"

namespace bellmora {

namespace {

constexpr char kHex[] = "0123456789ABCDEF";

void AppendHex(std::string& out, std::u16string_view text) {
    out += '"';
    for (const char16_t c : text)
        for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(c >> shift) & 0xF];
    out += '"';
}

std::optional<std::u16string> FromHex(std::u16string_view hex) {
    if (hex.empty() || hex.size() % 4 != 0) return std::nullopt;
    std::u16string text;
    for (std::size_t i = 0; i < hex.size(); i += 4) {
        char16_t c = 0;
        for (std::size_t j = i; j < i + 4; ++j) {
            const char16_t d = hex[j];
            const int digit = d >= u'0' && d <= u'9'   ? d - u'0'
                              : d >= u'A' && d <= u'F' ? d - u'A' + 10
                                                       : -1;
            if (digit < 0) return std::nullopt;
            c = static_cast<char16_t>(c << 4 | digit);
        }
        text += c;
    }
    return text;
}

std::optional<StoredMisses> ParseMissLine(std::u16string_view line) {
    ItemReader reader(line);
    StoredMisses stored;
    float count = 0;
    if (!reader.ReadText(stored.date) || !reader.ReadNumber(count)) return std::nullopt;
    std::int64_t dropped = 0;
    std::u16string expected, typed;
    while (!reader.AtEnd()) {
        if (!reader.ReadText(expected) || !reader.ReadText(typed)) return std::nullopt;
        auto e = FromHex(expected);
        auto t = FromHex(typed);
        if (!e || !t) return std::nullopt;
        dropped += KeystrokeCount(*t);
        stored.misses.push_back({std::move(*e), std::move(*t)});
    }
    // A line cut short or edited loses the agreement of its count with its misses.
    if (count != static_cast<float>(dropped) || dropped > INT32_MAX) return std::nullopt;
    stored.count = static_cast<std::int32_t>(dropped);
    return stored;
}

}  // namespace

std::u16string MissFileName(const std::u16string& problemName) { return problemName + u".MIS"; }

std::int64_t MissedKeys(const std::vector<Miss>& misses) {
    std::int64_t count = 0;
    for (const Miss& miss : misses) count += KeystrokeCount(miss.typed);
    return count;
}

std::string FormatMissLine(std::u16string_view date, const std::vector<Miss>& misses) {
    std::string line = "\"";
    for (char16_t c : date) line.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    line += "\",";
    for (char16_t c : IntegerText(MissedKeys(misses))) line.push_back(static_cast<char>(c));
    for (const Miss& miss : misses) {
        line += ',';
        AppendHex(line, miss.expected);
        line += ',';
        AppendHex(line, miss.typed);
    }
    line += "\r\n";
    return line;
}

std::vector<StoredMisses> ParseMissLines(std::u16string_view text) {
    return ParseEachLine(text, ParseMissLine);
}

std::vector<std::optional<StoredMisses>> MatchMisses(const std::vector<StoredRun>& runs,
                                                     std::vector<StoredMisses> lines) {
    std::multimap<std::u16string, StoredMisses*> byDate;  // equal dates keep their order
    for (StoredMisses& line : lines) byDate.emplace(line.date, &line);
    std::vector<std::optional<StoredMisses>> matched;
    matched.reserve(runs.size());
    for (const StoredRun& run : runs) {
        const auto it = byDate.find(run.date);
        if (it == byDate.end()) {
            matched.emplace_back();
            continue;
        }
        matched.emplace_back(std::move(*it->second));
        byDate.erase(it);
    }
    return matched;
}

std::vector<RunWithMisses> ReadRunsWithMisses(TextFiles& files, const std::u16string& problemName) {
    std::vector<StoredRun> runs = ReadRecords(files, RecordFileName(problemName));
    std::vector<StoredMisses> lines;
    // A missing miss file means that no misses are known: the runs stand without them.
    if (!runs.empty()) {
        const TextFileContent file = files.ReadText(MissFileName(problemName));
        if (file.status != ReadStatus::Unreadable) lines = ParseMissLines(file.text);
    }
    std::vector<std::optional<StoredMisses>> misses = MatchMisses(runs, std::move(lines));
    std::vector<RunWithMisses> result;
    result.reserve(runs.size());
    for (std::size_t i = 0; i < runs.size(); ++i)
        result.push_back({std::move(runs[i]), std::move(misses[i])});
    return result;
}

double AccuracyPercent(double moji, std::int32_t misses) {
    const double all = moji + misses;
    return all > 0 ? moji / all * 100.0 : 100.0;
}

}  // namespace bellmora
