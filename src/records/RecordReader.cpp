// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordReader.h"

#include <optional>

#include "ItemReader.h"

namespace bellmora {

namespace {

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
    return ParseEachLine(text, ParseRecordLine);
}

std::vector<StoredRun> ReadRecords(TextFiles& files, const std::u16string& fileName) {
    // A file with undecodable bytes is read as it came back: a line holding a replacement
    // character in a number is damaged, the others read.
    const TextFileContent file = files.ReadText(fileName);
    if (file.status == ReadStatus::Unreadable) return {};
    return ParseRecords(file.text);
}

}  // namespace bellmora
