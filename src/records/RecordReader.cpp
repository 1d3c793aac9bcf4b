// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordReader.h"

#include <optional>

#include "ItemReader.h"

namespace bellmora {

namespace {

bool IsLineEnd(char16_t c) { return c == u'\r' || c == u'\n'; }

std::optional<StoredRun> ParseRecordLine(std::u16string_view line) {
    ItemReader reader(line);
    StoredRun run;
    const bool read = reader.ReadText(run.date) && reader.ReadNumber(run.moji) &&
                      reader.ReadNumber(run.jikan) && reader.ReadNumber(run.byou) &&
                      reader.ReadNumber(run.byou2);
    // A sixth item means the line is not one of ours; a trailing comma is only a separator.
    if (!read || !reader.AtEnd()) return std::nullopt;
    return run;
}

}  // namespace

std::vector<StoredRun> ParseRecords(std::u16string_view text) {
    std::vector<StoredRun> runs;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = start;
        while (end < text.size() && !IsLineEnd(text[end])) ++end;
        if (end > start) {
            if (std::optional<StoredRun> run = ParseRecordLine(text.substr(start, end - start)))
                runs.push_back(std::move(*run));
        }
        start = end + 1;
    }
    return runs;
}

std::vector<StoredRun> ReadRecords(TextFiles& files, const std::u16string& fileName) {
    // A file with undecodable bytes is read as it came back: a line holding a replacement
    // character in a number is damaged, the others read.
    const TextFileContent file = files.ReadText(fileName);
    if (file.status == ReadStatus::Unreadable) return {};
    return ParseRecords(file.text);
}

}  // namespace bellmora
